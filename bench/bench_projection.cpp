// The holding-period projection of five loan offers over the longest hold, with the rate of
// return of selling after every year: what a window shows when any figure of the deal changes.

#include "core/projection.h"

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

} // namespace

BENCHMARK(BM_ProjectFiveLoansFiftyYears)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProjectSeveralSignChanges)->Unit(benchmark::kMicrosecond);
