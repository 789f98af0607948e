#include "core/rateofreturn.h"

#include "core/texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

// The rate of return. The flows' present value, as a function of the rate, is continuous on
// r > −1 and is a polynomial in 1 / (1 + r). The solver brackets and narrows, so it cannot run
// away from a poor first guess; Newton's steps from a hint are taken only where a change of sign
// next to where they settle confirms them.

namespace {

QString tooLarge()
{
    return AnalysisText::tr("The figure is too large to compute.");
}

QString noCash()
{
    return ProjectionText::tr("No cash is invested: there is no return to measure.");
}

// A function of the rate with the sign of the flows' present value and the same roots: the
// present value itself for r ≥ 0, and (1 + r)^n times it below 0, where the plain discount
// factors would overflow near −100 %. Both forms meet at r = 0 (the sum of the flows).
double signedValue(const std::vector<double> &flows, double r)
{
    if (r >= 0) {
        const double v = 1.0 / (1.0 + r);
        double acc = 0;
        for (auto f = flows.rbegin(); f != flows.rend(); ++f)
            acc = acc * v + *f;
        return acc;
    }
    const double q = 1.0 + r;
    double acc = 0;
    for (double f : flows)
        acc = acc * q + f;
    return acc;
}

// Σ term(j) × x^j for j from 0 to n − 1, where term(j) is first[j × Step], in four runs of every
// fourth term, each by Horner's rule in x^4, the runs then put together: four chains of
// multiplications that the processor works on side by side instead of one.
template <int Step>
double interleaved(const double *first, std::size_t n, double x)
{
    const double x2 = x * x, x4 = x2 * x2;
    const auto term = [&](std::size_t j) { return first[std::ptrdiff_t(j) * Step]; };
    double run[4] = {0, 0, 0, 0};
    const std::size_t whole = n / 4 * 4;
    for (std::size_t l = 0; whole + l < n; ++l)
        run[l] = term(whole + l);
    for (std::size_t j = whole; j > 0;) {
        j -= 4;
        for (std::size_t l = 0; l < 4; ++l)
            run[l] = run[l] * x4 + term(j + l);
    }
    return ((run[3] * x + run[2]) * x + run[1]) * x + run[0];
}

// signedValue(), summed in interleaved runs: the same value but for rounding.
double interleavedValue(const std::vector<double> &flows, double r)
{
    if (flows.empty())
        return 0;
    if (r >= 0)
        return interleaved<1>(flows.data(), flows.size(), 1.0 / (1.0 + r));
    return interleaved<-1>(flows.data() + flows.size() - 1, flows.size(), 1.0 + r);
}

// The flows with the way their value is summed.
struct Valued
{
    const std::vector<double> &flows;
    Summing summing;

    double at(double r) const
    {
        return summing == Summing::InOrder ? signedValue(flows, r) : interleavedValue(flows, r);
    }
};

bool opposite(double a, double b)
{
    return (a < 0 && b > 0) || (a > 0 && b < 0);
}

// Brent's method on a bracket [a, b] (the signs at its ends differ): inverse quadratic
// interpolation or the secant where they shrink the bracket fast enough, bisection where they do
// not, and never a step outside the bracket, so it ends within a tolerance far below 1e-9
// whatever the shape of the flows.
double brent(const Valued &flows, double a, double fa, double b, double fb)
{
    double c = a, fc = fa, d = b - a, e = d;
    for (int i = 0; i < 300; ++i) {
        if (std::fabs(fc) < std::fabs(fb)) { // b is the best estimate, c the other end
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * std::numeric_limits<double>::epsilon() * std::fabs(b) + 1e-15;
        const double half = (c - b) / 2;
        if (std::fabs(half) <= tol || fb == 0)
            break;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc, rb = fb / fc;
                p = s * (2 * half * qa * (qa - rb) - (b - a) * (rb - 1));
                q = (qa - 1) * (rb - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * half * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = half;
                e = d;
            }
        } else {
            d = half;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : std::copysign(tol, half);
        fb = flows.at(b);
        if (!opposite(fb, fc)) { // keep the root between b and c
            c = a;
            fc = fa;
            d = e = b - a;
        }
    }
    return b;
}

// The flows' present value at r > −1 and how fast it moves with r, from the polynomial in the
// discount factor x = 1 / (1 + r) summed in four interleaved runs in x^4, each with its own
// derivative alongside (Horner's rule for both).
struct ValueAndSlope
{
    double value;
    double slope; // d value / d r
};

ValueAndSlope valueAndSlope(const std::vector<double> &flows, double r)
{
    const std::size_t n = flows.size();
    const double x = 1.0 / (1.0 + r), x2 = x * x, x3 = x2 * x, y = x2 * x2;
    double run[4] = {0, 0, 0, 0};
    double runSlope[4] = {0, 0, 0, 0}; // each run's derivative in y
    const std::size_t whole = n / 4 * 4;
    for (std::size_t l = 0; whole + l < n; ++l)
        run[l] = flows[whole + l];
    for (std::size_t j = whole; j > 0;) {
        j -= 4;
        for (std::size_t l = 0; l < 4; ++l) {
            runSlope[l] = runSlope[l] * y + run[l];
            run[l] = run[l] * y + flows[j + l];
        }
    }
    const double value = ((run[3] * x + run[2]) * x + run[1]) * x + run[0];
    // d/dx of run[l](x^4) × x^l, then dx/dr = −x².
    const double inX = run[1] + 2 * x * run[2] + 3 * x2 * run[3]
                     + 4 * x3 * (((runSlope[3] * x + runSlope[2]) * x + runSlope[1]) * x + runSlope[0]);
    return {value, -x2 * inX};
}

// Newton's method from the hint, for flows with one root: near the root each step squares the
// error, so from a hint a year's return away it settles within three or four steps, where the
// bracketing search takes some nine values and a division or four each. The root is taken only
// once the value changes sign within 1e-12 × (1 + r) of it (it then lies there), and only while
// the steps stay within reach of the hint and well above −100 %: otherwise nothing, and the
// bracketing search looks.
std::optional<double> newtonNear(const Valued &flows, double hint, double reach)
{
    const double far = reach * (1 + hint);
    double r = hint;
    for (int i = 0; i < 8; ++i) {
        const ValueAndSlope at = valueAndSlope(flows.flows, r);
        const double next = r - at.value / at.slope;
        if (!(next > -0.5) || !(std::fabs(next - hint) <= far))
            return std::nullopt;
        // A step this small leaves an error some 1e-18 × the flows' length: the next would not
        // move the root.
        const bool settled = std::fabs(next - r) <= 1e-9 * (1 + std::fabs(next));
        r = next;
        if (settled) {
            const double sure = 1e-12 * (1 + std::fabs(r));
            return opposite(flows.at(r - sure), flows.at(r + sure)) ? std::optional<double>(r) : std::nullopt;
        }
    }
    return std::nullopt;
}

// With one change of sign there is exactly one root (Descartes' rule in 1 / (1 + r)), above 0
// when the flows sum to a gain and below when to a loss, so any bracket holds the one root.
// First a narrow bracket around the hint (reach × (1 + hint) either side), then one widened from 0
// towards the root.
Measure uniqueRoot(const Valued &flows, double atZero, double hint, double reach)
{
    if (hint > -1 && std::isfinite(hint)) {
        if (flows.summing == Summing::Interleaved && hint > -0.5) {
            if (const std::optional<double> root = newtonNear(flows, hint, reach))
                return {*root, {}};
        }
        const double lo = hint - reach * (1 + hint), hi = hint + reach * (1 + hint);
        const double loValue = flows.at(lo), hiValue = flows.at(hi);
        if (opposite(loValue, hiValue))
            return {brent(flows, lo, loValue, hi, hiValue), {}};
    }
    double near = 0, nearValue = atZero;
    for (int i = 0; i < 200; ++i) {
        // 1 + r grows or shrinks fourfold a step: 1e±120 is reached within 200 steps.
        const double far = atZero > 0 ? 4.0 * (1.0 + near) - 1.0 : (1.0 + near) / 4.0 - 1.0;
        const double farValue = flows.at(far);
        if (farValue == 0)
            return {far, {}};
        if (opposite(nearValue, farValue))
            return {brent(flows, near, nearValue, far, farValue), {}};
        near = far;
        nearValue = farValue;
    }
    return Measure::unknown(ProjectionText::tr("No rate of return makes the cash flows worth 0."));
}

// The grid of log(1 + r): steps of 0.001 out to ±2 (r from −86 % to +639 %), then 0.01 out to
// ±30 (r within 1e-13 of −100 %, or up to 1e13). Two roots closer than a step can hide from it.
double gridLog(int k)
{
    return k <= 2000 ? k * 1e-3 : 2.0 + (k - 2000) * 1e-2;
}
constexpr int GridSteps = 4800;

// Whether no root lies beyond r, further from 0: above 0 when the first flow outweighs all the
// others discounted at r, below 0 when the last one outweighs all the others grown at r; the
// present value then keeps that flow's sign out to +infinity or down to −100 %. Spares the grid
// its far end, which is all it would walk where the flows have no root at all.
bool nothingBeyond(const std::vector<double> &flows, double r)
{
    double rest = 0;
    if (r >= 0) {
        const double v = 1.0 / (1.0 + r);
        for (auto f = flows.rbegin(); f + 1 != flows.rend(); ++f)
            rest = (rest + std::fabs(*f)) * v;
        return std::fabs(flows.front()) > rest;
    }
    const double q = 1.0 + r;
    for (auto f = flows.begin(); f + 1 != flows.end(); ++f)
        rest = (rest + std::fabs(*f)) * q;
    return std::fabs(flows.back()) > rest;
}

// With several changes of sign the present value can have several roots; the one nearest 0 is
// the return a spreadsheet user expects. Walk the grid outwards from 0 on both sides, always the
// nearer side first, and narrow the first bracket found; the other side goes on only while it is
// nearer than that root. The last flow must not be 0 (it would hide the end below 0).
Measure nearestRoot(const Valued &flows, double atZero)
{
    // The grid point k steps out on a side, above 0 on side 0 and below on side 1; each side
    // keeps the point it has reached and the next, so that each is worked out once.
    const auto gridRate = [](int side, int k) { return std::expm1(side == 0 ? gridLog(k) : -gridLog(k)); };
    double best = std::numeric_limits<double>::infinity();
    int k[2] = {0, 0}; // steps taken above and below 0
    double value[2] = {atZero, atZero};
    double reached[2] = {gridRate(0, 0), gridRate(1, 0)};
    double next[2] = {gridRate(0, 1), gridRate(1, 1)};
    bool done[2] = {false, false};
    for (;;) {
        // How far from 0 the next point on each side lies; a side that is done lies at the best.
        const double bound = std::fabs(best);
        const double up = k[0] < GridSteps && !done[0] ? next[0] : bound;
        const double down = k[1] < GridSteps && !done[1] ? -next[1] : bound;
        if (std::min(up, down) >= bound)
            break;
        const int side = up <= down ? 0 : 1;
        const double from = reached[side];
        const double to = next[side];
        const double toValue = flows.at(to);
        ++k[side];
        reached[side] = to;
        next[side] = gridRate(side, k[side] + 1);
        if (toValue == 0 || opposite(value[side], toValue)) {
            // Nearer than any root found before: this side was only walked while nearer.
            best = toValue == 0 ? to : brent(flows, from, value[side], to, toValue);
            done[side] = true;
        } else if (k[side] % 64 == 0 && nothingBeyond(flows.flows, to)) {
            done[side] = true;
        }
        value[side] = toValue;
    }
    if (std::isinf(best))
        return Measure::unknown(ProjectionText::tr("No rate of return makes the cash flows worth 0."));
    return {best, {}};
}

// What the solver asks of the flows first, in one pass from the last: whether they are all
// finite, how often they change sign, and their value at a rate of 0, their sum from the last
// (signedValue()'s at 0 to the last bit: a multiplication by 1 changes nothing).
struct FlowsAtZero
{
    bool finite = true;
    int changes = 0;
    double value = 0;
};

FlowsAtZero flowsAtZero(const std::vector<double> &flows)
{
    FlowsAtZero at;
    int last = 0;
    for (auto f = flows.rbegin(); f != flows.rend(); ++f) {
        at.finite = at.finite && std::fabs(*f) <= std::numeric_limits<double>::max();
        const int sign = (*f > 0) - (*f < 0);
        at.changes += sign != 0 && last != 0 && sign != last;
        last = sign != 0 ? sign : last;
        at.value += *f;
    }
    return at;
}

// The rate of return of flows; where hint is a number, the search starts there.
Measure irrFrom(const std::vector<double> &flows, double hint, double reach, Summing summing)
{
    const FlowsAtZero at = flowsAtZero(flows);
    if (!at.finite)
        return Measure::unknown(tooLarge());
    if (flows.empty() || !(flows.front() < 0))
        return Measure::unknown(noCash());
    if (flows.back() == 0) // a last year of nothing changes no root
        return irrFrom(std::vector<double>(flows.begin(), flows.end() - 1), hint, reach, summing);
    const int changes = at.changes;
    if (changes == 0)
        return Measure::unknown(ProjectionText::tr("The cash flows never change sign: there is no rate of return."));
    const double atZero = at.value;
    if (atZero == 0)
        return {0, {}};
    const Valued valued{flows, summing};
    return changes == 1 ? uniqueRoot(valued, atZero, hint, reach) : nearestRoot(valued, atZero);
}

} // namespace

Measure irr(const std::vector<double> &flows, Summing summing)
{
    return irrFrom(flows, std::numeric_limits<double>::quiet_NaN(), 0, summing);
}

Measure irrNear(const std::vector<double> &flows, double hint, double reach, Summing summing)
{
    return irrFrom(flows, hint, reach, summing);
}

bool irrReaches(const std::vector<double> &flows, double target)
{
    const Measure value = npv(target, flows);
    if (value.isKnown() && !flows.empty() && flows.front() < 0 && flowsAtZero(flows).changes == 1) {
        // The value's rounding, and the IRR's (a step of 1e-15 moves the value by at most the
        // number of years × v times the scale), stay far below this: a rate this close to the
        // target is left to the IRR.
        const double v = 1.0 / (1.0 + target);
        double scale = 0;
        for (auto f = flows.rbegin(); f != flows.rend(); ++f)
            scale = scale * v + std::fabs(*f);
        if (std::fabs(value.value) > 1e-12 * std::max(1.0, v) * scale)
            return value.value > 0;
    }
    const Measure rate = irr(flows);
    return rate.isKnown() && rate.value >= target;
}

Measure npv(double rate, const std::vector<double> &flows)
{
    if (!(rate > -1))
        return Measure::unknown(ProjectionText::tr("The discount rate must be more than -100 %."));
    const double v = 1.0 / (1.0 + rate);
    double acc = 0;
    for (auto f = flows.rbegin(); f != flows.rend(); ++f)
        acc = acc * v + *f;
    return std::isfinite(acc) ? Measure{acc, {}} : Measure::unknown(tooLarge());
}
