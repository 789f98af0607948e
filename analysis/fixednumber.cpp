#include "analysis/fixednumber.h"

#include <QByteArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

constexpr double Scales[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

// What Qt writes, for a value the quick way does not take.
void appendAsQt(std::string &out, double value, int decimals)
{
    const QByteArray text = QByteArray::number(value, 'f', decimals);
    const bool allZero = std::none_of(text.cbegin(), text.cend(), [](char c) { return c >= '1' && c <= '9'; });
    const qsizetype sign = allZero && text.startsWith('-') ? 1 : 0;
    out.append(text.constData() + sign, std::size_t(text.size() - sign));
}

} // namespace

void appendFixed(std::string &out, double value, int decimals)
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
    // The units' digits, with zeros before them up to one digit before the point.
    char digits[32];
    char *const first = digits + 8;
    const char *const end = std::to_chars(first, digits + sizeof digits, units).ptr;
    char *start = first;
    while (end - start < decimals + 1)
        *--start = '0';
    const char *const point = end - decimals;
    char text[40];
    char *at = text;
    if (std::signbit(value) && units != 0)
        *at++ = '-';
    at = std::copy(static_cast<const char *>(start), point, at);
    if (decimals > 0) {
        *at++ = '.';
        at = std::copy(point, end, at);
    }
    out.append(text, std::size_t(at - text));
}
