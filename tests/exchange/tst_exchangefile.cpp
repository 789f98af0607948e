#include "core/dealrecord.h"
#include "core/figurelocales.h"
#include "exchange/exchangefile.h"
#include "textio/fileexception.h"
#include "core/loananalysis.h"
#include "core/localeservices.h"
#include "platform/profilestore.h"
#include "core/readnotice.h"
#include "textio/stdiofile.h"
#include "testfiles.h"
#include "testrecords.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

std::optional<ImportError> importBytes(DealRecord &record, const QByteArray &bytes,
                                        std::vector<ReadNotice> *notices = nullptr)
{
    StdioFile file = StdioFile::fromBytes(bytes, QStringLiteral("/deals/test.zant"));
    return ExchangeFile::read(record, file, notices);
}

// The figure of a record that a test names, by its file label.
Value &figureNamed(DealRecord &record, const QByteArray &label)
{
    if (label == "PurchasePrice")
        return record.m_purchasePrice;
    if (label == "OtherFees")
        return record.m_otherFees;
    if (label == "InterestRate2")
        return record.m_interestRate[1];
    if (label == "Term1")
        return record.m_term[0];
    return record.m_pmi[4];
}

// Every figure with at most two decimals and none between 0 and 0.1, so the texts keep them.
DealRecord filledRecord()
{
    DealRecord record;
    record.m_description = QStringLiteral("Duplex on Elm; \"corner\" = yes");
    record.m_purchasePrice.m_value = 412345.67;
    record.m_rentalIncome.m_value = 3150.5;
    record.m_escrow.m_value = 275.25;
    record.m_otherFees.m_value = 99.99;
    record.m_safetyMargin.m_value = 12.75;
    for (int k = 0; k < MAX_LOANS; ++k) {
        record.m_lender[k] = QStringLiteral("Lender %1 & Sons").arg(k + 1);
        record.m_downPayment[k].m_value = 20000.5 * (k + 1);
        record.m_interestRate[k].m_value = 4.25 + k;
        record.m_term[k].m_value = 10 + 5 * k;
        record.m_pmi[k].m_value = k == 0 ? 0 : 35.1 * k;
    }
    // Assumptions of every sign, some with a third decimal.
    int i = 0;
    forEachStoredField(projectionFields(), [&](const DealField &field, int loan) {
        Value &figure = field.figure(record, loan);
        figure.m_value = field.kind == FieldKind::WholeNumber ? 17
                       : field.kind == FieldKind::Money   ? 125.5 * loan
                       : (i % 3 == 0 && dynamic_cast<SignedPercentValue *>(&figure) ? -1 : 1) * (0.125 + i);
        ++i;
    });
    return record;
}

} // namespace

class TestExchangeFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { LocaleServices::pinLocale(QStringLiteral("en_US")); }
    void cleanupTestCase() { LocaleServices::pinLocale(QString()); }

    void exportsTheFirstRunLayout();
    void importReadsEntries();
    void importStopsAtDataErrors_data();
    void importStopsAtDataErrors();
    void errorMessages();
    void figuresAreUsedAsTheirFieldShowsThem_data();
    void figuresAreUsedAsTheirFieldShowsThem();
    void figuresTooLargeToShowAreRefused_data();
    void figuresTooLargeToShowAreRefused();
    void textsLongerThanTheEditsAreRefused_data();
    void textsLongerThanTheEditsAreRefused();
    void dealKeepsItsCurrency_data();
    void dealKeepsItsCurrency();
    void currencyOfAFileThatNamesNone_data();
    void currencyOfAFileThatNamesNone();
    void roundTrip_data();
    void roundTrip();
    void textsSurviveTheFile_data();
    void textsSurviveTheFile();
    void widerCharactersAreWrittenAsUtf8();
    void exportReplacesAtomically();
    void missingFileIsAFileError();
    void randomFilesNeverCrash();
    void projectionBlock_data();
    void projectionBlock();
    void comparedOffersAreKept_data();
    void comparedOffersAreKept();

private:
    QTemporaryDir m_dir;
};

void TestExchangeFile::exportsTheFirstRunLayout()
{
    const QString path = m_dir.filePath(QStringLiteral("first.zant"));
    QVERIFY(ExchangeFile::write(ProfileStore::firstRunRecord(), path));
    QByteArray expected = ";\r\n; Zantoria Import/Export file\r\n"
                          "; Locale: LC_MONETARY=en_US LC_NUMERIC=en_US\r\n; Currency: USD\r\n"
                          ";\r\n\r\n"
                          "Description = \r\nPurchasePrice = $200,000.00\r\n"
                          "RentalIncome = $2,000.00\r\nEscrow = $0.00\r\nOtherFees = $0.00\r\n"
                          "SafetyMargin = 0.00%\r\n";
    for (int n = 1; n <= 5; ++n)
        expected += QStringLiteral("\r\nLender%1 = \r\nDownPayment%1 = $20,000.00\r\n"
                                   "InterestRate%1 = 7.00%\r\nTerm%1 = 30\r\nPMI%1 = $0.00\r\n")
                        .arg(n)
                        .toLatin1();
    expected += "\r\n; Projection\r\n"
                "HoldYears = 10\r\nAppreciation = 3.00%\r\nRentGrowth = 2.00%\r\n"
                "ExpenseGrowth = 2.00%\r\nVacancy = 5.00%\r\nMaintenance = 5.00%\r\n"
                "CapitalReserve = 5.00%\r\nManagement = 0.00%\r\nClosingCosts = 3.00%\r\n"
                "SellingCosts = 6.00%\r\nDiscountRate = 8.00%\r\nPmiEndLtv = 78.00%\r\n"
                "TargetIrr = 10.00%\r\nBearAppreciation = 0.00%\r\nBearRentGrowth = 1.00%\r\n"
                "BearExpenseGrowth = 4.00%\r\nBearVacancy = 10.00%\r\n"
                "BullAppreciation = 5.00%\r\nBullRentGrowth = 4.00%\r\n"
                "BullExpenseGrowth = 2.00%\r\nBullVacancy = 3.00%\r\n";
    // Each offer's assumptions field by field: all extra payments, all points, all lender fees.
    for (const char *line : {"ExtraPayment%1 = $0.00\r\n", "Points%1 = 0.00%\r\n", "LenderFees%1 = $0.00\r\n"}) {
        for (int n = 1; n <= 5; ++n)
            expected += QString::fromLatin1(line).arg(n).toLatin1();
    }
    // The taxes and the refinance, after where the choice of the offers compared would stand.
    expected += "LandShare = 20.00%\r\nIncomeTaxRate = 24.00%\r\nCapitalGainsRate = 15.00%\r\n"
                "RecaptureRate = 25.00%\r\nRefinanceYear = 0\r\nRefinanceLtv = 75.00%\r\n"
                "RefinanceRate = 6.00%\r\nRefinanceTerm = 30\r\nRefinanceCosts = 2.00%\r\n";
    const QByteArray written = readAll(path);
    QCOMPARE(written, expected);
    QCOMPARE(written.count("\r\n"), 89);

    // A choice of the offers compared stands between the offers' figures and the taxes.
    DealRecord chosen = ProfileStore::firstRunRecord();
    chosen.m_compare = {true, true, false, true, false};
    QVERIFY(ExchangeFile::write(chosen, path));
    QVERIFY(readAll(path).contains("LenderFees5 = $0.00\r\nCompare1 = 1\r\nCompare2 = 1\r\nCompare3 = 0\r\n"
                                   "Compare4 = 1\r\nCompare5 = 0\r\nLandShare = 20.00%\r\n"));
}

void TestExchangeFile::importReadsEntries()
{
    DealRecord record = ProfileStore::firstRunRecord();
    const QByteArray file = "; comment\r\n"
                            "\r\n"
                            "   ;indented comment\n"
                            "purchaseprice=150000\r\n"
                            "Description = a=b\r\n"
                            "LENDER3 = X\r\n"
                            "\t Lender1 \t=\xa0 First\xa0" "Bank \xa0\r\n"
                            "Term1 = thirty\r\n"
                            "OtherFees = $1,250.75\r\n"
                            "InterestRate2 = 1\r\n"
                            "interestrate2 = 6.5%\r\n"
                            "Lender4 = ;not a comment\r\n"
                            "SafetyMargin = 10"; // no line end on the last line
    QVERIFY(!importBytes(record, file));
    QCOMPARE(record.m_purchasePrice.m_value, 150000.0);
    QCOMPARE(record.m_description, QStringLiteral("a=b"));
    QCOMPARE(record.m_lender[2], QStringLiteral("X"));
    QCOMPARE(record.m_lender[0], QString::fromUtf8("First\u00a0Bank"));
    QCOMPARE(record.m_term[0].m_value, 0.0);
    QCOMPARE(record.m_otherFees.m_value, 1250.75);
    QCOMPARE(record.m_interestRate[1].m_value, 6.5); // the later entry wins
    QCOMPARE(record.m_lender[3], QStringLiteral(";not a comment"));
    QCOMPARE(record.m_safetyMargin.m_value, 10.0);
    QCOMPARE(record.m_rentalIncome.m_value, 2000.0); // missing entries leave fields alone
    QCOMPARE(record.m_shownLoan, 0);

    DealRecord blank = ProfileStore::firstRunRecord();
    blank.m_description = QStringLiteral("kept");
    QVERIFY(!importBytes(blank, ";\r\n; only comments\r\n\r\n  \r\n"));
    QCOMPARE(blank.m_description, QStringLiteral("kept"));
    QVERIFY(!importBytes(blank, "Description =\r\n"));
    QCOMPARE(blank.m_description, QString());
}

void TestExchangeFile::importStopsAtDataErrors_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("line");
    QTest::newRow("Lender01") << QByteArray("Lender01 = X") << int(ImportError::UnrecognizedLabel) << 1;
    QTest::newRow("Lender0") << QByteArray(";\nLender0 = X") << int(ImportError::UnrecognizedLabel) << 2;
    QTest::newRow("Lender6") << QByteArray("Lender6 = X\n") << int(ImportError::UnrecognizedLabel) << 1;
    QTest::newRow("missing label on line 7")
        << QByteArray(";\n;\n;\n\nDescription = x\nEscrow = 1\n= 5\nEscrow = 2\n")
        << int(ImportError::MissingLabel) << 7;
    QTest::newRow("no equals") << QByteArray("Hello") << int(ImportError::UnrecognizedSyntax) << 1;
    QTest::newRow("unknown locale")
        << QByteArray(";\r\n; Locale: LC_MONETARY=xx_YY LC_NUMERIC=en_US\r\nPMI1 = 1\r\n")
        << int(ImportError::UnrecognizedLocale) << 2;
    QTest::newRow("locale line of another form")
        << QByteArray("Escrow = 1\r\n; Locale: de_DE\r\nEscrow = 2\r\n")
        << int(ImportError::UnrecognizedLocale) << 2;
    QTest::newRow("label not upper-cased beyond a-z")
        << QByteArray("Description = x\r\nDescr\xc4\xb1ption = y\r\n")
        << int(ImportError::UnrecognizedLabel) << 2;
}

void TestExchangeFile::importStopsAtDataErrors()
{
    QFETCH(QByteArray, file);
    QFETCH(int, kind);
    QFETCH(int, line);
    DealRecord record = ProfileStore::firstRunRecord();
    const std::optional<ImportError> error = importBytes(record, file);
    QVERIFY(error.has_value());
    QCOMPARE(int(error->kind), kind);
    QCOMPARE(error->line, line);
    QCOMPARE(record.m_escrow.m_value, file.contains("Escrow = 1") ? 1.0 : 0.0);

    // What came before the faulty line stays; nothing after it is read.
    DealRecord partial = ProfileStore::firstRunRecord();
    const auto stop = importBytes(partial, "Escrow = 300\r\nPMI2 = 45\r\nTerm5 = 20\r\n"
                                           "Bogus = 1\r\nEscrow = 999\r\n");
    QCOMPARE(stop->line, 4);
    QCOMPARE(partial.m_escrow.m_value, 300.0);
    QCOMPARE(partial.m_pmi[1].m_value, 45.0);
    QCOMPARE(partial.m_term[4].m_value, 20.0);
}

void TestExchangeFile::figuresAreUsedAsTheirFieldShowsThem_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("used");
    QTest::addColumn<QString>("shown");
    // What the field shows, read back: the window and the command line must agree on it.
    QTest::newRow("term of 15.5 years") << QByteArray("Term1") << QByteArray("15.5") << 15.0 << "15";
    QTest::newRow("term of 15.999 years") << QByteArray("Term1") << QByteArray("15.999") << 16.0 << "16";
    QTest::newRow("term of 0.01 years") << QByteArray("Term1") << QByteArray("0.01") << 0.0 << "0";
    QTest::newRow("price of 100.125") << QByteArray("PurchasePrice") << QByteArray("100.125")
                                      << 100.13 << "$100.13";
    QTest::newRow("fees of 0.004") << QByteArray("OtherFees") << QByteArray("0.004") << 0.0 << "$0.00";
    QTest::newRow("PMI of 12.3456") << QByteArray("PMI5") << QByteArray("$12.3456") << 12.35 << "$12.35";
}

void TestExchangeFile::figuresAreUsedAsTheirFieldShowsThem()
{
    QFETCH(QByteArray, label);
    QFETCH(QByteArray, text);
    QFETCH(double, used);
    QFETCH(QString, shown);
    DealRecord record = ProfileStore::firstRunRecord();
    QVERIFY(!importBytes(record, label + " = " + text + "\r\n"));
    const Value &figure = figureNamed(record, label);
    QCOMPARE(figure.m_value, used);
    QCOMPARE(figure.format(record.m_currency), shown);
}

void TestExchangeFile::figuresTooLargeToShowAreRefused_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    const QByteArray huge = "1" + QByteArray(130, '0');
    QTest::newRow("price of 10^130")
        << QByteArray("PurchasePrice") << huge
        << QStringLiteral("Line 2: the figure %1\u2026 for the purchase price is too large to "
                          "show; it was not read.").arg(QString::fromLatin1(huge.left(39)));
    QTest::newRow("price of 10^100, 171 characters shown")
        << QByteArray("PurchasePrice") << "1" + QByteArray(100, '0')
        << QStringLiteral("Line 2: the figure 1%1\u2026 for the purchase price is too large to "
                          "show; it was not read.").arg(QString(38, QLatin1Char('0')));
    QTest::newRow("term of 10^400") << QByteArray("Term1") << "1" + QByteArray(400, '0')
                                    << QStringLiteral("Line 2: the figure 1%1\u2026 for the term of "
                                                      "loan 1 is too large to show; it was not read.")
                                           .arg(QString(38, QLatin1Char('0')));
    QTest::newRow("escape sequences are not passed on")
        << QByteArray("PMI5") << "\x1b]2;T\x07" + QByteArray(200, '9')
        << QStringLiteral("Line 2: the figure \ufffd]2;T\ufffd%1\u2026 for the PMI of loan 5 is "
                          "too large to show; it was not read.").arg(QString(33, QLatin1Char('9')));
    QTest::newRow("rate in exponent form past 1e128")
        << QByteArray("InterestRate2") << "9" + QByteArray(129, '9') + "%"
        << QStringLiteral("Line 2: the figure %1\u2026 for the interest rate of loan 2 is too "
                          "large to show; it was not read.").arg(QString(39, QLatin1Char('9')));
}

void TestExchangeFile::figuresTooLargeToShowAreRefused()
{
    QFETCH(QByteArray, label);
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    DealRecord record = ProfileStore::firstRunRecord();
    Value &figure = figureNamed(record, label);
    figure.m_value = 42;
    std::vector<ReadNotice> notices;
    // Never read as 0, and the lines around it are read as usual.
    QVERIFY(!importBytes(record, "Escrow = 10\r\n" + label + " = " + text + "\r\nRentalIncome = 900\r\n",
                         &notices));
    QCOMPARE(figure.m_value, 42.0);
    QCOMPARE(record.m_escrow.m_value, 10.0);
    QCOMPARE(record.m_rentalIncome.m_value, 900.0);
    QCOMPARE(int(notices.size()), 1);
    QCOMPARE(notices.front().message(), message);
}

void TestExchangeFile::textsLongerThanTheEditsAreRefused_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("message");
    QTest::newRow("description of 1,000") << QByteArray("Description") << 1000 << QString();
    QTest::newRow("description of 1,001")
        << QByteArray("Description") << 1001
        << "Line 2: the description is longer than 1,000 characters (1001); it was not read.";
    QTest::newRow("description of 4,000,000")
        << QByteArray("Description") << 4000000
        << "Line 2: the description is longer than 1,000 characters (4000000); it was not read.";
    QTest::newRow("lender of 1,000") << QByteArray("Lender4") << 1000 << QString();
    QTest::newRow("lender of 5,000")
        << QByteArray("Lender4") << 5000
        << "Line 2: the lender of loan 4 is longer than 1,000 characters (5000); it was not read.";
}

void TestExchangeFile::textsLongerThanTheEditsAreRefused()
{
    QFETCH(QByteArray, label);
    QFETCH(int, length);
    QFETCH(QString, message);
    DealRecord record = ProfileStore::firstRunRecord();
    QString &text = label == "Description" ? record.m_description : record.m_lender[3];
    text = QStringLiteral("before");
    const QByteArray stored(length, 'x');
    std::vector<ReadNotice> notices;
    QVERIFY(!importBytes(record, "Escrow = 10\r\n" + label + " = " + stored + "\r\nPMI1 = 7\r\n",
                         &notices));
    // Never cut: read whole or not at all; the rest of the file is read either way.
    QCOMPARE(text, message.isEmpty() ? QString::fromLatin1(stored) : QStringLiteral("before"));
    QCOMPARE(record.m_escrow.m_value, 10.0);
    QCOMPARE(record.m_pmi[0].m_value, 7.0);
    QCOMPARE(int(notices.size()), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(notices.front().message(), message);
}

void TestExchangeFile::dealKeepsItsCurrency_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("price");
    QTest::newRow("dollars written in en_US, read in de_DE")
        << "en_US" << "USD" << "de_DE" << QStringLiteral("412.345,67\u00a0$");
    QTest::newRow("dollars written in de_DE, read in fr_CH")
        << "de_DE" << "USD" << "fr_CH" << QStringLiteral("412\u202f345.67\u00a0$US");
    QTest::newRow("dollars written in fr_CH, read in ar_EG")
        << "fr_CH" << "USD" << "ar_EG" << QStringLiteral("\u061c412,345.67\u00a0US$");
    QTest::newRow("francs written in fr_CH, read in de_DE")
        << "fr_CH" << "CHF" << "de_DE" << QStringLiteral("412.345,67\u00a0CHF");
    QTest::newRow("pounds written in ar_EG, read in en_US")
        << "ar_EG" << "EGP" << "en_US" << QStringLiteral("EGP\u00a0412,345.67");
    QTest::newRow("euros written in de_DE, read in ar_EG")
        << "de_DE" << "EUR" << "ar_EG" << QStringLiteral("\u061c412,345.67\u20ac");
    QTest::newRow("pounds written in en_US, read in fr_CH")
        << "en_US" << "EGP" << "fr_CH" << QStringLiteral("412\u202f345.67\u00a0EGP");
}

// Exported in one locale and imported in another: the same figures, in the same currency, each
// in the reader's own form.
void TestExchangeFile::dealKeepsItsCurrency()
{
    QFETCH(QString, writer);
    QFETCH(QString, currency);
    QFETCH(QString, reader);
    const QString path = m_dir.filePath(QStringLiteral("currency.zant"));
    LocaleServices::pinLocale(writer);
    DealRecord written = filledRecord();
    written.m_currency = currency;
    QVERIFY(ExchangeFile::write(written, path));
    QVERIFY(readAll(path).contains("\r\n; Currency: " + currency.toLatin1() + "\r\n;\r\n"));

    LocaleServices::pinLocale(reader);
    DealRecord back = ProfileStore::firstRunRecord();
    QVERIFY(ExchangeFile::read(back, path, nullptr));
    QCOMPARE(back.m_currency, currency);
    compareRecords(back, written);
    QTEST(back.m_purchasePrice.format(back.m_currency), "price");
    // What the reader's window shows reads back as the same figure.
    CurrencyValue shown;
    shown.parse(back.m_purchasePrice.format(back.m_currency), FigureLocales::user(back.m_currency));
    QCOMPARE(shown.m_value, written.m_purchasePrice.m_value);
}

void TestExchangeFile::currencyOfAFileThatNamesNone_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<double>("price");
    // Older files: the currency of the locale the figures are read in.
    QTest::newRow("written in de_DE") << QByteArray("; Locale: LC_MONETARY=de_DE LC_NUMERIC=de_DE\r\n")
                                      << "EUR" << 1234.5;
    QTest::newRow("written in ja_JP") << QByteArray("; Locale: LC_MONETARY=ja_JP LC_NUMERIC=ja_JP\r\n")
                                      << "JPY" << 1235.0;
    QTest::newRow("no locale: the reader's") << QByteArray() << "CHF" << 1234.5;
    QTest::newRow("stated before the locale")
        << QByteArray("; Currency: USD\r\n; Locale: LC_MONETARY=de_DE LC_NUMERIC=de_DE\r\n")
        << "USD" << 1234.5;
}

void TestExchangeFile::currencyOfAFileThatNamesNone()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, currency);
    QFETCH(double, price);
    LocaleServices::pinLocale(QStringLiteral("fr_CH"));
    DealRecord record = ProfileStore::firstRunRecord();
    const QByteArray figure = header.contains("de_DE") ? "1.234,50" : "1234.50";
    QVERIFY(!importBytes(record, header + "PurchasePrice = " + figure + "\r\n"));
    QCOMPARE(record.m_currency, currency);
    // A yen deal shows whole yen, and is used so.
    QCOMPARE(record.m_purchasePrice.m_value, price);

    // A currency no one knows stops the import, as an unknown locale does.
    const auto error = importBytes(record, "Escrow = 1\r\n; Currency: XYZ\r\nEscrow = 2\r\n");
    QVERIFY(error.has_value());
    QCOMPARE(int(error->kind), int(ImportError::UnrecognizedCurrency));
    QCOMPARE(error->line, 2);
}

void TestExchangeFile::errorMessages()
{
    const QString path = QStringLiteral("/home/ann/Deals/elm.zant");
    QCOMPARE((ImportError{ImportError::UnrecognizedSyntax, 3}.message(path)),
             QStringLiteral("Unable to import '/home/ann/Deals/elm.zant' : Unrecognized syntax on line 3."));
    QCOMPARE((ImportError{ImportError::MissingLabel, 7}.message(path)),
             QStringLiteral("Unable to import '/home/ann/Deals/elm.zant' : Missing label on line 7."));
    QCOMPARE((ImportError{ImportError::UnrecognizedLabel, 12}.message(path)),
             QStringLiteral("Unable to import '/home/ann/Deals/elm.zant' : Unrecognized label on line 12."));
    QCOMPARE((ImportError{ImportError::UnrecognizedLocale, 3}.message(path)),
             QStringLiteral("Unable to import '/home/ann/Deals/elm.zant' : Unrecognized locale on line 3."));
    QCOMPARE((ImportError{ImportError::UnrecognizedCurrency, 4}.message(path)),
             QStringLiteral("Unable to import '/home/ann/Deals/elm.zant' : Unrecognized currency on line 4."));
    // The path is inserted as it is, whatever place markers it holds itself.
    const QString marked = QStringLiteral("/tmp/%1 %0 %L1 %2 %99.zant");
    QCOMPARE((ImportError{ImportError::MissingLabel, 4}.message(marked)),
             QStringLiteral("Unable to import '/tmp/%1 %0 %L1 %2 %99.zant' : Missing label on line 4."));
}

// Written in one locale, read in another: the file's locale line keeps the figures.
void TestExchangeFile::roundTrip_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("reader");
    QTest::newRow("en_US") << "en_US" << "en_US";
    QTest::newRow("en_US read in de_DE") << "en_US" << "de_DE";
    QTest::newRow("de_DE read in fr_CH") << "de_DE" << "fr_CH";
    QTest::newRow("fr_CH read in ar_EG") << "fr_CH" << "ar_EG";
    QTest::newRow("ar_EG read in pt_CV") << "ar_EG" << "pt_CV";
    QTest::newRow("pt_CV read in en_US") << "pt_CV" << "en_US";
}

void TestExchangeFile::roundTrip()
{
    QFETCH(QString, writer);
    QFETCH(QString, reader);
    LocaleServices::pinLocale(writer);
    const QString path = m_dir.filePath(writer + QStringLiteral(".zant"));
    const DealRecord original = filledRecord();
    QVERIFY(ExchangeFile::write(original, path));
    LocaleServices::pinLocale(reader);
    DealRecord back;
    QVERIFY(ExchangeFile::read(back, path, nullptr));
    compareRecords(back, original);
    if (writer == QLatin1String("de_DE")) // the euro sign makes it a UTF-8 file
        QVERIFY(readAll(path).contains("PurchasePrice = 412.345,67\xc2\xa0\xe2\x82\xac\r\n"));

    // Without its locale line the file is read in the reader's own locale, as before.
    QByteArray bytes = readAll(path);
    bytes.replace("; Locale:", ";");
    DealRecord own;
    QVERIFY(!importBytes(own, bytes));
    QCOMPARE(own.m_rentalIncome.m_value == original.m_rentalIncome.m_value,
             LocaleServices::moneyConventions(writer).point
                 == LocaleServices::moneyConventions(reader).point);
}

// Whatever a user types or pastes into a text comes back, but for control characters, which
// are spaces, and white space at the ends.
void TestExchangeFile::textsSurviveTheFile_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("back");
    QTest::newRow("line ends") << "Elm St\r\nUnit 4\nBack\rhouse" << "Elm St  Unit 4 Back house";
    QTest::newRow("end of file mark and escape") << "a\x1a b\x1b[1m\x7f" << "a  b [1m";
    QTest::newRow("NUL") << QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b") << "a b";
    QTest::newRow("one-byte form reads as UTF-8") << QString::fromUtf8("Ã©tage") << QString::fromUtf8("Ã©tage");
    QTest::newRow("ends trimmed") << QStringLiteral(" \t Elm = 5; x \u00a0") << "Elm = 5; x";
    QTest::newRow("wide") << QString::fromUtf8("Maison ☂ 中 \xF0\x9F\x8F\xA0") << QString::fromUtf8("Maison ☂ 中 \xF0\x9F\x8F\xA0");
}

void TestExchangeFile::textsSurviveTheFile()
{
    QFETCH(QString, text);
    QFETCH(QString, back);
    DealRecord record = filledRecord();
    record.m_description = text;
    record.m_lender[4] = text;
    const QString path = m_dir.filePath(QStringLiteral("texts.zant"));
    QVERIFY(ExchangeFile::write(record, path));
    DealRecord read;
    QVERIFY(ExchangeFile::read(read, path, nullptr));
    QCOMPARE(read.m_description, back);
    QCOMPARE(read.m_lender[4], back);
    QCOMPARE(read.m_pmi[4].m_value, record.m_pmi[4].m_value); // nothing after the text is lost
}

void TestExchangeFile::widerCharactersAreWrittenAsUtf8()
{
    // Characters up to U+00FF keep their one-byte form exactly.
    DealRecord latin = ProfileStore::firstRunRecord();
    latin.m_description = QString::fromUtf8("Café £5\u00a0000");
    const QString latinPath = m_dir.filePath(QStringLiteral("latin.zant"));
    QVERIFY(ExchangeFile::write(latin, latinPath));
    QVERIFY(readAll(latinPath).contains("Description = Caf\xe9 \xa3" "5\xa0" "000\r\n"));
    DealRecord latinBack;
    QVERIFY(ExchangeFile::read(latinBack, latinPath, nullptr));
    QCOMPARE(latinBack.m_description, latin.m_description);

    DealRecord wide = ProfileStore::firstRunRecord();
    wide.m_lender[0] = QString::fromUtf8("Τράπεζα Πειραιώς");
    wide.m_lender[1] = QString::fromUtf8("中国银行");
    wide.m_description = QString::fromUtf8("Café");
    const QString widePath = m_dir.filePath(QStringLiteral("wide.zant"));
    QVERIFY(ExchangeFile::write(wide, widePath));
    const QByteArray bytes = readAll(widePath);
    QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
    QVERIFY(bytes.contains("Lender2 = \xe4\xb8\xad\xe5\x9b\xbd\xe9\x93\xb6\xe8\xa1\x8c\r\n"));
    QVERIFY(bytes.contains("Description = Caf\xc3\xa9\r\n"));
    DealRecord back;
    QVERIFY(ExchangeFile::read(back, widePath, nullptr));
    compareRecords(back, wide);
}

void TestExchangeFile::exportReplacesAtomically()
{
    const QString path = m_dir.filePath(QStringLiteral("replace.zant"));
    QVERIFY(writeAll(path, "old contents\r\n"));
    QVERIFY(ExchangeFile::write(filledRecord(), path));
    QVERIFY(readAll(path).startsWith(";\r\n; Zantoria Import/Export file"));

    // A folder of that name cannot be replaced: a file error, and the folder stays.
    const QString folder = m_dir.filePath(QStringLiteral("a-folder.zant"));
    QVERIFY(QDir().mkdir(folder));
    QString error;
    QVERIFY(!ExchangeFile::write(filledRecord(), folder, &error));
    QCOMPARE(error, QStringLiteral("Access to %1 was denied.").arg(folder));
    QVERIFY(QFileInfo(folder).isDir());
}

// A file that cannot be read and a faulty line are both told by a message that quotes the path;
// only the faulty line leaves what was read before it.
void TestExchangeFile::missingFileIsAFileError()
{
    DealRecord record = ProfileStore::firstRunRecord();
    const QString path = m_dir.filePath(QStringLiteral("missing.zant"));
    QString error;
    bool faultyLine = true;
    QVERIFY(!ExchangeFile::read(record, path, &error, nullptr, &faultyLine));
    QCOMPARE(error, path + QStringLiteral(" was not found."));
    QVERIFY(!faultyLine);

    faultyLine = true;
    QVERIFY(!ExchangeFile::read(record, m_dir.path(), &error, nullptr, &faultyLine));
    QCOMPARE(error, QStringLiteral("Access to %1 was denied.").arg(m_dir.path()));
    QVERIFY(!faultyLine);

    const QString faulty = m_dir.filePath(QStringLiteral("faulty.zant"));
    QVERIFY(writeAll(faulty, "Lender1 = Elm Bank\r\nno equals sign\r\n"));
    QVERIFY(!ExchangeFile::read(record, faulty, &error, nullptr, &faultyLine));
    QCOMPARE(error, QStringLiteral("Unable to import '%1' : Unrecognized syntax on line 2.").arg(faulty));
    QVERIFY(faultyLine);
    QCOMPARE(record.m_lender[0], QStringLiteral("Elm Bank"));
}

void TestExchangeFile::randomFilesNeverCrash()
{
    // Fuzz-style: mutations of a real export and random bytes all import without a crash, and
    // each either succeeds or names a line that exists.
    const QString path = m_dir.filePath(QStringLiteral("seed.zant"));
    QVERIFY(ExchangeFile::write(filledRecord(), path));
    const QByteArray seed = readAll(path);
    QRandomGenerator random(20261209);
    const QByteArray alphabet("=;\r\n\t \xa0\x1a\xc3\xa9\xe2\x82\xac" "0123456789.,$%-()abcLENDER");
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = round % 3 == 0 ? QByteArray() : seed;
        const int edits = 1 + int(random.bounded(20));
        for (int e = 0; e < edits; ++e) {
            const int at = bytes.isEmpty() ? 0 : int(random.bounded(bytes.size()));
            const char c = round % 2 ? char(random.bounded(256))
                                     : alphabet.at(int(random.bounded(alphabet.size())));
            switch (random.bounded(3)) {
            case 0:
                bytes.insert(at, c);
                break;
            case 1:
                if (!bytes.isEmpty())
                    bytes.remove(at, 1 + int(random.bounded(8)));
                break;
            default:
                if (!bytes.isEmpty())
                    bytes[at] = c;
            }
        }
        DealRecord record;
        const auto error = importBytes(record, bytes);
        // LF, CR LF and a lone CR each end a line.
        const qsizetype lines = bytes.count('\n') + bytes.count('\r') - bytes.count("\r\n") + 1;
        if (error)
            QVERIFY2(error->line >= 1 && error->line <= lines, bytes.constData());
    }
}

void TestExchangeFile::projectionBlock_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<double>("appreciation");
    QTest::addColumn<double>("holdYears");
    QTest::addColumn<double>("extraPayment2");
    // A file of an earlier version has no block: the assumptions stay as they were.
    QTest::newRow("earlier file") << "en_US" << QByteArray() << 7.5 << 12.0 << 40.0;
    QTest::newRow("falling market") << "en_US" << QByteArray("Appreciation = -1.25%\r\n") << -1.25 << 12.0 << 40.0;
    QTest::newRow("de_DE") << "de_DE"
                           << QByteArray("Appreciation = \xe2\x88\x92" "2,5 %\r\nHoldYears = 30\r\n"
                                         "ExtraPayment2 = 1.250,50 \xe2\x82\xac\r\n")
                           << -2.5 << 30.0 << 1250.5;
    QTest::newRow("labels in any case") << "en_US" << QByteArray("holdyears = 5\r\nEXTRAPAYMENT2 = $9.99\r\n")
                                        << 7.5 << 5.0 << 9.99;
    // A figure that does not parse reads as every figure does.
    QTest::newRow("not a number") << "en_US" << QByteArray("Appreciation = n/a\r\n") << 0.0 << 12.0 << 40.0;
    // A negative extra payment stays negative, so that the projection names it.
    QTest::newRow("negative extra payment") << "en_US" << QByteArray("ExtraPayment2 = -$250.00\r\n")
                                            << 7.5 << 12.0 << -250.0;
    QTest::newRow("CR line ends only") << "en_US" << QByteArray("HoldYears = 5\rExtraPayment2 = 7\r")
                                       << 7.5 << 5.0 << 7.0;
}

void TestExchangeFile::projectionBlock()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, lines);
    LocaleServices::pinLocale(locale);
    DealRecord record = ProfileStore::firstRunRecord();
    record.m_projection.m_market.m_appreciation.m_value = 7.5;
    record.m_projection.m_holdYears.m_value = 12;
    record.m_extraPayment[1].m_value = 40;
    const QByteArray file = "; Zantoria Import/Export file\r\nPurchasePrice = 1\r\n\r\n; Projection\r\n" + lines;
    QVERIFY(!importBytes(record, file));
    QTEST(record.m_projection.m_market.m_appreciation.m_value, "appreciation");
    QTEST(record.m_projection.m_holdYears.m_value, "holdYears");
    QTEST(record.m_extraPayment[1].m_value, "extraPayment2");
    QCOMPARE(record.m_projection.m_bear.m_vacancy.m_value, 10.0);
    const QString problem = extraPaymentProblem(record, 1);
    QCOMPARE(problem.isEmpty(), record.m_extraPayment[1].m_value >= 0);
    if (!problem.isEmpty())
        QVERIFY(analyze(record).loans[1].projection.years.empty());
}

// The offers compared: the program writes the user's choice as all five entries, or none while no
// choice is made; an entry read leaves its offer in or out, an offer without one follows the rule.
void TestExchangeFile::comparedOffersAreKept_data()
{
    QTest::addColumn<QByteArray>("lines");      // read after five offers someone filled in
    QTest::addColumn<QList<int>>("choice");      // -1: none, 0: left out, 1: compared
    QTest::newRow("no choice") << QByteArray() << QList<int>{-1, -1, -1, -1, -1};
    QTest::newRow("loan 2 left out") << QByteArray("Compare2 = 0\r\n") << QList<int>{-1, 0, -1, -1, -1};
    QTest::newRow("all five") << QByteArray("Compare1 = 1\r\nCompare2 = 0\r\nCompare3 = 1\r\ncompare4 = 0\r\nCOMPARE5 = 1\r\n")
                              << QList<int>{1, 0, 1, 0, 1};
}

void TestExchangeFile::comparedOffersAreKept()
{
    QFETCH(QByteArray, lines);
    QFETCH(QList<int>, choice);
    LocaleServices::pinLocale(QStringLiteral("de_DE"));
    DealRecord record = ProfileStore::firstRunRecord();
    for (int k = 0; k < MAX_LOANS; ++k)
        record.m_lender[k] = QStringLiteral("Bank %1").arg(k + 1);
    record.m_compare = {true, true, true, true, true}; // what the file does not say goes
    QVERIFY(!importBytes(record, "; Zantoria Import/Export file\r\n\r\n; Projection\r\n" + lines));
    for (int k = 0; k < MAX_LOANS; ++k)
        QCOMPARE(record.m_compare[std::size_t(k)].has_value() ? int(*record.m_compare[std::size_t(k)]) : -1, choice.at(k));
    // Written and read back, in another locale, as the user chose them.
    const QString path = m_dir.filePath(QStringLiteral("compared.zant"));
    QVERIFY(ExchangeFile::write(record, path, nullptr));
    LocaleServices::pinLocale(QStringLiteral("ar_EG"));
    DealRecord back = ProfileStore::firstRunRecord();
    QVERIFY(ExchangeFile::read(back, path, nullptr));
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    QCOMPARE(comparedOffers(back), comparedOffers(record));
    const bool chosen = choice != QList<int>(MAX_LOANS, -1);
    for (const auto &each : back.m_compare)
        QCOMPARE(each.has_value(), chosen);
}

QTEST_GUILESS_MAIN(TestExchangeFile)
#include "tst_exchangefile.moc"
