#include "apptestsupport.h"
#include "faulthelpers.h"
#include "localeservices.h"
#include "zantdlg.h"

#include <QFileInfo>
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

// A killed save leaves its temporary file beside the report or the profile; the next save of
// that file removes what is older than a minute and nothing else.
void TestDataFolder::leftoversOfKilledSavesGo()
{
    CAppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString profile = fixture.m_profile->FileName();
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(QFileInfo(profile).path()));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    const QStringList stale = {report + ".Ab12Cd", profile + ".Xy98Zz",
                               profile + ".earlier-4242-1", profile + ".check-77-3"};
    const QStringList kept = {report + ".Ab12C", report + ".notes", profile + ".earlier-x",
                              QDir(folder).filePath(QStringLiteral("other.htm.Ab12Cd"))};
    const QString fresh = report + ".Qw34Er";
    for (const QString &path : stale + kept + QStringList(fresh)) {
        QVERIFY(WriteAll(path, "left"));
        if (path != fresh) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        }
    }
    fixture.Run([&](CZANTDlg &dlg) {
        QVERIFY(Trigger(dlg, "actionCreateReport"));
        QVERIFY(!QFile::exists(stale[0]));
        QVERIFY(QFile::exists(stale[1])); // the profile's are cleared when it is saved
        dlg.reject();
    });
    for (const QString &path : stale)
        QVERIFY2(!QFile::exists(path), qPrintable(path));
    for (const QString &path : kept + QStringList(fresh))
        QVERIFY2(QFile::exists(path), qPrintable(path));
}

QTEST_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
