#include "ui/dialogunits.h"

#include <QFont>
#include <QFontMetrics>

namespace {

int averageCharWidth(const QFontMetrics &metrics)
{
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (letters / 26 + 1) / 2;
}

// units * base / divisor, rounded to the nearest whole number.
int scale(int units, int base, int divisor)
{
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

} // namespace

int dialogUnitsX(const QFont &font, int units)
{
    return scale(units, averageCharWidth(QFontMetrics(font)), 4);
}

int dialogUnitsY(const QFont &font, int units)
{
    return scale(units, QFontMetrics(font).height(), 8);
}

QSize dialogUnitsToPixels(const QFont &font, QSize units)
{
    return {dialogUnitsX(font, units.width()), dialogUnitsY(font, units.height())};
}
