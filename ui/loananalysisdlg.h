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
// was given and follows it on Refresh().
class CLoanAnalysisDlg : public QDialog
{
    Q_OBJECT

public:
    CLoanAnalysisDlg(const CDealRecord &record, IPrompt &prompt, QWidget *parent = nullptr);
    ~CLoanAnalysisDlg() override;

    // Computes everything anew from the record.
    void Refresh();
    // Shows the record's lenders where the loans are named; the figures stay as they are.
    void ShowNames();

    // Commands of the window's buttons.
    void OnPrint();
    void OnSavePdf();
    void OnExportComparison();
    void OnExportSchedule();

    // What Print and Save PDF lay out on pages of the given layout: the property, its figures
    // and the date, then the comparison, the charts and the chosen loan's schedule.
    [[nodiscard]] std::unique_ptr<QTextDocument> PrintableDocument(const QPageLayout &page) const;
    // The printout's and the PDF's title: the window's, with the property's description.
    [[nodiscard]] QString DocumentTitle() const;

    // A monthly schedule longer than this is printed per year.
    static constexpr int PrintedMonthsAtMost = 360;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildComparisonTab();
    void BuildScheduleTab();
    void BuildChartsTab();
    void FillComparison();
    void SetLoanHeaders();
    void FitColumns();
    [[nodiscard]] int FiguresWidth(int column) const;
    void FillSchedule();
    void FillBalanceChart();
    void FillSplitChart();
    [[nodiscard]] QString LoanName(int loan) const;
    [[nodiscard]] int ChosenLoan() const;
    [[nodiscard]] bool Yearly() const;
    [[nodiscard]] QString BestOfferText() const;
    [[nodiscard]] QString PrintableHtml() const;
    void FillScheduleModel(QStandardItemModel &model, bool yearly) const;
    void Print(QPrinter &printer) const;
    void ExportCsv(const QString &title, const QByteArray &csv);

    const CDealRecord &m_record;
    IPrompt &m_prompt;
    CDealAnalysis m_deal;

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
