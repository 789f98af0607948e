#include "ui/comparisonpage.h"

#include "ui/analysisshown.h"
#include "ui/analysisviews.h"

#include "analysis/analysisexport.h"
#include "core/measures.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>

#include <algorithm>

using namespace AnalysisViews;

// The page's texts are the Loan Analysis window's and keep its translation context.

ComparisonPage::ComparisonPage(const AnalysisShown &shown, QWidget *parent)
    : QTableWidget(parent), m_shown(shown)
{
    setObjectName(QStringLiteral("comparison"));
    setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "Comparison of the five loans"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    // The columns are as wide as their headers and figures, and share what room is left.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
}

void ComparisonPage::refresh()
{
    const auto &loanRows = loanMeasures();
    const auto &propertyRows = propertyMeasures();
    clear();
    setColumnCount(MAX_LOANS);
    setRowCount(int(loanRows.size() + propertyRows.size()));
    int row = 0;
    for (const LoanMeasure &measure : loanRows) {
        auto *header = new QTableWidgetItem(measureText(measure.label));
        header->setToolTip(measureText(measure.definition));
        setVerticalHeaderItem(row, header);
        const std::vector<int> best = bestLoans(m_shown.analysis(), measure);
        for (int k = 0; k < MAX_LOANS; ++k) {
            QTableWidgetItem *cell = measureCell(measure.get(m_shown.analysis().loans[std::size_t(k)]),
                                                 measure.unit, m_shown.record().m_currency);
            if (std::find(best.begin(), best.end(), k) != best.end())
                markBest(cell);
            greyLeftOut(cell, k, m_shown, window()->palette());
            setItem(row, k, cell);
        }
        ++row;
    }
    // The property's measures are the same for every loan: one cell across the five.
    for (const PropertyMeasure &measure : propertyRows) {
        auto *header = new QTableWidgetItem(measureText(measure.label));
        header->setToolTip(measureText(measure.definition));
        setVerticalHeaderItem(row, header);
        QTableWidgetItem *cell =
            measureCell(measure.get(m_shown.analysis().property), measure.unit, m_shown.record().m_currency);
        cell->setTextAlignment(Qt::AlignCenter);
        setItem(row, 0, cell);
        setSpan(row, 0, 1, MAX_LOANS);
        ++row;
    }
    // The headers are wrapped to the width of the figures below them.
    showNames();
}

void ComparisonPage::showNames()
{
    for (int k = 0; k < MAX_LOANS; ++k) {
        // The lender under the loan's number, so that a long name needs no wide column.
        const QString lender = m_shown.record().m_lender[k].trimmed();
        const QString number = QCoreApplication::translate("LoanAnalysisDialog", "Loan %1").arg(k + 1);
        // As wide as the column's figures or its share of the table, whichever is wider.
        const QFontMetrics metrics = horizontalHeader()->fontMetrics();
        const int share = viewport()->width() / MAX_LOANS - 2 * metrics.averageCharWidth();
        const int line = std::max({figuresWidth(k), share, 12 * metrics.averageCharWidth()});
        auto *header = new QTableWidgetItem(
            lender.isEmpty() ? number : number + QLatin1Char('\n') + wrapName(lender, metrics, line));
        header->setToolTip(m_shown.loanName(k));
        greyLeftOut(header, k, m_shown, window()->palette());
        setHorizontalHeaderItem(k, header);
    }
    emit headersChanged();
    fitColumns();
}

int ComparisonPage::figuresWidth(int column) const
{
    // A property's figure spans the five columns and asks nothing of the first alone.
    int widest = 0;
    for (int row = 0; row < rowCount(); ++row) {
        if (columnSpan(row, column) != 1)
            continue;
        if (const QTableWidgetItem *cell = item(row, column)) {
            QFont font = this->font();
            font.setBold(cell->font().bold());
            widest = std::max(widest, QFontMetrics(font).horizontalAdvance(cell->text()));
        }
    }
    return widest + 3 * fontMetrics().averageCharWidth();
}

void ComparisonPage::fitColumns()
{
    QHeaderView *header = horizontalHeader();
    QList<int> widths;
    int total = 0;
    for (int k = 0; k < columnCount(); ++k) {
        const int width = std::max(header->sectionSizeHint(k), figuresWidth(k));
        widths << width;
        total += width;
    }
    const int room = viewport()->width();
    const int extra = widths.isEmpty() || total >= room ? 0 : (room - total) / int(widths.size());
    for (int k = 0; k < widths.size(); ++k)
        header->resizeSection(k, widths.at(k) + extra);
}

bool ComparisonPage::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize)
        showNames();
    return QTableWidget::viewportEvent(event);
}

QString ComparisonPage::printableHtml() const
{
    return htmlTable(*model(), true);
}

QByteArray ComparisonPage::csv() const
{
    return AnalysisExport::comparisonCsv(m_shown.record(), m_shown.analysis());
}
