#include "core/appsettings.h"
#include "core/dealrecord.h"
#include "core/localeservices.h"
#include "platform/profile.h"
#include "platform/profilestore.h"
#include "testdoubles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

namespace {

const QString Section = QStringLiteral("ZANT");

// A profile that reads one entry as a user would have typed it and passes everything else on:
// reading the record through it is the record with that one field edited.
class EditedProfile final : public IProfile
{
public:
    EditedProfile(IProfile &base, QString entry, QString text)
        : m_base(base), m_entry(std::move(entry)), m_text(std::move(text))
    {
    }
    QString readString(const QString &section, const QString &entry,
                             const QString &defaultValue) override
    {
        return entry == m_entry ? m_text : m_base.readString(section, entry, defaultValue);
    }
    std::int32_t readInt(const QString &section, const QString &entry,
                               std::int32_t defaultValue) override
    {
        return entry == m_entry ? m_text.toInt() : m_base.readInt(section, entry, defaultValue);
    }
    void writeString(const QString &, const QString &, const QString &) override {}
    void writeInt(const QString &, const QString &, std::int32_t) override {}
    bool flush() override { return true; }

private:
    IProfile &m_base;
    QString m_entry;
    QString m_text;
};

struct ProfileCopy
{
    AppSettings settings;
    DealRecord record;
};

ProfileCopy read(IProfile &profile)
{
    ProfileCopy copy;
    ProfileStore::readSettings(profile, copy.settings);
    ProfileStore::readRecord(profile, copy.record);
    return copy;
}

void write(IProfile &profile, const ProfileCopy &copy);

// What the user changed in the window while the copy ran: one field, the rest as the copy has it.
void edit(ProfileCopy &copy, const QString &entry, const QString &text)
{
    MemoryProfile own;
    write(own, copy);
    EditedProfile edited(own, entry, text);
    copy = read(edited);
}

void write(IProfile &profile, const ProfileCopy &copy)
{
    ProfileStore::writeSettings(profile, copy.settings);
    ProfileStore::writeRecord(profile, copy.record);
}

// Everything a copy holds, each figure as en_US shows it.
QStringList described(const ProfileCopy &copy)
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    const DealRecord &r = copy.record;
    const AppSettings &s = copy.settings;
    QStringList lines = {s.m_calculatorCommand,
                         s.m_fontName,
                         s.m_fontSize,
                         QString::number(s.m_labelsColor),
                         QString::number(s.m_evenRowsColor),
                         QString::number(s.m_oddRowsColor),
                         QString::number(s.m_oddRowsCalcColor),
                         r.m_description,
                         r.m_purchasePrice.format(r.m_currency),
                         r.m_rentalIncome.format(r.m_currency),
                         r.m_escrow.format(r.m_currency),
                         r.m_safetyMargin.format(r.m_currency)};
    for (int k = 0; k < MAX_LOANS; ++k)
        lines << r.m_lender[k] << r.m_downPayment[k].format(r.m_currency)
              << r.m_interestRate[k].format(r.m_currency) << r.m_term[k].format(r.m_currency)
              << r.m_pmi[k].format(r.m_currency);
    return lines;
}

// A profile as the program leaves it after a first run in en_US.
QString freshProfile(const QString &name)
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quenwick"), name).clear();
    SettingsProfile profile(name);
    QFile::remove(profile.fileName());
    ProfileCopy first;
    first.settings = AppSettings::defaults();
    first.record = ProfileStore::firstRunRecord();
    write(profile, first);
    if (!profile.flush())
        qWarning("The first profile could not be saved.");
    return profile.fileName();
}

// One copy of the program in a process of its own: reads the profile, says so, waits for a line
// on standard input, then stores its one edit and ends.
int runCopy(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        return 2;
    LocaleServices::pinLocale(args.at(3));
    SettingsProfile profile(args.at(2));
    ProfileCopy copy = read(profile);
    std::cout << "read" << std::endl;
    std::string go;
    std::getline(std::cin, go);
    LocaleServices::pinLocale(args.at(3));
    edit(copy, args.at(4), args.at(5));
    write(profile, copy);
    return profile.flush() ? 0 : 1;
}

} // namespace

class TestProfile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Two copies of the program ending together take turns: a save waits while another copy
    // holds the profile's lock, and then writes its own entries beside the other's.
    void savesTakeTurns()
    {
        const QString name = QStringLiteral("tst_profile_turns");
        SettingsProfile mine(name);
        const QString path = mine.fileName();
        QFile::remove(path);
        // On a home folder where no profile was ever saved the lock's folder is not there yet.
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QLockFile otherCopy(path + QStringLiteral(".save-lock"));
        QVERIFY(otherCopy.tryLock(0));

        mine.writeString(QStringLiteral("ZANT"), QStringLiteral("Description"),
                                QStringLiteral("Mine"));
        bool saved = false;
        std::thread save([&mine, &saved] { saved = mine.flush(); });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const bool waited = !QFile::exists(path);
        {
            QSettings other(path, QSettings::IniFormat);
            other.setValue(QStringLiteral("ZANT/Lender1"), QStringLiteral("Theirs"));
        }
        otherCopy.unlock();
        save.join();
        QVERIFY(waited);
        QVERIFY(saved);

        QSettings stored(path, QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("ZANT/Description")).toString(), QStringLiteral("Mine"));
        QCOMPARE(stored.value(QStringLiteral("ZANT/Lender1")).toString(), QStringLiteral("Theirs"));
        QVERIFY(!QFile::exists(path + QStringLiteral(".save-lock")));
        QFile::remove(path);
    }

    void copiesEndingTogether_data();
    void copiesEndingTogether();
    void copiesInTwoProcesses_data() { copiesEndingTogether_data(); }
    void copiesInTwoProcesses();
};

// Two copies read the same profile, each changes one field, the second to start ends first.
// Both edits are kept. Figures are the exception where the copies show them in different
// locales: a copy whose locale is not the one the profile names stores all its figures in its
// own, as does a copy that changed a figure while the other stored them in another locale. The
// figures then read back as the copy that ended last had them, never as one copy's text read
// in the other's locale.
void TestProfile::copiesEndingTogether_data()
{
    QTest::addColumn<QString>("firstLocale");
    QTest::addColumn<QString>("firstEntry");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("secondLocale");
    QTest::addColumn<QString>("secondEntry");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<bool>("secondKept");
    QTest::addColumn<bool>("firstRun"); // no profile yet when both copies start

    const QString us = QStringLiteral("en_US");
    const QString de = QStringLiteral("de_DE");
    QTest::newRow("two texts") << us << "Description" << "Duplex on Elm St" << us << "Lender2"
                               << "Second Bank" << true << false;
    QTest::newRow("two figures") << us << "PurchasePrice" << "312500" << us << "Term3" << "15"
                                 << true << false;
    QTest::newRow("a figure and a text") << us << "InterestRate4" << "6.5" << us << "Lender4"
                                         << "Fourth Bank" << true << false;
    QTest::newRow("a setting and a figure") << us << "FontName" << "DejaVu Sans" << us
                                            << "RentalIncome" << "2750" << true << false;
    QTest::newRow("two colours") << us << "LabelsColor" << "255" << us << "OddRowsColor"
                                 << "65280" << true << false;
    QTest::newRow("a figure beside a copy in another locale")
        << us << "PurchasePrice" << "312500" << de << "Description" << "Zweifamilienhaus" << true << false;
    QTest::newRow("texts in two locales") << de << "Description" << "Zweifamilienhaus" << us
                                          << "Lender2" << "Second Bank" << true << false;
    QTest::newRow("a text beside a figure in another locale")
        << de << "Lender1" << "Sparkasse" << us << "DownPayment1" << "60000" << false << false;
    QTest::newRow("figures in two locales") << us << "PurchasePrice" << "312500" << de
                                            << "Escrow" << "410" << false << false;
    QTest::newRow("first run: two texts") << us << "Description" << "Duplex on Elm St" << us
                                          << "Lender2" << "Second Bank" << true << true;
    QTest::newRow("first run: a text and a figure") << us << "Description" << "Duplex" << us
                                                    << "PurchasePrice" << "312500" << true << true;
    QTest::newRow("first run: a setting and a figure") << us << "FontName" << "DejaVu Sans" << us
                                                       << "RentalIncome" << "2750" << true << true;
}

void TestProfile::copiesEndingTogether()
{
    QFETCH(QString, firstLocale);
    QFETCH(QString, firstEntry);
    QFETCH(QString, firstText);
    QFETCH(QString, secondLocale);
    QFETCH(QString, secondEntry);
    QFETCH(QString, secondText);
    QFETCH(bool, secondKept);
    QFETCH(bool, firstRun);
    const QString name = QStringLiteral("tst_profile_together");
    const QString path = freshProfile(name);
    if (firstRun)
        QVERIFY(QFile::remove(path));

    LocaleServices::pinLocale(firstLocale);
    SettingsProfile firstProfile(name);
    ProfileCopy first = read(firstProfile);
    LocaleServices::pinLocale(secondLocale);
    SettingsProfile secondProfile(name);
    ProfileCopy second = read(secondProfile);

    ProfileCopy expected;
    {
        SettingsProfile stored(name);
        EditedProfile withFirst(stored, firstEntry, firstText);
        EditedProfile withBoth(withFirst, secondEntry, secondText);
        expected = read(secondKept ? static_cast<IProfile &>(withBoth) : withFirst);
    }

    LocaleServices::pinLocale(secondLocale);
    edit(second, secondEntry, secondText);
    write(secondProfile, second);
    QVERIFY(secondProfile.flush());
    LocaleServices::pinLocale(firstLocale);
    edit(first, firstEntry, firstText);
    write(firstProfile, first);
    QVERIFY(firstProfile.flush());

    LocaleServices::pinLocale(QStringLiteral("en_US"));
    SettingsProfile reopened(name);
    QCOMPARE(described(read(reopened)), described(expected));
    QFile::remove(reopened.fileName());
}

// The same with each copy in a process of its own, as when two windows of the program close.
void TestProfile::copiesInTwoProcesses()
{
    QFETCH(QString, firstLocale);
    QFETCH(QString, firstEntry);
    QFETCH(QString, firstText);
    QFETCH(QString, secondLocale);
    QFETCH(QString, secondEntry);
    QFETCH(QString, secondText);
    QFETCH(bool, secondKept);
    QFETCH(bool, firstRun);
    const QString name = QStringLiteral("tst_profile_processes");
    const QString path = freshProfile(name);
    if (firstRun)
        QVERIFY(QFile::remove(path));

    ProfileCopy expected;
    {
        SettingsProfile stored(name);
        EditedProfile withFirst(stored, firstEntry, firstText);
        EditedProfile withBoth(withFirst, secondEntry, secondText);
        expected = read(secondKept ? static_cast<IProfile &>(withBoth) : withFirst);
    }

    QProcess firstCopy;
    QProcess secondCopy;
    const QString program = QCoreApplication::applicationFilePath();
    firstCopy.start(program, {QStringLiteral("--copy"), name, firstLocale, firstEntry, firstText});
    secondCopy.start(program, {QStringLiteral("--copy"), name, secondLocale, secondEntry, secondText});
    for (QProcess *copy : {&firstCopy, &secondCopy}) {
        QVERIFY(copy->waitForStarted());
        QVERIFY2(copy->waitForReadyRead(30000), copy->readAllStandardError().constData());
        QCOMPARE(copy->readLine(), QByteArray("read\n"));
    }
    for (QProcess *copy : {&secondCopy, &firstCopy}) {
        copy->write("go\n");
        copy->closeWriteChannel();
        QVERIFY(copy->waitForFinished(30000));
        const QByteArray errors = copy->readAllStandardError();
        QVERIFY2(copy->exitStatus() == QProcess::NormalExit && copy->exitCode() == 0,
                 errors.constData());
    }

    LocaleServices::pinLocale(QStringLiteral("en_US"));
    // Read under a second name: this process has cached what it wrote itself.
    const QString link = path + QStringLiteral(".read");
    QFile::remove(link);
    QVERIFY(QFile::link(path, link));
    QSettings onDisk(link, QSettings::IniFormat);
    QCOMPARE(onDisk.status(), QSettings::NoError);
    QVERIFY(onDisk.contains(QStringLiteral("ZANT/Locale")));
    SettingsProfile reopened(name);
    QCOMPARE(described(read(reopened)), described(expected));
    QFile::remove(link);
    QFile::remove(path);
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--copy") == 0)
        return runCopy(argc, argv);
    QCoreApplication app(argc, argv);
    TestProfile test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profile.moc"
