#pragma once

#include "core/loananalysis.h"

#include <QString>

#include <vector>

// The rows of the analysis, in the order the window, the CSV and the JSON give them. key names
// a figure in the CSV and JSON; label and definition are the user's (translatable).
enum class MeasureUnit {
    Money,    // in the record's currency
    Fraction, // shown as a percentage, written as a fraction (0.057 for 5.70 %)
    Rate,     // a yearly rate shown with three decimals as lenders state it (6.898 %), written
              // as a fraction
    Ratio,    // a plain number with two decimals
    Count     // a whole number
};
enum class Better { Higher, Lower, Neither };
// The loan rows by name, in their order, for code that needs one particular row.
enum class LoanMeasureId {
    LoanAmount,
    PrincipalAndInterest,
    TotalMonthlyPayment,
    MonthlyCashFlow,
    SafetyCashFlow,
    Payments,
    TotalPaid,
    TotalCost,
    TotalInterest,
    PayoffMonth,
    Balance1Year,
    Balance5Years,
    Balance10Years,
    Equity1Year,
    Equity5Years,
    Equity10Years,
    CashOnCash,
    DebtServiceCoverage,
    BreakEvenOccupancy,
    BreakEvenRent,
    HighestOffer,
    InterestSaved,
    Points,
    LenderFees,
    PrepaidFinanceCharge,
    CashToClose,
    Apr,
    RateOverHold,
};

struct LoanMeasure
{
    LoanMeasureId id;
    const char *key;
    const char *label;
    const char *definition;
    MeasureUnit unit;
    Better better;
    Measure (*get)(const LoanAnalysis &);
    // A figure as typed (the points, the lender fees), shown beside the others. The JSON gives it
    // with the typed figures, as typed under the key of its field (points_percent); the CSV
    // under this key, a share as a fraction like every share it holds.
    bool typed = false;
};

struct PropertyMeasure
{
    const char *key;
    const char *label;
    const char *definition;
    MeasureUnit unit;
    Measure (*get)(const PropertyAnalysis &);
};

[[nodiscard]] const std::vector<LoanMeasure> &loanMeasures();
[[nodiscard]] const std::vector<PropertyMeasure> &propertyMeasures();

// The label and definition, translated.
[[nodiscard]] QString measureText(const char *text);

// A known figure as the user's locale shows it ("$1,197.54", "5.70%", "1.25", "360"), money in
// the record's currency (empty: the money locale's own); "—" for an unknown one.
[[nodiscard]] QString formatMeasure(const Measure &measure, MeasureUnit unit,
                                    const QString &currency);

// The loan of a row that is best by BestLoanOf's rule, or -1 where the row has no better side,
// no loan is better than another or none is known.
[[nodiscard]] int bestLoan(const DealAnalysis &deal, const LoanMeasure &measure);
// Every loan that shares the best value of a row; none where no loan is better than another.
[[nodiscard]] std::vector<int> bestLoans(const DealAnalysis &deal, const LoanMeasure &measure);
// The row of a measure.
[[nodiscard]] const LoanMeasure &loanMeasure(LoanMeasureId id);

// The projection's rows by name, in their order, for code that needs one particular row.
enum class ProjectionMeasureId {
    CashInvested,
    YearOneCashFlow,
    Irr,
    Npv,
    EquityMultiple,
    TotalProfit,
    AnnualizedReturn,
    SaleProceeds,
    InterestSaved,
    RefinanceCashOut,
    CashLeftInDeal,
    CashOnCashAfterRefinance,
};

// The summary of the holding-period projection: one row a figure, the sale at the end of the
// hold. Label and definition are in the Projection context.
struct ProjectionMeasure
{
    ProjectionMeasureId id;
    const char *key;
    const char *label;
    const char *definition;
    MeasureUnit unit;
    bool multiple; // a ratio read as "times the cash invested" ("1.85×")
    Better better;
    // A figure of the sale at the end of the hold (or the cash put in at its start): a member of
    // the JSON's "projection" object and a column of the command line's CSV, in this order.
    bool ofTheHold;
    Measure (*get)(const LoanAnalysis &);
    // The same figure of a scenario (bear, base, bull); nullptr where scenarios give none.
    Measure (*ofScenario)(const ScenarioResult &) = nullptr;
    // The figure by which each scenario's best offer is named (bestIrrByScenario): the IRR.
    bool namesScenarioWinner = false;
    // A figure of a refinance: shown where one is asked for.
    bool ofRefinance = false;
};

[[nodiscard]] const std::vector<ProjectionMeasure> &projectionMeasures();
// The row of a projection measure.
[[nodiscard]] const ProjectionMeasure &projectionMeasure(ProjectionMeasureId id);
// A label or definition of the projection, translated.
[[nodiscard]] QString projectionText(const char *text);
// A figure of the projection's summary as the user's locale shows it; "—" for an unknown one.
[[nodiscard]] QString formatProjectionMeasure(const Measure &measure, const ProjectionMeasure &row,
                                                    const QString &currency);
// Every compared loan that shares the best value of a figure, by BestLoanOf's rule; none where
// the figure has no better side or no loan is better than another.
[[nodiscard]] std::vector<int> bestLoans(const DealAnalysis &deal, Measure (*get)(const LoanAnalysis &),
                                         Better better);

// The columns of a loan's projection year by year, in the Projection context.
struct ProjectionYearColumn
{
    const char *key; // JSON and CSV key
    const char *label;
    const char *definition;
    MeasureUnit unit;
    bool multiple;
    Measure (*get)(const ProjectionYear &);
};

[[nodiscard]] const std::vector<ProjectionYearColumn> &projectionYearColumns();
// A figure of a year as the user's locale shows it.
[[nodiscard]] QString formatProjectionFigure(const Measure &measure, MeasureUnit unit, bool multiple,
                                                   const QString &currency);

// The chosen loan's after-tax figures year by year, in the Projection context; the JSON's
// "after_tax" "years" under the same keys.
[[nodiscard]] const std::vector<ProjectionYearColumn> &afterTaxYearColumns();

// The after-tax returns of a sale at the end of the hold, one row a figure, in the Projection
// context; the members of the JSON's "after_tax".
struct AfterTaxMeasure
{
    const char *key;
    const char *label;
    const char *definition;
    MeasureUnit unit;
    bool multiple;
    Better better;
    Measure (*get)(const LoanAnalysis &);
};

[[nodiscard]] const std::vector<AfterTaxMeasure> &afterTaxMeasures();
