#include "core/appsettings.h"
#include "core/dealfields.h"
#include "core/dealrecord.h"
#include "core/localeservices.h"
#include "platform/profile.h"
#include "platform/profilestore.h"
#include "testdoubles.h"
#include "testrecords.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>

class TestProfileStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        LocaleServices::pinLocale(QStringLiteral("en_US"));
    }

    void emptyProfileGivesFirstRunValues();
    void writesEntriesInDisplayForm();
    void storedValuesReadBackUnchanged();
    void settingsProfileRoundTrip();
    void storedFiguresAreUsedAsShown_data();
    void storedFiguresAreUsedAsShown();
    void storedFigureTooLargeToShowIsKept();
    void storedTextLongerThanTheEditsIsKept();
    void profileKeepsTheDealsCurrency_data();
    void profileKeepsTheDealsCurrency();
    void assumptionsArePlainNumbersInEveryLocale_data();
    void assumptionsArePlainNumbersInEveryLocale();
};

void TestProfileStore::assumptionsArePlainNumbersInEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("read");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("told"); // the user is told the entry was not used
    QTest::newRow("falling market") << "en_US" << "Appreciation" << "-1.5" << -1.5 << "-1.5" << false;
    QTest::newRow("point in de_DE") << "de_DE" << "RentGrowth" << "2.5" << 2.5 << "2.5" << false;
    QTest::newRow("rate in eighths") << "fr_CH" << "TargetIrr" << "6.875" << 6.875 << "6.875" << false;
    QTest::newRow("used as shown") << "en_US" << "Vacancy" << "4.12345" << 4.123 << "4.123" << false;
    QTest::newRow("whole years") << "de_DE" << "HoldYears" << "20" << 20.0 << "20" << false;
    QTest::newRow("extra payment") << "ar_EG" << "ExtraPayment3" << "250.5" << 250.5 << "250.5" << false;
    QTest::newRow("negative extra payment") << "en_US" << "ExtraPayment1" << "-100" << -100.0 << "-100" << false;
    QTest::newRow("points in eighths") << "fr_CH" << "Points2" << "1.125" << 1.125 << "1.125" << false;
    QTest::newRow("lender fees") << "ar_EG" << "LenderFees4" << "1500.75" << 1500.75 << "1500.75" << false;
    QTest::newRow("lender fees in de_DE") << "de_DE" << "LenderFees5" << "995" << 995.0 << "995" << false;
    // An entry the program cannot use keeps the first-run figure and its stored text, and is told.
    QTest::newRow("not a number") << "en_US" << "HoldYears" << "ten" << 10.0 << "ten" << true;
    QTest::newRow("comma is no point") << "de_DE" << "RentGrowth" << "3,5" << 2.0 << "3,5" << true;
    QTest::newRow("beyond a double") << "en_US" << "DiscountRate" << "1e999" << 8.0 << "1e999" << true;
    QTest::newRow("too large to show") << "en_US" << "DiscountRate" << "1e200" << 8.0 << "1e200" << true;
    QTest::newRow("missing") << "en_US" << "" << "" << 0.0 << "" << false;
}

void TestProfileStore::assumptionsArePlainNumbersInEveryLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, entry);
    QFETCH(QString, stored);
    QFETCH(bool, told);
    LocaleServices::pinLocale(locale);
    MemoryProfile profile;
    if (!entry.isEmpty())
        profile.m_values.insert(QStringLiteral("Projection/") + entry, stored);
    DealRecord record;
    std::vector<ReadNotice> refused;
    ProfileStore::readRecord(profile, record, &refused);
    QCOMPARE(refused.size(), std::size_t(told));
    if (told)
        QVERIFY2(refused[0].message().contains(stored), qPrintable(refused[0].message()));
    MemoryProfile written;
    written.m_values = profile.m_values;
    ProfileStore::writeRecord(written, record, refused);
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    // Every other assumption has its first-run figure.
    forEachStoredField(projectionFields(), [&](const DealField &field, int loan) {
        const double figure = field.figure(record, loan).m_value;
        const QString text = written.m_values.value(QStringLiteral("Projection/") + field.entry(loan));
        if (field.entry(loan) == entry) {
            QTEST(figure, "read");
            QTEST(text, "written");
        } else {
            QCOMPARE(figure, field.firstRunText().toDouble());
            QCOMPARE(text, field.firstRunText());
        }
    });
}

void TestProfileStore::profileKeepsTheDealsCurrency_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("dollars in de_DE") << "LC_MONETARY=en_US LC_NUMERIC=en_US" << "USD" << "de_DE"
                                      << "USD" << QStringLiteral("425.000,00\u00a0$");
    QTest::newRow("francs in ar_EG") << "LC_MONETARY=fr_CH LC_NUMERIC=fr_CH" << "CHF" << "ar_EG"
                                     << "CHF" << QStringLiteral("\u061c425,000.00\u00a0CHF");
    // An earlier profile names none: the currency of the locale its figures were written in.
    QTest::newRow("older, written in de_DE") << "LC_MONETARY=de_DE LC_NUMERIC=de_DE" << QString()
                                             << "en_US" << "EUR" << QStringLiteral("\u20ac425,000.00");
    QTest::newRow("older still, no locale") << QString() << QString() << "fr_CH" << "CHF"
                                            << QStringLiteral("425\u202f000.00\u00a0CHF");
    QTest::newRow("a code no one knows") << QString() << "ZZZ" << "de_DE" << "EUR"
                                         << QStringLiteral("425.000,00\u00a0\u20ac");
}

void TestProfileStore::profileKeepsTheDealsCurrency()
{
    QFETCH(QString, locale);
    QFETCH(QString, currency);
    QFETCH(QString, reader);
    QFETCH(QString, expected);
    const QString section = QStringLiteral("ZANT");
    LocaleServices::pinLocale(locale.isEmpty() ? reader : locale.section(QLatin1Char('='), 1, 1).left(5));
    DealRecord record;
    record.m_currency = currency.isEmpty() || currency == QLatin1String("ZZZ") ? QString() : currency;
    record.m_purchasePrice.m_value = 425000;
    MemoryProfile profile;
    ProfileStore::writeRecord(profile, record);
    for (const auto &[entry, text] : {std::pair{QStringLiteral("Locale"), locale},
                                      std::pair{QStringLiteral("Currency"), currency}}) {
        if (text.isEmpty())
            profile.m_values.remove(section + QLatin1Char('/') + entry);
        else
            profile.writeString(section, entry, text);
    }

    LocaleServices::pinLocale(reader);
    DealRecord back;
    ProfileStore::readRecord(profile, back);
    QCOMPARE(back.m_currency, expected);
    QCOMPARE(back.m_purchasePrice.m_value, 425000.0);
    QTEST(back.m_purchasePrice.format(back.m_currency), "shown");
    ProfileStore::writeRecord(profile, back);
    QCOMPARE(profile.readString(section, QStringLiteral("Currency")), expected);
    LocaleServices::pinLocale(QStringLiteral("en_US"));
}

void TestProfileStore::storedTextLongerThanTheEditsIsKept()
{
    const QString section = QStringLiteral("ZANT");
    const QString longest(1000, QLatin1Char('d'));
    const QString tooLong(20 * 1024 * 1024, QLatin1Char('x'));
    MemoryProfile profile;
    profile.writeString(section, QStringLiteral("Description"), tooLong);
    profile.writeString(section, QStringLiteral("Lender1"), longest);
    profile.writeString(section, QStringLiteral("Lender2"), tooLong);
    DealRecord record;
    std::vector<ReadNotice> refused;
    ProfileStore::readRecord(profile, record, &refused);
    QCOMPARE(record.m_description, QString());
    QCOMPARE(record.m_lender[0], longest);
    QCOMPARE(record.m_lender[1], QString());
    QCOMPARE(int(refused.size()), 2);
    QCOMPARE(refused[0].message(),
             QStringLiteral("The saved text of the description is longer than 1,000 characters "
                            "(20971520); it was not used, and stays saved as it was until you "
                            "enter another."));
    QVERIFY(refused[1].message().startsWith(QStringLiteral("The saved text of the lender of loan 2 ")));

    // Never cut nor lost: kept until the user enters another text.
    record.m_lender[1] = QStringLiteral("Typed");
    ProfileStore::writeRecord(profile, record, refused);
    QCOMPARE(profile.readString(section, QStringLiteral("Description")), tooLong);
    QCOMPARE(profile.readString(section, QStringLiteral("Lender2")), QStringLiteral("Typed"));
}

void TestProfileStore::storedFiguresAreUsedAsShown_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("used");
    QTest::newRow("term of 15.5 years") << "Term1" << "15.5" << 15.0;
    QTest::newRow("term of 0.01 years") << "Term1" << "0.01" << 0.0;
    QTest::newRow("term of 29.995 years") << "Term1" << "29.995" << 30.0;
    QTest::newRow("price with a tenth of a cent") << "PurchasePrice" << "$100.125" << 100.13;
}

void TestProfileStore::storedFiguresAreUsedAsShown()
{
    QFETCH(QString, entry);
    QFETCH(QString, stored);
    QFETCH(double, used);
    MemoryProfile profile;
    profile.writeString(QStringLiteral("ZANT"), entry, stored);
    DealRecord record;
    ProfileStore::readRecord(profile, record);
    QCOMPARE(entry == QLatin1String("Term1") ? record.m_term[0].m_value : record.m_purchasePrice.m_value,
             used);
}

void TestProfileStore::storedFigureTooLargeToShowIsKept()
{
    const QString section = QStringLiteral("ZANT");
    const QString huge = QStringLiteral("$1") + QString(130, QLatin1Char('0')) + QStringLiteral(".00");
    MemoryProfile profile;
    profile.writeString(section, QStringLiteral("PurchasePrice"), huge);
    profile.writeString(section, QStringLiteral("PMI3"), huge);
    DealRecord record;
    std::vector<ReadNotice> refused;
    ProfileStore::readRecord(profile, record, &refused);
    // The first-run figure stands in, never 0, and the user is told which field it was.
    QCOMPARE(record.m_purchasePrice.m_value, 200000.0);
    QCOMPARE(record.m_pmi[2].m_value, 0.0);
    QCOMPARE(int(refused.size()), 2);
    QVERIFY(refused[0].message().contains(QStringLiteral("for the purchase price is too large to show")));
    QVERIFY(refused[1].message().contains(QStringLiteral("for the PMI of loan 3 is too large to show")));

    // Left alone, the stored figure stays as it was; a figure the user typed replaces it.
    record.m_pmi[2].m_value = 55;
    ProfileStore::writeRecord(profile, record, refused);
    QCOMPARE(profile.readString(section, QStringLiteral("PurchasePrice")), huge);
    QCOMPARE(profile.readString(section, QStringLiteral("PMI3")), QStringLiteral("$55.00"));
}

void TestProfileStore::emptyProfileGivesFirstRunValues()
{
    MemoryProfile profile;
    AppSettings settings;
    DealRecord record;
    ProfileStore::readSettings(profile, settings);
    ProfileStore::readRecord(profile, record);

    QCOMPARE(settings, ProfileStore::defaultSettings());
    QCOMPARE(settings.m_labelsColor, BgrColor(0xCCFFFF));
    QCOMPARE(settings.m_oddRowsCalcColor, BgrColor(0xFFFFCC));
    QCOMPARE(record.m_description, QString());
    QCOMPARE(record.m_purchasePrice.m_value, 200000.0);
    QCOMPARE(record.m_rentalIncome.m_value, 2000.0);
    QCOMPARE(record.m_escrow.m_value, 0.0);
    QCOMPARE(record.m_otherFees.m_value, 0.0);
    QCOMPARE(record.m_safetyMargin.m_value, 0.0);
    for (int k = 0; k < MAX_LOANS; ++k) {
        QCOMPARE(record.m_lender[k], QString());
        QCOMPARE(record.m_downPayment[k].m_value, 20000.0);
        QCOMPARE(record.m_interestRate[k].m_value, 7.0);
        QCOMPARE(record.m_term[k].m_value, 30.0);
        QCOMPARE(record.m_pmi[k].m_value, 0.0);
    }
    QCOMPARE(record.m_shownLoan, 0);
}

void TestProfileStore::writesEntriesInDisplayForm()
{
    MemoryProfile profile;
    AppSettings settings = AppSettings::defaults();
    DealRecord record;
    ProfileStore::readRecord(profile, record);
    record.m_otherFees.m_value = 125;
    record.m_shownLoan = 3;
    ProfileStore::writeSettings(profile, settings);
    ProfileStore::writeRecord(profile, record);

    // The deal's 40 entries and the holding period's 45, in a group of their own as plain numbers.
    QCOMPARE(profile.m_values.size(), 85);
    QCOMPARE(profile.m_values.value("Projection/RefinanceTerm"), QStringLiteral("30"));
    QCOMPARE(profile.m_values.value("Projection/LandShare"), QStringLiteral("20"));
    QCOMPARE(profile.m_values.value("Projection/HoldYears"), QStringLiteral("10"));
    QCOMPARE(profile.m_values.value("Projection/PmiEndLtv"), QStringLiteral("78"));
    QCOMPARE(profile.m_values.value("Projection/BearVacancy"), QStringLiteral("10"));
    QCOMPARE(profile.m_values.value("Projection/ExtraPayment5"), QStringLiteral("0"));
    QCOMPARE(profile.m_values.value("Projection/Points3"), QStringLiteral("0"));
    QCOMPARE(profile.m_values.value("Projection/LenderFees5"), QStringLiteral("0"));
    QCOMPARE(profile.m_values.value("ZANT/Currency"), QStringLiteral("USD"));
    QCOMPARE(profile.m_values.value("ZANT/LabelsColor"), QStringLiteral("13434879"));
    QCOMPARE(profile.m_values.value("ZANT/OddRowsCalcColor"), QStringLiteral("16777164"));
    QCOMPARE(profile.m_values.value("ZANT/FontName"), QStringLiteral("Tahoma,Arial,sans-serif"));
    QCOMPARE(profile.m_values.value("ZANT/PurchasePrice"), QStringLiteral("$200,000.00"));
    QCOMPARE(profile.m_values.value("ZANT/SafetyMargin"), QStringLiteral("0.00%"));
    QCOMPARE(profile.m_values.value("ZANT/InterestRate5"), QStringLiteral("7.00%"));
    QCOMPARE(profile.m_values.value("ZANT/Term3"), QStringLiteral("30"));
    QCOMPARE(profile.m_values.value("ZANT/PMI1"), QStringLiteral("$0.00"));
    QCOMPARE(profile.m_values.value("ZANT/Locale"), QStringLiteral("LC_MONETARY=en_US LC_NUMERIC=en_US"));
    QVERIFY(profile.m_values.contains("ZANT/Lender5"));
    QCOMPARE(profile.m_values.value("ZANT/OtherFees"), QStringLiteral("$125.00"));
    QVERIFY(!profile.m_values.contains("ZANT/Lender6"));
}

// Each run reads the profile the run before wrote, in another locale each time: the figures
// stay what they were.
void TestProfileStore::storedValuesReadBackUnchanged()
{
    MemoryProfile profile;
    AppSettings settings{QStringLiteral("xcalc -x"), QStringLiteral("Georgia, serif"),
                          QStringLiteral("x-large"), 0x12345678, 0xFFFFFFFF, 0x80000005, 0};
    DealRecord record;
    record.m_description = QString::fromUtf8("Café – Ünïcode ☂, \"quoted\"");
    record.m_purchasePrice.m_value = 350000.5;
    record.m_rentalIncome.m_value = 2450.75;
    record.m_otherFees.m_value = 149.99;
    record.m_safetyMargin.m_value = 12.5;
    for (int k = 0; k < MAX_LOANS; ++k) {
        record.m_lender[k] = QStringLiteral("Lender #%1; a=b").arg(k);
        record.m_downPayment[k].m_value = 10000 * (k + 1) + 0.05;
        record.m_interestRate[k].m_value = 5.25 + k;
        record.m_term[k].m_value = 10 + 5 * k;
        record.m_pmi[k].m_value = 12.34 * k;
    }
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    ProfileStore::writeSettings(profile, settings);
    ProfileStore::writeRecord(profile, record);
    for (const char *locale : {"de_DE", "fr_CH", "ar_EG", "de_CH", "en_US"}) {
        LocaleServices::pinLocale(QString::fromLatin1(locale));
        AppSettings settingsBack;
        DealRecord recordBack;
        ProfileStore::readSettings(profile, settingsBack);
        ProfileStore::readRecord(profile, recordBack);
        QCOMPARE(settingsBack, settings);
        compareRecords(recordBack, record);
        ProfileStore::writeRecord(profile, recordBack);
    }

    // A profile that names no locale, or one ICU does not know, is read in the user's own.
    LocaleServices::pinLocale(QStringLiteral("de_DE"));
    ProfileStore::writeRecord(profile, record);
    for (const QString &stored : {QString(), QStringLiteral("LC_MONETARY=xx_YY LC_NUMERIC=en_US")}) {
        profile.writeString(QStringLiteral("ZANT"), QStringLiteral("Locale"), stored);
        DealRecord recordBack;
        ProfileStore::readRecord(profile, recordBack);
        compareRecords(recordBack, record);
    }
    LocaleServices::pinLocale(QStringLiteral("en_US"));
}

void TestProfileStore::settingsProfileRoundTrip()
{
    const QString name = QStringLiteral("zantoria-profile-test");
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quenwick", name).clear();
        SettingsProfile profile(name);
        QVERIFY(profile.fileName().endsWith(QStringLiteral("Quenwick/") + name + ".conf"));
        QCOMPARE(profile.readString("ZANT", "Missing", "fallback"), QStringLiteral("fallback"));
        QCOMPARE(profile.readInt("ZANT", "Missing", 42), 42);
        profile.writeString("ZANT", "FontName", "Tahoma,Arial,sans-serif");
        profile.writeInt("ZANT", "EvenRowsColor", std::int32_t(0xFFFFFFFF));
        profile.writeString("ZANT", "Odd", "not a number");
        QVERIFY(profile.flush());
    }
    SettingsProfile profile(name);
    QCOMPARE(profile.readString("ZANT", "FontName"), QStringLiteral("Tahoma,Arial,sans-serif"));
    QCOMPARE(BgrColor(profile.readInt("ZANT", "EvenRowsColor", 0)), BgrColor(0xFFFFFFFF));
    QCOMPARE(profile.readInt("ZANT", "Odd", 7), 7);
}

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profilestore.moc"
