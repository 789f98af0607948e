#include "analysis/fixednumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

constexpr double Scales[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

// What Qt writes, for a value the quick way does not take.
void appendAsQt(QByteArray &out, double value, int decimals)
{
    const QByteArray text = QByteArray::number(value, 'f', decimals);
    const bool allZero = std::none_of(text.cbegin(), text.cend(), [](char c) { return c >= '1' && c <= '9'; });
    out += allZero && text.startsWith('-') ? text.mid(1) : text;
}

} // namespace

void appendFixed(QByteArray &out, double value, int decimals)
{
    if (decimals < 0 || decimals >= int(std::size(Scales))) {
        appendAsQt(out, value, decimals);
        return;
    }
    // |value| × 10^decimals is scaled + error exactly (one rounding, undone by the fused
    // multiply-add); below 2^52 the fraction of scaled is exact as well, and so is the sign of
    // how far the exact product stands from the half.
    const double size = std::abs(value);
    const double scaled = size * Scales[decimals];
    if (!(scaled < 0x1p52)) { // also NaN
        appendAsQt(out, value, decimals);
        return;
    }
    const double error = std::fma(size, Scales[decimals], -scaled);
    double whole = std::floor(scaled);
    if ((scaled - whole - 0.5) + error >= 0)
        whole += 1;
    const auto units = std::uint64_t(whole);
    char digits[24];
    char *end = std::to_chars(digits, digits + sizeof digits, units).ptr;
    // At least one digit before the point.
    const int shown = std::max(int(end - digits), decimals + 1);
    char text[32];
    char *at = text;
    if (std::signbit(value) && units != 0)
        *at++ = '-';
    const int missing = shown - int(end - digits);
    const int before = shown - decimals; // digits before the point, of the padded number
    for (int i = 0; i < shown; ++i) {
        if (i == before)
            *at++ = '.';
        *at++ = i < missing ? '0' : digits[i - missing];
    }
    out.append(text, at - text);
}
