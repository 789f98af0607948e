#include "core/projection.h"

#include "core/financing.h"
#include "core/texts.h"
#include "core/schedule.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString tooLarge()
{
    return AnalysisText::tr("The figure is too large to compute.");
}

// The returns of the years before the hold, where only the hold's were asked for.
QString notComputed()
{
    return ProjectionText::kept(QT_TRANSLATE_NOOP("Projection", "Not computed."));
}

// A figure, or unknown because it is too large: the reason is translated only when needed, since
// a search over prices makes thousands of figures.
Measure finiteOrTooLarge(double value)
{
    return std::isfinite(value) ? Measure{value, {}} : Measure::unknown(tooLarge());
}

QString noCash()
{
    return ProjectionText::tr("No cash is invested: there is no return to measure.");
}

// An assumption, the text that names it when it is out of range, and its kind of range: a share
// lies in 0 to 100 %; a rate of growth, of return or of discount lies above −100 %, where the
// money would be gone.
struct Check
{
    double value;
    const char *text;
    bool share;
};

QString firstProblem(std::initializer_list<Check> checks)
{
    for (const Check &c : checks) {
        const bool inRange = c.share ? c.value >= 0 && c.value <= 1 : c.value > -1;
        if (!inRange) // a not-a-number is out of every range
            return ProjectionText::tr(c.text);
    }
    return {};
}

// The assumptions a projection of the base case uses, in the order a user meets them.
QString usedProblem(const ProjectionAssumptions &a)
{
    if (a.holdYears < 1 || a.holdYears > 50)
        return ProjectionText::tr("The holding period must be 1 to 50 years.");
    return firstProblem({
        {a.appreciation, QT_TRANSLATE_NOOP("Projection", "The appreciation must be more than -100 %."), false},
        {a.rentGrowth, QT_TRANSLATE_NOOP("Projection", "The rent growth must be more than -100 %."), false},
        {a.expenseGrowth, QT_TRANSLATE_NOOP("Projection", "The expense growth must be more than -100 %."), false},
        {a.vacancy, QT_TRANSLATE_NOOP("Projection", "The vacancy must be 0 % to 100 %."), true},
        {a.maintenance, QT_TRANSLATE_NOOP("Projection", "The maintenance must be 0 % to 100 %."), true},
        {a.capitalReserve, QT_TRANSLATE_NOOP("Projection", "The capital reserve must be 0 % to 100 %."), true},
        {a.management, QT_TRANSLATE_NOOP("Projection", "The management must be 0 % to 100 %."), true},
        {a.closingCosts, QT_TRANSLATE_NOOP("Projection", "The closing costs must be 0 % to 100 %."), true},
        {a.sellingCosts, QT_TRANSLATE_NOOP("Projection", "The selling costs must be 0 % to 100 %."), true},
        {a.discountRate, QT_TRANSLATE_NOOP("Projection", "The discount rate must be more than -100 %."), false},
        {a.pmiEndLtv, QT_TRANSLATE_NOOP("Projection", "The loan-to-value at which mortgage insurance ends must be 0 % to 100 %."), true},
    });
}

QString scenarioProblem(const ProjectionAssumptions &a)
{
    return firstProblem({
        {a.targetIrr, QT_TRANSLATE_NOOP("Projection", "The target IRR must be more than -100 %."), false},
        {a.bear.appreciation, QT_TRANSLATE_NOOP("Projection", "The bear case's appreciation must be more than -100 %."), false},
        {a.bear.rentGrowth, QT_TRANSLATE_NOOP("Projection", "The bear case's rent growth must be more than -100 %."), false},
        {a.bear.expenseGrowth, QT_TRANSLATE_NOOP("Projection", "The bear case's expense growth must be more than -100 %."), false},
        {a.bear.vacancy, QT_TRANSLATE_NOOP("Projection", "The bear case's vacancy must be 0 % to 100 %."), true},
        {a.bull.appreciation, QT_TRANSLATE_NOOP("Projection", "The bull case's appreciation must be more than -100 %."), false},
        {a.bull.rentGrowth, QT_TRANSLATE_NOOP("Projection", "The bull case's rent growth must be more than -100 %."), false},
        {a.bull.expenseGrowth, QT_TRANSLATE_NOOP("Projection", "The bull case's expense growth must be more than -100 %."), false},
        {a.bull.vacancy, QT_TRANSLATE_NOOP("Projection", "The bull case's vacancy must be 0 % to 100 %."), true},
    });
}

QString inputsProblem(const ProjectionInputs &in)
{
    for (double x : {in.price, in.rent, in.escrow, in.otherFees, in.downPayment, in.ratePercent,
                     in.termYears, in.pmi, in.extraPayment, in.pointsPercent, in.lenderFees}) {
        if (!std::isfinite(x))
            return tooLarge();
    }
    if (in.extraPayment < 0)
        return ProjectionText::tr("The extra payment must be 0 or more.");
    if (in.price - in.downPayment < 0)
        return AnalysisText::tr("The down payment is more than the price: there is no loan.");
    return scheduleProblem(in.price - in.downPayment, in.ratePercent, in.termYears);
}

// The year's months t·12 − 11 … t·12 of the schedule: their payments and interest, and how
// many of them carry mortgage insurance (the balance owed before the payment above the end
// loan-to-value; at an end of 0 that is every month until the payoff; never after a refinance).
void addLoanYear(ProjectionYear &y, const Financing &financing, const ProjectionInputs &in, double pmiEnd)
{
    const SharedSchedule &schedule = financing.months;
    const std::size_t first = std::size_t(12 * (y.year - 1));
    const std::size_t last = std::min(schedule.size(), std::size_t(12 * y.year));
    // Summed apart from the year, which the compiler would otherwise write back every month in
    // case a row were the same memory.
    int insured = 0;
    double debtService = y.debtService;
    double interest = y.interest;
    const ScheduleRow *rows = schedule.begin();
    double owed = first == 0 ? financing.loanAmount : first <= schedule.size() ? rows[first - 1].balance : 0.0;
    for (std::size_t i = first; i < last; ++i) {
        debtService += rows[i].payment;
        interest += rows[i].interest;
        if (owed > pmiEnd && int(i) < financing.insuredUntil)
            ++insured;
        owed = rows[i].balance;
    }
    y.debtService = debtService;
    y.interest = interest;
    y.pmi = in.pmi * insured;
    y.loanBalance = std::size_t(12 * y.year) <= schedule.size() ? schedule[std::size_t(12 * y.year) - 1].balance
                                                                 : 0.0;
}

// How far rent, costs and value have grown by year t: (1 + growth)^(t − 1) for rent and costs,
// (1 + appreciation)^t for the value. Multiplied on year by year, which a search over prices
// repeats thousands of times, instead of a power each year: the two differ in the last places
// only.
struct Growth
{
    double rent = 1;
    double costs = 1;
    double value = 1;

    void nextYear(const ProjectionAssumptions &a, int t)
    {
        if (t > 1) {
            rent *= 1.0 + a.rentGrowth;
            costs *= 1.0 + a.expenseGrowth;
        }
        value *= 1.0 + a.appreciation;
    }
};

// The property's own figures of year t, the same whatever the loan.
void addOperating(ProjectionYear &y, const ProjectionInputs &in, const ProjectionAssumptions &a,
                  const Growth &growth)
{
    y.rent = 12.0 * in.rent * growth.rent;
    y.vacancyLoss = y.rent * a.vacancy;
    y.operatingCosts = 12.0 * (in.escrow + in.otherFees) * growth.costs
                     + y.rent * (a.maintenance + a.capitalReserve + a.management);
    y.netOperatingIncome = y.rent - y.vacancyLoss - y.operatingCosts;
}

void fillYear(ProjectionYear &y, int t, const ProjectionInputs &in, const ProjectionAssumptions &a,
              const Financing &financing, const Growth &growth)
{
    y.year = t;
    addOperating(y, in, a, growth);
    addLoanYear(y, financing, in, a.pmiEndLtv * in.price);
    if (t * 12 == financing.refinanceMonth)
        y.refinanceCashOut = financing.cashOut;
    y.cashFlow = y.netOperatingIncome - y.debtService - y.pmi;
    y.propertyValue = in.price * growth.value;
    y.equity = y.propertyValue - y.loanBalance;
    y.saleProceeds = y.propertyValue * (1.0 - a.sellingCosts) - y.loanBalance;
}

// Every year of every projection is tested. A finite sum says at once that every figure is
// finite (an infinity or not a number in it would make the sum one); only a sum that overflows
// or is not a number has each figure tested, without a branch for each. Not a number fails the
// comparison too.
bool allFinite(const ProjectionYear &y)
{
    const auto finite = [](double x) { return std::fabs(x) <= std::numeric_limits<double>::max(); };
    const double sum = ((y.rent + y.vacancyLoss) + (y.operatingCosts + y.netOperatingIncome))
                     + ((y.debtService + y.pmi) + (y.cashFlow + y.propertyValue))
                     + ((y.loanBalance + y.equity) + (y.saleProceeds + y.interest)) + y.refinanceCashOut;
    if (finite(sum))
        return true;
    return finite(y.rent) & finite(y.vacancyLoss) & finite(y.operatingCosts)
         & finite(y.netOperatingIncome) & finite(y.debtService) & finite(y.pmi) & finite(y.cashFlow)
         & finite(y.propertyValue) & finite(y.loanBalance) & finite(y.equity) & finite(y.saleProceeds)
         & finite(y.interest) & finite(y.refinanceCashOut);
}

bool everyYear(YearlyReturns yearly)
{
    return yearly == YearlyReturns::EveryYear || yearly == YearlyReturns::BeforeTaxEveryYear;
}

// Distributions ÷ contributions of a sale whose year's flow is sold, after years that paid in
// contributed (the cash invested, and the cash that covered a year's shortfall) and paid out
// distributed: a year that needs cash is no return of the cash invested.
Measure equityMultipleIfSold(double contributed, double distributed, double sold)
{
    const double contributions = contributed + std::max(0.0, -sold);
    return contributions > 0 ? finiteOrTooLarge((distributed + std::max(0.0, sold)) / contributions)
                             : Measure::unknown(noCash());
}

// The profit of a sale after the year end, from the sums of the years' cash flows and of a
// refinance's cash out (the sale year's included).
Measure totalProfitOf(double cashFlows, double cashOut, const ProjectionYear &end, double invested)
{
    return finiteOrTooLarge(cashFlows + cashOut - end.refinanceCashOut + end.saleProceeds - invested);
}

// The returns of selling after every year: the flows are −cash invested, the cash flows, and the
// sale proceeds added to the last year's.
void addReturns(Projection &p, const ProjectionAssumptions &a, YearlyReturns yearly)
{
    // Translated only where a year goes without: a search makes thousands of projections.
    const bool skips = yearly == YearlyReturns::ValueAtHold || (!everyYear(yearly) && p.years.size() > 1);
    const Measure skipped = skips ? Measure::unknown(notComputed()) : Measure{};
    // The cash out of a refinance is a flow of its year for every sale after it.
    double cashOut = 0;
    // One list of flows for every year: a search over prices makes thousands of projections.
    std::vector<double> flows;
    flows.reserve(p.years.size() + 1);
    flows.push_back(-p.cashInvested);
    double cashFlows = 0;
    double contributed = p.cashInvested;
    double distributed = 0;
    double hint = std::numeric_limits<double>::quiet_NaN();
    for (ProjectionYear &y : p.years) {
        cashFlows += y.cashFlow;
        // Sold this year, the year's flow is its cash flow and the sale proceeds.
        const double soldFlow = y.cashFlow + y.saleProceeds;
        flows.push_back(soldFlow);
        if (everyYear(yearly) || &y == &p.years.back()) {
            y.irrIfSold = yearly == YearlyReturns::ValueAtHold ? skipped : irrNear(flows, hint);
            hint = y.irrIfSold.isKnown() ? y.irrIfSold.value : std::numeric_limits<double>::quiet_NaN();
            y.npvIfSold = npv(a.discountRate, flows);
        } else {
            y.irrIfSold = y.npvIfSold = skipped;
        }
        // Kept, the year's flow is its cash flow and a refinance's cash out.
        flows.back() = y.cashFlow + y.refinanceCashOut;
        y.equityMultipleIfSold = equityMultipleIfSold(contributed, distributed, soldFlow);
        contributed += std::max(0.0, -flows.back());
        distributed += std::max(0.0, flows.back());
        cashOut += y.refinanceCashOut;
    }
    const ProjectionYear &end = p.years.back();
    p.irr = end.irrIfSold;
    p.npv = end.npvIfSold;
    p.equityMultiple = end.equityMultipleIfSold;
    p.saleProceeds = finiteOrTooLarge(end.saleProceeds);
    p.totalProfit = totalProfitOf(cashFlows, cashOut, end, p.cashInvested);
    // The multiple's yearly rate: never below −100 %, since the multiple is never negative.
    p.annualizedReturn = p.equityMultiple.isKnown()
        ? finiteOrTooLarge(std::pow(p.equityMultiple.value, 1.0 / double(p.years.size())) - 1.0)
        : p.equityMultiple;
}

// What the refinance gave each offer: the cash out, the cash still in the deal and the next
// year's cash flow on it.
void addRefinance(Projection &p, const Financing &financing)
{
    RefinanceResult &r = p.refinance;
    r.ignored = financing.refinanceIgnored;
    r.made = financing.refinanceMonth > 0;
    if (!r.made)
        return;
    const int year = financing.refinanceMonth / 12;
    const double left = p.cashInvested - financing.cashOut;
    r.newLoanAmount = finiteOrTooLarge(financing.newLoan);
    r.cashOut = finiteOrTooLarge(financing.cashOut);
    r.cashLeftInDeal = finiteOrTooLarge(left);
    r.cashOnCashAfter = left > 0
        ? finiteOrTooLarge(p.years[std::size_t(year)].cashFlow / left)
        : Measure::unknown(ProjectionText::tr("The refinance returns all the cash invested: nothing is left in the deal to earn on."));
}

} // namespace

double ProjectionInputs::prepaidFinanceCharge() const
{
    return pointsPercent / 100.0 * loanAmount() + lenderFees;
}

double ProjectionInputs::cashToClose(double closingCosts) const
{
    return downPayment + closingCosts * price + prepaidFinanceCharge();
}

MarketAssumptions ProjectionAssumptions::market() const
{
    return {appreciation, rentGrowth, expenseGrowth, vacancy};
}

ProjectionAssumptions ProjectionAssumptions::withMarket(const MarketAssumptions &scenario) const
{
    ProjectionAssumptions a = *this;
    a.appreciation = scenario.appreciation;
    a.rentGrowth = scenario.rentGrowth;
    a.expenseGrowth = scenario.expenseGrowth;
    a.vacancy = scenario.vacancy;
    return a;
}

QString ProjectionAssumptions::baseProblem() const
{
    return usedProblem(*this);
}

QString ProjectionAssumptions::taxProblem() const
{
    return firstProblem({
        {tax.landShare, QT_TRANSLATE_NOOP("Projection", "The land share must be 0 % to 100 %."), true},
        {tax.incomeTax, QT_TRANSLATE_NOOP("Projection", "The income tax rate must be 0 % to 100 %."), true},
        {tax.capitalGains, QT_TRANSLATE_NOOP("Projection", "The capital gains rate must be 0 % to 100 %."), true},
        {tax.recapture, QT_TRANSLATE_NOOP("Projection", "The recapture rate must be 0 % to 100 %."), true},
    });
}

bool ProjectionAssumptions::refinances() const
{
    return refinance.year != 0;
}

QString ProjectionAssumptions::refinanceIgnored() const
{
    if (!refinances())
        return {};
    const QString range = firstProblem({
        {refinance.ltv, QT_TRANSLATE_NOOP("Projection", "The refinance loan-to-value must be 0 % to 100 %."), true},
        {refinance.rate, QT_TRANSLATE_NOOP("Projection", "The refinance rate must be more than -100 %."), false},
        {refinance.costs, QT_TRANSLATE_NOOP("Projection", "The refinance costs must be 0 % to 100 %."), true},
    });
    if (!range.isEmpty())
        return ProjectionText::tr("The refinance is left out: %1").arg(range);
    if (refinance.termYears < 1)
        return ProjectionText::tr("The refinance is left out: its term must be 1 year or more.");
    if (refinance.year < 0)
        return ProjectionText::tr("The refinance is left out: its year must be 0 (none) or more.");
    if (refinance.year >= holdYears)
        return ProjectionText::tr("The refinance after year %1 is left out: the holding period ends after year %2.")
            .arg(refinance.year)
            .arg(holdYears);
    return {};
}

QString ProjectionAssumptions::problem() const
{
    const QString used = usedProblem(*this);
    return used.isEmpty() ? scenarioProblem(*this) : used;
}

ProjectionYear operatingYearOne(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions)
{
    ProjectionYear y;
    y.year = 1;
    addOperating(y, inputs, assumptions, Growth{});
    return y;
}

namespace {
thread_local unsigned long long g_projections = 0;
} // namespace

std::vector<double> flowsSoldAtHold(const Projection &projection)
{
    std::vector<double> flows;
    flows.reserve(projection.years.size() + 1);
    flows.push_back(-projection.cashInvested);
    for (const ProjectionYear &y : projection.years)
        flows.push_back(y.cashFlow + y.refinanceCashOut);
    if (!projection.years.empty())
        flows.back() = projection.years.back().cashFlow + projection.years.back().saleProceeds;
    return flows;
}

unsigned long long projectionsMade()
{
    return g_projections;
}

namespace {

// Why a projection cannot be made, or empty.
QString projectionProblem(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions)
{
    const QString reason = usedProblem(assumptions);
    return reason.isEmpty() ? inputsProblem(inputs) : reason;
}

// Fills the years of the hold in turn, each in the year next() gives; false as soon as a figure
// is too large.
template <class Next>
bool fillYears(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions,
               const Financing &financing, Next next)
{
    Growth growth;
    for (int t = 1; t <= assumptions.holdYears; ++t) {
        growth.nextYear(assumptions, t);
        ProjectionYear &year = next();
        fillYear(year, t, inputs, assumptions, financing, growth);
        if (!allFinite(year))
            return false;
    }
    return true;
}

} // namespace

AtHold projectAtHold(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions,
                     bool withIrr)
{
    ++g_projections;
    AtHold hold;
    const QString reason = projectionProblem(inputs, assumptions);
    const double invested = inputs.cashToClose(assumptions.closingCosts);
    const Financing financing = reason.isEmpty() ? finance(inputs, assumptions) : Financing{};
    hold.flows.reserve(std::size_t(std::max(0, assumptions.holdYears)) + 1);
    hold.flows.push_back(-invested);
    double cashFlows = 0, cashOut = 0, contributed = invested, distributed = 0;
    ProjectionYear year;
    // The sums in the order the projection adds them up.
    const auto sumYear = [&] {
        cashFlows += year.cashFlow;
        cashOut += year.refinanceCashOut;
    };
    const bool made = reason.isEmpty() && std::isfinite(invested)
        && fillYears(inputs, assumptions, financing, [&]() -> ProjectionYear & {
               if (year.year > 0) { // kept: its cash flow and a refinance's cash out
                   sumYear();
                   hold.flows.push_back(year.cashFlow + year.refinanceCashOut);
                   contributed += std::max(0.0, -hold.flows.back());
                   distributed += std::max(0.0, hold.flows.back());
               }
               year = ProjectionYear{};
               return year;
           });
    if (!made) {
        hold.flows.clear();
        const QString why = reason.isEmpty() ? tooLarge() : reason;
        for (Measure *m : {&hold.irr, &hold.npv, &hold.equityMultiple, &hold.totalProfit})
            *m = Measure::unknown(why);
        return hold;
    }
    sumYear();
    const double sold = year.cashFlow + year.saleProceeds;
    hold.flows.push_back(sold);
    hold.irr = withIrr ? irr(hold.flows)
                       : Measure::unknown(notComputed());
    hold.npv = npv(assumptions.discountRate, hold.flows);
    hold.equityMultiple = equityMultipleIfSold(contributed, distributed, sold);
    hold.totalProfit = totalProfitOf(cashFlows, cashOut, year, invested);
    return hold;
}

double yearOneCashFlow(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions)
{
    ++g_projections;
    const double none = std::numeric_limits<double>::quiet_NaN();
    if (!projectionProblem(inputs, assumptions).isEmpty()
        || !std::isfinite(inputs.cashToClose(assumptions.closingCosts)))
        return none;
    const Financing financing = finance(inputs, assumptions);
    // Year 1 is kept; each later year is filled over the one before.
    ProjectionYear first, later;
    const bool made = fillYears(inputs, assumptions, financing, [&]() -> ProjectionYear & {
        if (first.year == 0)
            return first;
        later = ProjectionYear{};
        return later;
    });
    return made && first.year == 1 ? first.cashFlow : none;
}

Projection project(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions,
                   YearlyReturns yearly)
{
    ++g_projections;
    if (const QString reason = projectionProblem(inputs, assumptions); !reason.isEmpty())
        return unprojected(reason);
    const Financing financing = finance(inputs, assumptions);
    Projection p;
    p.cashInvested = inputs.cashToClose(assumptions.closingCosts);
    p.years.reserve(std::size_t(assumptions.holdYears));
    if (!std::isfinite(p.cashInvested)
        || !fillYears(inputs, assumptions, financing, [&]() -> ProjectionYear & { return p.years.emplace_back(); }))
        return unprojected(tooLarge());
    addReturns(p, assumptions, yearly);
    addRefinance(p, financing);
    if (yearly != YearlyReturns::BeforeTaxAtHold && yearly != YearlyReturns::ValueAtHold)
        addAfterTax(p, inputs, assumptions, financing, yearly);
    return p;
}

Projection unprojected(const QString &reason)
{
    Projection p;
    p.reason = reason;
    for (Measure *m : {&p.irr, &p.npv, &p.equityMultiple, &p.totalProfit, &p.annualizedReturn,
                        &p.saleProceeds})
        *m = Measure::unknown(reason);
    AfterTaxReturns &after = p.afterTax;
    after.reason = reason;
    for (Measure *m : {&after.irr, &after.npv, &after.equityMultiple, &after.totalProfit,
                        &after.depreciationTaken, &after.taxOnSale})
        *m = Measure::unknown(reason);
    return p;
}
