#pragma once

#include <QString>
#include <QStringList>

class QDate;

// Locale formatting for the user's locale, on ICU.
//
// The user's locale is taken from the C library's categories: LC_ALL, then the category of the
// kind of text (LC_MONETARY for money, LC_NUMERIC for numbers, LC_TIME for dates), then LANG.
// "C", "POSIX", nothing at all, or a locale ICU does not know stand for en_US. Tests pin one
// locale for every category with PinLocale.
//
// The two number calls take a plain decimal text (ASCII digits, at most one ".", an optional
// leading "-") and give the empty text for anything else, and for a result longer than
// MaxFormattedLength characters. Every figure is written with the digits 0 to 9, whatever digits
// the locale uses by default, so that it reads back anywhere.
//
// Every call may be made from any thread; the program loads ICU's data on a second thread while
// its window is being built.
// How a formatted figure of one locale reads back: the decimal separator it was written with and
// the texts that stand around the number (currency symbol, sign, brackets), longest first.
struct ParseConventions
{
    QString point;
    QStringList prefixes;
    QStringList suffixes;
};

class LocaleServices
{
public:
    static constexpr int MaxFormattedLength = 127;

    // Money of a currency (ISO 4217, "USD"; empty for the money locale's own) in the money
    // locale's accounting format: en_US gives "$200,000.00", "($18.77)"; de_DE with dollars
    // "425.000,00 $". The currency is that of the deal the money belongs to, so that deals in
    // different currencies show side by side.
    [[nodiscard]] static QString formatCurrency(const QString &numberText, const QString &currency);
    // How many fraction digits formatCurrency shows for the currency: a figure with no more of
    // them shows exactly. -1 where the currency rounds to an increment (a cash rounding of 0.05).
    [[nodiscard]] static int moneyFractionDigits(const QString &currency);
    // Percent figures show at most three fraction digits (formatPercent).
    static constexpr int PercentFractionDigits = 3;
    // A number with exactly two fraction digits and the locale's grouping: en_US "1,234.50".
    [[nodiscard]] static QString formatNumber(const QString &numberText);
    // A percent figure's number: two fraction digits, or three where it has a third ("6.875"),
    // rounded to three; otherwise as FormatNumber.
    [[nodiscard]] static QString formatPercent(const QString &numberText);
    // A computed yearly rate's number (an APR): always three fraction digits, as lenders state it.
    [[nodiscard]] static QString formatRate(const QString &numberText);
    // The user's short numeric date (LC_TIME).
    [[nodiscard]] static QString formatShortDate(const QDate &date);
    // The decimal separator of the number locale (LC_NUMERIC), "." for en_US, "," for de_DE.
    [[nodiscard]] static QString decimalSeparator();

    // How money of a locale and currency reads back: the currency's decimal separator in that
    // locale, which is not always the number separator ("." for fr_CH money, "$" for pt_CV), and
    // the texts around the number. An empty currency stands for the locale's own.
    [[nodiscard]] static const ParseConventions &moneyConventions(const QString &localeName,
                                                                   const QString &currency = QString());
    // How percent figures and whole numbers of a locale read back.
    [[nodiscard]] static const ParseConventions &numberConventions(const QString &localeName);
    // True when ICU has data of its own for the locale name ("de_DE", "en_001"), not only its
    // root fallback.
    [[nodiscard]] static bool isKnownLocale(const QString &localeName);

    // Pins every category to one locale name such as "de_DE"; an empty name returns to the
    // environment.
    static void pinLocale(const QString &name);

    // The ISO code of a locale's own currency; "USD" where it has none ("en" gives USD too).
    [[nodiscard]] static QString localeCurrency(const QString &localeName);
    // True for an ISO 4217 code ICU knows ("USD", "EUR"); stored codes are checked with it.
    [[nodiscard]] static bool isKnownCurrency(const QString &isoCode);

    enum class Category { Money, Numbers, Dates };
    // The ICU locale name in force for a category, after fallbacks ("en_US" for "C").
    [[nodiscard]] static QString localeName(Category category);

    // True when text is a plain decimal number text the formatting accepts.
    [[nodiscard]] static bool isPlainNumberText(const QString &text);
};
