#include "ui/chartspage.h"

#include "ui/analysisshown.h"
#include "ui/analysisviews.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLegend>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QVBoxLayout>

#include <algorithm>

using namespace AnalysisViews;

// The page's texts are the Loan Analysis window's and keep its translation context.

ChartsPage::ChartsPage(const AnalysisShown &shown, QWidget *parent)
    : QWidget(parent), m_shown(shown)
{
    m_balanceChart = new QChart;
    m_balanceChart->setTitle(QCoreApplication::translate("LoanAnalysisDialog", "Balance over time"));
    // Five loans' names fit beside the lines, not in one row above them; a name still too long
    // shows whole as a tooltip.
    m_balanceChart->legend()->setAlignment(Qt::AlignRight);
    m_balanceChart->legend()->setShowToolTips(true);
    m_splitChart = new QChart;
    m_splitChart->legend()->setShowToolTips(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(chartView(m_balanceChart, QCoreApplication::translate("LoanAnalysisDialog", "Chart of the balance of each loan over the years")), 1);
    layout->addWidget(chartView(m_splitChart, QCoreApplication::translate("LoanAnalysisDialog", "Chart of the chosen loan's principal and interest per year")), 1);
}

void ChartsPage::fillBalance()
{
    clearChart(m_balanceChart);
    double top = 0;
    int longest = 1;
    QList<QLineSeries *> balances;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const LoanAnalysis &loan = m_shown.analysis().loans[std::size_t(k)];
        if (!m_shown.compared()[std::size_t(k)])
            continue;
        auto *series = new QLineSeries;
        series->setName(m_shown.loanName(k));
        series->setProperty("loan", k);
        if (!loan.schedule.empty()) {
            const std::vector<ScheduleRow> years = yearlySummary(loan.schedule);
            series->append(0, loan.loanAmount.value);
            for (const ScheduleRow &year : years)
                series->append(year.month, year.balance);
            top = std::max(top, loan.loanAmount.value);
            longest = std::max(longest, int(years.size()));
        }
        balances << series;
    }
    QCategoryAxis *years = roundAxis(longest, 10, true, [](double year) { return QString::number(qRound(year)); });
    years->setTitleText(QCoreApplication::translate("LoanAnalysisDialog", "Years"));
    QCategoryAxis *owed = roundAxis(top > 0 ? top : 1, 5, false, [this](double money) {
        return axisMoney(money, m_shown.record().m_currency);
    });
    m_balanceChart->addAxis(years, Qt::AlignBottom);
    m_balanceChart->addAxis(owed, Qt::AlignLeft);
    for (QLineSeries *series : balances) {
        m_balanceChart->addSeries(series);
        series->attachAxis(years);
        series->attachAxis(owed);
    }
}

void ChartsPage::showChosenLoan()
{
    clearChart(m_splitChart);
    const int k = m_shown.chosenLoan();
    m_splitChart->setTitle(QCoreApplication::translate("LoanAnalysisDialog", "%1: principal and interest per year").arg(m_shown.loanName(k)));
    auto *principal = new QBarSet(QCoreApplication::translate("LoanAnalysisDialog", "Principal"));
    auto *interest = new QBarSet(QCoreApplication::translate("LoanAnalysisDialog", "Interest"));
    double top = 0;
    const std::vector<ScheduleRow> perYear = yearlySummary(m_shown.analysis().loans[std::size_t(k)].schedule);
    for (const ScheduleRow &year : perYear) {
        *principal << year.principal;
        *interest << year.interest;
        top = std::max(top, year.principal + year.interest);
    }
    auto *series = new QStackedBarSeries;
    series->append(principal);
    series->append(interest);
    // Fewer bars than pixels: a bar fills its year.
    series->setBarWidth(perYear.size() > 60 ? 1.0 : 0.8);
    m_splitChart->addSeries(series);
    // Bar i stands at i for year i + 1; the labels name round years, however many there are.
    const int count = std::max<int>(1, int(perYear.size()));
    auto *years = new QCategoryAxis;
    years->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    years->setStartValue(-0.5);
    const int step = int(roundStep(count, 10, true));
    if (step > 1 || count == 1)
        years->append(QStringLiteral("1"), 0);
    for (int year = step; year <= count; year += step) {
        if (year > 1)
            years->append(QString::number(year), year - 1);
    }
    years->setRange(-0.5, count - 0.5);
    years->setTitleText(QCoreApplication::translate("LoanAnalysisDialog", "Year"));
    QCategoryAxis *paid = roundAxis(top > 0 ? top : 1, 5, false, [this](double money) {
        return axisMoney(money, m_shown.record().m_currency);
    });
    m_splitChart->addAxis(years, Qt::AlignBottom);
    m_splitChart->addAxis(paid, Qt::AlignLeft);
    series->attachAxis(years);
    series->attachAxis(paid);
}

void ChartsPage::refresh()
{
    fillBalance();
    showChosenLoan();
}

void ChartsPage::showNames()
{
    for (QAbstractSeries *series : m_balanceChart->series())
        series->setName(m_shown.loanName(series->property("loan").toInt()));
    m_splitChart->setTitle(QCoreApplication::translate("LoanAnalysisDialog", "%1: principal and interest per year")
                               .arg(m_shown.loanName(m_shown.chosenLoan())));
}
