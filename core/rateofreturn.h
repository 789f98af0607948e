#pragma once

#include "core/measure.h"

#include <vector>

// How the solver sums the flows' present value at a rate. In order, flow after flow (Horner's
// rule), is how the returns before tax have always been found, to the last digit. Interleaved, in
// four runs of every fourth flow, is several times faster on long flows, and differs from it only
// by rounding, far below 1e-9 in the rate: the loan's monthly rates and the returns after tax
// are found that way, from a hint by Newton's method where it settles within reach of the hint
// (a root it gives is checked by a change of sign within 1e-12 of it).
enum class Summing { InOrder, Interleaved };

// The yearly rate r > −1 at which flows (year 0 first) are worth 0 today, as a spreadsheet's IRR.
// Unknown when nothing is invested in year 0 or the flows never change sign; with several changes
// of sign, the root nearest 0. Exact to 1e-9 in the rate.
[[nodiscard]] Measure irr(const std::vector<double> &flows, Summing summing = Summing::InOrder);
// The same, the search begun near hint (a loan's monthly rate, for its APR, or the return of
// selling a year earlier): the root is the same to within 1e-9, found in a few steps instead of
// many. It is looked for first within reach × (1 + hint) of the hint, a hundredth for a yearly
// rate; a monthly rate, a twelfth the size, takes a narrower one. A hint that is no number is none.
[[nodiscard]] Measure irrNear(const std::vector<double> &flows, double hint, double reach = 0.01,
                              Summing summing = Summing::InOrder);

// Whether irr(flows) reaches target (> −100 %), known without the IRR for most flows: with one
// change of sign, from money paid in to money paid out, the flows' value falls through 0 at
// their one rate of return, so its sign at the target tells on which side of it that rate lies.
// Where the value is within rounding of 0, or the flows are of another kind, the IRR decides.
[[nodiscard]] bool irrReaches(const std::vector<double> &flows, double target);

// The flows discounted at rate, year 0 undiscounted (a spreadsheet's NPV discounts its first
// value: this is flows[0] + NPV(rate, flows[1..])).
[[nodiscard]] Measure npv(double rate, const std::vector<double> &flows);
