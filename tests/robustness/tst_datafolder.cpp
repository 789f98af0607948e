#include "apptestsupport.h"
#include "faulthelpers.h"
#include "core/localeservices.h"
#include "ui/zantdlg.h"

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
    void initTestCase() { CLocaleServices::PinLocale(QStringLiteral("en_US")); }
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

int ProfileEntries(const CAppFixture &fixture)
{
    QSettings file(fixture.m_profile->FileName(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("ZANT"));
    return int(file.childKeys().size());
}

// F5 refuses to write the report: one warning that access was denied, and nothing opened.
void VerifyReportDenied(CAppFixture &fixture, CZANTDlg &dlg, const QString &report)
{
    QVERIFY(Trigger(dlg, "actionCreateReport"));
    QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
    QCOMPARE(fixture.m_prompt.m_messages.constFirst().text,
             QStringLiteral("Access to %1 was denied.").arg(report));
    QCOMPARE(fixture.m_prompt.m_messages.constFirst().icon, IPrompt::Icon::Warning);
    QVERIFY(fixture.m_shell.m_documents.isEmpty());
}

// Restores an environment variable when it goes out of scope.
class CEnvironmentGuard
{
public:
    explicit CEnvironmentGuard(const char *name)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
    }
    ~CEnvironmentGuard()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    CEnvironmentGuard(const CEnvironmentGuard &) = delete;
    CEnvironmentGuard &operator=(const CEnvironmentGuard &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_old;
};

} // namespace

void TestDataFolder::dataFolderIsAFile()
{
    CAppFixture fixture;
    const QString blocker = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QByteArray content("a file where the data folder belongs\n");
    QVERIFY(WriteAll(blocker, content));
    bool shown = false;
    fixture.Run([&](CZANTDlg &dlg) {
        shown = dlg.isVisible();
        QCOMPARE(QDir::currentPath(), m_startDir);
        Edit(dlg, "editDescription")->setText(QStringLiteral("Kept"));
        // The report cannot be written into a file: one warning names the path, nothing opens.
        QVERIFY(Trigger(dlg, "actionCreateReport"));
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().text,
                 QStringLiteral("%1 contains an incorrect path.").arg(QDir(blocker).filePath(QStringLiteral("ZANT.htm"))));
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().icon, IPrompt::Icon::Warning);
        QVERIFY(fixture.m_shell.m_documents.isEmpty());
        QVERIFY(Trigger(dlg, "actionExit"));
    });
    QVERIFY(shown);
    QVERIFY(QFileInfo(blocker).isFile());
    QCOMPARE(ReadAll(blocker), content);
    QCOMPARE(Entries(fixture.m_documents.path()), QStringList(QStringLiteral("ZANT")));
    QCOMPARE(ProfileEntries(fixture), 40);
    QCOMPARE(fixture.m_profile->GetProfileString(QStringLiteral("ZANT"), QStringLiteral("Description")),
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
    CAppFixture fixture;
    const QString file = fixture.m_documents.filePath(QStringLiteral("file"));
    QVERIFY(WriteAll(file, "x"));
    fixture.m_folders.m_path =
        documents.isEmpty() ? QString() : fixture.m_documents.filePath(documents);
    bool shown = false;
    fixture.Run([&](CZANTDlg &dlg) {
        shown = dlg.isVisible();
        QCOMPARE(QDir::currentPath(), m_startDir);
        QString path = QStringLiteral("stale");
        QVERIFY(!fixture.m_app->GetDataFolder(path));
        QVERIFY(Trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QVERIFY(fixture.m_shell.m_documents.isEmpty());
        // Export and import do not depend on the data folder.
        const QString deal = fixture.m_documents.filePath(QStringLiteral("deal.zant"));
        Edit(dlg, "editLender")->setText(QStringLiteral("Elm Bank"));
        fixture.m_prompt.SetNextFileName(deal);
        QVERIFY(Trigger(dlg, "actionExport"));
        QVERIFY(ReadAll(deal).contains("Lender1 = Elm Bank\r\n"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QVERIFY(Trigger(dlg, "actionExit"));
    });
    QVERIFY(shown);
    QCOMPARE(ReadAll(file), QByteArray("x"));
    QVERIFY(!QFileInfo::exists(fixture.m_documents.filePath(QStringLiteral("gone"))));
    QCOMPARE(ProfileEntries(fixture), 40);
    QCOMPARE(fixture.m_profile->GetProfileString(QStringLiteral("ZANT"), QStringLiteral("Lender1")),
             QStringLiteral("Elm Bank"));
}

void TestDataFolder::documentsFolderFromTheSystem()
{
    CAppFixture fixture;
    CStandardFolders system;
    fixture.m_app = std::make_unique<CZANTApp>(
        CPlatformServices{&fixture.m_shell, &system, fixture.m_profile.get(), &fixture.m_prompt});
    QStandardPaths::setTestModeEnabled(true);
    CEnvironmentGuard restoreHome("HOME");

    // A home that is a regular file: no documents folder can be made, and the program starts all
    // the same, without a data folder.
    const QString file = fixture.m_documents.filePath(QStringLiteral("home-file"));
    QVERIFY(WriteAll(file, "x"));
    qputenv("HOME", QFile::encodeName(file));
    QVERIFY(system.DocumentsFolder().isEmpty());
    bool shown = false;
    fixture.Run([&](CZANTDlg &dlg) {
        shown = dlg.isVisible();
        QCOMPARE(QDir::currentPath(), m_startDir);
        QVERIFY(Trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QVERIFY(fixture.m_shell.m_documents.isEmpty());
        dlg.reject();
    });
    QVERIFY(shown);
    QCOMPARE(ReadAll(file), QByteArray("x"));
    QCOMPARE(ProfileEntries(fixture), 40);

    // A home without a documents folder: it is made, with the data folder in it.
    const QString home = fixture.m_documents.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));
    qputenv("HOME", QFile::encodeName(home));
    const QString expected = QDir(home).filePath(QStringLiteral("Documents/ZANT/ZANT.htm"));
    fixture.Run([&](CZANTDlg &dlg) {
        QVERIFY(Trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QCOMPARE(fixture.m_shell.m_documents, QStringList(expected));
        dlg.reject();
    });
    QVERIFY(QFileInfo(expected).isFile());
}

void TestDataFolder::dataFolderRemovedWhileRunning()
{
    CAppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    fixture.Run([&](CZANTDlg &dlg) {
        QVERIFY(QFileInfo(folder).isDir());
        QDir::setCurrent(m_startDir);
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(Trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QCOMPARE(fixture.m_shell.m_documents, QStringList(report));
        QVERIFY(QFileInfo(report).isFile());

        // Replaced by a file meanwhile: the report cannot go there, and a warning says where.
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(WriteAll(folder, "file"));
        QVERIFY(Trigger(dlg, "actionCreateReport"));
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QVERIFY(fixture.m_prompt.m_messages.constFirst().text.startsWith(report));
        QCOMPARE(fixture.m_shell.m_documents.size(), 1);
        QCOMPARE(ReadAll(folder), QByteArray("file"));
        dlg.reject();
    });
    QCOMPARE(ProfileEntries(fixture), 40);
}

void TestDataFolder::reportNameTakenByAFolder()
{
    CAppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    const QString inside = QDir(report).filePath(QStringLiteral("keep.txt"));
    QVERIFY(QDir().mkpath(report));
    QVERIFY(WriteAll(inside, "inside"));
    fixture.Run([&](CZANTDlg &dlg) {
        VerifyReportDenied(fixture, dlg, report);
        dlg.reject();
    });
    QVERIFY(QFileInfo(report).isDir());
    QCOMPARE(Entries(folder), QStringList(QStringLiteral("ZANT.htm")));
    QCOMPARE(Entries(report), QStringList(QStringLiteral("keep.txt")));
    QCOMPARE(ReadAll(inside), QByteArray("inside"));
    QCOMPARE(ProfileEntries(fixture), 40);
}

void TestDataFolder::readOnlyDataFolder()
{
    if (::geteuid() == 0)
        QSKIP("root writes into a read-only folder; reportNameTakenByAFolder covers refusal");
    CAppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    QVERIFY(QDir().mkpath(folder));
    const QByteArray earlier("<html>earlier</html>\r\n");
    QVERIFY(WriteAll(report, earlier));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    fixture.Run([&](CZANTDlg &dlg) {
        VerifyReportDenied(fixture, dlg, report);
        dlg.reject();
    });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(ReadAll(report), earlier);
    QCOMPARE(Entries(folder), QStringList(QStringLiteral("ZANT.htm")));
    QCOMPARE(ProfileEntries(fixture), 40);
}

namespace {

// The id of a process that has ended.
qint64 EndedProcessId()
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
bool PutOldFile(const QString &path)
{
    if (!WriteAll(path, "the user's own"))
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
    CAppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    const QString deal = fixture.m_documents.filePath(QStringLiteral("deal.zant"));
    const QString profile = fixture.m_profile->FileName();
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(QFileInfo(profile).path()));
    const QString saved = target == QStringLiteral("report") ? report
        : target == QStringLiteral("export")                 ? deal
                                                             : profile;
    // The saved file exists already, as on every save but the first.
    QVERIFY(WriteAll(saved, "[ZANT]\n"));
    const QString dead = QString::number(EndedProcessId());
    QVERIFY(dead != QStringLiteral("0"));
    const QString lookAlike =
        saved
        + QString(suffix)
              .replace(QStringLiteral("DEAD"), dead)
              .replace(QStringLiteral("LIVE"), QString::number(QCoreApplication::applicationPid()));
    QVERIFY(PutOldFile(lookAlike));
    fixture.m_prompt.SetNextFileName(deal);
    fixture.Run([&](CZANTDlg &dlg) {
        Edit(dlg, "editDescription")->setText(QStringLiteral("Saved"));
        if (target == QStringLiteral("report"))
            QVERIFY(Trigger(dlg, "actionCreateReport"));
        else if (target == QStringLiteral("export"))
            QVERIFY(Trigger(dlg, "actionExport"));
        QVERIFY(Trigger(dlg, "actionExit"));
    });
    QVERIFY(fixture.m_prompt.m_messages.isEmpty());
    QVERIFY(ReadAll(saved).contains("Saved"));
    QCOMPARE(ReadAll(lookAlike), QByteArray("the user's own"));
    QFile::remove(lookAlike);
}

// What a killed save of the profile left (its second names for the earlier file and for the
// check read) goes with the next save; what a copy still running has is kept.
void TestDataFolder::leftoversOfKilledSavesGo()
{
    CAppFixture fixture;
    const QString profile = fixture.m_profile->FileName();
    QVERIFY(QDir().mkpath(QFileInfo(profile).path()));
    const QString dead = QString::number(EndedProcessId());
    const QString live = QString::number(QCoreApplication::applicationPid());
    QVERIFY(dead != QStringLiteral("0"));
    const QStringList stale = {profile + QStringLiteral(".zantoria-earlier-%1-1").arg(dead),
                               profile + QStringLiteral(".zantoria-check-%1-12").arg(dead)};
    const QStringList running = {profile + QStringLiteral(".zantoria-earlier-%1-7").arg(live),
                                 profile + QStringLiteral(".zantoria-check-%1-8").arg(live)};
    const QString fresh = profile + QStringLiteral(".zantoria-earlier-%1-2").arg(dead);
    for (const QString &path : stale + running)
        QVERIFY(PutOldFile(path));
    QVERIFY(WriteAll(fresh, "just now"));
    fixture.Run([&](CZANTDlg &dlg) {
        Edit(dlg, "editDescription")->setText(QStringLiteral("Saved"));
        QVERIFY(Trigger(dlg, "actionExit"));
    });
    QVERIFY(ReadAll(profile).contains("Description=Saved\n"));
    for (const QString &path : stale)
        QVERIFY2(!QFile::exists(path), qPrintable(path));
    for (const QString &path : running + QStringList(fresh)) {
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QFile::remove(path);
    }
}

QTEST_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
