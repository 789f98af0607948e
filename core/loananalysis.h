#pragma once

#include "core/dealrecord.h"
#include "core/loancosts.h"
#include "core/measure.h"
#include "core/projection.h"
#include "core/scenarios.h"

#include <QString>

#include <array>
#include <vector>

// The years after which balance and equity are shown; the last column is the loan's end.
inline constexpr std::array<int, 3> MilestoneYears = {1, 5, 10};
inline constexpr int MilestoneCount = int(MilestoneYears.size()) + 1;

// One loan's figures: those of the report, then what the loan costs over its life and what an
// investor measures by. Figures in the currency of the record, per month unless said otherwise.
struct LoanAnalysis
{
    // The report's figures, the same doubles.
    Measure loanAmount;
    Measure principalAndInterest;
    Measure totalMonthlyPayment;
    Measure monthlyCashFlow;
    Measure safetyCashFlow;

    Measure payments;    // number of monthly payments
    Measure totalPaid;   // principal and interest over the loan's life
    Measure totalCost;   // the down payment, points, lender fees and all payments of principal
                         // and interest
    Measure totalInterest;
    Measure payoffMonth; // the month of the last payment, counted from the start
    Measure interestSaved; // by the extra payments, against the same loan without them
    std::array<Measure, MilestoneCount> balance; // after 1, 5, 10 years and at the end
    std::array<Measure, MilestoneCount> equity;  // down payment + principal repaid by then

    // What an investor underwrites by, all from year 1 of the projection under the base
    // assumptions: the year's income weighed against its costs and required payments
    // (principal, interest and PMI; extra payments left out).
    Measure cashOnCash;          // year-1 cash flow ÷ cash invested, a fraction
    Measure debtServiceCoverage; // year-1 net operating income ÷ the year's required payments
    Measure breakEvenOccupancy;  // (year-1 operating costs + required payments) ÷ year-1 rent
    Measure breakEvenRent;       // the monthly rent at which the year-1 cash flow is 0
    Measure highestOffer;        // the highest price, to the cent, at which the year-1 cash flow
                                 // is still 0 or more; unknown for a purchase without a loan

    // What the offer costs beyond its rate: the points (a fraction of the loan amount) and lender
    // fees as typed, then the prepaid finance charge, cash to close, APR and cost if repaid.
    Measure points;
    Measure lenderFees;
    LoanCosts costs;
    std::vector<ScheduleRow> schedule; // extra payments included

    // What the offer earns over the holding period, sold at its end; the same at the hold in a
    // bear, the base and a bull market (in the order of Scenarios); the highest price at which
    // it still earns the target IRR.
    Projection projection;
    std::array<ScenarioResult, 3> scenarios;
    Measure priceToOffer;

    // Why the loan takes no part in the comparison (no loan is best that is not a loan), or
    // empty when it does.
    QString notCompared;
};

// The property's own measures, the same for every loan.
struct PropertyAnalysis
{
    Measure netOperatingIncome;       // year 1's net operating income of the projection, ÷ 12
    Measure netOperatingIncomeYearly; // the same for the whole year
    Measure capRate;                  // year-1 net operating income ÷ price, a fraction
    Measure grossRentMultiplier;      // price ÷ 12 × rent
    Measure rentToPrice;              // rent ÷ price, a fraction (the "1 % rule")
};

struct DealAnalysis
{
    PropertyAnalysis property;
    std::array<LoanAnalysis, MAX_LOANS> loans;
    // The best compared loans by BestLoanOf's rule: -1 where none stands out.
    int mostSafetyCashFlow = -1; // the loan that leaves the most each month
    int leastInterest = -1;      // the loan that pays the least interest
    // The holding period's assumptions as fractions, and the loan with the highest IRR at the
    // hold (the lowest number on a tie; -1 where none has one).
    ProjectionAssumptions assumptions;
    int bestIrr = -1;
    std::array<int, 3> bestIrrByScenario = {-1, -1, -1}; // in the order of Scenarios
    // Of the compared offers, the cheapest to repay month by month, and the month from which the
    // one with the higher points and fees of each pair makes them up.
    std::vector<CheapestStretch> cheapestByMonth;
    std::vector<PointsBreakEven> pointsBreakEven;

    // The loans' costs, and which loans the comparison holds, for the functions of loancosts.h.
    [[nodiscard]] std::vector<const LoanCosts *> loanCosts() const;
    [[nodiscard]] std::vector<bool> compared() const;
};

// The best loan by a figure, one rule for the window and the files: of the loans whose figure is
// known (a down payment above the price takes no part), the lowest loan number among those that
// share the best value; -1 where none is known, or where two or more are known and all share it
// (then no offer stands out).
[[nodiscard]] int bestLoanOf(const DealAnalysis &deal, Measure (*get)(const LoanAnalysis &),
                             bool higherIsBetter);

// yearly: whether the returns of selling are wanted for every year of the projection, or (for
// a table of many deals) at the hold only. The offers the record leaves out of the comparison
// are left out of every ranking (see leaveOut).
[[nodiscard]] DealAnalysis analyze(const DealRecord &record,
                                   YearlyReturns yearly = YearlyReturns::EveryYear);

// The record's assumptions as the projection takes them: fractions, the hold in whole years.
[[nodiscard]] ProjectionAssumptions assumptionsOf(const ProjectionFigures &figures);
// One loan of the record as the projection takes it.
[[nodiscard]] ProjectionInputs inputsOf(const DealRecord &record, int loan);
// Why loan's extra payment leaves its projection empty (one below 0), naming the loan; empty when
// it does not.
[[nodiscard]] QString extraPaymentProblem(const DealRecord &record, int loan);
// The compared loan with the highest IRR, the lowest number on a tie; -1 if none. irrOf picks
// the IRR: the projection's, or a scenario's.
[[nodiscard]] int bestLoanByIrr(const DealAnalysis &deal,
                                Measure (*irrOf)(const LoanAnalysis &) = nullptr);

// Which offers the user compares: true for an offer that takes part.
using ComparedOffers = std::array<bool, MAX_LOANS>;
// True for a loan nobody has filled in: no lender, and every figure as on the first run.
[[nodiscard]] bool isUntouchedLoan(const DealRecord &record, int loan);
// The offers compared unless the user says otherwise: every loan someone filled in, or all five
// when none was (five first-run loans are still five offers to look at).
[[nodiscard]] ComparedOffers defaultComparedOffers(const DealRecord &record);
// The offers compared: the user's choice (record.m_compare), the default rule where none is made.
[[nodiscard]] ComparedOffers comparedOffers(const DealRecord &record);
// True once the user has chosen the offers compared: only then is the choice stored.
[[nodiscard]] bool hasComparisonChoice(const DealRecord &record);
// Leaves the offers that are not compared out of every ranking: each gets the reason "Left out
// of the comparison." (one that already had a reason keeps it), and the best loans are chosen
// anew among the others. Their figures stay, for the user to see what was left out.
void leaveOut(DealAnalysis &deal, const ComparedOffers &compared);

// The schedule summed per year: payment, principal and interest of its months, the balance
// at its end; month holds the year (1, 2, ...).
[[nodiscard]] std::vector<ScheduleRow> yearlySummary(const std::vector<ScheduleRow> &schedule);
