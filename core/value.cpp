#include "core/value.h"

#include "core/figurelocales.h"
#include "core/localeservices.h"


#include <unicode/uchar.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool isSuperscriptDigit(char32_t c)
{
    return c == U'\u00B9' || c == U'\u00B2' || c == U'\u00B3';
}

// The Arabic decimal separator, typed with the Arabic-Indic digits, is a point in every locale.
constexpr char16_t ArabicDecimalSeparator = u'\u066B';

// The text without the currency symbol, sign or brackets that Format puts around the number:
// a symbol such as "B/." could otherwise hold the decimal point.
QStringView withoutAffixes(QStringView text, const ParseConventions &conventions)
{
    text = text.trimmed();
    for (const QString &prefix : conventions.prefixes) {
        if (text.startsWith(prefix)) {
            text = text.mid(prefix.size()).trimmed();
            break;
        }
    }
    for (const QString &suffix : conventions.suffixes) {
        if (text.endsWith(suffix)) {
            text.chop(suffix.size());
            break;
        }
    }
    return text;
}

// The value of the ASCII digits and "." that the collected digit string starts with.
double leadingNumber(const std::string &digits)
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

QString exponentForm(const std::string &mantissa, int exponent)
{
    std::string fraction = mantissa.substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "%c%03d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return QString::fromLatin1(mantissa.substr(0, 1) + "." + fraction + "e" + exponentText);
}

QString fixedForm(const std::string &mantissa, int exponent)
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

// A minus sign (the ASCII one or U+2212, which some locales write) or the opening bracket of
// the accounting form ("($250.00)") before the first digit.
bool startsWithMinus(QStringView number)
{
    for (const QChar c : number) {
        if (c == QLatin1Char('-') || c == QChar(0x2212) || c == QLatin1Char('('))
            return true;
        if (c.isDigit())
            return false;
    }
    return false;
}

} // namespace

void Value::parse(const QString &text)
{
    parse(text, FigureLocales::user(QString()));
}

void Value::parse(const QString &text, const FigureLocales &locales)
{
    if (text.isEmpty()) {
        m_value = 0.0;
        return;
    }
    const ParseConventions &rules = conventions(locales);
    const QStringView number = withoutAffixes(text, rules);
    const QString &point = rules.point;
    std::string digits;
    bool seenPoint = false;
    for (qsizetype i = 0; i < number.size(); ++i) {
        char32_t c = number.at(i).unicode();
        const bool isPoint = c == ArabicDecimalSeparator
                             || (c == point.at(0).unicode() && number.mid(i).startsWith(point));
        if (isPoint) {
            if (seenPoint)
                break;
            seenPoint = true;
            digits += '.';
            i += c == ArabicDecimalSeparator ? 0 : point.size() - 1;
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < number.size() && number.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), number.at(++i).unicode());
        if (c >= U'0' && c <= U'9')
            digits += char(c);
        else if (isSuperscriptDigit(c))
            digits += 'x'; // collected, but ends the number where it stands
        else if (u_charType(UChar32(c)) == U_DECIMAL_DIGIT_NUMBER)
            digits += char('0' + u_charDigitValue(UChar32(c)));
    }
    m_value = leadingNumber(digits);
    if (keepsSign() && startsWithMinus(text))
        m_value = -m_value;
}

bool Value::canShow(const QString &currency) const
{
    return isShown(format(currency));
}

bool Value::showsExactly(const QString &currency) const
{
    // Below 1e12 the 17 digits the formatter is given reach far past the fraction digits shown.
    // A figure below 0 (or -0) is left to the round trip: a kind without a sign reads it back
    // positive, and not every locale writes the minus before the number.
    if (!(m_value >= 0 && m_value < 1e12) || std::signbit(m_value))
        return false;
    const int digits = fractionDigitsShown(currency);
    if (digits < 0)
        return false;
    char text[48];
    const auto written = std::to_chars(text, text + sizeof text, m_value, std::chars_format::fixed);
    if (written.ec != std::errc())
        return false;
    const char *point = std::find(text, written.ptr, '.');
    return point == written.ptr || written.ptr - point - 1 <= digits;
}

bool Value::takeShown(double before, const QString &currency)
{
    // Reading a market's deal files formats and parses every stored figure: most show as they are.
    if (showsExactly(currency))
        return true;
    const QString shown = format(currency);
    if (!isShown(shown)) {
        m_value = before;
        return false;
    }
    parse(shown, FigureLocales::user(currency));
    return true;
}

bool Value::readStored(const QString &text, const FigureLocales &locales)
{
    const double before = m_value;
    parse(text, locales);
    return takeShown(before, locales.currency);
}

void Value::takeNumber(double number, const QString &currency)
{
    m_value = number;
    (void)takeShown(number, currency);
}

const ParseConventions &Value::conventions(const FigureLocales &locales) const
{
    return LocaleServices::numberConventions(locales.numbers);
}

const ParseConventions &CurrencyValue::conventions(const FigureLocales &locales) const
{
    return LocaleServices::moneyConventions(locales.money, locales.currency);
}

QString Value::takeTyped(const QString &typed, const QString &currency)
{
    // Used as shown, like a stored figure: a typed term of 15.5 shows and counts as 15. A figure
    // too large to show would show empty and read back as 0; the field keeps its figure instead.
    const double before = m_value;
    parse(typed, FigureLocales::user(currency));
    (void)takeShown(before, currency);
    return format(currency);
}

QString CurrencyValue::format(const QString &currency) const
{
    return formatCurrency(m_value, currency);
}

int CurrencyValue::fractionDigitsShown(const QString &currency) const
{
    return LocaleServices::moneyFractionDigits(currency);
}

int PercentValue::fractionDigitsShown(const QString &) const
{
    return LocaleServices::PercentFractionDigits;
}

QString PercentValue::format(const QString &) const
{
    return LocaleServices::formatPercent(doubleToText(m_value)) + QLatin1Char('%');
}

QString IntegerValue::format(const QString &) const
{
    QString text = LocaleServices::formatNumber(doubleToText(m_value));
    // Cut at the locale's own decimal separator: cutting at "." in a locale that groups with "."
    // would show 1234 as "1".
    const int cut = text.indexOf(LocaleServices::decimalSeparator());
    if (cut >= 0)
        text.truncate(cut);
    return text;
}

QString formatCurrency(double number, const QString &currency)
{
    return LocaleServices::formatCurrency(doubleToText(number), currency);
}

QString doubleToText(double number)
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

    // Small figures in fixed form too: "0.05" has to show as "$0.05", not vanish.
    const QString body = exponent > 127 ? exponentForm(mantissa, exponent)
                                        : fixedForm(mantissa, exponent);
    return number < 0 ? QLatin1Char('-') + body : body;
}
