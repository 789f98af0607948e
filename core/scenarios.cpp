#include "core/scenarios.h"

#include "core/schedule.h"
#include "core/texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace {

Measure irrAtHold(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions)
{
    return project(inputs, assumptions, YearlyReturns::BeforeTaxAtHold).irr;
}

bool reaches(const Measure &irr, double target)
{
    return irr.isKnown() && irr.value >= target;
}

ProjectionInputs atPrice(ProjectionInputs inputs, double price)
{
    inputs.price = price;
    return inputs;
}

// One figure changed step by step, each step's IRR at the hold.
template <class Change>
OneWaySensitivity oneWay(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions,
                         const std::vector<double> &steps, Change change)
{
    OneWaySensitivity result;
    result.steps = steps;
    for (double step : steps) {
        ProjectionInputs in = inputs;
        ProjectionAssumptions a = assumptions;
        change(in, a, step);
        result.irr.push_back(irrAtHold(in, a));
    }
    return result;
}

// Nine steps from centre − halfWidth to centre + halfWidth.
std::vector<double> around(double centre, double halfWidth)
{
    std::vector<double> steps;
    for (int i = -4; i <= 4; ++i)
        steps.push_back(centre + halfWidth * i / 4.0);
    return steps;
}

// The price (in cents) known to reach the target and the one known to miss it, with how far
// their IRRs are from it (not a number where the IRR is unknown).
struct Bracket
{
    double low;
    double gapLow;
    double high;
    double gapHigh;
};

// Narrows the bracket to two neighbouring cents and gives the lower. The IRR falls smoothly
// with the price: false position (Illinois) needs few steps; where an IRR is unknown, halving.
template <class IrrAt>
double narrowed(Bracket b, double target, IrrAt irrAt)
{
    int lastSide = 0;
    while (b.high - b.low > 1) {
        double next = std::floor((b.low + b.high) / 2);
        if (std::isfinite(b.gapHigh) && b.gapLow > b.gapHigh) {
            next = std::round(b.low + (b.high - b.low) * b.gapLow / (b.gapLow - b.gapHigh));
            next = std::clamp(next, b.low + 1, b.high - 1);
        }
        const Measure irr = irrAt(next);
        const double gap = irr.isKnown() ? irr.value - target : std::nan("");
        if (reaches(irr, target)) {
            b.low = next;
            b.gapLow = gap;
            if (lastSide == 1)
                b.gapHigh /= 2;
            lastSide = 1;
        } else {
            b.high = next;
            b.gapHigh = gap;
            if (lastSide == -1)
                b.gapLow /= 2;
            lastSide = -1;
        }
    }
    return b.low;
}

} // namespace

const char *scenarioKey(Scenario scenario)
{
    switch (scenario) {
    case Scenario::Bear:
        return "bear";
    case Scenario::Bull:
        return "bull";
    case Scenario::Base:
        break;
    }
    return "base";
}

MarketAssumptions marketOf(const ProjectionAssumptions &assumptions, Scenario scenario)
{
    switch (scenario) {
    case Scenario::Bear:
        return assumptions.bear;
    case Scenario::Bull:
        return assumptions.bull;
    case Scenario::Base:
        break;
    }
    return assumptions.market();
}

ScenarioResult projectScenario(const ProjectionInputs &inputs,
                               const ProjectionAssumptions &assumptions, Scenario scenario)
{
    const AtHold hold = projectAtHold(inputs, assumptions.withMarket(marketOf(assumptions, scenario)), true);
    return {hold.irr, hold.npv, hold.equityMultiple, hold.totalProfit};
}

ScenarioResult resultOf(const Projection &projection)
{
    return {projection.irr, projection.npv, projection.equityMultiple, projection.totalProfit};
}

namespace {

// The highest price of an even grid from least to most (in cents) that reaches the target, with
// the grid's next price above it, which misses; nothing when none of them reaches it. Used where
// the price asked misses: the IRR need not fall as the price rises (a loan without a down payment
// earns on leverage), so the prices that reach the target may lie on either side of it.
std::optional<Bracket> searchedGrid(double least, double most, double target,
                                    const std::function<Measure(double)> &irrAtCents)
{
    constexpr int Steps = 64;
    double above = most;
    double gapAbove = std::nan("");
    for (int i = Steps; i >= 0; --i) {
        const double cents = std::round(least + (most - least) * i / Steps);
        const Measure irr = irrAtCents(cents);
        if (reaches(irr, target)) {
            if (cents == most)
                return Bracket{most, irr.value - target, most, 0};
            return Bracket{cents, irr.value - target, above, gapAbove};
        }
        above = cents;
        gapAbove = irr.isKnown() ? irr.value - target : std::nan("");
    }
    return std::nullopt;
}

} // namespace

namespace {

QString noPriceReaches()
{
    return ProjectionText::tr("No price from the down payment to ten times the price asked reaches the target IRR.");
}

// Whether the IRR at the hold of a price in cents reaches the target, and the flows' value
// discounted at the target IRR: at a fixed rate that value is linear in the price between the
// few prices where mortgage insurance ends a month sooner or later, so a secant step on it lands
// on the price at once.
struct AtPrice
{
    bool reaches;
    double valueAtTarget;
};

// What the steps settled on: a price in cents, or none that reaches the target.
using Settled = std::optional<double>;

// The price to offer by steps on the value at the target, where the value falls as the price
// rises (the usual deal, one change of sign in its flows). Each step goes from the last price
// projected to where the value would be 0: along how the value moves with the price where that
// is known (perCent; the value is then straight but for the steps where mortgage insurance ends a
// month later), else along the secant of the last two prices, and between the nearest prices
// known to reach and to miss wherever it would leave them. A price is taken once it reaches the
// target and the cent above does not, both told by the IRR. Nothing where the deal is not of that
// kind or the steps do not settle, for the search over the IRR itself.
//
// The steps' own prices need only the value (valueAt); the prices that decide, whether their IRR
// reaches the target too (at). The value at the price asked, and how it moves with the price, are
// often known already (atAsked, perCent): the first step then needs no projection of its own.
// Where known tells whether a price reaches the target (nothing where it cannot be sure), a price
// that reaches it, with a cent above that misses it, is taken without a projection.
std::optional<Settled> steppedPrice(double asked, double least, double most,
                                   const std::function<AtPrice(double)> &at,
                                   const std::function<AtPrice(double)> &valueAt,
                                   std::optional<double> atAsked, std::optional<double> perCent,
                                   const std::function<std::optional<bool>(double)> &known)
{
    double x0 = asked;
    AtPrice a0 = atAsked ? AtPrice{false, *atAsked} : valueAt(x0);
    double x1 = std::min(most, x0 + std::max(100.0, std::round(x0 / 100)));
    if (!(x1 > x0))
        return std::nullopt;
    AtPrice a1 = perCent ? AtPrice{false, a0.valueAtTarget + *perCent * (x1 - x0)} : valueAt(x1);
    constexpr double Infinity = std::numeric_limits<double>::infinity();
    double reached = -Infinity, reachedValue = 0; // the highest price known to reach the target
    double missed = Infinity, missedValue = 0; // the lowest known to miss it
    for (int step = 0; step < 8; ++step) {
        const double f0 = a0.valueAtTarget, f1 = a1.valueAtTarget;
        if (!std::isfinite(f0) || !std::isfinite(f1) || !((f1 - f0) * (x1 - x0) < 0))
            return std::nullopt;
        double root = perCent && step > 0 ? std::floor(x1 - f1 / *perCent)
                                          : std::floor(x1 - f1 * (x1 - x0) / (f1 - f0));
        if (!(root > reached && root < missed) && std::isfinite(reached) && std::isfinite(missed)) {
            root = std::clamp(std::floor(reached + reachedValue * (missed - reached) / (reachedValue - missedValue)),
                              reached + 1, missed - 1);
        }
        if (!std::isfinite(root))
            return std::nullopt;
        // Beyond an end of the range the value keeps its sign over the whole range: no price
        // reaches the target, or the highest one searched does.
        if (root < least || root >= most) {
            const double end = root < least ? least : most;
            const AtPrice there = at(end);
            if (root < least && !there.reaches && there.valueAtTarget < 0)
                return Settled{};
            if (root >= most && there.reaches && there.valueAtTarget >= 0)
                return Settled{most};
            return std::nullopt;
        }
        // Where it is known without projecting them that the price reaches the target and the
        // cent above misses it, the steps would project both and settle on it.
        if (known && known(root) == true && known(root + 1) == false)
            return Settled{root};
        const AtPrice here = at(root);
        if (here.reaches) {
            reached = root;
            reachedValue = here.valueAtTarget;
            if (root + 1 == missed)
                return Settled{root};
            // The cent above is looked at where it may miss: a step from here would go beyond it.
            if (!perCent || here.valueAtTarget + *perCent < 0) {
                const AtPrice next = at(root + 1);
                if (!next.reaches)
                    return Settled{root};
                reached = root + 1;
                reachedValue = next.valueAtTarget;
                x0 = root + 1;
                a0 = next;
            } else {
                x0 = root;
                a0 = here;
            }
        } else {
            missed = root;
            missedValue = here.valueAtTarget;
            if (root - 1 == reached)
                return Settled{reached};
            x0 = root;
            a0 = here;
        }
        std::swap(x0, x1);
        std::swap(a0, a1);
    }
    return std::nullopt;
}

// The flows at other prices, read off the projection at the price asked, where nothing but the
// price moves them and each in proportion to it (no extra payment or refinance): the closing costs
// and points grow with the price, so do the value sold and, with the amount borrowed, the loan's
// payments and balance. The property's income does not change at all. Mortgage insurance, which
// ends a month sooner or later, is out of that proportion: it is counted month by month.
struct PriceModel
{
    ProjectionInputs inputs; // at the price asked
    double target = 0;
    double pmiEndLtv = 0;
    std::vector<double> flows;     // at the price asked, year 0 first
    std::vector<double> perDollar; // how each moves with the price, per dollar
    std::vector<double> size;      // the figures each is made of, in all: how far rounding reaches
    std::vector<double> insurance; // each year's mortgage insurance at the price asked, year 0 first
    std::vector<double> owedShare; // the balance owed before each month of the hold, per dollar borrowed

    // How the flows' value at the target moves with the price, per cent; mortgage insurance left
    // out (the steps check every price they settle on).
    std::optional<double> valuePerCent() const
    {
        const Measure value = npv(target, perDollar);
        return value.isKnown() ? std::optional<double>(value.value / 100.0) : std::nullopt;
    }

    // How many months of the hold carry mortgage insurance at a price: those whose balance owed
    // before the payment lies above the loan-to-value where it ends, a run from the first month,
    // since at a rate of 0 or more the balance only falls. Nothing where the months on either
    // side of the end of that run lie within 1e-9 of the line.
    std::optional<int> insuredMonths(double price) const
    {
        if (inputs.pmi == 0)
            return 0;
        if (!(inputs.ratePercent >= 0))
            return std::nullopt;
        const double loan = price - inputs.downPayment, line = pmiEndLtv * price;
        const int months = int(std::partition_point(owedShare.begin(), owedShare.end(),
                                                    [&](double share) { return loan * share > line; })
                               - owedShare.begin());
        const auto sure = [&](int month) {
            const double owed = loan * owedShare[std::size_t(month)];
            return std::fabs(owed - line) > 1e-9 * (std::fabs(owed) + std::fabs(line));
        };
        if ((months > 0 && !sure(months - 1)) || (months < int(owedShare.size()) && !sure(months)))
            return std::nullopt;
        return months;
    }

    // Whether the IRR at the hold at a price in cents reaches the target, told from the flows
    // moved in proportion; nothing where rounding could tell otherwise. Each moved flow is taken
    // as uncertain by 1e-12 of the figures it is made of, grown with the price (some 9,000 units
    // of rounding): a year's payments round by a few dozen units of the loan amount, the balance
    // run month by month by at most one a month (600 in a 50-year hold), at both prices, and the
    // slope read off the price asked by a few dozen more. A price is told only where every
    // flow's sign is sure, they change sign once, from money paid in, and the value at the target
    // is sure to lie on the side of 0 that irrReaches() reads it from, beyond where it would ask
    // the IRR.
    std::optional<bool> reaches(double cents) const
    {
        const double price = cents / 100.0;
        const std::optional<int> insured = insuredMonths(price);
        if (!insured || !(price - inputs.downPayment > 0)
            || !scheduleProblem(price - inputs.downPayment, inputs.ratePercent, inputs.termYears).isEmpty())
            return std::nullopt;
        const double moved = price - inputs.price;
        const double grown = std::max({1.0, price / inputs.price,
                                       (price - inputs.downPayment) / inputs.loanAmount()});
        const double v = 1.0 / (1.0 + target);
        double value = 0, doubt = 0, scale = 0;
        int changes = 0, sign = 0;
        for (std::size_t t = flows.size(); t-- > 0;) {
            // The year's months insured at the price, in place of those at the price asked.
            const int monthsInsured = t == 0 ? 0 : std::clamp(*insured - 12 * (int(t) - 1), 0, 12);
            const double flow = flows[t] + perDollar[t] * moved + insurance[t] - inputs.pmi * monthsInsured;
            const double uncertain = 1e-12 * size[t] * grown;
            if (!(std::fabs(flow) > uncertain))
                return std::nullopt;
            const int s = flow > 0 ? 1 : -1;
            changes += sign != 0 && s != sign;
            sign = s;
            value = value * v + flow;
            doubt = doubt * v + uncertain;
            scale = scale * v + std::fabs(flow) + uncertain;
        }
        if (changes != 1 || sign > 0 || !(std::fabs(value) > doubt + 2e-12 * std::max(1.0, v) * scale))
            return std::nullopt;
        return value > 0;
    }
};

// The model of the projection p at the price asked, whose flows sold at the hold are flows; none
// where an extra payment or a refinance breaks the proportion.
std::optional<PriceModel> priceModel(const Projection &p, std::vector<double> flows, const ProjectionInputs &in,
                                     double target, const ProjectionAssumptions &a)
{
    const double loan = in.loanAmount();
    if (!p.isKnown() || in.extraPayment != 0 || p.refinance.made || !(loan > 0) || !(in.price > 0))
        return std::nullopt;
    PriceModel m;
    m.inputs = in;
    m.target = target;
    m.pmiEndLtv = a.pmiEndLtv;
    m.flows = std::move(flows);
    // Year 0 and each year of the hold: made once, not grown year by year.
    for (std::vector<double> *v : {&m.perDollar, &m.size, &m.insurance})
        v->reserve(p.years.size() + 1);
    m.perDollar.push_back(-(a.closingCosts + in.pointsPercent / 100.0));
    m.size.push_back(std::fabs(in.downPayment) + std::fabs(in.price * a.closingCosts)
                     + std::fabs(loan * in.pointsPercent / 100.0) + std::fabs(in.lenderFees));
    m.insurance.push_back(0);
    for (const ProjectionYear &y : p.years) {
        m.perDollar.push_back(-y.debtService / loan);
        m.size.push_back(std::fabs(y.netOperatingIncome) + std::fabs(y.debtService) + 12 * std::fabs(in.pmi) + loan);
        m.insurance.push_back(y.pmi);
    }
    if (in.pmi != 0) {
        // The schedule the projection at the price asked paid, the analysis's own.
        const SharedSchedule months = sharedSchedule(loan, in.ratePercent, in.termYears, 0, 12 * a.holdYears);
        m.owedShare.reserve(std::max<std::size_t>(1, months.size()));
        m.owedShare.push_back(1.0);
        for (std::size_t i = 0; i + 1 < months.size(); ++i)
            m.owedShare.push_back(months[i].balance / loan);
    }
    const ProjectionYear &sold = p.years.back();
    m.perDollar.back() += sold.propertyValue * (1.0 - a.sellingCosts) / in.price - sold.loanBalance / loan;
    m.size.back() += std::fabs(sold.propertyValue) + std::fabs(sold.loanBalance);
    return m;
}

} // namespace

Measure priceToOffer(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions,
                     const Projection *atAskedPrice)
{
    const double target = assumptions.targetIrr;
    if (!(target > -1))
        return Measure::unknown(ProjectionText::tr("The target IRR must be more than -100 %."));
    // Whole cents: the search ends on two neighbouring cents, the lower reaching the target.
    const double least = std::ceil(inputs.downPayment * 100.0);
    const double most = std::floor(10.0 * inputs.price * 100.0);
    if (!(least <= most) || !std::isfinite(most))
        return Measure::unknown(ProjectionText::tr("There is no price to search: the down payment is more than ten times the price."));
    ProjectionAssumptions atTarget = assumptions;
    atTarget.discountRate = target;
    // Where the assumptions, or a term or rate no lender could schedule (a payment on every
    // amount borrowed out of reach), leave no price a projection, no price reaches the target
    // and there is nothing to search.
    if (!atTarget.baseProblem().isEmpty() || !scheduleProblem(1.0, inputs.ratePercent, inputs.termYears).isEmpty())
        return Measure::unknown(noPriceReaches());
    const auto projected = [&](double cents, bool decides) {
        const AtHold hold = projectAtHold(atPrice(inputs, cents / 100.0), atTarget, false);
        if (hold.flows.empty())
            return AtPrice{false, std::nan("")};
        return AtPrice{decides && irrReaches(hold.flows, target), hold.npv.isKnown() ? hold.npv.value : std::nan("")};
    };
    const auto atCents = [&](double cents) { return projected(cents, true); };
    const auto valueAtCents = [&](double cents) { return projected(cents, false); };
    const double askedCents = std::clamp(std::round(inputs.price * 100.0), least, most);
    // The projection at the price asked has the same flows as the search's first step would.
    std::optional<double> atAsked;
    std::optional<double> perCent;
    std::optional<PriceModel> model;
    std::function<std::optional<bool>(double)> known;
    if (atAskedPrice && atAskedPrice->isKnown() && askedCents / 100.0 == inputs.price) {
        std::vector<double> flows = flowsSoldAtHold(*atAskedPrice);
        const Measure value = npv(target, flows);
        atAsked = value.isKnown() ? value.value : std::nan("");
        model = priceModel(*atAskedPrice, std::move(flows), inputs, target, assumptions);
        if (model) {
            perCent = model->valuePerCent();
            // A refinance asked for but left out at the price asked may be made at another.
            if (!assumptions.refinances())
                known = [&](double cents) { return model->reaches(cents); };
        }
    }
    if (const auto settled = steppedPrice(askedCents, least, most, atCents, valueAtCents, atAsked, perCent, known)) {
        if (*settled)
            return Measure::of(**settled / 100.0, {});
        return Measure::unknown(noPriceReaches());
    }
    const std::function<Measure(double)> irrAtCents = [&](double cents) {
        return irrAtHold(atPrice(inputs, cents / 100.0), assumptions);
    };
    // The answer is most often near the price asked: the bracket starts there and, while the price
    // still reaches the target, grows by a quarter until it holds the last price that does.
    double probe = std::clamp(std::round(inputs.price * 100.0), least, most);
    const Measure asked = irrAtCents(probe);
    Bracket bracket{probe, 0, most, std::nan("")};
    if (reaches(asked, target)) {
        bracket.gapLow = asked.value - target;
        for (int i = 0; i < 60; ++i) {
            if (probe == most)
                return Measure::of(most / 100.0, {});
            probe = std::min(most, probe + std::max(1.0, std::ceil(probe / 4)));
            const Measure irr = irrAtCents(probe);
            if (!reaches(irr, target)) {
                bracket.high = probe;
                bracket.gapHigh = irr.isKnown() ? irr.value - target : std::nan("");
                break;
            }
            bracket.low = probe;
            bracket.gapLow = irr.value - target;
        }
    } else if (const auto found = searchedGrid(least, most, target, irrAtCents)) {
        if (found->low == most)
            return Measure::of(most / 100.0, {});
        bracket = *found;
    } else {
        return Measure::unknown(noPriceReaches());
    }
    if (bracket.high == most && !std::isfinite(bracket.gapHigh)) {
        const Measure irr = irrAtCents(most);
        if (reaches(irr, target))
            return Measure::of(most / 100.0, {});
        bracket.gapHigh = irr.isKnown() ? irr.value - target : std::nan("");
    }
    return Measure::of(narrowed(bracket, target, irrAtCents) / 100.0, {});
}

Sensitivity sensitivity(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions)
{
    Sensitivity s;
    for (int points = -4; points <= 4; ++points)
        s.appreciationPercent.push_back(100.0 * assumptions.appreciation + points);
    for (int years = 1; years <= 30; ++years)
        s.holdYears.push_back(years);
    for (double percent : s.appreciationPercent) {
        std::vector<Measure> row;
        ProjectionAssumptions a = assumptions;
        a.appreciation = percent / 100.0;
        for (int years : s.holdYears) {
            a.holdYears = years;
            row.push_back(irrAtHold(inputs, a));
        }
        s.grid.push_back(row);
    }
    s.interestRate = oneWay(inputs, assumptions, around(inputs.ratePercent, 2),
                            [](ProjectionInputs &in, ProjectionAssumptions &, double rate) {
                                in.ratePercent = rate;
                            });
    // A rate below 0 is no offer any lender makes.
    for (std::size_t i = 0; i < s.interestRate.steps.size(); ++i) {
        if (s.interestRate.steps[i] < 0)
            s.interestRate.irr[i] = Measure::unknown(ProjectionText::tr("An interest rate below 0 % is not tried."));
    }
    s.rent = oneWay(inputs, assumptions, around(inputs.rent, 0.2 * inputs.rent),
                    [](ProjectionInputs &in, ProjectionAssumptions &, double rent) { in.rent = rent; });
    s.vacancy = oneWay(inputs, assumptions, around(10, 10),
                       [](ProjectionInputs &, ProjectionAssumptions &a, double percent) {
                           a.vacancy = percent / 100.0;
                       });
    s.price = oneWay(inputs, assumptions, around(inputs.price, 0.2 * inputs.price),
                     [](ProjectionInputs &in, ProjectionAssumptions &, double price) { in.price = price; });
    return s;
}
