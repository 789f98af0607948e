#include "localeservices.h"
#include "value.h"

#include <QTest>

#include <atomic>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

namespace {
double Parsed(const QString &text)
{
    CCurrencyValue value;
    value.Parse(text);
    return value.m_value;
}

template <class Value>
QString Formatted(double number)
{
    Value value;
    value.m_value = number;
    return value.Format();
}
} // namespace

class TestValue : public QObject
{
    Q_OBJECT

private slots:
    void init() { CLocaleServices::PinLocale(QStringLiteral("en_US")); }
    void cleanupTestCase() { CLocaleServices::PinLocale(QString()); }

    void parse_data();
    void parse();
    void parseFollowsDecimalCommaLocale();
    void doubleToText_data();
    void doubleToText();
    void formatEnglish();
    void formatRejectsNonPlainNumbers();
    void formatOtherLocales_data();
    void formatOtherLocales();
    void roundTripKeepsFigures_data();
    void roundTripKeepsFigures();
    void windowTransfers();
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
    QTest::newRow("full-width digit ends number") << QString::fromUtf8("12３4") << 12.0;
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
    QCOMPARE(Parsed(text), expected);
    CPercentValue percent;
    percent.m_value = 99;
    percent.Parse(text);
    QCOMPARE(percent.m_value, expected);
}

void TestValue::parseFollowsDecimalCommaLocale()
{
    CLocaleServices::PinLocale(QStringLiteral("de_DE"));
    QCOMPARE(Parsed(QString::fromUtf8("200.000,00\u00a0€")), 200000.0);
    QCOMPARE(Parsed(QStringLiteral("1.234,56")), 1234.56);
    QCOMPARE(Parsed(QStringLiteral("7,25%")), 7.25);
    QCOMPARE(Parsed(QStringLiteral("1,2,3")), 1.2);
    QCOMPARE(Parsed(QStringLiteral("-3,5")), 3.5);
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
    QTest::newRow("small exponent") << 0.05 << "5.0000000000000003e-002";
    QTest::newRow("hundredth") << 0.01 << "1.e-002";
    QTest::newRow("negative exponent form") << -0.099 << "-9.9000000000000005e-002";
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
    QCOMPARE(DoubleToText(number), text);
    QVERIFY(DoubleToText(number).size() <= 130);
}

void TestValue::formatEnglish()
{
    QCOMPARE(Formatted<CCurrencyValue>(200000), QStringLiteral("$200,000.00"));
    QCOMPARE(Formatted<CPercentValue>(7), QStringLiteral("7.00%"));
    QCOMPARE(Formatted<CIntegerValue>(30), QStringLiteral("30"));
    QCOMPARE(FormatCurrency(-18.7718), QStringLiteral("($18.77)"));
    QCOMPARE(FormatCurrency(0.125), QStringLiteral("$0.13"));
    QCOMPARE(FormatCurrency(0.1), QStringLiteral("$0.10"));
    // The 17-digit text is what gets rounded: 2.675 is 2.6749999999999998.
    QCOMPARE(FormatCurrency(2.675), QStringLiteral("$2.67"));
    QCOMPARE(FormatCurrency(0.005 + 1), QStringLiteral("$1.00"));
    QCOMPARE(CLocaleServices::FormatCurrency(QStringLiteral("1.005")), QStringLiteral("$1.01"));
    QCOMPARE(CLocaleServices::FormatCurrency(QStringLiteral("-1.005")), QStringLiteral("($1.01)"));
    QCOMPARE(Formatted<CIntegerValue>(15.999), QStringLiteral("16"));
    QCOMPARE(Formatted<CIntegerValue>(15.5), QStringLiteral("15"));
    QCOMPARE(Formatted<CIntegerValue>(1234), QStringLiteral("1,234"));
    QCOMPARE(Formatted<CCurrencyValue>(0), QStringLiteral("$0.00"));
    QCOMPARE(Formatted<CPercentValue>(0), QStringLiteral("0.00%"));
    QCOMPARE(Formatted<CIntegerValue>(0), QStringLiteral("0"));
}

void TestValue::formatRejectsNonPlainNumbers()
{
    volatile double zero = 0.0;
    const double nan = zero / zero;
    QCOMPARE(DoubleToText(nan), QStringLiteral("-1.#IND"));
    for (double number : {0.099, 0.05, std::numeric_limits<double>::infinity(), nan, 1e200}) {
        QCOMPARE(Formatted<CCurrencyValue>(number), QString());
        QCOMPARE(Formatted<CIntegerValue>(number), QString());
        QCOMPARE(Formatted<CPercentValue>(number), QStringLiteral("%"));
    }
    // 1e93 has a plain text, but its money form would take 129 characters; 1e92 takes 127.
    QCOMPARE(FormatCurrency(1e93), QString());
    QCOMPARE(FormatCurrency(1e92).size(), 127);
    QCOMPARE(CLocaleServices::FormatCurrency(QStringLiteral("1e3")), QString());
    QCOMPARE(CLocaleServices::FormatNumber(QStringLiteral("")), QString());
    QCOMPARE(CLocaleServices::FormatNumber(QStringLiteral("1.2.3")), QString());
    QCOMPARE(CLocaleServices::FormatNumber(QStringLiteral("+5")), QString());
    QCOMPARE(CLocaleServices::FormatNumber(QStringLiteral(".5")), QStringLiteral("0.50"));
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
    QTest::newRow("C means en_US") << "C" << "$1,234,567.89" << "($18.77)" << "7.25%"
                                   << "1,234";
    QTest::newRow("unknown falls back") << "xx_YY" << "$1,234,567.89" << "($18.77)" << "7.25%"
                                        << "1,234";
}

void TestValue::formatOtherLocales()
{
    QFETCH(QString, locale);
    CLocaleServices::PinLocale(locale);
    QTEST(FormatCurrency(1234567.885), "money");
    QTEST(FormatCurrency(-18.7718), "negative");
    QTEST(Formatted<CPercentValue>(7.25), "percent");
    QTEST(Formatted<CIntegerValue>(1234.4), "whole");
}

void TestValue::roundTripKeepsFigures_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *locale : {"en_US", "de_DE", "fr_FR", "ja_JP"})
        QTest::newRow(locale) << QString::fromLatin1(locale);
}

void TestValue::roundTripKeepsFigures()
{
    QFETCH(QString, locale);
    CLocaleServices::PinLocale(locale);
    const bool wholeYen = locale == QLatin1String("ja_JP");
    for (double number : {200000.0, 1234.56, 0.1, 99999999.99, 7.0}) {
        CCurrencyValue money;
        money.m_value = number;
        money.Parse(money.Format());
        QCOMPARE(money.m_value, wholeYen ? std::round(number) : number);
        CPercentValue percent;
        percent.m_value = number;
        percent.Parse(percent.Format());
        QCOMPARE(percent.m_value, number);
        CIntegerValue whole;
        whole.m_value = number;
        whole.Parse(whole.Format());
        QCOMPARE(whole.m_value, std::trunc(number));
    }
}

void TestValue::windowTransfers()
{
    // Any window with a "text" property will do; the dialog's edits are line edits.
    QObject edit;
    CCurrencyValue price;
    edit.setProperty("text", QStringLiteral("abc"));
    price.FromWindow(&edit);
    QCOMPARE(edit.property("text").toString(), QStringLiteral("$0.00"));
    edit.setProperty("text", QStringLiteral("-500"));
    price.FromWindow(&edit);
    QCOMPARE(price.m_value, 500.0);
    QCOMPARE(edit.property("text").toString(), QStringLiteral("$500.00"));
    CIntegerValue term;
    term.m_value = 15.999;
    term.ToWindow(&edit);
    QCOMPARE(edit.property("text").toString(), QStringLiteral("16"));
}

// The program loads a locale's data on a second thread while its window may already show figures:
// threads that use a locale for the first time together all get the same texts.
void TestValue::firstUseFromSeveralThreadsAtOnce()
{
    CLocaleServices::PinLocale(QStringLiteral("nl_NL")); // used nowhere else in this program
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
                seen[t] = {FormatCurrency(1234567.885), FormatCurrency(-18.7718),
                           Formatted<CPercentValue>(7.25), Formatted<CIntegerValue>(1234.4),
                           QString::number(Parsed(QStringLiteral("1234,5")))};
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
