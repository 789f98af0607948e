#include "ui/analysisviews.h"

#include "ui/analysisshown.h"
#include "ui/figuretext.h"

#include "core/value.h"

#include <QAbstractItemModel>
#include <QCategoryAxis>
#include <QChart>
#include <QHeaderView>
#include <QTableView>
#include <QChartView>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QHash>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace AnalysisViews {

QColor scaleColor(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    const QColor red(0xf8, 0x69, 0x6b), yellow(0xff, 0xeb, 0x84), green(0x63, 0xbe, 0x7b);
    const QColor &from = t < 0.5 ? red : yellow;
    const QColor &to = t < 0.5 ? yellow : green;
    const double u = t < 0.5 ? 2 * t : 2 * t - 1;
    return QColor::fromRgbF(float(from.redF() + u * (to.redF() - from.redF())),
                            float(from.greenF() + u * (to.greenF() - from.greenF())),
                            float(from.blueF() + u * (to.blueF() - from.blueF())));
}

QPageSize paperOfTheLocale()
{
    const QLocale locale(LocaleServices::localeName(LocaleServices::Category::Numbers));
    static const QList<QLocale::Territory> letter = {
        QLocale::UnitedStates, QLocale::Canada,   QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia, QLocale::Venezuela, QLocale::PuertoRico};
    return QPageSize(letter.contains(locale.territory()) ? QPageSize::Letter : QPageSize::A4);
}

QImage picture(QChart *chart, QSize printed)
{
    // Laid out at the size it is printed, so that its text prints at the size it has on screen,
    // and drawn at three times as many pixels, so that it prints sharp.
    constexpr int Sharpness = 3;
    QImage image(printed * Sharpness, QImage::Format_ARGB32);
    image.fill(Qt::white);
    const QSizeF shown = chart->size();
    chart->resize(printed);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        chart->scene()->render(&painter, QRectF(QPointF(0, 0), image.size()), chart->sceneBoundingRect());
    }
    chart->resize(shown);
    image.setDevicePixelRatio(Sharpness);
    return image;
}

QString printedChart(const QString &name)
{
    return QStringLiteral("<p><img src=\"chart:%1\" width=\"%2\" height=\"%3\"/></p>")
        .arg(name)
        .arg(PrintedChart.width())
        .arg(PrintedChart.height());
}

QString htmlTable(const QAbstractItemModel &model, bool withRowHeaders, int firstRow,
                  const QList<int> &columns)
{
    QList<int> shown = columns;
    if (shown.isEmpty()) {
        for (int c = 0; c < model.columnCount(); ++c)
            shown << c;
    }
    // The header row repeats on every page the table runs to.
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><thead><tr>");
    if (withRowHeaders)
        html += QStringLiteral("<th></th>");
    const auto header = [&model](int section, Qt::Orientation orientation) {
        const QString text = model.headerData(section, orientation).toString().toHtmlEscaped()
                                 .replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
        return model.headerData(section, orientation, CurrentRole).toBool() ? QStringLiteral("<b>%1</b>").arg(text) : text;
    };
    for (int c : shown)
        html += QStringLiteral("<th>%1</th>").arg(header(c, Qt::Horizontal));
    html += QStringLiteral("</tr></thead>");
    for (int r = firstRow; r < model.rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        if (withRowHeaders)
            html += QStringLiteral("<th align=\"left\">%1</th>").arg(header(r, Qt::Vertical));
        // A property's figure, alone in the first column, spans the five as it does on screen.
        bool alone = withRowHeaders && model.columnCount() > 1;
        for (int c = 1; alone && c < model.columnCount(); ++c)
            alone = model.index(r, c).data().toString().isEmpty();
        if (alone && !model.index(r, 0).data().toString().isEmpty()) {
            html += QStringLiteral("<td align=\"center\" colspan=\"%1\">%2</td></tr>")
                        .arg(model.columnCount())
                        .arg(model.index(r, 0).data().toString().toHtmlEscaped());
            continue;
        }
        for (int c : shown) {
            const QModelIndex index = model.index(r, c);
            const bool best = index.data(BestRole).toBool();
            const QVariant scale = index.data(ScaleRole);
            const QString colour = scale.isValid() ? scale.value<QColor>().name() : best ? bestColor.name() : QString();
            const bool bold = best || index.data(CurrentRole).toBool();
            // Figures stand to the right; a cell of text the model sets to the left stays there.
            const bool left = index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft;
            html += QStringLiteral("<td align=\"%3\"%1>%2</td>")
                        .arg(colour.isEmpty() ? QString() : QStringLiteral(" bgcolor=\"%1\"").arg(colour),
                             (bold ? QStringLiteral("<b>%1</b>") : QStringLiteral("%1"))
                                 .arg(index.data().toString().toHtmlEscaped()),
                             left ? QStringLiteral("left") : QStringLiteral("right"));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

void clearChart(QChart *chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

QChartView *chartView(QChart *chart, const QString &name)
{
    // The chart's own frame and rounded background would take the room its figures need.
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    auto *view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(name);
    view->setFocusPolicy(Qt::NoFocus);
    view->setMinimumHeight(240);
    return view;
}

double roundStep(double span, int parts, bool whole)
{
    if (!(span > 0) || !std::isfinite(span))
        return 1;
    const double least = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (whole && factor == 2.5 && power < 10)
            continue;
        if (factor * power >= least * (1 - 1e-9))
            return whole ? std::max(1.0, std::round(factor * power)) : factor * power;
    }
    return 10 * power;
}

QString wrapName(const QString &name, const QFontMetrics &metrics, int most)
{
    QStringList lines;
    QString line;
    for (const QString &word : name.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= most) {
            line = longer;
        } else {
            lines << line;
            line = word;
        }
    }
    if (!line.isEmpty())
        lines << line;
    const int shown = std::min<int>(int(lines.size()), 3);
    for (int i = 0; i < shown; ++i) {
        const QString text = i == shown - 1 && lines.size() > shown
            ? lines.mid(i).join(QLatin1Char(' '))
            : lines.at(i);
        lines[i] = metrics.elidedText(text, Qt::ElideRight, most);
    }
    return lines.mid(0, shown).join(QLatin1Char('\n'));
}

QString inSentence(const QString &figure, LocaleServices::Category category)
{
    const QLocale locale(LocaleServices::localeName(category));
    // Isolated left to right, as the tables lay it out: money one way in every place.
    return locale.textDirection() == Qt::RightToLeft ? QChar(0x2066) + figure + QChar(0x2069) : figure;
}

QString axisMoney(double value, const QString &currency)
{
    const QString text = shownFigure(formatCurrency(value, currency));
    const QString point = LocaleServices::moneyConventions(
                              LocaleServices::localeName(LocaleServices::Category::Money), currency)
                              .point;
    if (point.isEmpty())
        return text;
    static QHash<QString, QRegularExpression> zeros;
    auto found = zeros.find(point);
    if (found == zeros.end())
        found = zeros.insert(point, QRegularExpression(QRegularExpression::escape(point)
                                                       + QStringLiteral("0+(?![0-9])")));
    return QString(text).remove(*found);
}

QCategoryAxis *roundAxis(double top, int parts, bool whole, const std::function<QString(double)> &label,
                         double bottom)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // The axis reaches down to the round step under bottom: below 0 for equity under water, above
    // it for figures that never come near 0 (a loan's cost).
    const double step = roundStep(top - bottom, parts, whole);
    const int first = int(std::floor(bottom / step + 1e-9));
    const int steps = std::max(first + 1, int(std::ceil(top / step - 1e-9)));
    axis->setStartValue(first * step);
    for (int i = first; i <= steps; ++i)
        axis->append(label(i * step), i * step);
    axis->setRange(first * step, steps * step);
    return axis;
}

QTableView *figuresTable(const char *name, const QString &accessibleName, QWidget *parent)
{
    auto *table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessibleName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setFocusPolicy(Qt::NoFocus);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

void fitToRows(QTableView *table)
{
    table->resizeRowsToContents();
    int rows = 0;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        rows += table->rowHeight(r);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + rows + 2 * table->frameWidth() + 2);
}

QStringList yearColumnHeaders(const std::vector<ProjectionYearColumn> &columns, const QFontMetrics &metrics)
{
    const int figureWidth = metrics.horizontalAdvance(QStringLiteral("$000,000.00"));
    QStringList headers;
    for (const ProjectionYearColumn &column : columns) {
        const QString label = projectionText(column.label);
        int widestWord = 0;
        for (const QString &word : label.split(QLatin1Char(' ')))
            widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
        headers << wrapName(label, metrics, std::max(figureWidth, widestWord + 2));
    }
    return headers;
}

} // namespace AnalysisViews

