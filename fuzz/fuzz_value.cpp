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

void checkDoubleToText(double x)
{
    const QString text = doubleToText(x);
    ZANT_FUZZ_CHECK(!text.isEmpty(), text);
    for (const QChar c : text)
        ZANT_FUZZ_CHECK(c.unicode() < 0x80, text);
    if (std::isfinite(x) && std::fabs(x) < 1e128)
        ZANT_FUZZ_CHECK(LocaleServices::isPlainNumberText(text), text);
}

// Every Format of x, and what must hold of it.
void checkFormats(double x, bool enUs)
{
    checkDoubleToText(x);
    CurrencyValue money;
    PercentValue percent;
    IntegerValue integer;
    money.m_value = percent.m_value = integer.m_value = x;
    const QString moneyText = money.format(QString());
    const QString percentText = percent.format(QString());
    const QString integerText = integer.format(QString());
    ZANT_FUZZ_CHECK(moneyText == formatCurrency(x, QString()), moneyText);
    ZANT_FUZZ_CHECK(percentText.endsWith(QLatin1Char('%')), percentText);
    for (const QString &text : {moneyText, percentText, integerText}) {
        ZANT_FUZZ_CHECK(text.size() <= LocaleServices::MaxFormattedLength + 1, text);
        for (const QChar c : text)
            ZANT_FUZZ_CHECK(!c.isDigit() || c.unicode() <= '9', text); // Latin digits only
    }

    const double magnitude = std::fabs(x);
    const bool inRange = std::isfinite(x) && magnitude <= 1e92;
    // Accounting negatives add two parentheses to the longest texts.
    const bool fits = x >= 0.0 || magnitude <= 1e90;
    if (enUs && inRange && fits) {
        ZANT_FUZZ_CHECK(!moneyText.isEmpty(), doubleToText(x));
        ZANT_FUZZ_CHECK(percentText.size() > 1, doubleToText(x));
        ZANT_FUZZ_CHECK(!integerText.isEmpty(), doubleToText(x));
    }
    if (!std::isfinite(x))
        ZANT_FUZZ_CHECK(moneyText.isEmpty() && percentText == QLatin1String("%"), moneyText);
}

// A non-negative figure with at most two decimals reads back from each of its texts.
void checkRoundTrip(double x)
{
    if (!std::isfinite(x) || x < 0.0 || x > 1e12)
        return;
    const double cents = std::round(x * 100.0) / 100.0;
    CurrencyValue money;
    PercentValue percent;
    money.m_value = percent.m_value = cents;
    CurrencyValue moneyBack;
    PercentValue percentBack;
    moneyBack.parse(money.format(QString()));
    percentBack.parse(percent.format(QString()));
    ZANT_FUZZ_CHECK(std::fabs(moneyBack.m_value - cents) <= 1e-9 * std::max(1.0, cents),
                    money.format(QString()) + QStringLiteral(" for ") + doubleToText(cents));
    ZANT_FUZZ_CHECK(std::fabs(percentBack.m_value - cents) <= 1e-9 * std::max(1.0, cents),
                    percent.format(QString()) + QStringLiteral(" for ") + doubleToText(cents));

    IntegerValue integer;
    IntegerValue integerBack;
    integer.m_value = std::floor(cents);
    integerBack.parse(integer.format(QString()));
    ZANT_FUZZ_CHECK(integerBack.m_value == integer.m_value,
                    integer.format(QString()) + QStringLiteral(" for ")
                        + doubleToText(integer.m_value));
}

void checkText(const QString &text, bool enUs)
{
    CurrencyValue value;
    value.m_value = -1.0;
    value.parse(text);
    const double x = value.m_value;
    ZANT_FUZZ_CHECK(!std::isnan(x) && x >= 0.0, doubleToText(x));
    checkFormats(x, enUs);
    checkRoundTrip(x);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The last byte picks the locale of some inputs, so every locale sees every shape of text:
    // decimal comma, money with a point where numbers have a comma, Arabic, "$" as the point.
    static const QString others[] = {QStringLiteral("de_DE"), QStringLiteral("fr_CH"),
                                     QStringLiteral("ar_EG"), QStringLiteral("pt_CV")};
    const bool enUs = size == 0 || (data[size - 1] & 0x7) != 0;
    LocaleServices::pinLocale(enUs ? QStringLiteral("en_US") : others[(data[size - 1] >> 3) & 3]);

    const QByteArray bytes = fuzzBytes(data, size);
    checkText(QString::fromUtf8(bytes), enUs);
    checkText(QString::fromLatin1(bytes), enUs);

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkFormats(raw, enUs);
        checkRoundTrip(raw);
        checkRoundTrip(std::fabs(raw));
    }
    return 0;
}
