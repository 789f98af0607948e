#include "core/appsettings.h"
#include "core/dealrecord.h"
#include "filelimits.h"
#include "core/localeservices.h"
#include "platform/profilestore.h"
#include "report/report.h"
#include "testdoubles.h"
#include "testfiles.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QRegularExpression>
#include <QTest>

namespace {

const QDateTime fixedClock(QDate(2024, 3, 5), QTime(14, 30, 0));

// A deal with escrow, other fees, a margin and five different loans, among them a rate and a term of 0.
DealRecord secondExampleRecord()
{
    DealRecord r;
    r.m_purchasePrice.parse(QStringLiteral("200000"));
    r.m_rentalIncome.parse(QStringLiteral("2000"));
    r.m_escrow.parse(QStringLiteral("250"));
    r.m_otherFees.parse(QStringLiteral("100"));
    r.m_safetyMargin.parse(QStringLiteral("10"));
    const char *loans[MAX_LOANS][4] = {{"20000", "7", "30", "0"},
                                       {"40000", "6.5", "15", "75"},
                                       {"200000", "7", "30", "0"},
                                       {"20000", "0", "30", "0"},
                                       {"20000", "7", "0", "0"}};
    for (int k = 0; k < MAX_LOANS; ++k) {
        r.m_downPayment[k].parse(QString::fromLatin1(loans[k][0]));
        r.m_interestRate[k].parse(QString::fromLatin1(loans[k][1]));
        r.m_term[k].parse(QString::fromLatin1(loans[k][2]));
        r.m_pmi[k].parse(QString::fromLatin1(loans[k][3]));
    }
    return r;
}

// The purchase price's row of the property's table; %1 is the figure.
const QString PropertyPrice = QStringLiteral("<td class=\"label\">Purchase Price</td>\r\n"
                                             "    <td class=\"even\">%1</td>");

QString loanRow(const QString &rowClass, const QString &label, const QStringList &cells)
{
    QString row = QStringLiteral("  <tr class=\"%1\">\r\n    <td class=\"label\">%2</td>\r\n")
                          .arg(rowClass, label);
    for (const QString &cell : cells)
        row += QStringLiteral("    <td>") + cell + QStringLiteral("</td>\r\n");
    return row + QStringLiteral("  </tr>\r\n");
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void goldenFirstRunPage();
    void secondExampleFigures();
    void everyLineEndsInCrLf();
    void dateAndYearFromOneReading();
    void rightToLeftFiguresAreIsolated();
    void eachDealInItsOwnCurrency_data();
    void eachDealInItsOwnCurrency();

    void htmlEncode_data();
    void htmlEncode();
    void descriptionAndLendersAreEncoded();
    void unicodeDescriptionIsUtf8();
    void longTextsAreWrittenWhole();

    void colorToHtml_data();
    void colorToHtml();
    void colorsWithHighBitsInTheHead();
    void fontSettingsStayInsideTheStyle_data();
    void fontSettingsStayInsideTheStyle();

    void replacesAnEarlierReport();

private:
    // Writes the page for record and settings and gives its text; empty on failure.
    QString pageOf(const DealRecord &record, const AppSettings &settings);
    QString tempPath(const QString &name) const { return m_dir->filePath(name); }
    QStringList entries() const
    {
        return QDir(m_dir->path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestReport::initTestCase()
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
}

void TestReport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestReport::pageOf(const DealRecord &record, const AppSettings &settings)
{
    Report report(record, settings);
    report.setClock(fixedClock);
    const QString path = tempPath(QStringLiteral("ZANT.htm"));
    QString error;
    if (!report.create(path, &error)) {
        qWarning() << "Create failed:" << error;
        return QString();
    }
    return QString::fromUtf8(readAll(path));
}

void TestReport::goldenFirstRunPage()
{
    const DealRecord record = ProfileStore::firstRunRecord();
    const AppSettings settings = AppSettings::defaults();
    Report report(record, settings);
    report.setClock(fixedClock);
    const QString path = tempPath(QStringLiteral("ZANT.htm"));
    QString error;
    QVERIFY(report.create(path, &error));
    QVERIFY(error.isEmpty());
    const QByteArray actual = readAll(path);

    QFile golden(QStringLiteral(ZANT_REPORT_TEST_DATA "/firstrun.htm"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QString expectedText = QString::fromUtf8(golden.readAll());
    QVERIFY(!expectedText.contains(QLatin1Char('\r')));
    const QString date = LocaleServices::formatShortDate(fixedClock.date());
    QVERIFY(!date.isEmpty());
    expectedText.replace(QLatin1String("{DATE}"), date);
    expectedText.replace(QLatin1String("{YEAR}"), QLatin1String("2024"));
    expectedText.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QByteArray expected = expectedText.toUtf8();

    if (actual != expected) {
        const QByteArray artifacts = qgetenv("ZANT_TEST_ARTIFACTS");
        if (!artifacts.isEmpty() && QDir().mkpath(QString::fromLocal8Bit(artifacts)))
            writeAll(QString::fromLocal8Bit(artifacts) + QStringLiteral("/firstrun-actual.htm"),
                     actual);
        const QList<QByteArray> a = actual.split('\n');
        const QList<QByteArray> e = expected.split('\n');
        for (qsizetype i = 0; i < qMin(a.size(), e.size()); ++i)
            QCOMPARE(QString::fromUtf8(a[i]), QString::fromUtf8(e[i]));
        QCOMPARE(a.size(), e.size());
    }
    QCOMPARE(actual, expected);
}

void TestReport::secondExampleFigures()
{
    const QString page = pageOf(secondExampleRecord(), AppSettings::defaults());
    QVERIFY(!page.isEmpty());
    QVERIFY(page.contains(loanRow("oddcalc", "Loan Amount",
                                  {"$180,000.00", "$160,000.00", "$0.00", "$180,000.00",
                                   "$180,000.00"})));
    QVERIFY(page.contains(loanRow("evencalc", "Principal and Interest",
                                  {"$1,197.54", "$1,393.77", "$0.00", "$500.00", ""})));
    QVERIFY(page.contains(loanRow("oddcalc", "Total Monthly Payment",
                                  {"$1,447.54", "$1,718.77", "$250.00", "$750.00", ""})));
    QVERIFY(page.contains(loanRow("evencalc", "Monthly Cash Flow",
                                  {"$452.46", "$181.23", "$1,650.00", "$1,150.00", ""})));
    QVERIFY(page.contains(loanRow("oddcalc", "Safety Cash Flow",
                                  {"$252.46", "($18.77)", "$1,450.00", "$950.00", ""})));
    // The inputs as the value fields show them.
    QVERIFY(page.contains(loanRow("odd", "Interest Rate",
                                  {"7.00%", "6.50%", "7.00%", "0.00%", "7.00%"})));
    QVERIFY(page.contains(loanRow("even", "Term (Years)", {"30", "15", "30", "30", "0"})));
    QVERIFY(page.contains(loanRow("odd", "PMI", {"$0.00", "$75.00", "$0.00", "$0.00", "$0.00"})));
    QVERIFY(page.contains(QStringLiteral("<td class=\"label\">Other Monthly Fees</td>\r\n"
                                         "    <td class=\"odd\">$100.00</td>")));
    QVERIFY(page.contains(QStringLiteral("<td class=\"label\">Safety Margin</td>\r\n"
                                         "    <td class=\"even\">10.00%</td>")));
}

void TestReport::everyLineEndsInCrLf()
{
    DealRecord record = secondExampleRecord();
    record.m_description = QStringLiteral("x");
    const QString page = pageOf(record, AppSettings::defaults());
    QVERIFY(page.endsWith(QStringLiteral("</div>\r\n</body>\r\n</html>\r\n")));
    for (qsizetype i = 0; i < page.size(); ++i) {
        if (page.at(i) == QLatin1Char('\n'))
            QVERIFY2(i > 0 && page.at(i - 1) == QLatin1Char('\r'), qPrintable(QString::number(i)));
        if (page.at(i) == QLatin1Char('\r'))
            QVERIFY(i + 1 < page.size() && page.at(i + 1) == QLatin1Char('\n'));
    }
}

void TestReport::dateAndYearFromOneReading()
{
    const QDateTime newYearsEve(QDate(1999, 12, 31), QTime(23, 59, 59));
    const DealRecord record = ProfileStore::firstRunRecord();
    const AppSettings settings = AppSettings::defaults();
    Report report(record, settings);
    report.setClock(newYearsEve);
    QVERIFY(report.create(tempPath("ZANT.htm")));
    const QString page = QString::fromUtf8(readAll(tempPath("ZANT.htm")));
    const QString date = LocaleServices::formatShortDate(newYearsEve.date());
    QVERIFY(!date.isEmpty());
    QVERIFY(page.contains(QStringLiteral("    <td style=\"text-align:right\">") + date
                          + QStringLiteral("</td>\r\n")));
    QVERIFY(page.contains(QStringLiteral("<p class=\"footer\">Copyright &copy; 1999 Quenwick\r\n")));

    // Without a clock set, today's date and year.
    Report live(record, settings);
    QVERIFY(live.create(tempPath("live.htm")));
    const QString livePage = QString::fromUtf8(readAll(tempPath("live.htm")));
    const QDate today = QDate::currentDate();
    QVERIFY(livePage.contains(QStringLiteral("Copyright &copy; %1 ").arg(today.year()))
            || livePage.contains(QStringLiteral("Copyright &copy; %1 ").arg(today.year() + 1)));
}

void TestReport::eachDealInItsOwnCurrency_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstPrice");
    QTest::addColumn<QString>("firstSign");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondPrice");
    QTest::addColumn<QString>("secondSign");
    QTest::newRow("dollars and euros in de_DE")
        << "de_DE" << "USD" << QStringLiteral("425.000,00\u00a0$") << "$"
        << "EUR" << QStringLiteral("425.000,00\u00a0\u20ac") << QStringLiteral("\u20ac");
    QTest::newRow("pounds and francs in en_US")
        << "en_US" << "EGP" << QStringLiteral("EGP\u00a0425,000.00") << "EGP"
        << "CHF" << QStringLiteral("CHF\u00a0425,000.00") << "CHF";
}

// Two deals of different currencies in one program: each report shows every amount in its own
// deal's currency, whichever deal was written last.
void TestReport::eachDealInItsOwnCurrency()
{
    QFETCH(QString, locale);
    QFETCH(QString, first);
    QFETCH(QString, firstPrice);
    QFETCH(QString, firstSign);
    QFETCH(QString, second);
    QFETCH(QString, secondPrice);
    QFETCH(QString, secondSign);
    LocaleServices::pinLocale(locale);
    const auto restore = qScopeGuard([] { LocaleServices::pinLocale(QStringLiteral("en_US")); });
    DealRecord firstDeal = ProfileStore::firstRunRecord();
    firstDeal.m_currency = first;
    firstDeal.m_purchasePrice.m_value = 425000;
    DealRecord secondDeal = firstDeal;
    secondDeal.m_currency = second;
    const AppSettings settings = AppSettings::defaults();

    const QString firstPage = pageOf(firstDeal, settings);
    const QString secondPage = pageOf(secondDeal, settings);
    QVERIFY2(firstPage.contains(PropertyPrice.arg(firstPrice)), qPrintable(firstPage));
    QVERIFY2(secondPage.contains(PropertyPrice.arg(secondPrice)), qPrintable(secondPage));
    // Not one amount of a deal, typed or computed, in the other's currency.
    QVERIFY(firstPage.contains(firstSign) && !firstPage.contains(secondSign));
    QVERIFY(secondPage.contains(secondSign) && !secondPage.contains(firstSign));
    QCOMPARE(pageOf(firstDeal, settings), firstPage);
}

// ar_EG writes its dates and money with right-to-left marks: each stands in a run of its own, so
// that the date keeps its order and every amount its currency on the same side. en_US pages stay
// byte for byte as they were (goldenFirstRunPage).
void TestReport::rightToLeftFiguresAreIsolated()
{
    LocaleServices::pinLocale(QStringLiteral("ar_EG"));
    const auto restore = qScopeGuard([] { LocaleServices::pinLocale(QStringLiteral("en_US")); });
    DealRecord record = ProfileStore::firstRunRecord();
    record.m_rentalIncome.m_value = 100; // negative cash flows
    const QString page = pageOf(record, AppSettings::defaults());
    QVERIFY(!page.isEmpty());
    const QString date = LocaleServices::formatShortDate(fixedClock.date());
    QVERIFY(date.contains(QChar(0x200F)));
    QVERIFY(page.contains(QStringLiteral("<td style=\"text-align:right\"><bdi>") + date
                          + QStringLiteral("</bdi></td>")));
    QVERIFY(page.contains(QStringLiteral("<bdi>") + record.m_purchasePrice.format(record.m_currency)
                          + QStringLiteral("</bdi>")));
    QVERIFY(page.contains(QStringLiteral("<bdi>(")));
    // No amount outside a run of its own.
    static const QRegularExpression bare(QStringLiteral("<td[^>]*>(?!<bdi>)[^<]*\u062C"));
    const QRegularExpressionMatch found = bare.match(page);
    QVERIFY2(!found.hasMatch(), qPrintable(found.captured()));
}

void TestReport::htmlEncode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("quotes and markup") << "My \"house\" & <yard>" << "My &quot;house&quot; &amp; &lt;yard&gt;";
    QTest::newRow("apostrophe stays") << "O'Brien's" << "O'Brien's";
    QTest::newRow("entity not decoded") << "&amp;" << "&amp;amp;";
    QTest::newRow("others unchanged") << QStringLiteral("Caf\u00e9 \u2602 100% %s")
                                      << QStringLiteral("Caf\u00e9 \u2602 100% %s");
    QTest::newRow("control characters are spaces")
            << QString::fromUtf8("a\tb\nc\x1b[31m\x7f", 11) + QChar(0) << "a b c [31m  ";
    QTest::newRow("all four") << "\"&<>" << "&quot;&amp;&lt;&gt;";
}

void TestReport::htmlEncode()
{
    QFETCH(QString, text);
    QFETCH(QString, encoded);
    QCOMPARE(::htmlEncode(text), encoded);
}

void TestReport::descriptionAndLendersAreEncoded()
{
    DealRecord record = ProfileStore::firstRunRecord();
    record.m_description = QStringLiteral("My \"house\" & <yard>, Sam's %2");
    record.m_lender[0] = QStringLiteral("<b>Bank</b>");
    record.m_lender[2] = QStringLiteral("A & B \"Loans\" %s %d %1 %6");
    record.m_lender[4] = QStringLiteral("O'Neil");
    const QString page = pageOf(record, AppSettings::defaults());
    QVERIFY(page.contains(QStringLiteral(
            "    <td class=\"odd\" style=\"text-align:left\">"
            "My &quot;house&quot; &amp; &lt;yard&gt;, Sam's %2</td>\r\n")));
    QVERIFY(page.contains(QStringLiteral(
            "  <tr class=\"odd\" style=\"text-align:left\">\r\n"
            "    <td class=\"label\">Lender</td>\r\n"
            "    <td>&lt;b&gt;Bank&lt;/b&gt;</td>\r\n"
            "    <td></td>\r\n"
            "    <td>A &amp; B &quot;Loans&quot; %s %d %1 %6</td>\r\n"
            "    <td></td>\r\n"
            "    <td>O'Neil</td>\r\n"
            "  </tr>\r\n")));
}

void TestReport::unicodeDescriptionIsUtf8()
{
    // The page is UTF-8, as its head declares.
    DealRecord record = ProfileStore::firstRunRecord();
    record.m_description = QStringLiteral("Caf\u00e9 \u2013 \u00dcn\u00efcode \u2602");
    record.m_lender[1] = QStringLiteral("\u00c5se & S\u00f8n");
    const AppSettings settings = AppSettings::defaults();
    Report report(record, settings);
    report.setClock(fixedClock);
    QVERIFY(report.create(tempPath("ZANT.htm")));
    const QByteArray bytes = readAll(tempPath("ZANT.htm"));
    QVERIFY(bytes.contains("charset=utf-8"));
    QVERIFY(bytes.contains("text-align:left\">Caf\xC3\xA9 \xE2\x80\x93 \xC3\x9Cn\xC3\xAF"
                           "code \xE2\x98\x82</td>\r\n"));
    QVERIFY(bytes.contains("<td>\xC3\x85se &amp; S\xC3\xB8n</td>"));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
}

void TestReport::longTextsAreWrittenWhole()
{
    // No piece is cut, however long.
    DealRecord record = ProfileStore::firstRunRecord();
    record.m_description = QString(3000, QLatin1Char('d')) + QStringLiteral("<end>");
    for (int k = 0; k < MAX_LOANS; ++k)
        record.m_lender[k] = QString(1500, QLatin1Char('a' + k));
    AppSettings settings = AppSettings::defaults();
    settings.m_fontName = QString(2000, QLatin1Char('f'));
    const QString page = pageOf(record, settings);
    QVERIFY(page.contains(QString(3000, QLatin1Char('d')) + QStringLiteral("&lt;end&gt;</td>")));
    for (int k = 0; k < MAX_LOANS; ++k)
        QVERIFY(page.contains(QStringLiteral("<td>") + QString(1500, QLatin1Char('a' + k))
                              + QStringLiteral("</td>")));
    QVERIFY(page.contains(QStringLiteral("  font-family: ") + QString(2000, QLatin1Char('f'))
                          + QStringLiteral(";\r\n  font-size: small;\r\n")));
    QVERIFY(page.endsWith(QStringLiteral("</html>\r\n")));
}

void TestReport::colorToHtml_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<QString>("html");
    QTest::newRow("black") << quint32(0x000000) << "#000000";
    QTest::newRow("red is the low byte") << quint32(0x0000FF) << "#ff0000";
    QTest::newRow("green") << quint32(0x00FF00) << "#00ff00";
    QTest::newRow("blue is the third byte") << quint32(0xFF0000) << "#0000ff";
    QTest::newRow("labels default") << quint32(0xCCFFFF) << "#ffffcc";
    QTest::newRow("odd rows default") << quint32(0xEEEEEE) << "#eeeeee";
    QTest::newRow("odd calc default") << quint32(0xFFFFCC) << "#ccffff";
    QTest::newRow("lower case, order r g b") << quint32(0xABCDEF) << "#efcdab";
    QTest::newRow("all 32 bits set") << quint32(0xFFFFFFFF) << "#ffffff";
    QTest::newRow("bit 31 set") << quint32(0x80123456) << "#563412";
    QTest::newRow("custom marker bits") << quint32(0x7F0000FF) << "#ff0000";
}

void TestReport::colorToHtml()
{
    QFETCH(quint32, color);
    QFETCH(QString, html);
    QCOMPARE(::colorToHtml(color), html);
}

void TestReport::colorsWithHighBitsInTheHead()
{
    AppSettings settings = AppSettings::defaults();
    settings.m_labelsColor = 0xFFFFFFFF;
    settings.m_oddRowsColor = 0x80123456;
    settings.m_evenRowsColor = 0x00010203;
    settings.m_oddRowsCalcColor = 0x7FABCDEF;
    const QString page = pageOf(ProfileStore::firstRunRecord(), settings);
    QVERIFY(page.contains(QStringLiteral(".label {\r\n  font-weight: bold;\r\n  text-align: left;"
                                         "\r\n  background-color: #ffffff;\r\n}")));
    QVERIFY(page.contains(QStringLiteral(".odd {\r\n  text-align: right;\r\n"
                                         "  background-color: #563412;\r\n}")));
    QVERIFY(page.contains(QStringLiteral(".even {\r\n  text-align: right;\r\n"
                                         "  background-color: #030201;\r\n}")));
    QVERIFY(page.contains(QStringLiteral("background-color: #efcdab;\r\n}\r\n.evencalc {\r\n"
                                         "  font-weight: bold;\r\n  text-align: right;\r\n"
                                         "  background-color: #030201;\r\n}")));
}

void TestReport::fontSettingsStayInsideTheStyle_data()
{
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<QString>("fontSize");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("size");
    QTest::newRow("first run") << "Tahoma,Arial,sans-serif" << "small"
                               << "Tahoma,Arial,sans-serif" << "small";
    QTest::newRow("quoted families")
        << "'Times New Roman', \"DejaVu Sans\", serif" << "12pt"
        << "'Times New Roman', \"DejaVu Sans\", serif" << "12pt";
    // "%" reaches the page as it is; no argument is read that was not passed.
    QTest::newRow("per cent signs") << "100% Sans %s %d %n %% %" << "120%"
                                    << "100% Sans %s %d %n %% %" << "120%";
    QTest::newRow("numbered") << "Sans %1 %3, %7 %10" << "%2"
                              << "Sans %1 %3, %7 %10" << "%2";
    QTest::newRow("placeholders") << "{FontSize}, Verdana" << "{FontSize}"
                                  << "FontSize, Verdana" << "FontSize";
    QTest::newRow("end of style") << "</style><script>alert(1)</script>" << "x</style>"
                                  << "stylescriptalert(1)script" << "xstyle";
    QTest::newRow("new rule") << "Arial\"; } body { color: red" << "1.2em;color:red"
                              << "Arial  body  color: red" << "1.2emcolorred";
    QTest::newRow("stray quote") << "O'Neil Sans, serif" << "large" << "ONeil Sans, serif"
                                 << "large";
    QTest::newRow("control characters") << QStringLiteral("Ari\x1b" "al\u2028/*") + QChar(0)
                                        << "medium\r\n" << "Arial" << "medium";
}

void TestReport::fontSettingsStayInsideTheStyle()
{
    QFETCH(QString, fontName);
    QFETCH(QString, fontSize);
    QFETCH(QString, family);
    QFETCH(QString, size);
    AppSettings settings = AppSettings::defaults();
    settings.m_fontName = fontName;
    settings.m_fontSize = fontSize;
    const QString page = pageOf(ProfileStore::firstRunRecord(), settings);
    QVERIFY2(page.contains(QStringLiteral("body {\r\n  font-family: %1;\r\n  font-size: %2;\r\n}\r\n")
                               .arg(family, size)),
             qPrintable(page.left(600)));
    QCOMPARE(page.count(QStringLiteral("</style>")), 1);
    QVERIFY(!page.contains(QStringLiteral("<script")));
    // The title still takes the product name, the table rule its one "%".
    QVERIFY(page.contains(QStringLiteral("<title>Zantoria</title>")));
    QVERIFY(page.contains(QStringLiteral("  width: 100%;\r\n")));
}

void TestReport::replacesAnEarlierReport()
{
    QVERIFY(writeAll(tempPath("ZANT.htm"), "an earlier report"));
    const QString page = pageOf(ProfileStore::firstRunRecord(), AppSettings::defaults());
    QVERIFY(page.startsWith(QStringLiteral("<!DOCTYPE html")));
    QCOMPARE(entries(), QStringList{QStringLiteral("ZANT.htm")});
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
