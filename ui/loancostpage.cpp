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

// Tall enough for every row: the page scrolls, not the table.
void fitHeight(QTableView *table)
{
    table->resizeRowsToContents();
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length()
                          + 2 * table->frameWidth() + 2);
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
    fillChart();
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
    fitHeight(m_leaving);
}

void LoanCostPage::fillPairs()
{
    m_pairsModel->clear();
    m_pairsModel->setHorizontalHeaderLabels({Text::tr("More points and fees"), Text::tr("Against"), Text::tr("Pays off from")});
    const auto item = [](const QString &text, const QString &toolTip = {}) {
        auto *cell = new QStandardItem(text);
        cell->setToolTip(toolTip.isEmpty() ? text : toolTip);
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
    fitHeight(m_pairs);
}

void LoanCostPage::fillChart()
{
    clearChart(m_chart);
    const DealAnalysis &analysis = m_shown.analysis();
    double top = 0;
    double bottom = std::numeric_limits<double>::infinity();
    int longest = 12;
    QList<QLineSeries *> lines;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const std::vector<double> &cost = analysis.loans[std::size_t(k)].costs.costIfRepaid;
        if (!m_shown.compared()[std::size_t(k)] || cost.empty())
            continue;
        auto *series = new QLineSeries;
        series->setName(m_shown.loanName(k));
        series->setProperty("loan", k);
        for (std::size_t m = 0; m < cost.size(); ++m) {
            series->append(double(m + 1) / 12.0, cost[m]);
            top = std::max(top, cost[m]);
            bottom = std::min(bottom, cost[m]);
        }
        longest = std::max(longest, int(cost.size()));
        lines << series;
    }
    // An offer repaid before the longest term has cost what it cost: its line goes on level.
    for (QLineSeries *series : lines) {
        const QPointF last = series->at(series->count() - 1);
        if (last.x() < longest / 12.0)
            series->append(longest / 12.0, last.y());
    }
    auto *changes = new QScatterSeries;
    changes->setName(Text::tr("Cheapest offer changes"));
    changes->setMarkerSize(9);
    changes->setColor(QColor(0x30, 0x30, 0x30));
    for (std::size_t i = 1; i < analysis.cheapestByMonth.size(); ++i) {
        const CheapestStretch &stretch = analysis.cheapestByMonth[i];
        changes->append(stretch.fromMonth / 12.0,
                        analysis.loans[std::size_t(stretch.loan)].costs.costAfter(stretch.fromMonth));
    }
    QCategoryAxis *years = roundAxis(longest / 12.0, 10, true, [](double year) { return QString::number(qRound(year)); });
    years->setTitleText(Text::tr("Year"));
    const QString currency = m_shown.record().m_currency;
    QCategoryAxis *money = roundAxis(top > 0 ? top : 1, 5, false,
                                     [currency](double value) { return axisMoney(value, currency); },
                                     std::isfinite(bottom) ? bottom : 0);
    money->setTitleText(Text::tr("Cost if repaid"));
    m_chart->addAxis(years, Qt::AlignBottom);
    m_chart->addAxis(money, Qt::AlignLeft);
    QList<QXYSeries *> all(lines.begin(), lines.end());
    if (changes->count() > 0)
        all << changes;
    else
        delete changes;
    for (QXYSeries *series : all) {
        m_chart->addSeries(series);
        series->attachAxis(years);
        series->attachAxis(money);
    }
}

void LoanCostPage::showOfferHeaders()
{
    m_leavingModel->setOfferHeaders(m_shown.offers().offerHeaders(), m_shown.offers().offerHeaderToolTips());
}

void LoanCostPage::showNames()
{
    for (QAbstractSeries *series : m_chart->series()) {
        if (series->property("loan").isValid())
            series->setName(m_shown.loanName(series->property("loan").toInt()));
    }
    fillPairs();
}

QString LoanCostPage::printableHtml() const
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    QString html = QStringLiteral("<h3>%1</h3>").arg(escaped(Text::tr("Loan Cost")));
    html += printedChart(QStringLiteral("loanCost"));
    html += QStringLiteral("<h4>%1</h4>").arg(escaped(Text::tr("Cheapest if you leave after …")));
    html += htmlTable(*m_leavingModel, true);
    html += QStringLiteral("<h4>%1</h4>").arg(escaped(Text::tr("When higher points and fees pay off")));
    return html + htmlTable(*m_pairsModel, false);
}

QByteArray LoanCostPage::csv() const
{
    return ProjectionExport::loanCostCsv(m_shown.record(), m_shown.analysis());
}
