#pragma once

#include "core/loananalysis.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The analysis as files for spreadsheets and scripts. CSV follows RFC 4180 (UTF-8, fields with
// the separator, a quote or a line end in quotes, quotes doubled, lines ending in CR LF). The
// command line's CSV is for scripts: "," between cells, numbers with "." and no grouping in any
// locale. The window's CSV is for the user's spreadsheet: a UTF-8 byte-order mark, numbers with
// the locale's decimal separator and no grouping, ";" between cells where that separator is ",".
// Shares are fractions everywhere (0.07 for 7 %). JSON gives plain numbers and null for a figure
// that cannot be computed.
namespace AnalysisExport {

// A text for a cell: one that a spreadsheet would take for a formula (it begins with "=", "+",
// "-", "@", a tab or a carriage return) gets a leading "'". Numbers the program writes are not
// texts and keep their sign. Control characters and line ends are written as spaces.
[[nodiscard]] QString csvText(const QString &text);
// A line of cells as they are, quoted where needed.
[[nodiscard]] QByteArray csvFields(const QStringList &cells, QChar separator = QLatin1Char(','));
// A line of texts (CsvText of each field).
[[nodiscard]] QByteArray csvLine(const QStringList &fields, QChar separator = QLatin1Char(','));

// The comparison as the window shows it, for the user's spreadsheet: a column per loan, a row
// for the lender, the description and each figure typed, then one per measure; labels in the
// user's language, empty where a figure is unknown.
[[nodiscard]] QByteArray comparisonCsv(const DealRecord &record, const DealAnalysis &deal);

// A loan's schedule, monthly or summed per year, for the user's spreadsheet; the first line
// names the loan and its lender.
[[nodiscard]] QByteArray scheduleCsv(const DealRecord &record, int loan,
                                     const std::vector<ScheduleRow> &rows, bool yearly);

// Many deal files in one table: the header, then a line per loan of each file, the file's name
// first.
[[nodiscard]] QByteArray dealsCsvHeader();
[[nodiscard]] QByteArray dealCsvLines(const QString &file, const DealRecord &record,
                                      const DealAnalysis &deal);

// The holding period year by year: the header, then a line per loan and year of each file
// (a loan without a projection has none).
[[nodiscard]] QByteArray yearlyCsvHeader();
[[nodiscard]] QByteArray yearlyCsvLines(const QString &file, const DealRecord &record,
                                        const DealAnalysis &deal);

// How the JSON is written: indented (a person reads it) or on one line (a pipeline reads it), and
// whether each loan's projection and after-tax figures carry their years.
struct JsonStyle
{
    bool compact = false;
    bool years = true;
};

// One deal file as the text of a JSON object (see docs/analysis-json.md), indented as it stands
// level levels deep in a document; its first line is not indented.
[[nodiscard]] QByteArray dealJsonText(const QString &file, const DealRecord &record,
                                      const DealAnalysis &deal, int level = 0, JsonStyle style = {});
// The same object, read back.
[[nodiscard]] QJsonObject dealJson(const QString &file, const DealRecord &record,
                                   const DealAnalysis &deal);
// The document of many, {"format": "zantoria-analysis", "version": 2, "deals": [...]}, written
// piece by piece: the head, each deal's text two levels deep (after a line end and eight spaces,
// and a comma before all but the first), then the tail.
[[nodiscard]] QByteArray jsonDocumentHead(bool compact = false);
[[nodiscard]] QByteArray jsonDocumentTail(bool compact = false);
// What stands before a deal's text in the document: nothing, a comma, and in the indented form a
// line end and eight spaces.
[[nodiscard]] QByteArray jsonDealSeparator(bool first, bool compact);
// The whole document of deals written with dealJsonText(..., 2).
[[nodiscard]] QByteArray dealsJson(const QList<QByteArray> &deals);

} // namespace AnalysisExport
