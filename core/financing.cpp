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
double monthsTaken(int t, int sale)
{
    return t == 1 && sale == 1 ? 11.0 : t == 1 || t == sale ? 11.5 : 12.0;
}

struct Sale
{
    std::vector<YearTaxes> years; // for a sale after the last of them
    std::vector<double> flows; // after tax, year 0 first
    double depreciationTaken = 0;
    double taxOnSale = 0;
    // Before each year: the months and the depreciation taken. A sale after an earlier year
    // takes the same in every year before its last.
    std::vector<double> monthsBefore;
    std::vector<double> takenBefore;
};

YearTaxes taxedYear(const ProjectionYear &y, double depreciation, double deducted, double incomeTaxRate)
{
    YearTaxes taxed;
    taxed.depreciation = depreciation;
    taxed.loanCostsDeducted = deducted;
    taxed.taxableIncome = y.netOperatingIncome - y.interest - y.pmi - depreciation - deducted;
    taxed.incomeTax = taxed.taxableIncome * incomeTaxRate;
    taxed.afterTaxCashFlow = y.cashFlow - taxed.incomeTax;
    return taxed;
}

// The gain (up to the depreciation taken) at the recapture rate, the rest at the capital gains
// rate; a loss at the income tax rate.
double taxOnSale(const ProjectionYear &last, double cost, double taken, const ProjectionAssumptions &a)
{
    const TaxAssumptions &tax = a.tax;
    const double gain = last.propertyValue * (1.0 - a.sellingCosts) - (cost - taken);
    return gain < 0 ? gain * tax.incomeTax
                    : std::min(gain, taken) * tax.recapture + std::max(gain - taken, 0.0) * tax.capitalGains;
}

// The after-tax figures of selling after year n.
Sale afterTaxSale(const Projection &p, const ProjectionInputs &in, const ProjectionAssumptions &a,
                  const Financing &f, int n)
{
    const double cost = in.price * (1.0 + a.closingCosts);
    const double basis = cost * (1.0 - a.tax.landShare);
    const std::vector<double> deducted = loanCostsDeducted(f, n);
    // Sized first and summed in locals, so that no call to grow them stands between one year
    // and the next.
    Sale sale;
    sale.years.resize(std::size_t(n));
    sale.flows.resize(std::size_t(n) + 1);
    sale.monthsBefore.resize(std::size_t(n));
    sale.takenBefore.resize(std::size_t(n));
    sale.flows[0] = -p.cashInvested;
    double months = 0;
    double taken = 0;
    for (int t = 1; t <= n; ++t) {
        sale.monthsBefore[std::size_t(t) - 1] = months;
        sale.takenBefore[std::size_t(t) - 1] = taken;
        const double allowed = std::clamp(330.0 - months, 0.0, monthsTaken(t, n));
        months += allowed;
        const ProjectionYear &y = p.years[std::size_t(t) - 1];
        const YearTaxes taxed = taxedYear(y, basis * allowed / 330.0, deducted[std::size_t(t) - 1], a.tax.incomeTax);
        sale.years[std::size_t(t) - 1] = taxed;
        taken += taxed.depreciation;
        // The cash out of a refinance counts only for a sale after it.
        sale.flows[std::size_t(t)] = taxed.afterTaxCashFlow + (t < n ? y.refinanceCashOut : 0.0);
    }
    sale.depreciationTaken = taken;
    const ProjectionYear &last = p.years[std::size_t(n) - 1];
    sale.taxOnSale = taxOnSale(last, cost, taken, a);
    sale.flows.back() += last.saleProceeds - sale.taxOnSale;
    return sale;
}

// The after-tax flows of selling after year n, before the end of the hold held: the years
// before n are taxed as the hold's, so only year n is worked out, as the year of a sale.
void flowsIfSoldAfter(std::vector<double> &flows, const Sale &held, const Projection &p,
                      const ProjectionInputs &in, const ProjectionAssumptions &a, const Financing &f, int n)
{
    const double cost = in.price * (1.0 + a.closingCosts);
    const double basis = cost * (1.0 - a.tax.landShare);
    const std::size_t year = std::size_t(n) - 1;
    const double allowed = std::clamp(330.0 - held.monthsBefore[year], 0.0, monthsTaken(n, n));
    const ProjectionYear &last = p.years[year];
    const YearTaxes taxed = taxedYear(last, basis * allowed / 330.0, loanCostsDeducted(f, n).back(), a.tax.incomeTax);
    const double taken = held.takenBefore[year] + taxed.depreciation;
    flows.assign(held.flows.begin(), held.flows.begin() + n);
    // As the hold's last year is summed: the 0 of no refinance turns a cash flow of −0 into 0.
    flows.push_back(taxed.afterTaxCashFlow + 0.0);
    flows.back() += last.saleProceeds - taxOnSale(last, cost, taken, a);
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
    after.irr = irr(held.flows, Summing::Interleaved);
    after.npv = npv(a.discountRate, held.flows);
    after.equityMultiple = equityMultiple(held.flows);
    double profit = 0;
    for (double flow : held.flows)
        profit += flow;
    after.totalProfit = Measure::of(profit, {});
    after.depreciationTaken = Measure::of(held.depreciationTaken, {});
    after.taxOnSale = Measure::of(held.taxOnSale, {});
    const Measure skipped = yearly == YearlyReturns::EveryYear || hold == 1
        ? Measure{} : Measure::unknown(ProjectionText::kept(QT_TRANSLATE_NOOP("Projection", "Not computed.")));
    std::vector<double> flows;
    double hint = std::numeric_limits<double>::quiet_NaN();
    for (int n = 1; n <= hold; ++n) {
        ProjectionYear &y = p.years[std::size_t(n) - 1];
        if (n == hold) {
            y.afterTaxIrrIfSold = after.irr;
        } else if (yearly == YearlyReturns::EveryYear) {
            flowsIfSoldAfter(flows, held, p, in, a, f, n);
            // As before tax, the search starts at the return of selling a year earlier.
            y.afterTaxIrrIfSold = irrNear(flows, hint, 0.01, Summing::Interleaved);
            hint = y.afterTaxIrrIfSold.isKnown() ? y.afterTaxIrrIfSold.value : std::numeric_limits<double>::quiet_NaN();
        } else {
            y.afterTaxIrrIfSold = skipped;
        }
    }
}
