#include "ui/comparisonpage.h"

#include "ui/analysisshown.h"
#include "ui/analysisviews.h"
#include "ui/offersmodel.h"

#include "analysis/analysisexport.h"
#include "core/measures.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPalette>

#include <algorithm>

using namespace AnalysisViews;

// The page's texts are the Loan Analysis window's and keep its translation context.

ComparisonPage::ComparisonPage(const AnalysisShown &shown, QWidget *parent)
    : QTableView(parent), m_shown(shown), m_model(new OffersModel(this))
{
    setObjectName(QStringLiteral("comparison"));
    setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "Comparison of the five loans"));
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    // The columns are as wide as their headers and figures, and share what room is left.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
}

void ComparisonPage::refresh()
{
    const DealAnalysis &analysis = m_shown.analysis();
    std::vector<OfferRow> rows;
    for (const LoanMeasure &measure : loanMeasures()) {
        OfferRow row{measureText(measure.label), measureText(measure.definition), {}, measure.unit};
        for (int k = 0; k < MAX_LOANS; ++k)
            row.values[std::size_t(k)] = measure.get(analysis.loans[std::size_t(k)]);
        row.best = bestLoans(analysis, measure);
        rows.push_back(row);
    }
    // The property's measures are the same for every loan: one cell across the five.
    for (const PropertyMeasure &measure : propertyMeasures()) {
        OfferRow row{measureText(measure.label), measureText(measure.definition), {}, measure.unit};
        row.values[0] = measure.get(analysis.property);
        row.acrossOffers = true;
        rows.push_back(row);
    }
    m_model->setRows(rows, analysis, m_shown.compared(), m_shown.record().m_currency,
                     window()->palette().brush(QPalette::Disabled, QPalette::Text));
    clearSpans();
    for (int r = 0; r < m_model->rowCount(); ++r) {
        if (m_model->row(r).acrossOffers)
            setSpan(r, 0, 1, MAX_LOANS);
    }
    // The headers are wrapped to the width of the figures below them.
    showNames();
}

void ComparisonPage::showNames()
{
    std::array<QString, MAX_LOANS> texts;
    std::array<QString, MAX_LOANS> toolTips;
    for (int k = 0; k < MAX_LOANS; ++k) {
        // The lender under the loan's number, so that a long name needs no wide column.
        const QString lender = m_shown.record().m_lender[k].trimmed();
        const QString number = QCoreApplication::translate("LoanAnalysisDialog", "Loan %1").arg(k + 1);
        // As wide as the column's figures or its share of the table, whichever is wider.
        const QFontMetrics metrics = horizontalHeader()->fontMetrics();
        const int share = viewport()->width() / MAX_LOANS - 2 * metrics.averageCharWidth();
        const int line = std::max({figuresWidth(k), share, 12 * metrics.averageCharWidth()});
        texts[std::size_t(k)] = lender.isEmpty() ? number : number + QLatin1Char('\n') + wrapName(lender, metrics, line);
        toolTips[std::size_t(k)] = m_shown.loanName(k);
    }
    m_model->setOfferHeaders(texts, toolTips);
    emit headersChanged();
    fitColumns();
}

int ComparisonPage::figuresWidth(int column) const
{
    // A property's figure spans the five columns and asks nothing of the first alone.
    int widest = 0;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->row(row).acrossOffers)
            continue;
        const QModelIndex cell = m_model->index(row, column);
        QFont font = this->font();
        font.setBold(cell.data(Qt::FontRole).value<QFont>().bold());
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(cell.data().toString()));
    }
    return widest + 3 * fontMetrics().averageCharWidth();
}

void ComparisonPage::fitColumns()
{
    QHeaderView *header = horizontalHeader();
    QList<int> widths;
    int total = 0;
    for (int k = 0; k < m_model->columnCount(); ++k) {
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
    return QTableView::viewportEvent(event);
}

QString ComparisonPage::printableHtml() const
{
    return htmlTable(*model(), true);
}

QByteArray ComparisonPage::csv() const
{
    return AnalysisExport::comparisonCsv(m_shown.record(), m_shown.analysis());
}
