#pragma once

#include "core/loananalysis.h"
#include "ui/analysisshown.h"

#include <QDialog>

#include <array>
#include <memory>
#include <optional>

class ChartsPage;
class ComparisonPage;
class FigureEdits;
class IPrompt;
class ProjectionPage;
class QComboBox;
class QLabel;
class QPageLayout;
class QPrinter;
class QTabWidget;
class QTextDocument;
class SchedulePage;
class ScenariosPage;
class SensitivityPage;
class LoanCostPage;
class AfterTaxPage;

// The Loan Analysis window: the five offers side by side on the measures an investor compares
// them by, the best of each row marked; the schedule of one loan, monthly or per year; a chart
// of what is owed on each loan over time and one of a loan's payments split into principal and
// interest per year; what each offer earns over a holding period, from assumptions edited here
// into the record. It prints, saves a PDF and exports CSV. Modeless: it shows the record it was
// given and follows it on refresh(). The user may leave offers out of the comparison: they are
// greyed, ranked nowhere and not charted. The offers in a bear, the base and a bull market and
// the price to offer for a target IRR; how the chosen loan's IRR moves with the assumptions.
// Each page is a widget of its own; the window keeps the record's analysis, the offers compared
// and the loan chosen, shows them to the pages, and prints and exports what they show.
class LoanAnalysisDialog : public QDialog, private AnalysisShown
{
    Q_OBJECT

public:
    LoanAnalysisDialog(DealRecord &record, IPrompt &prompt, QWidget *parent = nullptr);
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
    void onExportProjection();
    void onExportScenarios();
    void onExportSensitivity();
    void onExportLoanCost();
    void onExportAfterTax();

    // The record shown, whose assumptions the Projection page edits.
    [[nodiscard]] const DealRecord &record() const override { return m_record; }

    // What Print and Save PDF lay out on pages of the given layout: the property, its figures
    // and the date, then the comparison, the charts and the chosen loan's schedule.
    [[nodiscard]] std::unique_ptr<QTextDocument> printableDocument(const QPageLayout &page) const;
    // The printout's and the PDF's title: the window's, with the property's description.
    [[nodiscard]] QString documentTitle() const;

    // A monthly schedule longer than this is printed per year.
    static constexpr int PrintedMonthsAtMost = 360;

private:
    void showFigures();
    [[nodiscard]] const DealAnalysis &analysis() const override { return m_deal; }
    [[nodiscard]] const ComparedOffers &compared() const override { return m_compared; }
    [[nodiscard]] const OffersModel &offers() const override;
    [[nodiscard]] QString loanName(int loan) const override;
    [[nodiscard]] int chosenLoan() const override;
    [[nodiscard]] QString bestOfferText() const;
    [[nodiscard]] QString printableHtml() const;
    void print(QPrinter &printer) const;
    void exportCsv(const QString &title, const QByteArray &csv);

    DealRecord &m_record;
    IPrompt &m_prompt;
    DealAnalysis m_deal;
    ComparedOffers m_compared{}; // those the analysis shown was ranked with

    QLabel *m_bestOffer = nullptr;
    QComboBox *m_loan = nullptr;
    QTabWidget *m_tabs = nullptr;
    ComparisonPage *m_comparison = nullptr;
    SchedulePage *m_schedule = nullptr;
    ChartsPage *m_charts = nullptr;

    FigureEdits *m_figureEdits = nullptr; // the Projection and the Scenarios pages' figures
    ProjectionPage *m_projection = nullptr;
    ScenariosPage *m_scenarios = nullptr;
    SensitivityPage *m_sensitivity = nullptr;
    LoanCostPage *m_loanCost = nullptr;
    AfterTaxPage *m_afterTax = nullptr;
};
