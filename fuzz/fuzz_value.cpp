// Figures: Parse of any text, and every Format of the parsed value and of raw doubles, in en_US
// and a few locales with other separators and digits, against the properties the rest of the
// program relies on.

#include "fuzzsupport.h"
#include "core/localeservices.h"
#include "core/value.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

void CheckDoubleToText(double x)
{
    const QString text = DoubleToText(x);
    ZANT_FUZZ_CHECK(!text.isEmpty(), text);
    for (const QChar c : text)
        ZANT_FUZZ_CHECK(c.unicode() < 0x80, text);
    if (std::isfinite(x) && std::fabs(x) < 1e128)
        ZANT_FUZZ_CHECK(CLocaleServices::IsPlainNumberText(text), text);
}

// Every Format of x, and what must hold of it.
void CheckFormats(double x, bool enUs)
{
    CheckDoubleToText(x);
    CCurrencyValue money;
    CPercentValue percent;
    CIntegerValue integer;
    money.m_value = percent.m_value = integer.m_value = x;
    const QString moneyText = money.Format();
    const QString percentText = percent.Format();
    const QString integerText = integer.Format();
    ZANT_FUZZ_CHECK(moneyText == FormatCurrency(x), moneyText);
    ZANT_FUZZ_CHECK(percentText.endsWith(QLatin1Char('%')), percentText);
    for (const QString &text : {moneyText, percentText, integerText}) {
        ZANT_FUZZ_CHECK(text.size() <= CLocaleServices::MaxFormattedLength + 1, text);
        for (const QChar c : text)
            ZANT_FUZZ_CHECK(!c.isDigit() || c.unicode() <= '9', text); // Latin digits only
    }

    const double magnitude = std::fabs(x);
    const bool inRange = std::isfinite(x) && magnitude <= 1e92;
    // Accounting negatives add two parentheses to the longest texts.
    const bool fits = x >= 0.0 || magnitude <= 1e90;
    if (enUs && inRange && fits) {
        ZANT_FUZZ_CHECK(!moneyText.isEmpty(), DoubleToText(x));
        ZANT_FUZZ_CHECK(percentText.size() > 1, DoubleToText(x));
        ZANT_FUZZ_CHECK(!integerText.isEmpty(), DoubleToText(x));
    }
    if (!std::isfinite(x))
        ZANT_FUZZ_CHECK(moneyText.isEmpty() && percentText == QLatin1String("%"), moneyText);
}

// A non-negative figure with at most two decimals reads back from each of its texts.
void CheckRoundTrip(double x)
{
    if (!std::isfinite(x) || x < 0.0 || x > 1e12)
        return;
    const double cents = std::round(x * 100.0) / 100.0;
    CCurrencyValue money;
    CPercentValue percent;
    money.m_value = percent.m_value = cents;
    CCurrencyValue moneyBack;
    CPercentValue percentBack;
    moneyBack.Parse(money.Format());
    percentBack.Parse(percent.Format());
    ZANT_FUZZ_CHECK(std::fabs(moneyBack.m_value - cents) <= 1e-9 * std::max(1.0, cents),
                    money.Format() + QStringLiteral(" for ") + DoubleToText(cents));
    ZANT_FUZZ_CHECK(std::fabs(percentBack.m_value - cents) <= 1e-9 * std::max(1.0, cents),
                    percent.Format() + QStringLiteral(" for ") + DoubleToText(cents));

    CIntegerValue integer;
    CIntegerValue integerBack;
    integer.m_value = std::floor(cents);
    integerBack.Parse(integer.Format());
    ZANT_FUZZ_CHECK(integerBack.m_value == integer.m_value,
                    integer.Format() + QStringLiteral(" for ") + DoubleToText(integer.m_value));
}

void CheckText(const QString &text, bool enUs)
{
    CCurrencyValue value;
    value.m_value = -1.0;
    value.Parse(text);
    const double x = value.m_value;
    ZANT_FUZZ_CHECK(!std::isnan(x) && x >= 0.0, DoubleToText(x));
    CheckFormats(x, enUs);
    CheckRoundTrip(x);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The last byte picks the locale of some inputs, so every locale sees every shape of text:
    // decimal comma, money with a point where numbers have a comma, Arabic, "$" as the point.
    static const QString others[] = {QStringLiteral("de_DE"), QStringLiteral("fr_CH"),
                                     QStringLiteral("ar_EG"), QStringLiteral("pt_CV")};
    const bool enUs = size == 0 || (data[size - 1] & 0x7) != 0;
    CLocaleServices::PinLocale(enUs ? QStringLiteral("en_US") : others[(data[size - 1] >> 3) & 3]);

    const QByteArray bytes = FuzzBytes(data, size);
    CheckText(QString::fromUtf8(bytes), enUs);
    CheckText(QString::fromLatin1(bytes), enUs);

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        CheckFormats(raw, enUs);
        CheckRoundTrip(raw);
        CheckRoundTrip(std::fabs(raw));
    }
    return 0;
}
