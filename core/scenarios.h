#pragma once

#include "core/projection.h"

#include <QString>

#include <array>
#include <vector>

// The questions an investor asks after the projection: which offer still wins when the market
// turns (bear, base, bull), the highest price at which an offer still earns the target IRR, and
// how far the IRR moves with each assumption. Qt Core only, like the projection.

enum class Scenario { Bear, Base, Bull };
inline constexpr std::array<Scenario, 3> Scenarios = {Scenario::Bear, Scenario::Base, Scenario::Bull};

// "bear", "base", "bull": the scenario's key in files.
[[nodiscard]] const char *scenarioKey(Scenario scenario);
// The four market figures of a scenario: the base case's are the assumptions as typed.
[[nodiscard]] MarketAssumptions marketOf(const ProjectionAssumptions &assumptions, Scenario scenario);

// What a scenario gives at the hold.
struct ScenarioResult
{
    Measure irr;
    Measure npv;
    Measure equityMultiple;
    Measure totalProfit;
};

// What a projection gives at the hold, as a scenario's result.
[[nodiscard]] ScenarioResult resultOf(const Projection &projection);

// The projection of a scenario: the assumptions with the scenario's four market figures, every
// other one kept.
[[nodiscard]] ScenarioResult projectScenario(const ProjectionInputs &inputs,
                                             const ProjectionAssumptions &assumptions,
                                             Scenario scenario);

// The highest purchase price, to the cent, at which the IRR at the hold still reaches the target
// IRR, everything else as typed: the down payment as an amount, the closing costs a share of the
// new price, the value growing from it, PMI ending at the end loan-to-value of it. Searched
// between the down payment and ten times the price: up from the price asked when that reaches
// the target, otherwise over the whole range, since the IRR may rise with the price as well as
// fall. At the price found the target is reached and one cent more misses it (or it is ten times
// the price: no more is searched); unknown, with a reason, when no price tried reaches it.
// atAskedPrice, the projection of these inputs and assumptions where one is made already, spares
// the search its first step.
[[nodiscard]] Measure priceToOffer(const ProjectionInputs &inputs,
                                   const ProjectionAssumptions &assumptions,
                                   const Projection *atAskedPrice = nullptr);

// How the IRR at the hold of one loan moves with the assumptions.
struct OneWaySensitivity
{
    std::vector<double> steps; // the figure tried, as the user reads it (7.5 for 7.5 %, or a price)
    std::vector<Measure> irr;  // one for each step
};

struct Sensitivity
{
    // IRR by appreciation (rows: 4 points below the assumption to 4 above, in points) and by
    // holding period (columns: 1 to 30 years).
    std::vector<double> appreciationPercent;
    std::vector<int> holdYears;
    std::vector<std::vector<Measure>> grid; // grid[row][column]
    OneWaySensitivity interestRate; // the loan's rate ±2 points in half points
    OneWaySensitivity rent;         // the monthly rent −20 % to +20 % in steps of 5 %
    OneWaySensitivity vacancy;      // 0 % to 20 % in steps of 2.5 points
    OneWaySensitivity price;        // the purchase price −20 % to +20 % in steps of 5 %
};

[[nodiscard]] Sensitivity sensitivity(const ProjectionInputs &inputs,
                                      const ProjectionAssumptions &assumptions);
