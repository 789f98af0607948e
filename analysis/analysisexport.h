#pragma once

#include "loananalysis.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The analysis as files for spreadsheets and scripts. CSV follows RFC 4180 (UTF-8, fields with
// a comma, quote or line end in quotes, quotes doubled, lines ending in CR LF); every number is
// written with "." and no grouping, so that a spreadsheet reads it in any locale. JSON gives
// plain numbers and null for a figure that cannot be computed.
namespace AnalysisExport {

// A text for a cell: one that a spreadsheet would take for a formula (it begins with "=", "+",
// "-", "@", a tab or a carriage return) gets a leading "'". Numbers the program writes are not
// texts and keep their sign. Control characters and line ends are written as spaces.
[[nodiscard]] QString CsvText(const QString &text);
// A line of cells as they are, quoted where needed.
[[nodiscard]] QByteArray CsvFields(const QStringList &cells);
// A line of texts (CsvText of each field).
[[nodiscard]] QByteArray CsvLine(const QStringList &fields);

// The comparison as the window shows it: a row per measure, a column per loan; labels in the
// user's language, figures as plain numbers (fractions as fractions), empty where unknown.
[[nodiscard]] QByteArray ComparisonCsv(const CDealRecord &record, const CDealAnalysis &deal);

// A schedule, monthly or summed per year.
[[nodiscard]] QByteArray ScheduleCsv(const std::vector<CScheduleRow> &rows, bool yearly);

// Many deal files in one table: the header, then a line per loan of each file, the file's name
// first.
[[nodiscard]] QByteArray DealsCsvHeader();
[[nodiscard]] QByteArray DealCsvLines(const QString &file, const CDealRecord &record,
                                      const CDealAnalysis &deal);

// One deal file as a JSON object (see docs/analysis-json.md).
[[nodiscard]] QJsonObject DealJson(const QString &file, const CDealRecord &record,
                                   const CDealAnalysis &deal);
// The document of many: {"format": "zantoria-analysis", "version": 1, "deals": [...]}.
[[nodiscard]] QByteArray DealsJson(const QList<QJsonObject> &deals);

} // namespace AnalysisExport
