#include "core/scenarios.h"

#include <QCoreApplication>

#include <cmath>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Projection", text);
}

Measure irrAtHold(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions)
{
    return project(inputs, assumptions, YearlyReturns::AtHoldOnly).irr;
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
    const Projection p = project(inputs, assumptions.withMarket(marketOf(assumptions, scenario)),
                                 YearlyReturns::AtHoldOnly);
    return {p.irr, p.npv, p.equityMultiple, p.totalProfit};
}

Measure priceToOffer(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions)
{
    const double target = assumptions.targetIrr;
    if (!(target > -1))
        return Measure::unknown(translated(QT_TRANSLATE_NOOP("Projection", "The target IRR must be more than -100 %.")));
    // Whole cents: the search ends on two neighbouring cents, the lower reaching the target.
    double low = std::ceil(inputs.downPayment * 100.0);
    double high = std::floor(10.0 * inputs.price * 100.0);
    if (!(low <= high) || !std::isfinite(high))
        return Measure::unknown(translated(QT_TRANSLATE_NOOP("Projection", "There is no price to search: the down payment is more than ten times the price.")));
    const Measure atLow = irrAtHold(atPrice(inputs, low / 100.0), assumptions);
    if (!reaches(atLow, target)) {
        return Measure::unknown(atLow.isKnown()
            ? translated(QT_TRANSLATE_NOOP("Projection", "Even a price equal to the down payment misses the target IRR."))
            : atLow.reason);
    }
    if (reaches(irrAtHold(atPrice(inputs, high / 100.0), assumptions), target))
        return Measure::of(high / 100.0, {});
    while (high - low > 1) {
        const double middle = std::floor((low + high) / 2);
        if (reaches(irrAtHold(atPrice(inputs, middle / 100.0), assumptions), target))
            low = middle;
        else
            high = middle;
    }
    return Measure::of(low / 100.0, {});
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
            s.interestRate.irr[i] = Measure::unknown(translated(QT_TRANSLATE_NOOP("Projection", "An interest rate below 0 % is not tried.")));
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
