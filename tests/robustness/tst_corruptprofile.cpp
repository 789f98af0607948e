#include "apptestsupport.h"
#include "faulthelpers.h"
#include "platform/profilestore.h"
#include "core/localeservices.h"
#include "ui/maindialog.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace FaultTest;

// The profile file may be damaged by a crash, an editor or a full disk, or be no file at all.
// Start-up must go on with the defaults for whatever cannot be read, take every entry that can,
// and end by writing a sound profile with all 38 entries wherever a file can be written.
class TestCorruptProfile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    void damagedProfile_data();
    void damagedProfile();
    void truncatedProfile();
    void profileIsAFolder();
    void unreadableProfile();
};

namespace {

const QString Section = QStringLiteral("ZANT");
const QString DefaultCalc = ProfileStore::defaultSettings().m_calculatorCommand;
const QString DefaultPrice = QStringLiteral("$200,000.00");
constexpr std::uint32_t DefaultLabels = 13434879;

// What the program showed and held after start-up.
struct Started
{
    QString calc;
    BgrColor labels = 0;
    QString description;
    QString price;
    QString lender1;
    QString term3;
};

// Runs the program once, records what it started with and ends it with Exit.
Started runOnce(AppFixture &fixture)
{
    Started started;
    fixture.run([&](MainDialog &dlg) {
        started.description = editNamed(dlg, "editDescription")->text();
        started.price = editNamed(dlg, "editPurchasePrice")->text();
        started.lender1 = editNamed(dlg, "editLender")->text();
        started.term3 = dlg.record().m_term[2].format(dlg.record().m_currency);
        trigger(dlg, "actionExit");
    });
    started.calc = fixture.m_app->settings().m_calculatorCommand;
    started.labels = fixture.m_app->settings().m_labelsColor;
    return started;
}

// Puts bytes where the profile file lives and opens it afresh, as the next start would.
bool plantProfile(AppFixture &fixture, const QByteArray &bytes)
{
    const QString name = fixture.m_profile->fileName();
    if (!QDir().mkpath(QFileInfo(name).absolutePath()) || !writeAll(name, bytes))
        return false;
    fixture.reopenProfile();
    return true;
}

// The bytes of a literal, NUL bytes included.
template <std::size_t N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, qsizetype(N - 1));
}

// Bytes of no format at all, the same in every run: NUL, control characters, brackets, "=".
QByteArray garbage(int size)
{
    QByteArray bytes(size, '\0');
    std::uint32_t state = 12345;
    for (char &byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 16);
    }
    return bytes;
}

// The 38 entries the program keeps in its group.
QStringList programEntries()
{
    QStringList names = {"CalcCmd",       "FontName",      "FontSize",     "LabelsColor",
                         "EvenRowsColor", "OddRowsColor",  "OddRowsCalcColor", "Description",
                         "PurchasePrice", "RentalIncome",  "Escrow",       "SafetyMargin"};
    for (int n = 1; n <= 5; ++n) {
        for (const char *entry : {"Lender", "DownPayment", "InterestRate", "Term", "PMI"})
            names.append(QString::fromLatin1(entry) + QString::number(n));
    }
    return names;
}

// The file as written at shut-down: a sound INI file with the 38 entries in its group. Lines
// of a damaged file that read as entries of the group stay beside them (extraEntries).
void verifyWrittenProfile(const AppFixture &fixture, const Started &started,
                          bool extraEntries = false)
{
    // A copy under another name, so that what is checked comes from the disk and not from
    // QSettings' cache of the file in this process.
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath(QStringLiteral("written.conf"));
    QVERIFY(QFile::copy(fixture.m_profile->fileName(), copy));
    QSettings file(copy, QSettings::IniFormat);
    QCOMPARE(file.status(), QSettings::NoError);
    file.beginGroup(Section);
    const QStringList keys = file.childKeys();
    for (const QString &name : programEntries())
        QVERIFY2(keys.contains(name), qPrintable(name));
    if (!extraEntries)
        QCOMPARE(keys.size(), 40);
    QCOMPARE(file.value("CalcCmd").toString(), started.calc);
    QCOMPARE(file.value("LabelsColor").toLongLong(), qint64(started.labels));
    QCOMPARE(file.value("Description").toString(), started.description);
    QCOMPARE(file.value("PurchasePrice").toString(), started.price);
    QCOMPARE(file.value("Lender1").toString(), started.lender1);
    QCOMPARE(file.value("Term3").toString(), started.term3);
}

} // namespace

void TestCorruptProfile::damagedProfile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("calc");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("lender1");
    QTest::addColumn<QString>("term3");
    QTest::addColumn<uint>("labels");
    QTest::addColumn<bool>("extraEntries");

    QTest::newRow("binary garbage")
        << garbage(4096) << DefaultCalc << DefaultPrice << QString() << "30" << uint(DefaultLabels) << false;
    QTest::newRow("garbage after the group")
        << QByteArray("[ZANT]\nCalcCmd=xcalc\nPurchasePrice=\"$315,500.25\"\n") + garbage(2048)
        << "xcalc" << "$315,500.25" << QString() << "30" << uint(DefaultLabels) << true;
    QTest::newRow("invalid UTF-8")
        << QByteArray("[ZANT]\nCalcCmd=xcalc\nDescription=Caf\xE9 \xFF\xFE\xC3\n"
                      "Lender1=Elm Bank\nPurchasePrice=\"$315,500.25\"\nTerm3=15\n")
        << "xcalc" << "$315,500.25" << "Elm Bank" << "15" << uint(DefaultLabels) << false;
    QTest::newRow("broken lines in the group")
        << QByteArray("[General\n[ZANT\n[ZANT]\nthis line has no equals sign\n\x01\x02\x03\n"
                      "CalcCmd=xcalc\nLabelsColor=not a number\n=an orphan value\n"
                      "PurchasePrice=\"$315,500.25\"\nLender1=Elm Bank\nTerm3=15\n"
                      // A quoted value runs on over line ends: this one to the end.
                      "Description=\"an unended quote\nFontSize=large\n")
        // The orphan value reads as an entry without a name.
        << "xcalc" << "$315,500.25" << "Elm Bank" << "15" << uint(DefaultLabels) << true;
    QTest::newRow("NUL inside the group")
        << bytes("[ZANT]\nCalcCmd=xcalc\nDescription=a\0b\nTerm3=15\n")
        << "xcalc" << DefaultPrice << QString() << "15" << uint(DefaultLabels) << false;
    QTest::newRow("saved as UTF-16")
        << bytes("\xFF\xFE[\0Z\0A\0N\0T\0]\0\n\0C\0a\0l\0c\0C\0m\0d\0=\0x\0\n\0")
        << DefaultCalc << DefaultPrice << QString() << "30" << uint(DefaultLabels) << false;
    QTest::newRow("only a cut group title")
        << QByteArray("[ZA") << DefaultCalc << DefaultPrice << QString() << "30"
        << uint(DefaultLabels) << false;
}

void TestCorruptProfile::damagedProfile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, calc);
    QFETCH(QString, price);
    QFETCH(QString, lender1);
    QFETCH(QString, term3);
    QFETCH(uint, labels);
    QFETCH(bool, extraEntries);
    AppFixture fixture;
    QVERIFY(plantProfile(fixture, bytes));

    const Started started = runOnce(fixture);
    QCOMPARE(started.calc, calc);
    QCOMPARE(started.price, price);
    QCOMPARE(started.lender1, lender1);
    QCOMPARE(started.term3, term3);
    QCOMPARE(started.labels, BgrColor(labels));
    verifyWrittenProfile(fixture, started, extraEntries);

    // The next start reads back exactly what this one held.
    fixture.reopenProfile();
    const Started again = runOnce(fixture);
    QCOMPARE(again.calc, started.calc);
    QCOMPARE(again.labels, started.labels);
    QCOMPARE(again.description, started.description);
    QCOMPARE(again.price, started.price);
    QCOMPARE(again.lender1, started.lender1);
    QCOMPARE(again.term3, started.term3);
}

void TestCorruptProfile::truncatedProfile()
{
    AppFixture fixture;
    {
        QSettings file(fixture.m_profile->fileName(), QSettings::IniFormat);
        file.beginGroup(Section);
        file.setValue("CalcCmd", "xcalc");
        file.setValue("LabelsColor", 0x00123456);
        file.setValue("Lender1", "First Bank");
        file.setValue("Lender3", "Bank of Elm");
        file.setValue("PurchasePrice", "$315,500.25");
        file.setValue("Term3", "15");
    }
    fixture.reopenProfile();
    runOnce(fixture);
    QByteArray bytes = readAll(fixture.m_profile->fileName());
    // Cut in the middle of the third lender: entries before it are whole, those after are gone.
    const qsizetype cut = bytes.indexOf("Lender3=Bank");
    QVERIFY(cut > 0);
    QVERIFY(bytes.indexOf("CalcCmd=") < cut);
    QVERIFY(bytes.indexOf("LabelsColor=") < cut);
    QVERIFY(bytes.indexOf("Lender1=") < cut);
    QVERIFY(bytes.indexOf("PurchasePrice=") > cut);
    QVERIFY(bytes.indexOf("Term3=") > cut);
    bytes.truncate(cut + int(qstrlen("Lender3=Bank")));
    QVERIFY(plantProfile(fixture, bytes));

    const Started started = runOnce(fixture);
    QCOMPARE(started.calc, QStringLiteral("xcalc"));
    QCOMPARE(started.labels, BgrColor(0x00123456));
    QCOMPARE(started.lender1, QStringLiteral("First Bank"));
    QCOMPARE(started.price, DefaultPrice);
    QCOMPARE(started.term3, QStringLiteral("30"));
    verifyWrittenProfile(fixture, started);
    QVERIFY(readAll(fixture.m_profile->fileName()).contains("\nLender3=Bank\n"));
}

void TestCorruptProfile::profileIsAFolder()
{
    AppFixture fixture;
    const QString name = fixture.m_profile->fileName();
    const QString inside = QDir(name).filePath(QStringLiteral("keep.txt"));
    struct RemoveFolder
    {
        QString path;
        ~RemoveFolder() { QDir(path).removeRecursively(); }
    } removeFolder{name};
    QVERIFY(QDir().mkpath(name));
    QVERIFY(writeAll(inside, "inside"));
    // Other tests keep their profiles in the same folder: only this one's names count.
    const auto besideFolder = [&name] {
        return entriesOf(QFileInfo(name).absolutePath())
            .filter(QRegularExpression(
                QLatin1Char('^') + QRegularExpression::escape(QFileInfo(name).fileName())));
    };
    QCOMPARE(besideFolder(), QStringList(QFileInfo(name).fileName()));
    fixture.reopenProfile();

    const QString deal = fixture.m_documents.filePath(QStringLiteral("deal.zant"));
    Started started;
    fixture.run([&](MainDialog &dlg) {
        started.price = editNamed(dlg, "editPurchasePrice")->text();
        // The program works as usual.
        editNamed(dlg, "editDescription")->setText(QStringLiteral("Typed"));
        QVERIFY(trigger(dlg, "actionCreateReport"));
        fixture.m_prompt.setNextFileName(deal);
        QVERIFY(trigger(dlg, "actionExport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QVERIFY(trigger(dlg, "actionExit"));
    });
    QCOMPARE(started.price, DefaultPrice);
    QCOMPARE(fixture.m_app->settings().m_calculatorCommand, DefaultCalc);
    QCOMPARE(fixture.m_app->settings().m_labelsColor, BgrColor(DefaultLabels));
    QCOMPARE(fixture.m_shell.m_documents.size(), 1);
    QVERIFY(readAll(deal).contains("Description = Typed\r\n"));
    // Nothing was written over, into or beside the folder.
    QVERIFY(QFileInfo(name).isDir());
    QCOMPARE(entriesOf(name), QStringList(QStringLiteral("keep.txt")));
    QCOMPARE(readAll(inside), QByteArray("inside"));
    QCOMPARE(besideFolder(), QStringList(QFileInfo(name).fileName()));
}

void TestCorruptProfile::unreadableProfile()
{
    if (::geteuid() == 0)
        QSKIP("root reads any file; profileIsAFolder covers a profile that cannot be read");
    AppFixture fixture;
    const QString name = fixture.m_profile->fileName();
    QVERIFY(QDir().mkpath(QFileInfo(name).absolutePath()));
    const QByteArray planted("[ZANT]\nCalcCmd=xcalc\n");
    QVERIFY(writeAll(name, planted));
    QVERIFY(QFile::setPermissions(name, QFileDevice::Permissions()));
    fixture.reopenProfile();
    Started started;
    fixture.run([&](MainDialog &dlg) {
        started.price = editNamed(dlg, "editPurchasePrice")->text();
        QVERIFY(trigger(dlg, "actionExit"));
    });
    QCOMPARE(started.price, DefaultPrice);
    QCOMPARE(fixture.m_app->settings().m_calculatorCommand, DefaultCalc);
    QVERIFY(QFile::setPermissions(name, QFile::ReadOwner | QFile::WriteOwner));
    // What could not be read was not written over either.
    QCOMPARE(readAll(name), planted);
}

QTEST_MAIN(TestCorruptProfile)
#include "tst_corruptprofile.moc"
