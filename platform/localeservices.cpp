#include "localeservices.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QTime>

#include <unicode/datefmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/ucurr.h>
#include <unicode/ures.h>
#include <unicode/unistr.h>

#include <map>
#include <memory>
#include <mutex>
#include <cstdlib>
#include <string>

namespace {

// Guards the pinned name and the resolved names: formatting may run on more than one thread.
std::mutex g_resolveMutex;
QString g_pinnedLocale;

const char *CategoryVariable(CLocaleServices::Category category)
{
    switch (category) {
    case CLocaleServices::Category::Money:
        return "LC_MONETARY";
    case CLocaleServices::Category::Numbers:
        return "LC_NUMERIC";
    case CLocaleServices::Category::Dates:
        return "LC_TIME";
    }
    return "LC_NUMERIC";
}

// "de_DE.UTF-8@euro" -> "de_DE"
QString StripEncoding(QString name)
{
    for (const QChar mark : {QLatin1Char('.'), QLatin1Char('@')}) {
        const int cut = name.indexOf(mark);
        if (cut >= 0)
            name.truncate(cut);
    }
    return name;
}

// ICU falls back to its root data for a locale it has no data for; that one is unknown here.
bool IcuKnowsLocale(const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    UResourceBundle *bundle = ures_open(nullptr, locale.getName(), &status);
    ures_close(bundle);
    return U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING;
}

QString CheckedLocaleName(const QString &name);

// The environment is read on every call, so a changed locale counts at once; what a name
// resolves to is remembered, since that takes ICU's data.
QString ResolveLocaleName(CLocaleServices::Category category)
{
    std::lock_guard<std::mutex> lock(g_resolveMutex);
    std::string raw;
    if (!g_pinnedLocale.isEmpty()) {
        raw = g_pinnedLocale.toStdString();
    } else {
        for (const char *variable : {"LC_ALL", CategoryVariable(category), "LANG"}) {
            const char *value = std::getenv(variable);
            if (value && *value) {
                raw = value;
                break;
            }
        }
    }
    static std::map<std::string, QString> resolved;
    const auto found = resolved.find(raw);
    if (found != resolved.end())
        return found->second;
    const QString name = StripEncoding(QString::fromLocal8Bit(raw.c_str()));
    return resolved.emplace(raw, CheckedLocaleName(name)).first->second;
}

QString CheckedLocaleName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QStringLiteral("en_US");
    const icu::Locale locale(name.toLatin1().constData());
    if (locale.isBogus() || !IcuKnowsLocale(locale))
        return QStringLiteral("en_US");
    return name;
}

icu::Locale IcuLocale(const QString &name)
{
    return icu::Locale(name.toLatin1().constData());
}

QString FromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// The ISO code of the locale's own currency; "en" alone has none until likely subtags are added.
QString CurrencyCode(const icu::Locale &locale)
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
};

std::mutex g_cacheMutex;

// A formatter for an ICU number skeleton; null when ICU refuses it.
std::unique_ptr<icu::number::LocalizedNumberFormatter> FormatterFor(const QString &skeleton,
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

const Formatters &FormattersFor(const QString &localeName)
{
    static std::map<QString, Formatters> cache;
    std::lock_guard<std::mutex> lock(g_cacheMutex);
    auto found = cache.find(localeName);
    if (found != cache.end())
        return found->second;

    const icu::Locale locale = IcuLocale(localeName);
    Formatters formatters;
    formatters.money = FormatterFor(
        QStringLiteral("currency/%1 sign-accounting rounding-mode-half-up").arg(CurrencyCode(locale)),
        locale);
    formatters.number = FormatterFor(QStringLiteral(".00 rounding-mode-half-up"), locale);
    return cache.emplace(localeName, std::move(formatters)).first->second;
}

QString FormatWith(const icu::number::LocalizedNumberFormatter *formatter, const QString &numberText)
{
    if (!formatter || !CLocaleServices::IsPlainNumberText(numberText))
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
    if (U_FAILURE(status) || text.length() > CLocaleServices::MaxFormattedLength)
        return QString();
    return FromIcu(text);
}

} // namespace

bool CLocaleServices::IsPlainNumberText(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^-?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    return plain.match(text).hasMatch();
}

QString CLocaleServices::FormatCurrency(const QString &numberText)
{
    return FormatWith(FormattersFor(LocaleName(Category::Money)).money.get(), numberText);
}

QString CLocaleServices::FormatNumber(const QString &numberText)
{
    return FormatWith(FormattersFor(LocaleName(Category::Numbers)).number.get(), numberText);
}

QString CLocaleServices::FormatShortDate(const QDate &date)
{
    const icu::Locale locale = IcuLocale(LocaleName(Category::Dates));
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale));
    if (!format)
        return date.toString(Qt::ISODate);
    // Noon keeps the day whatever the time zone's offset.
    const UDate when = UDate(QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch());
    icu::UnicodeString text;
    format->format(when, text);
    return FromIcu(text);
}

QString CLocaleServices::DecimalSeparator()
{
    static std::map<QString, QString> cache;
    static const std::pair<const QString, QString> *last = nullptr;
    const QString name = LocaleName(Category::Numbers);
    std::lock_guard<std::mutex> lock(g_cacheMutex);
    // Parse asks for every figure; nearly always for the locale it asked for last.
    if (last && last->first == name)
        return last->second;
    auto found = cache.find(name);
    if (found != cache.end()) {
        last = &*found;
        return found->second;
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(IcuLocale(name), status);
    QString separator = QStringLiteral(".");
    if (U_SUCCESS(status))
        separator = FromIcu(symbols.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
    last = &*cache.emplace(name, separator).first;
    return last->second;
}

void CLocaleServices::PinLocale(const QString &name)
{
    std::lock_guard<std::mutex> lock(g_resolveMutex);
    g_pinnedLocale = name;
}

QString CLocaleServices::LocaleName(Category category)
{
    return ResolveLocaleName(category);
}
