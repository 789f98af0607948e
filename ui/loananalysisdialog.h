#pragma once

#include "core/loananalysis.h"

#include <QDialog>

#include <memory>

class IPrompt;
class QChart;
class QComboBox;
class QLabel;
class QPageLayout;
class QTextDocument;
class QPrinter;
class QStandardItemModel;
class QTableView;
class QTableWidget;
class QTabWidget;

// The Loan Analysis window: the five offers side by side on the measures an investor compares
// them by, the best of each row marked; the schedule of one loan, monthly or per year; a chart
// of what is owed on each loan over time and one of a loan's payments split into principal and
// interest per year. It prints, saves a PDF and exports CSV. Modeless: it shows the record it
// was given and follows it on refresh().
class LoanAnalysisDialog : public QDialog
{
    Q_OBJECT

public:
    LoanAnalysisDialog(const DealRecord &record, IPrompt &prompt, QWidget *parent = nullptr);
    ~LoanAnalysisDialog() override;

    // Computes everything anew from the record.
    void refresh();
    // Shows the record's lenders where the loans are named; the figures stay as they are.
    void showNames();

    // Commands of the window's buttons.
    void onPrint();
    void onSavePdf();
    void onExportComparison();
    void onExportSchedule();

    // What Print and Save PDF lay out on pages of the given layout: the property, its figures
    // and the date, then the comparison, the charts and the chosen loan's schedule.
    [[nodiscard]] std::unique_ptr<QTextDocument> printableDocument(const QPageLayout &page) const;
    // The printout's and the PDF's title: the window's, with the property's description.
    [[nodiscard]] QString documentTitle() const;

    // A monthly schedule longer than this is printed per year.
    static constexpr int PrintedMonthsAtMost = 360;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildComparisonTab();
    void buildScheduleTab();
    void buildChartsTab();
    void fillComparison();
    void setLoanHeaders();
    void fitColumns();
    [[nodiscard]] int figuresWidth(int column) const;
    void fillSchedule();
    void fillBalanceChart();
    void fillSplitChart();
    [[nodiscard]] QString loanName(int loan) const;
    [[nodiscard]] int chosenLoan() const;
    [[nodiscard]] bool yearly() const;
    [[nodiscard]] QString bestOfferText() const;
    [[nodiscard]] QString printableHtml() const;
    void fillScheduleModel(QStandardItemModel &model, bool yearly) const;
    void print(QPrinter &printer) const;
    void exportCsv(const QString &title, const QByteArray &csv);

    const DealRecord &m_record;
    IPrompt &m_prompt;
    DealAnalysis m_deal;

    QLabel *m_bestOffer = nullptr;
    QComboBox *m_loan = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTableWidget *m_comparison = nullptr;
    QComboBox *m_period = nullptr;
    QTableView *m_schedule = nullptr;
    QStandardItemModel *m_scheduleModel = nullptr;
    QChart *m_balanceChart = nullptr;
    QChart *m_splitChart = nullptr;
};
