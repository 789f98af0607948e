#include "core/figurelocales.h"
#include "core/localeservices.h"
#include "core/value.h"

#include <QRegularExpression>
#include <QTest>

#include <unicode/locid.h>
#include <unicode/ucurr.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

namespace {
// Figures of no deal in particular: money in the money locale's own currency.
const QString LocalCurrency;

double parsedText(const QString &text)
{
    CurrencyValue value;
    value.parse(text);
    return value.m_value;
}

double parsedText(Value &value, const QString &text)
{
    value.parse(text);
    return value.m_value;
}

// x rounded half away from zero to the given fraction digits.
double rounded(double x, int digits)
{
    const double scale = std::pow(10.0, digits);
    return std::round(x * scale) / scale;
}

// The fraction digits money of the locale shows, asked of ICU's currency data directly.
int currencyDigitsOf(const QString &localeName)
{
    icu::Locale locale(localeName.toLatin1().constData());
    UErrorCode status = U_ZERO_ERROR;
    locale.addLikelySubtags(status);
    UChar code[4] = {};
    status = U_ZERO_ERROR;
    ucurr_forLocale(locale.getName(), code, 4, &status);
    if (U_FAILURE(status) || code[0] == 0)
        return 2;
    status = U_ZERO_ERROR;
    return ucurr_getDefaultFractionDigitsForUsage(code, UCURR_USAGE_STANDARD, &status);
}

// Sets LC_MONETARY and LC_NUMERIC for the test's duration, with nothing above them.
class ScopedLocaleEnvironment
{
public:
    ScopedLocaleEnvironment(const QString &money, const QString &numbers)
        : m_all(qgetenv("LC_ALL")), m_lang(qgetenv("LANG"))
    {
        qunsetenv("LC_ALL");
        qunsetenv("LANG");
        qputenv("LC_MONETARY", money.toLatin1() + ".UTF-8");
        qputenv("LC_NUMERIC", numbers.toLatin1() + ".UTF-8");
    }
    ~ScopedLocaleEnvironment()
    {
        qputenv("LC_ALL", m_all);
        qputenv("LANG", m_lang);
        qunsetenv("LC_MONETARY");
        qunsetenv("LC_NUMERIC");
    }

private:
    QByteArray m_all;
    QByteArray m_lang;
};

template <class Value>
QString formatted(double number)
{
    Value value;
    value.m_value = number;
    return value.format(LocalCurrency);
}
} // namespace

class TestValue : public QObject
{
    Q_OBJECT

private slots:
    void init() { LocaleServices::pinLocale(QStringLiteral("en_US")); }
    void cleanupTestCase() { LocaleServices::pinLocale(QString()); }

    void parse_data();
    void parse();
    void parseFollowsDecimalCommaLocale();
    void doubleToText_data();
    void doubleToText();
    void formatEnglish();
    void formatRejectsNonPlainNumbers();
    void percentKeepsAThirdDecimal_data();
    void percentKeepsAThirdDecimal();
    void formatOtherLocales_data();
    void formatOtherLocales();
    void everyLocaleRoundTrip_data();
    void everyLocaleRoundTrip();
    void typedFiguresAreUsedAsShown();
    void moneyInTheDealsCurrency_data();
    void moneyInTheDealsCurrency();
    void firstUseFromSeveralThreadsAtOnce();
};

void TestValue::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("money") << "$1,234.56" << 1234.56;
    QTest::newRow("parentheses") << "(1,234.56)" << 1234.56;
    QTest::newRow("minus never taken") << "-50" << 50.0;
    QTest::newRow("percent") << "7.00%" << 7.0;
    QTest::newRow("percent whole") << "12%" << 12.0;
    QTest::newRow("exponent letter skipped") << "1e3" << 13.0;
    QTest::newRow("second point ends scan") << "1.2.3" << 1.2;
    QTest::newRow("superscript ends number") << QString::fromUtf8("1²3") << 1.0;
    QTest::newRow("full-width digit read by value") << QString::fromUtf8("12３4") << 1234.0;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("٢٠٠") << 200.0;
    QTest::newRow("Arabic decimal separator") << QString::fromUtf8("٢٠٠٫٥") << 200.5;
    QTest::newRow("Devanagari digits") << QString::fromUtf8("१२.५") << 12.5;
    QTest::newRow("leading superscript gives 0") << QString::fromUtf8("³5") << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("grouping of the de_DE form") << "1.234,56" << 1.23456;
    QTest::newRow("exact decimal") << "1197.5444913225283" << 1197.5444913225283;
}

void TestValue::parse()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(parsedText(text), expected);
    PercentValue percent;
    percent.m_value = 99;
    percent.parse(text);
    QCOMPARE(percent.m_value, expected);
}

void TestValue::parseFollowsDecimalCommaLocale()
{
    LocaleServices::pinLocale(QStringLiteral("de_DE"));
    QCOMPARE(parsedText(QString::fromUtf8("200.000,00\u00a0€")), 200000.0);
    QCOMPARE(parsedText(QStringLiteral("1.234,56")), 1234.56);
    QCOMPARE(parsedText(QStringLiteral("7,25%")), 7.25);
    QCOMPARE(parsedText(QStringLiteral("1,2,3")), 1.2);
    QCOMPARE(parsedText(QStringLiteral("-3,5")), 3.5);
}

void TestValue::doubleToText_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0.";
    QTest::newRow("whole") << 200000.0 << "200000.";
    QTest::newRow("seven") << 7.0 << "7.";
    QTest::newRow("tenth") << 0.1 << "0.10000000000000001";
    QTest::newRow("payment") << 1197.5444913225283 << "1197.5444913225283";
    QTest::newRow("negative") << -18.771784475784898 << "-18.771784475784898";
    QTest::newRow("small fixed") << 0.05 << "0.050000000000000003";
    QTest::newRow("hundredth") << 0.01 << "0.01";
    QTest::newRow("negative small") << -0.099 << "-0.099000000000000005";
    QTest::newRow("1e20 fixed") << 1e20 << "100000000000000000000.";
    QTest::newRow("largest fixed") << 1.5e127 << "15000000000000001" + QString(111, QLatin1Char('0')) + ".";
    QTest::newRow("smallest exponent above") << 2e128 << "2.0000000000000002e+128";
    QTest::newRow("rounding carries") << 0.099999999999999999 << "0.10000000000000001";
    QTest::newRow("17 digits then zeros") << 123456789012345678901.0 << "123456789012345680000.";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "1.#INF";
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << "-1.#INF";
}

void TestValue::doubleToText()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(::doubleToText(number), text);
}

void TestValue::formatEnglish()
{
    QCOMPARE(formatted<CurrencyValue>(200000), QStringLiteral("$200,000.00"));
    QCOMPARE(formatted<PercentValue>(7), QStringLiteral("7.00%"));
    QCOMPARE(formatted<IntegerValue>(30), QStringLiteral("30"));
    QCOMPARE(formatCurrency(-18.7718, LocalCurrency), QStringLiteral("($18.77)"));
    QCOMPARE(formatCurrency(0.125, LocalCurrency), QStringLiteral("$0.13"));
    QCOMPARE(formatCurrency(0.1, LocalCurrency), QStringLiteral("$0.10"));
    // The 17-digit text is what gets rounded: 2.675 is 2.6749999999999998.
    QCOMPARE(formatCurrency(2.675, LocalCurrency), QStringLiteral("$2.67"));
    QCOMPARE(formatCurrency(0.005 + 1, LocalCurrency), QStringLiteral("$1.00"));
    QCOMPARE(LocaleServices::formatCurrency(QStringLiteral("1.005"), LocalCurrency),
             QStringLiteral("$1.01"));
    QCOMPARE(LocaleServices::formatCurrency(QStringLiteral("-1.005"), LocalCurrency),
             QStringLiteral("($1.01)"));
    QCOMPARE(formatted<IntegerValue>(15.999), QStringLiteral("16"));
    QCOMPARE(formatted<IntegerValue>(15.5), QStringLiteral("15"));
    QCOMPARE(formatted<IntegerValue>(1234), QStringLiteral("1,234"));
    QCOMPARE(formatted<CurrencyValue>(0), QStringLiteral("$0.00"));
    QCOMPARE(formatted<PercentValue>(0), QStringLiteral("0.00%"));
    QCOMPARE(formatted<IntegerValue>(0), QStringLiteral("0"));
    // Small figures show like any other, so they survive their next round trip.
    QCOMPARE(formatCurrency(0.05, LocalCurrency), QStringLiteral("$0.05"));
    QCOMPARE(formatCurrency(0.099, LocalCurrency), QStringLiteral("$0.10"));
    QCOMPARE(formatCurrency(-0.05, LocalCurrency), QStringLiteral("($0.05)"));
    QCOMPARE(formatted<PercentValue>(0.05), QStringLiteral("0.05%"));
    QCOMPARE(formatted<IntegerValue>(0.05), QStringLiteral("0"));
}

void TestValue::formatRejectsNonPlainNumbers()
{
    volatile double zero = 0.0;
    const double nan = zero / zero;
    QCOMPARE(::doubleToText(nan), QStringLiteral("-1.#IND"));
    QCOMPARE(::doubleToText(std::copysign(nan, 1.0)), QStringLiteral("1.#QNAN"));
    QCOMPARE(::doubleToText(std::copysign(nan, -1.0)), QStringLiteral("-1.#IND"));
    for (double number : {std::numeric_limits<double>::infinity(), nan, 1e200}) {
        QCOMPARE(formatted<CurrencyValue>(number), QString());
        QCOMPARE(formatted<IntegerValue>(number), QString());
        QCOMPARE(formatted<PercentValue>(number), QStringLiteral("%"));
    }
    // 1e93 has a plain text, but its money form would take 129 characters; 1e92 takes 127.
    QCOMPARE(formatCurrency(1e93, LocalCurrency), QString());
    QCOMPARE(formatCurrency(1e92, LocalCurrency).size(), 127);
    QCOMPARE(LocaleServices::formatCurrency(QStringLiteral("1e3"), LocalCurrency), QString());
    QCOMPARE(LocaleServices::formatNumber(QStringLiteral("")), QString());
    QCOMPARE(LocaleServices::formatNumber(QStringLiteral("1.2.3")), QString());
    QCOMPARE(LocaleServices::formatNumber(QStringLiteral("+5")), QString());
    QCOMPARE(LocaleServices::formatNumber(QStringLiteral(".5")), QStringLiteral("0.50"));
    // Every arrangement of up to four of the characters that matter, against the pattern.
    const QRegularExpression plain(QStringLiteral("^-?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)\\z"));
    const QString alphabet = QStringLiteral("-.1e");
    std::vector<QString> texts = {QString()};
    for (std::size_t from = 0; texts.back().size() < 4; ) {
        const std::size_t to = texts.size();
        for (std::size_t i = from; i < to; ++i) {
            for (QChar c : alphabet)
                texts.push_back(texts[i] + c);
        }
        from = to;
    }
    for (const QString &text : texts)
        QVERIFY2(LocaleServices::isPlainNumberText(text) == plain.match(text).hasMatch(), qPrintable(text));
}

void TestValue::percentKeepsAThirdDecimal_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("figure");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("readBack");
    QTest::newRow("whole") << "en_US" << 7.0 << "7.00%" << 7.0;
    QTest::newRow("two decimals") << "en_US" << 7.25 << "7.25%" << 7.25;
    QTest::newRow("eighths") << "en_US" << 6.875 << "6.875%" << 6.875;
    QTest::newRow("a fourth decimal rounds") << "en_US" << 1.0049 << "1.005%" << 1.005;
    QTest::newRow("a fourth decimal rounds half up") << "en_US" << 0.0625 << "0.063%" << 0.063;
    QTest::newRow("a third decimal of 0") << "en_US" << 5.0004 << "5.00%" << 5.0;
    QTest::newRow("small") << "en_US" << 0.125 << "0.125%" << 0.125;
    QTest::newRow("grouped") << "en_US" << 1234.5678 << "1,234.568%" << 1234.568;
    QTest::newRow("de_DE eighths") << "de_DE" << 6.875 << "6,875%" << 6.875;
    QTest::newRow("fr_CH eighths") << "fr_CH" << 6.875 << "6,875%" << 6.875;
    QTest::newRow("ar_EG eighths") << "ar_EG" << 6.875 << "6.875%" << 6.875;
}

void TestValue::percentKeepsAThirdDecimal()
{
    QFETCH(QString, locale);
    QFETCH(double, figure);
    LocaleServices::pinLocale(locale);
    QTEST(formatted<PercentValue>(figure), "shown");
    // Typed and left with Tab: the rate stays as typed.
    PercentValue rate;
    const QString shown = rate.takeTyped(formatted<PercentValue>(figure), LocalCurrency);
    QTEST(rate.m_value, "readBack");
    QTEST(shown, "shown");
}

void TestValue::formatOtherLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("negative");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("whole");
    QTest::newRow("de_DE") << "de_DE" << QString::fromUtf8("1.234.567,89\u00a0€")
                           << QString::fromUtf8("-18,77\u00a0€") << "7,25%" << "1.234";
    QTest::newRow("fr_FR") << "fr_FR" << QString::fromUtf8("1\u202f234\u202f567,89\u00a0€")
                           << QString::fromUtf8("(18,77\u00a0€)") << "7,25%"
                           << QString::fromUtf8("1\u202f234");
    QTest::newRow("ja_JP") << "ja_JP" << QString::fromUtf8("￥1,234,568")
                           << QString::fromUtf8("(￥19)") << "7.25%" << "1,234";
    // Latin digits where the locale's own are Arabic-Indic; the money locale's own separator.
    QTest::newRow("ar_EG") << "ar_EG" << QString::fromUtf8("\u061c1,234,567.89\u00a0ج.م.\u200f")
                           << QString::fromUtf8("(\u061c18.77\u00a0ج.م.\u200f)") << "7.25%" << "1,234";
    QTest::newRow("fr_CH") << "fr_CH" << QString::fromUtf8("1\u202f234\u202f567.89\u00a0CHF")
                           << QString::fromUtf8("(18.77\u00a0CHF)") << "7,25%"
                           << QString::fromUtf8("1\u202f234");
    QTest::newRow("pt_CV") << "pt_CV" << QString::fromUtf8("1\u00a0234\u00a0567$89\u00a0\u200b")
                           << QString::fromUtf8("-18$77\u00a0\u200b") << "7,25%" << "1234";
    QTest::newRow("C means en_US") << "C" << "$1,234,567.89" << "($18.77)" << "7.25%"
                                   << "1,234";
    QTest::newRow("unknown falls back") << "xx_YY" << "$1,234,567.89" << "($18.77)" << "7.25%"
                                        << "1,234";
}

void TestValue::formatOtherLocales()
{
    QFETCH(QString, locale);
    LocaleServices::pinLocale(locale);
    QTEST(formatCurrency(1234567.885, LocalCurrency), "money");
    QTEST(formatCurrency(-18.7718, LocalCurrency), "negative");
    QTEST(formatted<PercentValue>(7.25), "percent");
    QTEST(formatted<IntegerValue>(1234.4), "whole");
}

// Every locale ICU has, and pairs whose money and number locales differ, set as a user would:
// through the environment.
void TestValue::everyLocaleRoundTrip_data()
{
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("numbers");
    int32_t count = 0;
    const icu::Locale *locales = icu::Locale::getAvailableLocales(count);
    for (int32_t i = 0; i < count; ++i) {
        const QString name = QString::fromLatin1(locales[i].getName());
        QTest::newRow(qPrintable(name)) << name << name;
    }
    const char *pairs[][2] = {{"de_DE", "C"}, {"fr_CH", "de_DE"}, {"en_US", "fr_FR"},
                              {"ja_JP", "de_CH"}, {"pt_CV", "ar_EG"}, {"ar_EG", "pt_CV"},
                              {"de_CH", "fa_IR"}, {"bn_BD", "es_ES"}};
    for (const auto &pair : pairs) {
        QTest::addRow("LC_MONETARY=%s LC_NUMERIC=%s", pair[0], pair[1])
            << QString::fromLatin1(pair[0]) << QString::fromLatin1(pair[1]);
    }
}

void TestValue::everyLocaleRoundTrip()
{
    QFETCH(QString, money);
    QFETCH(QString, numbers);
    LocaleServices::pinLocale(QString());
    const ScopedLocaleEnvironment environment(money, numbers);
    const int currencyDigits = currencyDigitsOf(LocaleServices::localeName(LocaleServices::Category::Money));
    for (double number : {0.0, 0.05, 0.1, 7.0, 1234.567, 200000.0, 1e9, -18.7718}) {
        const double magnitude = std::fabs(number);
        const auto check = [&](Value &value, double expected) {
            const QString shown = value.format(LocalCurrency);
            QVERIFY2(std::none_of(shown.cbegin(), shown.cend(),
                                  [](QChar c) { return c.isDigit() && c.unicode() > '9'; }),
                     qPrintable(shown));
            const double parsed = parsedText(value, shown);
            QVERIFY2(parsed == expected, qPrintable(QStringLiteral("%1 shown as \"%2\" read back as %3")
                                                        .arg(number, 0, 'g', 17).arg(shown)
                                                        .arg(parsed, 0, 'g', 17)));
        };
        CurrencyValue amount;
        amount.m_value = number;
        check(amount, rounded(magnitude, currencyDigits));
        PercentValue percent;
        percent.m_value = number;
        check(percent, rounded(magnitude, 3));
        IntegerValue whole;
        whole.m_value = number;
        check(whole, std::trunc(rounded(magnitude, 2)));
    }
    // A stored figure is the one its field shows: read from a file, it is what parsing the
    // field's text gives, whether or not the text had to be rounded, in the locale's own currency
    // and in three whose digits differ.
    const FigureLocales written{QStringLiteral("en_US"), QStringLiteral("en_US"), QString()};
    for (const QString &currency : {QString(), QStringLiteral("JPY"), QStringLiteral("KWD"), QStringLiteral("CHF")}) {
        FigureLocales file = written;
        file.currency = currency;
        for (double number : {0.0, 0.05, 0.125, 7.0, 12.5, 6.875, 1234.567, 1234.5678, 150007.0,
                              200000.01, 1e9, 999999999999.99, 1e13}) {
            const auto check = [&](Value &stored, Value &shown) {
                shown.m_value = number;
                shown.parse(shown.format(currency), FigureLocales::user(currency));
                const QString text = QString::number(number, 'f', QLocale::FloatingPointShortest);
                QVERIFY(stored.readStored(text, file));
                QVERIFY2(stored.m_value == shown.m_value,
                         qPrintable(QStringLiteral("%1 in %2 read as %3, shown as %4")
                                        .arg(text, currency).arg(stored.m_value, 0, 'g', 17)
                                        .arg(shown.m_value, 0, 'g', 17)));
            };
            CurrencyValue amount, amountShown;
            check(amount, amountShown);
            PercentValue percent, percentShown;
            check(percent, percentShown);
            IntegerValue whole, wholeShown;
            check(whole, wholeShown);
        }
    }
}

void TestValue::typedFiguresAreUsedAsShown()
{
    CurrencyValue price;
    QCOMPARE(price.takeTyped(QStringLiteral("abc"), LocalCurrency), QStringLiteral("$0.00"));
    QCOMPARE(price.takeTyped(QStringLiteral("-500"), LocalCurrency), QStringLiteral("$500.00"));
    QCOMPARE(price.m_value, 500.0);
    IntegerValue term;
    term.m_value = 15.999;
    QCOMPARE(term.format(LocalCurrency), QStringLiteral("16"));
    QCOMPARE(term.takeTyped(QStringLiteral("15.5"), LocalCurrency), QStringLiteral("15"));
    QCOMPARE(term.m_value, 15.0);
    QCOMPARE(term.takeTyped(QStringLiteral("0.01"), LocalCurrency), QStringLiteral("0"));
    QCOMPARE(term.m_value, 0.0);
    QCOMPARE(price.takeTyped(QStringLiteral("$1,234.565"), LocalCurrency),
             QStringLiteral("$1,234.57"));
    QCOMPARE(price.m_value, 1234.57);
    // Too large to show: the figure stays, never 0.
    QCOMPARE(price.takeTyped(QStringLiteral("1") + QString(130, QLatin1Char('0')), LocalCurrency),
             QStringLiteral("$1,234.57"));
    QCOMPARE(price.m_value, 1234.57);
}

void TestValue::moneyInTheDealsCurrency_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("used");
    QTest::newRow("dollars in de_DE") << "de_DE" << "USD" << "1234,565"
                                      << QStringLiteral("1.234,57\u00a0$") << 1234.57;
    QTest::newRow("yen in de_DE: whole yen") << "de_DE" << "JPY" << "1234,5"
                                             << QStringLiteral("1.235\u00a0\u00a5") << 1235.0;
    QTest::newRow("euros in en_US") << "en_US" << "EUR" << "1,234.565"
                                    << QStringLiteral("\u20ac1,234.57") << 1234.57;
    QTest::newRow("none: the locale's own") << "de_DE" << QString() << "1234,565"
                                            << QStringLiteral("1.234,57\u00a0\u20ac") << 1234.57;
}

// Money shows in the currency of its deal, whatever the locale's own, and what is shown reads
// back in it.
void TestValue::moneyInTheDealsCurrency()
{
    QFETCH(QString, locale);
    QFETCH(QString, currency);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    LocaleServices::pinLocale(locale);
    CurrencyValue price;
    QCOMPARE(price.takeTyped(typed, currency), shown);
    QTEST(price.m_value, "used");
    CurrencyValue back;
    back.parse(shown, FigureLocales::user(currency));
    QCOMPARE(back.m_value, price.m_value);
}

// The program loads a locale's data on a second thread while its window may already show figures:
// threads that use a locale for the first time together all get the same texts.
void TestValue::firstUseFromSeveralThreadsAtOnce()
{
    LocaleServices::pinLocale(QStringLiteral("nl_NL")); // used nowhere else in this program
    constexpr int threadCount = 4;
    std::atomic<int> notStarted{threadCount};
    std::vector<QStringList> seen(threadCount);
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&, t] {
            --notStarted;
            while (notStarted.load() > 0)
                std::this_thread::yield();
            for (int round = 0; round < 20; ++round) {
                seen[t] = {formatCurrency(1234567.885, LocalCurrency),
                           formatCurrency(-18.7718, LocalCurrency),
                           formatted<PercentValue>(7.25), formatted<IntegerValue>(1234.4),
                           QString::number(parsedText(QStringLiteral("1234,5")))};
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    const QStringList expected{QString::fromUtf8("€\u00a01.234.567,89"),
                               QString::fromUtf8("(€\u00a018,77)"), QStringLiteral("7,25%"),
                               QStringLiteral("1.234"), QStringLiteral("1234.5")};
    for (const QStringList &texts : seen)
        QCOMPARE(texts, expected);
}

QTEST_GUILESS_MAIN(TestValue)
#include "tst_value.moc"
