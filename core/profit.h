#pragma once

#include "core/dealrecord.h"

#include <array>

// The five computed figures for each of the five loans, in IEEE double arithmetic with
// every operation in its fixed order. Nothing is clamped: a term of 0 gives not-a-number or
// infinities, which the report shows as empty cells. A loan without interest is paid back in
// equal monthly parts.
namespace Profit {

// The figures in the order of the report's rows.
enum Figure {
    LoanAmount,           // A = price - down payment
    PrincipalAndInterest, // M, the level monthly payment
    TotalMonthlyPayment,  // T = (escrow + M) + PMI
    MonthlyCashFlow,      // C = rent - (other fees + T)
    SafetyCashFlow,       // S = C - (margin / 100) * rent
    FigureCount
};

// One figure for each loan, loan 1 to 5 from index 0 to 4.
using Row = std::array<double, MAX_LOANS>;

// Replaces every element of row by the next figure computed from it: for LoanAmount row is only
// written; for the later figures it must hold the figure before (as Calculate does).
void step(Figure figure, const DealRecord &record, Row &row);

// All five figures, each row computed from the exact doubles of the row before.
[[nodiscard]] std::array<Row, FigureCount> calculate(const DealRecord &record);

// The monthly payment (principal and interest) of one loan: r = (rate / 100) / 12, n = 12 * term,
// P = pow(1 + r, n), M = (P * A + 0) / (((P - 1) * (r * 0 + 1)) / r); at r = 0, M = A / n.
[[nodiscard]] double payment(double loanAmount, double ratePercent, double termYears);
// The same with P given, so that a test can tell what the power function's last place changes.
[[nodiscard]] double paymentWithPower(double loanAmount, double monthlyRate, double power);
// The monthly rate r: (rate / 100) / 12.
[[nodiscard]] double monthlyRate(double ratePercent);

} // namespace Profit
