#include "core/localeservices.h"

#include "core/recentlyused.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QTime>

#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/ucurr.h>
#include <unicode/ures.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <cstdlib>
#include <string>

namespace {

// Guards the pinned name and the resolved names: formatting may run on more than one thread.
std::mutex g_resolveMutex;
QString g_pinnedLocale;

const char *categoryVariable(LocaleServices::Category category)
{
    switch (category) {
    case LocaleServices::Category::Money:
        return "LC_MONETARY";
    case LocaleServices::Category::Numbers:
        return "LC_NUMERIC";
    case LocaleServices::Category::Dates:
        return "LC_TIME";
    }
    return "LC_NUMERIC";
}

// "de_DE.UTF-8@euro" -> "de_DE"
QString stripEncoding(QString name)
{
    for (const QChar mark : {QLatin1Char('.'), QLatin1Char('@')}) {
        const int cut = name.indexOf(mark);
        if (cut >= 0)
            name.truncate(cut);
    }
    return name;
}

// ICU falls back to its root data for a locale it has no data for; that one is unknown here.
bool icuKnowsLocale(const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    UResourceBundle *bundle = ures_open(nullptr, locale.getName(), &status);
    ures_close(bundle);
    return U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING;
}

QString checkedLocaleName(const QString &name);

// Counts the pinnings, so that a thread sees a new one without taking the lock on every call.
std::atomic<unsigned> g_pinnings{0};

// The locale name the environment gives the category, or the pinned one.
std::string rawLocaleName(LocaleServices::Category category)
{
    thread_local unsigned seenPinnings = ~0u;
    thread_local std::string pinned;
    if (const unsigned pinnings = g_pinnings.load(std::memory_order_acquire); pinnings != seenPinnings) {
        std::lock_guard<std::mutex> lock(g_resolveMutex);
        pinned = g_pinnedLocale.toStdString();
        seenPinnings = g_pinnings.load(std::memory_order_relaxed);
    }
    if (!pinned.empty())
        return pinned;
    for (const char *variable : {"LC_ALL", categoryVariable(category), "LANG"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

// The environment is read on every call, so a changed locale counts at once; what a name
// resolves to is remembered, since that takes ICU's data. Formatting a few hundred figures a
// deal asks for the same name again and again: each thread keeps the last one of each category.
QString resolveLocaleName(LocaleServices::Category category)
{
    struct Resolved
    {
        bool known = false;
        std::string raw;
        QString name;
    };
    thread_local std::array<Resolved, 3> last;
    Resolved &mine = last[std::size_t(category)];
    std::string raw = rawLocaleName(category);
    if (mine.known && mine.raw == raw)
        return mine.name;
    std::lock_guard<std::mutex> lock(g_resolveMutex);
    static std::map<std::string, QString> resolved;
    auto found = resolved.find(raw);
    if (found == resolved.end()) {
        const QString name = stripEncoding(QString::fromLocal8Bit(raw.c_str()));
        found = resolved.emplace(raw, checkedLocaleName(name)).first;
    }
    mine = {true, std::move(raw), found->second};
    return mine.name;
}

QString checkedLocaleName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QStringLiteral("en_US");
    if (!LocaleServices::isKnownLocale(name))
        return QStringLiteral("en_US");
    return name;
}

icu::Locale icuLocale(const QString &name)
{
    return icu::Locale(name.toLatin1().constData());
}

// The locale with the digits 0 to 9, for the date formatting, which takes no skeleton.
icu::Locale latinDigitsLocale(const QString &name)
{
    icu::Locale locale = icuLocale(name);
    UErrorCode status = U_ZERO_ERROR;
    locale.setKeywordValue("numbers", "latn", status);
    return locale;
}

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// The ISO code of the locale's own currency; "en" alone has none until likely subtags are added.
QString currencyCode(const icu::Locale &locale)
{
    icu::Locale full(locale);
    UErrorCode status = U_ZERO_ERROR;
    full.addLikelySubtags(status);
    UChar code[4] = {};
    status = U_ZERO_ERROR;
    ucurr_forLocale(full.getName(), code, 4, &status);
    if (U_FAILURE(status) || code[0] == 0)
        return QStringLiteral("USD");
    return QString(reinterpret_cast<const QChar *>(code), 3);
}

struct Formatters
{
    std::unique_ptr<icu::number::LocalizedNumberFormatter> money;
    std::unique_ptr<icu::number::LocalizedNumberFormatter> number;
    std::unique_ptr<icu::number::LocalizedNumberFormatter> percent;
    std::unique_ptr<icu::number::LocalizedNumberFormatter> rate;
    ParseConventions moneyConventions;
    ParseConventions numberConventions;
    int moneyFractionDigits = -1;
};

std::mutex g_cacheMutex;

// A formatter for an ICU number skeleton; null when ICU refuses it.
std::unique_ptr<icu::number::LocalizedNumberFormatter> formatterFor(const QString &skeleton,
                                                                     const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const auto unlocalized = icu::number::NumberFormatter::forSkeleton(
        icu::UnicodeString(reinterpret_cast<const UChar *>(skeleton.utf16()),
                           int32_t(skeleton.size())),
        status);
    if (U_FAILURE(status))
        return nullptr;
    return std::make_unique<icu::number::LocalizedNumberFormatter>(unlocalized.locale(locale));
}

QString formatWith(const icu::number::LocalizedNumberFormatter *formatter, const QString &numberText);

// The texts around the number in a formatted probe: before its first digit and after its last.
void addAffixes(const QString &formatted, ParseConventions &conventions)
{
    const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    qsizetype first = 0;
    while (first < formatted.size() && !isDigit(formatted.at(first)))
        ++first;
    qsizetype last = formatted.size();
    while (last > first && !isDigit(formatted.at(last - 1)))
        --last;
    const QString prefix = formatted.left(first).trimmed();
    const QString suffix = formatted.mid(last).trimmed();
    if (!prefix.isEmpty() && !conventions.prefixes.contains(prefix))
        conventions.prefixes.append(prefix);
    if (!suffix.isEmpty() && !conventions.suffixes.contains(suffix))
        conventions.suffixes.append(suffix);
}

// What the locale writes, read off a probe formatted with two fraction digits: the text between
// the 7 and the 8 of 1234567.89 is the decimal separator. Currencies shown without fraction
// digits (yen, won) get the separator their locale would use for them.
ParseConventions conventionsFrom(const icu::number::LocalizedNumberFormatter *probe)
{
    ParseConventions conventions;
    const QString positive = formatWith(probe, QStringLiteral("1234567.89"));
    const qsizetype seven = positive.lastIndexOf(QLatin1Char('7'));
    const qsizetype eight = positive.indexOf(QLatin1Char('8'), seven);
    conventions.point = seven >= 0 && eight > seven + 1
                                ? positive.mid(seven + 1, eight - seven - 1).trimmed()
                                : QString();
    if (conventions.point.isEmpty())
        conventions.point = QStringLiteral(".");
    addAffixes(positive, conventions);
    addAffixes(formatWith(probe, QStringLiteral("-1234567.89")), conventions);
    const auto longestFirst = [](const QString &a, const QString &b) { return a.size() > b.size(); };
    std::sort(conventions.prefixes.begin(), conventions.prefixes.end(), longestFirst);
    std::sort(conventions.suffixes.begin(), conventions.suffixes.end(), longestFirst);
    return conventions;
}

// The fraction digits money of a currency shows (ICU's standard digits, which the money formatter
// rounds to); -1 where it rounds to an increment instead, or ICU does not know the currency.
int fractionDigitsOf(const QString &currency)
{
    const std::u16string code = currency.toStdU16String();
    const auto *iso = reinterpret_cast<const UChar *>(code.c_str());
    UErrorCode status = U_ZERO_ERROR;
    const int32_t digits = ucurr_getDefaultFractionDigitsForUsage(iso, UCURR_USAGE_STANDARD, &status);
    const double increment = ucurr_getRoundingIncrementForUsage(iso, UCURR_USAGE_STANDARD, &status);
    return U_SUCCESS(status) && increment == 0 ? digits : -1;
}

Formatters makeFormatters(const QString &localeName, const QString &currency)
{
    const icu::Locale locale = icuLocale(localeName);
    const QString money = QStringLiteral("currency/%1 sign-accounting")
                              .arg(currency.isEmpty() ? currencyCode(locale) : currency);
    const QString latinHalfUp = QStringLiteral(" numbering-system/latn rounding-mode-half-up");
    Formatters formatters;
    formatters.money = formatterFor(money + latinHalfUp, locale);
    formatters.number = formatterFor(QStringLiteral(".00") + latinHalfUp, locale);
    // A lender's rate in eighths (6.875 %) is kept as quoted: PercentFractionDigits at most.
    formatters.percent = formatterFor(QStringLiteral(".00#") + latinHalfUp, locale);
    formatters.rate = formatterFor(QStringLiteral(".000") + latinHalfUp, locale);
    formatters.moneyConventions =
        conventionsFrom(formatterFor(money + QStringLiteral(" .00") + latinHalfUp, locale).get());
    formatters.numberConventions = conventionsFrom(formatters.number.get());
    formatters.moneyFractionDigits = !formatters.money ? -1 : fractionDigitsOf(currency.isEmpty() ? currencyCode(locale) : currency);
    return formatters;
}

// Whether a remembered name is the one asked for. A deal's figures ask with copies of the same
// strings again and again: those share their text, and are the same without comparing it.
bool sameName(const QString &remembered, const QString &asked)
{
    return (remembered.constData() == asked.constData() && remembered.size() == asked.size())
        || remembered == asked;
}

// The formatters of a locale with a currency (empty: the locale's own), made once each.
// Each thread remembers the last few it asked for (the money and the number formatters of a
// deal), without the lock: the cache's entries stay where they are once made.
const Formatters &formattersFor(const QString &localeName, const QString &currency = QString())
{
    struct Recent
    {
        QString localeName;
        QString currency;
        const Formatters *formatters = nullptr;
    };
    thread_local RecentlyUsed<Recent, 4> recent;
    if (const Recent *known = recent.find([&](const Recent &r) {
            return sameName(r.localeName, localeName) && sameName(r.currency, currency);
        }))
        return *known->formatters;
    static std::map<std::pair<QString, QString>, Formatters> cache;
    std::lock_guard<std::mutex> lock(g_cacheMutex);
    const auto key = std::make_pair(localeName, currency);
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.emplace(key, makeFormatters(localeName, currency)).first;
    recent.replaced() = {localeName, currency, &found->second};
    return found->second;
}

QString formatWith(const icu::number::LocalizedNumberFormatter *formatter, const QString &numberText)
{
    if (!formatter || !LocaleServices::isPlainNumberText(numberText))
        return QString();
    // ICU's decimal reader wants a digit on each side of the point.
    QByteArray decimal = numberText.toLatin1();
    if (decimal.endsWith('.'))
        decimal.append('0');
    const int point = decimal.indexOf('.');
    if (point == 0 || (point == 1 && decimal.startsWith('-')))
        decimal.insert(point, '0');

    UErrorCode status = U_ZERO_ERROR;
    const icu::number::FormattedNumber formatted =
        formatter->formatDecimal(icu::StringPiece(decimal.constData(), decimal.size()), status);
    if (U_FAILURE(status))
        return QString();
    const icu::UnicodeString text = formatted.toString(status);
    if (U_FAILURE(status) || text.length() > LocaleServices::MaxFormattedLength)
        return QString();
    return fromIcu(text);
}

} // namespace

bool LocaleServices::isPlainNumberText(const QString &text)
{
    // -?(digits .? digits* | . digits)
    const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    QStringView rest(text);
    if (rest.startsWith(QLatin1Char('-')))
        rest = rest.mid(1);
    qsizetype integerDigits = 0;
    while (integerDigits < rest.size() && isDigit(rest[integerDigits]))
        ++integerDigits;
    rest = rest.mid(integerDigits);
    if (rest.startsWith(QLatin1Char('.')))
        rest = rest.mid(1);
    else if (!rest.isEmpty())
        return false;
    qsizetype fractionDigits = 0;
    while (fractionDigits < rest.size() && isDigit(rest[fractionDigits]))
        ++fractionDigits;
    return fractionDigits == rest.size() && integerDigits + fractionDigits > 0;
}

QString LocaleServices::formatCurrency(const QString &numberText, const QString &currency)
{
    const QString locale = localeName(Category::Money);
    const QString code = currency.isEmpty() ? localeCurrency(locale) : currency;
    return formatWith(formattersFor(locale, code).money.get(), numberText);
}

int LocaleServices::moneyFractionDigits(const QString &currency)
{
    if (currency.isEmpty()) {
        const QString locale = localeName(Category::Money);
        return formattersFor(locale, localeCurrency(locale)).moneyFractionDigits;
    }
    // Asked for every figure of money read. A named currency's digits are its own in every
    // locale (ICU's data for the code; the money skeleton, which ICU could refuse, names only
    // the currency), so each thread keeps its last few without looking up the locale.
    thread_local RecentlyUsed<std::pair<QString, int>, 4> recent;
    if (const auto *known = recent.find([&](const auto &entry) { return sameName(entry.first, currency); }))
        return known->second;
    const int digits = formattersFor(localeName(Category::Money), currency).moneyFractionDigits;
    recent.replaced() = {currency, digits};
    return digits;
}

QString LocaleServices::formatNumber(const QString &numberText)
{
    return formatWith(formattersFor(localeName(Category::Numbers)).number.get(), numberText);
}

QString LocaleServices::formatPercent(const QString &numberText)
{
    return formatWith(formattersFor(localeName(Category::Numbers)).percent.get(), numberText);
}

QString LocaleServices::formatRate(const QString &numberText)
{
    return formatWith(formattersFor(localeName(Category::Numbers)).rate.get(), numberText);
}

QString LocaleServices::formatShortDate(const QDate &date)
{
    const icu::Locale locale = latinDigitsLocale(localeName(Category::Dates));
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale));
    if (!format)
        return date.toString(Qt::ISODate);
    // Noon keeps the day whatever the time zone's offset.
    const UDate when = UDate(QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch());
    icu::UnicodeString text;
    format->format(when, text);
    return fromIcu(text);
}

QString LocaleServices::decimalSeparator()
{
    return numberConventions(localeName(Category::Numbers)).point;
}

const ParseConventions &LocaleServices::moneyConventions(const QString &localeName,
                                                           const QString &currency)
{
    return formattersFor(localeName, currency.isEmpty() ? localeCurrency(localeName) : currency)
        .moneyConventions;
}

const ParseConventions &LocaleServices::numberConventions(const QString &localeName)
{
    return formattersFor(localeName).numberConventions;
}

bool LocaleServices::isKnownLocale(const QString &localeName)
{
    // Asked for every deal file read, which names the locales of its figures; ICU's answer for a
    // name never changes, and each thread keeps its last few.
    thread_local RecentlyUsed<std::pair<QString, bool>, 4> recent;
    if (const auto *known = recent.find([&](const auto &entry) { return sameName(entry.first, localeName); }))
        return known->second;
    // Language, then script, region or variant parts: nothing else reaches ICU from a file.
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z]{2,8}(?:[_-][A-Za-z0-9]{1,8})*$"));
    bool known = shape.match(localeName).hasMatch();
    if (known) {
        const icu::Locale locale(localeName.toLatin1().constData());
        known = !locale.isBogus() && icuKnowsLocale(locale);
    }
    recent.replaced() = {localeName, known};
    return known;
}

void LocaleServices::pinLocale(const QString &name)
{
    std::lock_guard<std::mutex> lock(g_resolveMutex);
    g_pinnedLocale = name;
    g_pinnings.fetch_add(1, std::memory_order_release);
}

QString LocaleServices::localeCurrency(const QString &localeName)
{
    // Asked for every figure of money shown in the locale's own currency.
    thread_local QString lastLocale;
    thread_local QString lastCode;
    if (lastCode.isEmpty() || lastLocale != localeName) {
        lastCode = currencyCode(icuLocale(localeName));
        lastLocale = localeName;
    }
    return lastCode;
}

bool LocaleServices::isKnownCurrency(const QString &isoCode)
{
    // Asked for every deal file read that names its currency; each thread keeps its last few.
    thread_local RecentlyUsed<std::pair<QString, bool>, 4> recent;
    if (const auto *known = recent.find([&](const auto &entry) { return sameName(entry.first, isoCode); }))
        return known->second;
    const bool shaped = isoCode.size() == 3 && std::all_of(isoCode.begin(), isoCode.end(), [](QChar c) {
        return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
    });
    bool available = false;
    if (shaped) {
        const std::u16string code = isoCode.toStdU16String();
        UErrorCode status = U_ZERO_ERROR;
        available = ucurr_isAvailable(reinterpret_cast<const UChar *>(code.c_str()), U_DATE_MIN,
                                      U_DATE_MAX, &status)
                    && U_SUCCESS(status);
    }
    recent.replaced() = {isoCode, available};
    return available;
}

QString LocaleServices::localeName(Category category)
{
    return resolveLocaleName(category);
}
