#include "apptestsupport.h"
#include "faulthelpers.h"
#include "core/localeservices.h"
#include "ui/maindialog.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

using namespace FaultTest;

// The data folder and the documents folder it lives in may be missing, impossible to create,
// read-only, or something else than a folder. The program must start and end as usual, keep
// the profile, and the report command must either do nothing or say what went wrong, leaving
// whatever was there as it was.
class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }
    void init() { m_startDir = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_startDir); }

    void dataFolderIsAFile();
    void noUsableDocumentsFolder_data();
    void noUsableDocumentsFolder();
    void documentsFolderFromTheSystem();
    void dataFolderRemovedWhileRunning();
    void reportNameTakenByAFolder();
    void readOnlyDataFolder();
    void lookAlikesSurviveSaves_data();
    void lookAlikesSurviveSaves();
    void leftoversOfKilledSavesGo();

private:
    QString m_startDir;
};

namespace {

int profileEntries(const AppFixture &fixture)
{
    QSettings file(fixture.m_profile->fileName(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("ZANT"));
    return int(file.childKeys().size());
}

// F5 refuses to write the report: one warning that access was denied, and nothing opened.
void verifyReportDenied(AppFixture &fixture, MainDialog &dlg, const QString &report)
{
    QVERIFY(trigger(dlg, "actionCreateReport"));
    QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
    QCOMPARE(fixture.m_prompt.m_messages.constFirst().text,
             QStringLiteral("Access to %1 was denied.").arg(report));
    QCOMPARE(fixture.m_prompt.m_messages.constFirst().icon, IPrompt::Icon::Warning);
    QVERIFY(fixture.m_shell.m_documents.isEmpty());
}

// Restores an environment variable when it goes out of scope.
class EnvironmentGuard
{
public:
    explicit EnvironmentGuard(const char *name)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
    }
    ~EnvironmentGuard()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    EnvironmentGuard(const EnvironmentGuard &) = delete;
    EnvironmentGuard &operator=(const EnvironmentGuard &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_old;
};

} // namespace

void TestDataFolder::dataFolderIsAFile()
{
    AppFixture fixture;
    const QString blocker = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QByteArray content("a file where the data folder belongs\n");
    QVERIFY(writeAll(blocker, content));
    bool shown = false;
    fixture.run([&](MainDialog &dlg) {
        shown = dlg.isVisible();
        QCOMPARE(QDir::currentPath(), m_startDir);
        editNamed(dlg, "editDescription")->setText(QStringLiteral("Kept"));
        // The report cannot be written into a file: one warning names the path, nothing opens.
        QVERIFY(trigger(dlg, "actionCreateReport"));
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().text,
                 QStringLiteral("%1 contains an incorrect path.").arg(QDir(blocker).filePath(QStringLiteral("ZANT.htm"))));
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().icon, IPrompt::Icon::Warning);
        QVERIFY(fixture.m_shell.m_documents.isEmpty());
        QVERIFY(trigger(dlg, "actionExit"));
    });
    QVERIFY(shown);
    QVERIFY(QFileInfo(blocker).isFile());
    QCOMPARE(readAll(blocker), content);
    QCOMPARE(entriesOf(fixture.m_documents.path()), QStringList(QStringLiteral("ZANT")));
    QCOMPARE(profileEntries(fixture), 40);
    QCOMPARE(fixture.m_profile->readString(QStringLiteral("ZANT"), QStringLiteral("Description")),
             QStringLiteral("Kept"));
}

void TestDataFolder::noUsableDocumentsFolder_data()
{
    QTest::addColumn<QString>("documents");
    // Relative to a temporary folder that holds one regular file, "file".
    QTest::newRow("none at all") << QString();
    QTest::newRow("below a regular file") << QStringLiteral("file/Documents");
    QTest::newRow("a regular file itself") << QStringLiteral("file");
    QTest::newRow("parent missing") << QStringLiteral("gone/Documents");
}

void TestDataFolder::noUsableDocumentsFolder()
{
    QFETCH(QString, documents);
    AppFixture fixture;
    const QString file = fixture.m_documents.filePath(QStringLiteral("file"));
    QVERIFY(writeAll(file, "x"));
    fixture.m_folders.m_path =
        documents.isEmpty() ? QString() : fixture.m_documents.filePath(documents);
    bool shown = false;
    fixture.run([&](MainDialog &dlg) {
        shown = dlg.isVisible();
        QCOMPARE(QDir::currentPath(), m_startDir);
        QString path = QStringLiteral("stale");
        QVERIFY(!fixture.m_app->getDataFolder(&path));
        QVERIFY(trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QVERIFY(fixture.m_shell.m_documents.isEmpty());
        // Export and import do not depend on the data folder.
        const QString deal = fixture.m_documents.filePath(QStringLiteral("deal.zant"));
        editNamed(dlg, "editLender")->setText(QStringLiteral("Elm Bank"));
        fixture.m_prompt.setNextFileName(deal);
        QVERIFY(trigger(dlg, "actionExport"));
        QVERIFY(readAll(deal).contains("Lender1 = Elm Bank\r\n"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QVERIFY(trigger(dlg, "actionExit"));
    });
    QVERIFY(shown);
    QCOMPARE(readAll(file), QByteArray("x"));
    QVERIFY(!QFileInfo::exists(fixture.m_documents.filePath(QStringLiteral("gone"))));
    QCOMPARE(profileEntries(fixture), 40);
    QCOMPARE(fixture.m_profile->readString(QStringLiteral("ZANT"), QStringLiteral("Lender1")),
             QStringLiteral("Elm Bank"));
}

void TestDataFolder::documentsFolderFromTheSystem()
{
    AppFixture fixture;
    StandardFolders system;
    fixture.m_app = std::make_unique<ZantoriaApp>(
        PlatformServices{&fixture.m_shell, &system, fixture.m_profile.get(), &fixture.m_prompt});
    QStandardPaths::setTestModeEnabled(true);
    EnvironmentGuard restoreHome("HOME");

    // A home that is a regular file: no documents folder can be made, and the program starts all
    // the same, without a data folder.
    const QString file = fixture.m_documents.filePath(QStringLiteral("home-file"));
    QVERIFY(writeAll(file, "x"));
    qputenv("HOME", QFile::encodeName(file));
    QVERIFY(system.documentsFolder().isEmpty());
    bool shown = false;
    fixture.run([&](MainDialog &dlg) {
        shown = dlg.isVisible();
        QCOMPARE(QDir::currentPath(), m_startDir);
        QVERIFY(trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QVERIFY(fixture.m_shell.m_documents.isEmpty());
        dlg.reject();
    });
    QVERIFY(shown);
    QCOMPARE(readAll(file), QByteArray("x"));
    QCOMPARE(profileEntries(fixture), 40);

    // A home without a documents folder: it is made, with the data folder in it.
    const QString home = fixture.m_documents.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));
    qputenv("HOME", QFile::encodeName(home));
    const QString expected = QDir(home).filePath(QStringLiteral("Documents/ZANT/ZANT.htm"));
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QCOMPARE(fixture.m_shell.m_documents, QStringList(expected));
        dlg.reject();
    });
    QVERIFY(QFileInfo(expected).isFile());
}

void TestDataFolder::dataFolderRemovedWhileRunning()
{
    AppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(QFileInfo(folder).isDir());
        QDir::setCurrent(m_startDir);
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QCOMPARE(fixture.m_shell.m_documents, QStringList(report));
        QVERIFY(QFileInfo(report).isFile());

        // Replaced by a file meanwhile: the report cannot go there, and a warning says where.
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(writeAll(folder, "file"));
        QVERIFY(trigger(dlg, "actionCreateReport"));
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QVERIFY(fixture.m_prompt.m_messages.constFirst().text.startsWith(report));
        QCOMPARE(fixture.m_shell.m_documents.size(), 1);
        QCOMPARE(readAll(folder), QByteArray("file"));
        dlg.reject();
    });
    QCOMPARE(profileEntries(fixture), 40);
}

void TestDataFolder::reportNameTakenByAFolder()
{
    AppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    const QString inside = QDir(report).filePath(QStringLiteral("keep.txt"));
    QVERIFY(QDir().mkpath(report));
    QVERIFY(writeAll(inside, "inside"));
    fixture.run([&](MainDialog &dlg) {
        verifyReportDenied(fixture, dlg, report);
        dlg.reject();
    });
    QVERIFY(QFileInfo(report).isDir());
    QCOMPARE(entriesOf(folder), QStringList(QStringLiteral("ZANT.htm")));
    QCOMPARE(entriesOf(report), QStringList(QStringLiteral("keep.txt")));
    QCOMPARE(readAll(inside), QByteArray("inside"));
    QCOMPARE(profileEntries(fixture), 40);
}

void TestDataFolder::readOnlyDataFolder()
{
    if (::geteuid() == 0)
        QSKIP("root writes into a read-only folder; reportNameTakenByAFolder covers refusal");
    AppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    QVERIFY(QDir().mkpath(folder));
    const QByteArray earlier("<html>earlier</html>\r\n");
    QVERIFY(writeAll(report, earlier));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    fixture.run([&](MainDialog &dlg) {
        verifyReportDenied(fixture, dlg, report);
        dlg.reject();
    });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(readAll(report), earlier);
    QCOMPARE(entriesOf(folder), QStringList(QStringLiteral("ZANT.htm")));
    QCOMPARE(profileEntries(fixture), 40);
}

namespace {

// The id of a process that has ended.
qint64 endedProcessId()
{
    QProcess process;
    process.start(QStringLiteral("true"), QStringList());
    if (!process.waitForStarted())
        return 0;
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

// An hour-old file beside the one the program saves.
bool putOldFile(const QString &path)
{
    if (!writeAll(path, "the user's own"))
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
        && file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                            QFileDevice::FileModificationTime);
}

} // namespace

// Files beside the report, an exported deal or the profile that only look like a temporary file
// are the user's: however old, every save leaves them as they are.
void TestDataFolder::lookAlikesSurviveSaves_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("suffix");
    // DEAD and LIVE stand for the id of a process that has ended and of this one.
    const QStringList suffixes = {
        QStringLiteral(".backup"),
        QStringLiteral(".draft1"),
        QStringLiteral(".Ab12Cd"),
        QStringLiteral(".XXXXXX"),
        QStringLiteral(".earlier-DEAD-1"),
        QStringLiteral(".check-DEAD-3"),
        QStringLiteral(".zantoria-earlier-LIVE-1"),
        QStringLiteral(".zantoria-check-LIVE-2"),
        QStringLiteral(".zantoria-backup-DEAD-1"),
        QStringLiteral(".zantoria-earlier-DEAD-1.old"),
        QStringLiteral(".zantoria-earlier-xDEAD-1"),
    };
    for (const char *target : {"report", "export", "profile"}) {
        for (const QString &suffix : suffixes)
            QTest::addRow("%s%s", target, qPrintable(suffix)) << QString::fromLatin1(target) << suffix;
    }
}

void TestDataFolder::lookAlikesSurviveSaves()
{
    QFETCH(QString, target);
    QFETCH(QString, suffix);
    AppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    const QString deal = fixture.m_documents.filePath(QStringLiteral("deal.zant"));
    const QString profile = fixture.m_profile->fileName();
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(QFileInfo(profile).path()));
    const QString saved = target == QStringLiteral("report") ? report
        : target == QStringLiteral("export")                 ? deal
                                                             : profile;
    // The saved file exists already, as on every save but the first.
    QVERIFY(writeAll(saved, "[ZANT]\n"));
    const QString dead = QString::number(endedProcessId());
    QVERIFY(dead != QStringLiteral("0"));
    const QString lookAlike =
        saved
        + QString(suffix)
              .replace(QStringLiteral("DEAD"), dead)
              .replace(QStringLiteral("LIVE"), QString::number(QCoreApplication::applicationPid()));
    QVERIFY(putOldFile(lookAlike));
    fixture.m_prompt.setNextFileName(deal);
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editDescription")->setText(QStringLiteral("Saved"));
        if (target == QStringLiteral("report"))
            QVERIFY(trigger(dlg, "actionCreateReport"));
        else if (target == QStringLiteral("export"))
            QVERIFY(trigger(dlg, "actionExport"));
        QVERIFY(trigger(dlg, "actionExit"));
    });
    QVERIFY(fixture.m_prompt.m_messages.isEmpty());
    QVERIFY(readAll(saved).contains("Saved"));
    QCOMPARE(readAll(lookAlike), QByteArray("the user's own"));
    QFile::remove(lookAlike);
}

// What a killed save of the profile left (its second names for the earlier file and for the
// check read) goes with the next save; what a copy still running has is kept.
void TestDataFolder::leftoversOfKilledSavesGo()
{
    AppFixture fixture;
    const QString profile = fixture.m_profile->fileName();
    QVERIFY(QDir().mkpath(QFileInfo(profile).path()));
    const QString dead = QString::number(endedProcessId());
    const QString live = QString::number(QCoreApplication::applicationPid());
    QVERIFY(dead != QStringLiteral("0"));
    const QStringList stale = {profile + QStringLiteral(".zantoria-earlier-%1-1").arg(dead),
                               profile + QStringLiteral(".zantoria-check-%1-12").arg(dead)};
    const QStringList running = {profile + QStringLiteral(".zantoria-earlier-%1-7").arg(live),
                                 profile + QStringLiteral(".zantoria-check-%1-8").arg(live)};
    const QString fresh = profile + QStringLiteral(".zantoria-earlier-%1-2").arg(dead);
    for (const QString &path : stale + running)
        QVERIFY(putOldFile(path));
    QVERIFY(writeAll(fresh, "just now"));
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editDescription")->setText(QStringLiteral("Saved"));
        QVERIFY(trigger(dlg, "actionExit"));
    });
    QVERIFY(readAll(profile).contains("Description=Saved\n"));
    for (const QString &path : stale)
        QVERIFY2(!QFile::exists(path), qPrintable(path));
    for (const QString &path : running + QStringList(fresh)) {
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QFile::remove(path);
    }
}

QTEST_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
