#include "ui/loancostpage.h"

#include "ui/analysisshown.h"
#include "ui/analysisviews.h"
#include "ui/offersmodel.h"

#include "analysis/projectionexport.h"
#include "core/measures.h"

#include <QChart>
#include <QChartView>
#include <QCategoryAxis>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPalette>
#include <QScatterSeries>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace AnalysisViews;

// The page's texts are the Loan Analysis window's and keep its translation context.

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(LoanAnalysisDialog)
};

// The years after which the table asks which offer would have been cheapest.
constexpr int LeavingYears[] = {1, 2, 3, 5, 7, 10, 15};

QString leavingLabel(int years, bool hold)
{
    if (hold) {
        return years == 1 ? Text::tr("After 1 year (the hold)")
                          : Text::tr("After %1 years (the hold)").arg(years);
    }
    return years == 1 ? Text::tr("After 1 year") : Text::tr("After %1 years").arg(years);
}

QString breakEvenText(const std::optional<int> &month)
{
    if (!month)
        return Text::tr("Never within the shorter term");
    return Text::tr("Month %1 (year %2)").arg(*month).arg((*month - 1) / 12 + 1);
}

} // namespace

LoanCostPage::LoanCostPage(const AnalysisShown &shown, QWidget *parent)
    : QWidget(parent), m_shown(shown)
{
    auto *intro = new QLabel(Text::tr("What each compared offer has cost if the loan is repaid after a month, because you "
                                "sell or refinance: the down payment, the points and lender fees, every payment "
                                "with PMI, and the balance then paid off. Points pay off only if you keep the loan "
                                "long enough."), this);
    intro->setWordWrap(true);

    m_chart = new QChart;
    m_chart->setTitle(Text::tr("Cost if repaid"));
    m_chart->legend()->setAlignment(Qt::AlignRight);
    m_chart->legend()->setShowToolTips(true);
    QChartView *chart = chartView(m_chart, Text::tr("Chart of what each compared offer has cost if repaid after each month"));
    chart->setMinimumHeight(320);
    // The costs run into hundreds of thousands and differ by a few thousand: what each offer
    // costs more than the cheapest shows which one it is and where that changes.
    m_aboveChart = new QChart;
    m_aboveChart->setTitle(Text::tr("Cost if repaid, more than the cheapest offer"));
    m_aboveChart->legend()->setAlignment(Qt::AlignRight);
    m_aboveChart->legend()->setShowToolTips(true);
    QChartView *above = chartView(m_aboveChart, Text::tr("Chart of how much more than the cheapest offer each compared offer has cost if repaid after each month"));
    above->setMinimumHeight(320);

    m_leavingModel = new OffersModel(this);
    m_leaving = figuresTable("cheapestIfLeaving", Text::tr("The cheapest offer if you leave after some years"), this);
    m_leaving->setModel(m_leavingModel);
    m_leaving->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_leaving->horizontalHeader()->setMinimumSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("$000,000.00")) + 16);

    m_pairsModel = new QStandardItemModel(this);
    m_pairs = figuresTable("pointsBreakEven", Text::tr("When higher points and fees pay off"), this);
    m_pairs->setModel(m_pairsModel);
    m_pairs->verticalHeader()->hide();
    m_pairs->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto *leavingTitle = new QLabel(QStringLiteral("<b>%1</b>").arg(Text::tr("Cheapest if you leave after …").toHtmlEscaped()), this);
    auto *pairsTitle = new QLabel(QStringLiteral("<b>%1</b>").arg(Text::tr("When higher points and fees pay off").toHtmlEscaped()), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(chart);
    layout->addWidget(above);
    layout->addWidget(leavingTitle);
    layout->addWidget(m_leaving);
    layout->addWidget(pairsTitle);
    layout->addWidget(m_pairs);
    layout->addStretch();
}

void LoanCostPage::refresh()
{
    fillLeaving();
    fillPairs();
    fillCharts();
}

void LoanCostPage::fillLeaving()
{
    const DealAnalysis &analysis = m_shown.analysis();
    const std::vector<const LoanCosts *> costs = analysis.loanCosts();
    const std::vector<bool> compared = analysis.compared();
    std::vector<int> years(std::begin(LeavingYears), std::end(LeavingYears));
    const int hold = analysis.assumptions.holdYears;
    const bool holdKnown = analysis.assumptions.baseProblem().isEmpty();
    if (holdKnown && std::find(years.begin(), years.end(), hold) == years.end()) {
        years.push_back(hold);
        std::sort(years.begin(), years.end());
    }
    std::vector<OfferRow> rows;
    for (int y : years) {
        OfferRow row{leavingLabel(y, holdKnown && y == hold),
                     Text::tr("What each offer has cost if the loan is repaid after %1 months: the down payment, the points "
                        "and lender fees, every payment with PMI, and the balance then paid off. The cheapest "
                        "compared offer is marked.").arg(12 * y),
                     {}, MeasureUnit::Money};
        for (std::size_t k = 0; k < costs.size(); ++k) {
            row.values[k] = costs[k]->costIfRepaid.empty() ? Measure::unknown(costs[k]->noCostReason)
                                                           : Measure{costs[k]->costAfter(12 * y), {}};
        }
        if (const int cheapest = cheapestAfter(costs, compared, 12 * y); cheapest >= 0)
            row.best = {cheapest};
        rows.push_back(row);
    }
    m_leavingModel->setRows(rows, analysis, m_shown.compared(), m_shown.record().m_currency,
                            palette().brush(QPalette::Disabled, QPalette::Text));
    showOfferHeaders();
    fitToRows(m_leaving);
}

void LoanCostPage::fillPairs()
{
    m_pairsModel->clear();
    m_pairsModel->setHorizontalHeaderLabels({Text::tr("More points and fees"), Text::tr("Against"), Text::tr("Pays off from")});
    const auto item = [](const QString &text, const QString &toolTip = {}) {
        auto *cell = new QStandardItem(text);
        cell->setToolTip(toolTip.isEmpty() ? text : toolTip);
        cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return cell;
    };
    const QString definition = Text::tr("The first month from which the offer with the higher points and fees has cost no more "
                                  "than the other if repaid, to the end of the shorter term.");
    for (const PointsBreakEven &pair : m_shown.analysis().pointsBreakEven) {
        m_pairsModel->appendRow({item(m_shown.loanName(pair.loan)), item(m_shown.loanName(pair.versus)),
                                 item(breakEvenText(pair.month), definition)});
    }
    if (m_pairsModel->rowCount() == 0) {
        m_pairsModel->appendRow({item(Text::tr("No two compared offers differ in points and fees.")), item({}), item({})});
        m_pairs->setSpan(0, 0, 1, 3);
    } else {
        m_pairs->clearSpans();
    }
    fitToRows(m_pairs);
}

namespace {

// The months' figures of one compared offer, each month from 1 to the longest term.
struct CostLine
{
    int loan;
    std::vector<double> values;
};

// Fills chart with a line per offer over the years and a dot at each change of the cheapest;
// the money axis from the lowest figure (0 where all are above it and zeroBased) to the highest.
void fillCostChart(QChart *chart, const std::vector<CostLine> &lines, const std::vector<QPointF> &changes,
                   const AnalysisShown &shown, const QString &axisTitle, bool zeroBased)
{
    clearChart(chart);
    double top = 0;
    double bottom = std::numeric_limits<double>::infinity();
    std::size_t longest = 12;
    QList<QXYSeries *> all;
    for (const CostLine &line : lines) {
        auto *series = new QLineSeries;
        series->setName(shown.loanName(line.loan));
        series->setProperty("loan", line.loan);
        for (std::size_t m = 0; m < line.values.size(); ++m)
            series->append(double(m + 1) / 12.0, line.values[m]);
        top = std::max(top, *std::max_element(line.values.begin(), line.values.end()));
        bottom = std::min(bottom, *std::min_element(line.values.begin(), line.values.end()));
        longest = std::max(longest, line.values.size());
        all << series;
    }
    if (!changes.empty()) {
        auto *dots = new QScatterSeries;
        dots->setName(Text::tr("Cheapest offer changes"));
        dots->setMarkerSize(9);
        dots->setColor(QColor(0x30, 0x30, 0x30));
        for (const QPointF &change : changes)
            dots->append(change);
        all << dots;
    }
    QCategoryAxis *years = roundAxis(double(longest) / 12.0, 10, true, [](double year) { return QString::number(qRound(year)); });
    years->setTitleText(Text::tr("Year"));
    const QString currency = shown.record().m_currency;
    const double low = zeroBased || !std::isfinite(bottom) ? 0.0 : bottom;
    QCategoryAxis *money = roundAxis(top > low ? top : low + 1, 5, false,
                                     [currency](double value) { return axisMoney(value, currency); }, low);
    money->setTitleText(axisTitle);
    chart->addAxis(years, Qt::AlignBottom);
    chart->addAxis(money, Qt::AlignLeft);
    for (QXYSeries *series : all) {
        chart->addSeries(series);
        series->attachAxis(years);
        series->attachAxis(money);
    }
}

} // namespace

void LoanCostPage::fillCharts()
{
    const DealAnalysis &analysis = m_shown.analysis();
    std::size_t longest = 0;
    for (int k = 0; k < MAX_LOANS; ++k) {
        if (m_shown.compared()[std::size_t(k)])
            longest = std::max(longest, analysis.loans[std::size_t(k)].costs.costIfRepaid.size());
    }
    // Each compared offer's cost month by month; one repaid before the longest term has cost
    // what it cost, and its line goes on level.
    std::vector<CostLine> costs;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const LoanCosts &loan = analysis.loans[std::size_t(k)].costs;
        if (!m_shown.compared()[std::size_t(k)] || loan.costIfRepaid.empty())
            continue;
        CostLine line{k, {}};
        for (std::size_t m = 1; m <= longest; ++m)
            line.values.push_back(loan.costAfter(int(m)));
        costs.push_back(line);
    }
    std::vector<CostLine> above = costs;
    for (std::size_t m = 0; m < longest; ++m) {
        double cheapest = std::numeric_limits<double>::infinity();
        for (const CostLine &line : costs)
            cheapest = std::min(cheapest, line.values[m]);
        for (CostLine &line : above)
            line.values[m] -= cheapest;
    }
    std::vector<QPointF> changes, changesAbove;
    for (std::size_t i = 1; i < analysis.cheapestByMonth.size(); ++i) {
        const CheapestStretch &stretch = analysis.cheapestByMonth[i];
        changes.emplace_back(stretch.fromMonth / 12.0, analysis.loans[std::size_t(stretch.loan)].costs.costAfter(stretch.fromMonth));
        changesAbove.emplace_back(stretch.fromMonth / 12.0, 0.0);
    }
    fillCostChart(m_chart, costs, changes, m_shown, Text::tr("Cost if repaid"), false);
    fillCostChart(m_aboveChart, above, changesAbove, m_shown, Text::tr("More than the cheapest"), true);
}

void LoanCostPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Wider columns wrap the names and headers into fewer lines.
    fitToRows(m_leaving);
    fitToRows(m_pairs);
}

void LoanCostPage::showOfferHeaders()
{
    m_leavingModel->setOfferHeaders(m_shown.offers().offerHeaders(), m_shown.offers().offerHeaderToolTips());
}

void LoanCostPage::showNames()
{
    for (QChart *chart : {m_chart, m_aboveChart}) {
        for (QAbstractSeries *series : chart->series()) {
            if (series->property("loan").isValid())
                series->setName(m_shown.loanName(series->property("loan").toInt()));
        }
    }
    fillPairs();
}

QString LoanCostPage::printableHtml() const
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    QString html = QStringLiteral("<h3>%1</h3>").arg(escaped(Text::tr("Loan Cost")));
    html += printedChart(QStringLiteral("loanCost")) + printedChart(QStringLiteral("loanCostAbove"));
    html += QStringLiteral("<h4>%1</h4>").arg(escaped(Text::tr("Cheapest if you leave after …")));
    html += htmlTable(*m_leavingModel, true);
    html += QStringLiteral("<h4>%1</h4>").arg(escaped(Text::tr("When higher points and fees pay off")));
    return html + htmlTable(*m_pairsModel, false);
}

QByteArray LoanCostPage::csv() const
{
    return ProjectionExport::loanCostCsv(m_shown.record(), m_shown.analysis());
}
