#pragma once

#include "core/measure.h"
#include "core/projection.h"
#include "core/schedule.h"

#include <QString>

#include <limits>
#include <vector>

// How one offer is financed over the hold: the loan's months, and after a refinance the new
// loan's. The projection pays these months; the after-tax figures deduct their interest and loan
// costs.
struct Financing
{
    // Months 1 to 12 × the hold at index month − 1, as far as a loan runs: the offer's loan with
    // its extra payment, and from the month after the refinance the new loan (months between
    // an early payoff and the refinance pay nothing).
    SharedSchedule months;
    int insuredUntil = std::numeric_limits<int>::max(); // mortgage insurance ends with the loan
    double loanAmount = 0;
    double loanCosts = 0;  // the prepaid finance charge
    int termMonths = 0;    // of the offer's loan
    int payoff = std::numeric_limits<int>::max(); // its last payment; beyond the hold: the maximum
    // The refinance, where it is made: after month refinanceMonth (12 × its year).
    int refinanceMonth = 0;
    double newLoan = 0;
    double newLoanCosts = 0;
    int newTermMonths = 0;
    int newPayoff = std::numeric_limits<int>::max();
    double cashOut = 0;
    QString refinanceIgnored; // why a refinance asked for is not made
};

// The months of an offer whose inputs and assumptions are in range.
[[nodiscard]] Financing finance(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions);

// The after-tax figures of a projection whose years are filled in: each year's tax, the hold's
// after-tax returns and, for every year, the after-tax IRR had the property been sold then.
void addAfterTax(Projection &p, const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions,
                 const Financing &financing, YearlyReturns yearly);
