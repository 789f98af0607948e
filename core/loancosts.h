#pragma once

#include "core/measure.h"
#include "core/projection.h"

#include <QString>

#include <optional>
#include <vector>

// What a loan offer costs beyond its rate: the points and fees paid at closing, the annual
// percentage rate (the US Regulation Z figure, Appendix J's actuarial method with a regular first
// period), the same rate for a buyer who sells after the hold, and what the loan has cost if it
// is repaid after any month. Qt Core only.
struct LoanCosts
{
    Measure prepaidFinanceCharge; // points · loan amount + lender fees
    Measure cashToClose;          // down payment + closing costs + the prepaid finance charge
    Measure apr;                  // a fraction, 12 × the monthly rate
    Measure rateOverHold;         // a fraction, for a loan repaid at the end of the hold
    // The cost if repaid after month m (down payment, prepaid finance charge, every payment with
    // mortgage insurance, and the balance then owed) at index m − 1, for each month of the term;
    // empty, with the reason why, where the loan has no schedule.
    std::vector<double> costIfRepaid;
    QString noCostReason;

    // The cost after month (1 …); after the term the loan is repaid and costs what it cost.
    [[nodiscard]] double costAfter(int month) const;
};

// The loan costs of one offer. The rate over the hold uses assumptions.holdYears; mortgage
// insurance ends as the projection's does.
[[nodiscard]] LoanCosts loanCosts(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions);

// The monthly rate at which payments (month 1 first) discounted monthly are worth amount; the
// actuarial equation of an annual percentage rate, its search begun near hint (the note's monthly
// rate). Unknown when amount is not above 0.
[[nodiscard]] Measure monthlyRateOf(double amount, const std::vector<double> &payments, double hint);

// From fromMonth on, until the next stretch, loan (0 to 4) is the cheapest to repay.
struct CheapestStretch
{
    int fromMonth = 1;
    int loan = -1;
};

// Of two offers, the one with the higher prepaid finance charge (loan) makes it up from month on,
// if ever, against the other (versus).
struct PointsBreakEven
{
    int loan = -1;
    int versus = -1;
    std::optional<int> month;
};

// The offers cheapest to repay month by month, over the longest term of the offers given (those
// with a cost series; loans holds the costs of loans 0 to 4, compared says which take part):
// one stretch for each run of months with the same cheapest offer, the lowest number on a tie.
[[nodiscard]] std::vector<CheapestStretch> cheapestByMonth(const std::vector<const LoanCosts *> &loans,
                                                           const std::vector<bool> &compared);
// The cheapest of those offers if repaid after month; -1 where none has a cost series.
[[nodiscard]] int cheapestAfter(const std::vector<const LoanCosts *> &loans,
                                const std::vector<bool> &compared, int month);
// For each pair of compared offers whose prepaid finance charges differ, the month from which
// the dearer one's cost if repaid stays at or below the other's to the end of the shorter term;
// none where it never does. In the order of loan, then versus.
[[nodiscard]] std::vector<PointsBreakEven> pointsBreakEvens(const std::vector<const LoanCosts *> &loans,
                                                            const std::vector<bool> &compared);
