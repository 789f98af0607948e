#include "value.h"

#include "localeservices.h"

#include <QObject>
#include <QVariant>

#include <unicode/uchar.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool IsDecimalDigit(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return true;
    if (c == U'\u00B9' || c == U'\u00B2' || c == U'\u00B3')
        return true;
    return c > 0xFF && u_isdigit(UChar32(c));
}

// The decimal point Parse knows. Where the locale writes decimals with another separator, that
// separator is the point and "." is grouping, so a figure reads back as it was shown.
char32_t ParsePoint()
{
    const QString separator = CLocaleServices::DecimalSeparator();
    if (separator.size() == 1 && separator.at(0) != QLatin1Char('.'))
        return separator.at(0).unicode();
    return U'.';
}

// The value of the ASCII digits and "." that the collected digit string starts with.
double LeadingNumber(const std::string &digits)
{
    std::size_t length = 0;
    while (length < digits.size() && (digits[length] == '.' || (digits[length] >= '0' && digits[length] <= '9')))
        ++length;
    if (length == 0 || (length == 1 && digits[0] == '.'))
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + length, value);
    if (result.ec == std::errc::result_out_of_range)
        return std::strtod(std::string(digits, 0, length).c_str(), nullptr);
    return result.ec == std::errc() ? value : 0.0;
}

QString ExponentForm(const std::string &mantissa, int exponent)
{
    std::string fraction = mantissa.substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "%c%03d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return QString::fromLatin1(mantissa.substr(0, 1) + "." + fraction + "e" + exponentText);
}

QString FixedForm(const std::string &mantissa, int exponent)
{
    std::string integer;
    std::string fraction;
    if (exponent < 0) {
        integer = "0";
        fraction = std::string(std::size_t(-exponent - 1), '0') + mantissa;
    } else {
        const std::size_t integerDigits = std::size_t(exponent) + 1;
        integer = mantissa.substr(0, integerDigits);
        if (integer.size() < integerDigits)
            integer.append(integerDigits - integer.size(), '0');
        if (integerDigits < mantissa.size())
            fraction = mantissa.substr(integerDigits);
    }
    const std::size_t lastNonZero = fraction.find_last_not_of('0');
    fraction.erase(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
    return QString::fromLatin1(integer + "." + fraction);
}

} // namespace

void CValue::Parse(const QString &text)
{
    if (text.isEmpty()) {
        m_value = 0.0;
        return;
    }
    const char32_t point = ParsePoint();
    std::string digits;
    bool seenPoint = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text.at(++i).unicode());
        if (IsDecimalDigit(c)) {
            // Only ASCII digits are read later; any other digit ends the number where it stands.
            digits += (c >= U'0' && c <= U'9') ? char(c) : 'x';
        } else if (c == point) {
            if (seenPoint)
                break;
            seenPoint = true;
            digits += '.';
        }
    }
    m_value = LeadingNumber(digits);
}

void CValue::FromWindow(QObject *window)
{
    Parse(window->property("text").toString());
    ToWindow(window);
}

void CValue::ToWindow(QObject *window) const
{
    window->setProperty("text", Format());
}

QString CCurrencyValue::Format() const
{
    return FormatCurrency(m_value);
}

QString CPercentValue::Format() const
{
    return CLocaleServices::FormatNumber(DoubleToText(m_value)) + QLatin1Char('%');
}

QString CIntegerValue::Format() const
{
    QString text = CLocaleServices::FormatNumber(DoubleToText(m_value));
    // Cut at the locale's own decimal separator: cutting at "." in a locale that groups with "."
    // would show 1234 as "1".
    const int cut = text.indexOf(CLocaleServices::DecimalSeparator());
    if (cut >= 0)
        text.truncate(cut);
    return text;
}

QString FormatCurrency(double number)
{
    return CLocaleServices::FormatCurrency(DoubleToText(number));
}

QString DoubleToText(double number)
{
    if (std::isnan(number))
        return std::signbit(number) ? QStringLiteral("-1.#IND") : QStringLiteral("1.#QNAN");
    if (std::isinf(number))
        return number > 0 ? QStringLiteral("1.#INF") : QStringLiteral("-1.#INF");
    if (number == 0.0)
        return QStringLiteral("0.");

    // "d.dddddddddddddddde+XXX": the 17 significant digits, correctly rounded.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(number));
    const std::string text(buffer);
    const std::string mantissa = text.substr(0, 1) + text.substr(2, 16);
    const int exponent = std::atoi(text.c_str() + text.find('e') + 1);

    const QString body = (exponent < -1 || exponent > 127) ? ExponentForm(mantissa, exponent)
                                                           : FixedForm(mantissa, exponent);
    return number < 0 ? QLatin1Char('-') + body : body;
}
