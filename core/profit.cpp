#include "core/profit.h"

#include "core/recentlyused.h"

#include <cmath>

// This file is compiled with -ffp-contract=off (report/CMakeLists.txt): every product and sum
// is rounded to double on its own; no fused multiply-add. Without
// -ffast-math the compiler keeps "+ 0" (it turns -0 into +0) and "r * 0 + 1" (it turns an
// infinite or not-a-number rate into not-a-number).

namespace Profit {

double monthlyRate(double ratePercent)
{
    return (ratePercent / 100.0) / 12.0;
}

double paymentWithPower(double loanAmount, double monthlyRate, double power)
{
    const double r = monthlyRate;
    const double P = power;
    const double A = loanAmount;
    return (P * A + 0.0) / (((P - 1.0) * (r * 0.0 + 1.0)) / r);
}

namespace {

// (1 + r)^n. It does not depend on the amount: a search over prices, and the checks and the
// schedule of each of its projections, ask for the same rate and term again and again.
double growth(double r, double n)
{
    struct Known
    {
        double r = 0;
        double n = 0;
        double power = 0;
    };
    thread_local RecentlyUsed<Known, 4> known;
    if (const Known *k = known.find([&](const Known &e) { return e.r == r && e.n == n; }))
        return k->power;
    const double power = std::pow(1.0 + r, n);
    known.replaced() = {r, n, power};
    return power;
}

} // namespace

double payment(double loanAmount, double ratePercent, double termYears)
{
    const double r = monthlyRate(ratePercent);
    const double n = 12.0 * termYears;
    // Without interest the loan is paid back in equal parts; the general formula would divide
    // 0 by 0. A term of 0 still divides by 0 and leaves the figure empty.
    if (r == 0.0)
        return loanAmount / n;
    return paymentWithPower(loanAmount, r, growth(r, n));
}

void step(Figure figure, const DealRecord &record, Row &row)
{
    const double price = record.m_purchasePrice.m_value;
    const double rent = record.m_rentalIncome.m_value;
    const double escrow = record.m_escrow.m_value;
    const double otherFees = record.m_otherFees.m_value;
    const double margin = record.m_safetyMargin.m_value;

    for (int k = 0; k < MAX_LOANS; ++k) {
        double &x = row[static_cast<std::size_t>(k)];
        switch (figure) {
        case LoanAmount:
            x = price - record.m_downPayment[k].m_value;
            break;
        case PrincipalAndInterest:
            x = payment(x, record.m_interestRate[k].m_value, record.m_term[k].m_value);
            break;
        case TotalMonthlyPayment:
            x = (escrow + x) + record.m_pmi[k].m_value;
            break;
        case MonthlyCashFlow:
            x = rent - (otherFees + x);
            break;
        case SafetyCashFlow:
            x = x - (margin / 100.0) * rent;
            break;
        case FigureCount:
            break;
        }
    }
}

std::array<Row, FigureCount> calculate(const DealRecord &record)
{
    std::array<Row, FigureCount> figures{};
    Row row{};
    for (int f = 0; f < FigureCount; ++f) {
        step(static_cast<Figure>(f), record, row);
        figures[static_cast<std::size_t>(f)] = row;
    }
    return figures;
}

} // namespace Profit
