#include "ui/schedulepage.h"

#include "ui/analysisshown.h"
#include "ui/analysisviews.h"

#include "analysis/analysisexport.h"
#include "core/value.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

using namespace AnalysisViews;

// The page's texts are the Loan Analysis window's and keep its translation context.

SchedulePage::SchedulePage(const AnalysisShown &shown, QWidget *parent)
    : QWidget(parent), m_shown(shown)
{
    m_period = new QComboBox(this);
    m_period->setObjectName(QStringLiteral("periodChoice"));
    m_period->addItems({QCoreApplication::translate("LoanAnalysisDialog", "Monthly"),
                        QCoreApplication::translate("LoanAnalysisDialog", "Yearly")});
    m_period->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "Schedule by month or by year"));
    auto *periodLabel = new QLabel(QCoreApplication::translate("LoanAnalysisDialog", "Sho&w:"), this);
    periodLabel->setBuddy(m_period);
    m_model = new QStandardItemModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("schedule"));
    m_table->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "Amortization schedule"));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto *row = new QHBoxLayout;
    row->addWidget(periodLabel);
    row->addWidget(m_period);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_table, 1);
    connect(m_period, &QComboBox::currentIndexChanged, this, &SchedulePage::refresh);
}

bool SchedulePage::yearly() const
{
    return m_period->currentIndex() == 1;
}

void SchedulePage::refresh()
{
    fillModel(*m_model, yearly());
}

void SchedulePage::fillModel(QStandardItemModel &model, bool yearly) const
{
    const DealRecord &record = m_shown.record();
    const std::vector<ScheduleRow> &months = m_shown.analysis().loans[std::size_t(m_shown.chosenLoan())].schedule;
    const std::vector<ScheduleRow> rows = yearly ? yearlySummary(months) : months;
    model.clear();
    model.setHorizontalHeaderLabels(
        {yearly ? QCoreApplication::translate("LoanAnalysisDialog", "Year") : QCoreApplication::translate("LoanAnalysisDialog", "Month"),
         QCoreApplication::translate("LoanAnalysisDialog", "Payment"), QCoreApplication::translate("LoanAnalysisDialog", "Principal"),
         QCoreApplication::translate("LoanAnalysisDialog", "Interest"), QCoreApplication::translate("LoanAnalysisDialog", "Balance")});
    for (const ScheduleRow &r : rows) {
        QList<QStandardItem *> items = {new QStandardItem(QString::number(r.month))};
        for (double money : {r.payment, r.principal, r.interest, r.balance})
            items << new QStandardItem(formatCurrency(money, record.m_currency));
        for (QStandardItem *item : items)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model.appendRow(items);
    }
}

QString SchedulePage::printableHtml(int printedMonthsAtMost) const
{
    // A monthly schedule of more than thirty years would run to hundreds of pages (twelve
    // thousand rows for a thousand years): it is printed per year, and the CSV has every month.
    if (!yearly() && m_model->rowCount() > printedMonthsAtMost) {
        QString html = QStringLiteral("<p>%1</p>").arg(QCoreApplication::translate("LoanAnalysisDialog",
            "The schedule has %1 monthly payments and is printed per year. Save the schedule as "
            "CSV for every month.").arg(m_model->rowCount()).toHtmlEscaped());
        QStandardItemModel years;
        fillModel(years, true);
        return html + htmlTable(years, false);
    }
    return htmlTable(*m_model, false);
}

QByteArray SchedulePage::csv() const
{
    const int loan = m_shown.chosenLoan();
    const std::vector<ScheduleRow> &months = m_shown.analysis().loans[std::size_t(loan)].schedule;
    return AnalysisExport::scheduleCsv(m_shown.record(), loan, yearly() ? yearlySummary(months) : months, yearly());
}
