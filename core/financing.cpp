#include "core/financing.h"

#include "core/schedule.h"
#include "core/texts.h"

#include <algorithm>
#include <cmath>

namespace {

// The month of a schedule's last payment, where it falls within the rows made.
int payoffOf(const SharedSchedule &rows)
{
    if (rows.empty())
        return 0;
    return rows.back().balance == 0 ? int(rows.size()) : std::numeric_limits<int>::max();
}

// The property's value after year, grown as the projection grows it, year by year.
double valueAfter(double price, double appreciation, int year)
{
    double growth = 1;
    for (int t = 1; t <= year; ++t)
        growth *= 1.0 + appreciation;
    return price * growth;
}

void refinance(Financing &f, const ProjectionInputs &in, const ProjectionAssumptions &a)
{
    const RefinanceAssumptions &r = a.refinance;
    const int month = 12 * r.year;
    const double newLoan = r.ltv * valueAfter(in.price, a.appreciation, r.year);
    if (const QString problem = scheduleProblem(newLoan, 100.0 * r.rate, r.termYears); !problem.isEmpty()) {
        f.refinanceIgnored = ProjectionText::tr("The refinance is left out: %1").arg(problem);
        return;
    }
    const double owed = month <= int(f.months.size()) ? f.months[std::size_t(month) - 1].balance : 0.0;
    std::vector<ScheduleRow> months(f.months.begin(), f.months.begin() + std::min(f.months.size(), std::size_t(month)));
    months.resize(std::size_t(month)); // months after an early payoff pay nothing
    f.refinanceMonth = month;
    f.newLoan = newLoan;
    f.newLoanCosts = r.costs * newLoan;
    f.newTermMonths = 12 * r.termYears;
    f.cashOut = newLoan - owed - f.newLoanCosts;
    f.insuredUntil = month;
    const SharedSchedule next =
        sharedSchedule(newLoan, 100.0 * r.rate, r.termYears, 0, 12 * a.holdYears - month);
    f.newPayoff = next.empty() ? month : payoffOf(next);
    if (f.newPayoff != std::numeric_limits<int>::max())
        f.newPayoff += next.empty() ? 0 : month;
    for (ScheduleRow row : next) {
        row.month += month;
        months.push_back(row);
    }
    f.months = SharedSchedule(std::move(months));
}

} // namespace

Financing finance(const ProjectionInputs &in, const ProjectionAssumptions &a)
{
    Financing f;
    f.loanAmount = in.loanAmount();
    f.loanCosts = in.prepaidFinanceCharge();
    f.termMonths = int(paymentCount(in.termYears));
    f.months = sharedSchedule(f.loanAmount, in.ratePercent, in.termYears, in.extraPayment, 12 * a.holdYears);
    f.payoff = payoffOf(f.months);
    f.refinanceIgnored = a.refinanceIgnored();
    if (a.refinances() && f.refinanceIgnored.isEmpty())
        refinance(f, in, a);
    return f;
}

namespace {

// The years' deductions of loan costs for a sale after year sale: each loan's costs spread evenly
// over its term's months for the months it is paid, what is left in the year it ends (its payoff,
// the refinance or the sale).
std::vector<double> loanCostsDeducted(const Financing &f, int sale)
{
    std::vector<double> deducted(std::size_t(sale), 0.0);
    const auto spread = [&](double costs, int termMonths, int first, int last) {
        if (costs == 0 || termMonths <= 0)
            return;
        // The loan's months from first to last, and the year it ends in.
        const int end = std::min(last, 12 * sale);
        double taken = 0;
        for (int m = first; m <= end; ++m) {
            deducted[std::size_t((m - 1) / 12)] += costs / termMonths;
            taken += costs / termMonths;
        }
        const int endYear = std::max(1, std::min((std::max(end, first) - 1) / 12 + 1, sale));
        deducted[std::size_t(endYear) - 1] += costs - taken;
    };
    const bool refinanced = f.refinanceMonth > 0 && f.refinanceMonth < 12 * sale;
    const int oldLast = std::min(f.payoff, refinanced ? f.refinanceMonth : std::numeric_limits<int>::max());
    spread(f.loanCosts, f.termMonths, 1, std::min(oldLast, f.termMonths));
    if (refinanced)
        spread(f.newLoanCosts, f.newTermMonths, f.refinanceMonth + 1, f.newPayoff);
    return deducted;
}

// Straight-line depreciation over 27.5 years (330 months), placed in service in month 1, both
// it and the sale at mid-month: 11.5 months in year 1, 12 a year, 11.5 in the year of the sale
// (11 when that is year 1), never more than the basis in all.
std::vector<double> depreciation(double basis, int sale)
{
    std::vector<double> years;
    double months = 0;
    for (int t = 1; t <= sale; ++t) {
        const double taken = t == 1 && sale == 1 ? 11.0 : t == 1 || t == sale ? 11.5 : 12.0;
        const double allowed = std::clamp(330.0 - months, 0.0, taken);
        months += allowed;
        years.push_back(basis * allowed / 330.0);
    }
    return years;
}

struct Sale
{
    std::vector<YearTaxes> years; // for a sale after the last of them
    std::vector<double> flows; // after tax, year 0 first
    double depreciationTaken = 0;
    double taxOnSale = 0;
};

// The after-tax figures of selling after year n.
Sale afterTaxSale(const Projection &p, const ProjectionInputs &in, const ProjectionAssumptions &a,
                  const Financing &f, int n)
{
    const TaxAssumptions &tax = a.tax;
    const double cost = in.price * (1.0 + a.closingCosts);
    const std::vector<double> depreciated = depreciation(cost * (1.0 - tax.landShare), n);
    const std::vector<double> deducted = loanCostsDeducted(f, n);
    Sale sale;
    sale.years.reserve(std::size_t(n));
    sale.flows.reserve(std::size_t(n) + 1);
    sale.flows.push_back(-p.cashInvested);
    for (int t = 1; t <= n; ++t) {
        const ProjectionYear &y = p.years[std::size_t(t) - 1];
        YearTaxes taxed;
        taxed.depreciation = depreciated[std::size_t(t) - 1];
        taxed.loanCostsDeducted = deducted[std::size_t(t) - 1];
        taxed.taxableIncome = y.netOperatingIncome - y.interest - y.pmi - taxed.depreciation - taxed.loanCostsDeducted;
        taxed.incomeTax = taxed.taxableIncome * tax.incomeTax;
        taxed.afterTaxCashFlow = y.cashFlow - taxed.incomeTax;
        sale.depreciationTaken += taxed.depreciation;
        // The cash out of a refinance counts only for a sale after it.
        sale.flows.push_back(taxed.afterTaxCashFlow + (t < n ? y.refinanceCashOut : 0.0));
        sale.years.push_back(taxed);
    }
    const ProjectionYear &last = p.years[std::size_t(n) - 1];
    const double gain = last.propertyValue * (1.0 - a.sellingCosts) - (cost - sale.depreciationTaken);
    sale.taxOnSale = gain < 0 ? gain * tax.incomeTax
                              : std::min(gain, sale.depreciationTaken) * tax.recapture
                                  + std::max(gain - sale.depreciationTaken, 0.0) * tax.capitalGains;
    sale.flows.back() += last.saleProceeds - sale.taxOnSale;
    return sale;
}

// Distributions ÷ contributions, as before tax: each year's flow is one or the other.
Measure equityMultiple(const std::vector<double> &flows)
{
    double contributed = -flows.front();
    double distributed = 0;
    for (std::size_t t = 1; t < flows.size(); ++t) {
        contributed += std::max(0.0, -flows[t]);
        distributed += std::max(0.0, flows[t]);
    }
    if (!(contributed > 0))
        return Measure::unknown(ProjectionText::tr("No cash is invested: there is no return to measure."));
    return Measure::of(distributed / contributed, {});
}

bool allFinite(const std::vector<double> &flows)
{
    return std::all_of(flows.begin(), flows.end(), [](double x) { return std::isfinite(x); });
}

} // namespace

void addAfterTax(Projection &p, const ProjectionInputs &in, const ProjectionAssumptions &a,
                 const Financing &f, YearlyReturns yearly)
{
    AfterTaxReturns &after = p.afterTax;
    after.reason = a.taxProblem();
    const int hold = int(p.years.size());
    Sale held;
    if (after.reason.isEmpty()) {
        held = afterTaxSale(p, in, a, f, hold);
        if (!allFinite(held.flows))
            after.reason = AnalysisText::tr("The figure is too large to compute.");
    }
    if (!after.reason.isEmpty()) {
        for (Measure *m : {&after.irr, &after.npv, &after.equityMultiple, &after.totalProfit,
                            &after.depreciationTaken, &after.taxOnSale})
            *m = Measure::unknown(after.reason);
        for (ProjectionYear &y : p.years)
            y.afterTaxIrrIfSold = Measure::unknown(after.reason);
        return;
    }
    for (int t = 0; t < hold; ++t)
        static_cast<YearTaxes &>(p.years[std::size_t(t)]) = held.years[std::size_t(t)];
    after.irr = irr(held.flows);
    after.npv = npv(a.discountRate, held.flows);
    after.equityMultiple = equityMultiple(held.flows);
    double profit = 0;
    for (double flow : held.flows)
        profit += flow;
    after.totalProfit = Measure::of(profit, {});
    after.depreciationTaken = Measure::of(held.depreciationTaken, {});
    after.taxOnSale = Measure::of(held.taxOnSale, {});
    const Measure skipped = yearly == YearlyReturns::EveryYear || hold == 1
        ? Measure{} : Measure::unknown(ProjectionText::tr("Not computed."));
    for (int n = 1; n <= hold; ++n) {
        ProjectionYear &y = p.years[std::size_t(n) - 1];
        if (n == hold)
            y.afterTaxIrrIfSold = after.irr;
        else if (yearly == YearlyReturns::EveryYear)
            y.afterTaxIrrIfSold = irr(afterTaxSale(p, in, a, f, n).flows);
        else
            y.afterTaxIrrIfSold = skipped;
    }
}
