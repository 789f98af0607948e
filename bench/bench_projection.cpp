// The holding-period projection of five loan offers over the longest hold, with the rate of
// return of selling after every year: what a window shows when any figure of the deal changes.

#include "core/projection.h"
#include "core/scenarios.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

const std::array<ProjectionInputs, 5> fiveLoans = {{
    {250000, 2200, 260, 90, 50000, 6.5, 30, 0, 0},
    {250000, 2200, 260, 90, 25000, 6.875, 30, 110, 0},
    {250000, 2200, 260, 90, 50000, 5.75, 15, 0, 400},
    {250000, 2200, 260, 90, 12500, 7.25, 40, 150, 0},
    {250000, 2200, 260, 90, 250000, 0, 30, 0, 0},
}};

void BM_ProjectFiveLoansFiftyYears(benchmark::State &state)
{
    ProjectionAssumptions assumptions;
    assumptions.holdYears = 50;
    for (auto _ : state) {
        for (const ProjectionInputs &loan : fiveLoans) {
            Projection p = project(loan, assumptions);
            benchmark::DoNotOptimize(p);
        }
    }
}

// Costs that outgrow the rent turn the cash flows negative while the sale stays positive: the
// flows change sign several times and the rate of return is searched for on a grid.
void BM_ProjectSeveralSignChanges(benchmark::State &state)
{
    ProjectionAssumptions assumptions;
    assumptions.holdYears = 50;
    assumptions.rentGrowth = 0;
    assumptions.expenseGrowth = 0.08;
    const ProjectionInputs loan{200000, 2000, 700, 200, 50000, 5, 30, 0, 0};
    for (auto _ : state) {
        Projection p = project(loan, assumptions);
        benchmark::DoNotOptimize(p);
    }
}

// The Sensitivity page of one loan: IRR by appreciation (9 steps) and hold (1 to 30 years), and
// the four one-way tables; it follows every keystroke.
void BM_SensitivityOneLoan(benchmark::State &state)
{
    const ProjectionAssumptions assumptions;
    for (auto _ : state) {
        Sensitivity s = sensitivity(fiveLoans[1], assumptions);
        benchmark::DoNotOptimize(s);
    }
}

// The Scenarios page and the command line: bear and bull projections and the price to offer of
// five loans.
void BM_ScenariosAndPricesFiveLoans(benchmark::State &state)
{
    const ProjectionAssumptions assumptions;
    for (auto _ : state) {
        for (const ProjectionInputs &loan : fiveLoans) {
            for (Scenario scenario : Scenarios) {
                ScenarioResult r = projectScenario(loan, assumptions, scenario);
                benchmark::DoNotOptimize(r);
            }
            Measure price = priceToOffer(loan, assumptions);
            benchmark::DoNotOptimize(price);
        }
    }
}

} // namespace

BENCHMARK(BM_SensitivityOneLoan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScenariosAndPricesFiveLoans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProjectFiveLoansFiftyYears)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProjectSeveralSignChanges)->Unit(benchmark::kMicrosecond);
