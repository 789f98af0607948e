#pragma once

#include "core/localeservices.h"
#include "core/measure.h"
#include "core/measures.h"
#include "core/scenarios.h"

#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QPageSize>
#include <QSize>
#include <QString>

#include <algorithm>
#include <functional>
#include <vector>

class AnalysisShown;
class QAbstractItemModel;
class QPalette;
class QCategoryAxis;
class QChart;
class QChartView;
class QFontMetrics;
class QTableView;
class QWidget;

// The pieces the Loan Analysis window's pages share: table cells of figures and their marks,
// charts and their axes, and the HTML of a printed table.
namespace AnalysisViews {

// Marks a comparison cell that is best of its row, for the printed table to mark it as well.
constexpr int BestRole = Qt::UserRole + 1;
// Marks a cell of the current assumption, for the printout to mark it as well.
constexpr int CurrentRole = Qt::UserRole + 2;
// A cell's colour on the sensitivity scale, for the printout.
constexpr int ScaleRole = Qt::UserRole + 3;

inline const QColor bestColor(198, 239, 206);
inline const QColor unknownColor(0xd9, 0xd9, 0xd9);
// Room at the paper's edges that every printer can leave white.
inline const QMarginsF printMargins(15, 15, 15, 15);

// The colour of a place on the scale from 0 (the worst) to 1 (the best): red, yellow, green.
[[nodiscard]] QColor scaleColor(double t);

// The grid's IRRs coloured by their rank among the known ones, not by their distance: a short
// hold's far worse IRR would leave every other cell the same green.
struct IrrScale
{
    std::vector<double> sorted;

    explicit IrrScale(const Sensitivity &s)
    {
        for (const auto &row : s.grid) {
            for (const Measure &irr : row) {
                if (irr.isKnown())
                    sorted.push_back(irr.value);
            }
        }
        std::sort(sorted.begin(), sorted.end());
    }

    [[nodiscard]] QColor colour(const Measure &irr) const
    {
        if (!irr.isKnown())
            return unknownColor;
        if (sorted.size() < 2 || sorted.front() == sorted.back())
            return scaleColor(0.5);
        // Equal IRRs share a colour: the middle of their ranks.
        const auto low = std::lower_bound(sorted.begin(), sorted.end(), irr.value);
        const auto high = std::upper_bound(sorted.begin(), sorted.end(), irr.value);
        const double rank = (double(low - sorted.begin()) + double(high - sorted.begin()) - 1) / 2;
        return scaleColor(rank / double(sorted.size() - 1));
    }
};

// Letter where the user's numbers come from a country that prints on it, A4 elsewhere.
[[nodiscard]] QPageSize paperOfTheLocale();
// The chart as a picture, whether or not its view is on screen, laid out at the size it is printed
// (in the printout's pixels, 96 an inch) and sharp at a printer's resolution.
[[nodiscard]] QImage picture(QChart *chart, QSize printed);
// The size a chart is printed at: within a page's width, its text as large as on screen.
inline const QSize PrintedChart(640, 360);
// The printout's paragraph showing the picture added to the document as "chart:name".
[[nodiscard]] QString printedChart(const QString &name);
// A model as an HTML table for the printout, from firstRow on; only the given columns, in their
// order, where columns names any.
[[nodiscard]] QString htmlTable(const QAbstractItemModel &model, bool withRowHeaders,
                                int firstRow = 0, const QList<int> &columns = {});
// Takes the series and axes off the chart and deletes them: a removed axis is the caller's.
void clearChart(QChart *chart);
// A view of chart, named for tests and accessibility.
[[nodiscard]] QChartView *chartView(QChart *chart, const QString &name);
// A round step (1, 2, 2.5 or 5 times a power of ten; whole numbers only 1, 2 or 5 times) that cuts
// span into at most parts pieces.
[[nodiscard]] double roundStep(double span, int parts, bool whole);
// A lender's name in lines of at most most pixels, broken between words; a word longer than a
// line, and a fourth line, are cut short with an ellipsis (the tooltip has the whole name).
[[nodiscard]] QString wrapName(const QString &name, const QFontMetrics &metrics, int most);
// A table of figures on a page that scrolls: read only, never scrolled up and down nor reached
// with the keys, its rows as tall as their texts; named for tests and accessibility.
[[nodiscard]] QTableView *figuresTable(const char *name, const QString &accessibleName, QWidget *parent);
// Makes a table as tall as its header and rows, so that the page scrolls, not the table. The rows
// are summed one by one, as a hidden row header keeps no length of its own.
void fitToRows(QTableView *table);
// The headers of a table of years, in lines no wider than a figure so that the columns fit the
// window's width; a word longer than that sets the line's width.
[[nodiscard]] QStringList yearColumnHeaders(const std::vector<ProjectionYearColumn> &columns,
                                            const QFontMetrics &metrics);
// A figure set into a sentence: in a right-to-left locale it is isolated left to right (U+2066 ...
// U+2069), as a table cell shows it, so that its marks do not reorder the words around it.
[[nodiscard]] QString inSentence(const QString &figure,
                                 LocaleServices::Category category = LocaleServices::Category::Money);
// Money on an axis: the user's format and the deal's currency, without a fraction that is all
// zeros.
[[nodiscard]] QString axisMoney(double value, const QString &currency);
// An axis from bottom (0 unless given) to at least top, labelled at round steps. The labels are the
// program's own texts (Latin digits and the user's money format, as in the tables), which a
// value axis cannot give.
[[nodiscard]] QCategoryAxis *roundAxis(double top, int parts, bool whole,
                                       const std::function<QString(double)> &label,
                                       double bottom = 0);

} // namespace AnalysisViews
