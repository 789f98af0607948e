#include "ui/dialogunits.h"

#include <QFont>
#include <QFontMetrics>

namespace {

int AverageCharWidth(const QFontMetrics &metrics)
{
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (letters / 26 + 1) / 2;
}

// units * base / divisor, rounded to the nearest whole number.
int Scale(int units, int base, int divisor)
{
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

} // namespace

int DialogUnitsX(const QFont &font, int units)
{
    return Scale(units, AverageCharWidth(QFontMetrics(font)), 4);
}

int DialogUnitsY(const QFont &font, int units)
{
    return Scale(units, QFontMetrics(font).height(), 8);
}

QSize DialogUnitsToPixels(const QFont &font, QSize units)
{
    return {DialogUnitsX(font, units.width()), DialogUnitsY(font, units.height())};
}
