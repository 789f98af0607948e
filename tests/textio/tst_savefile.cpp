#include "filelimits.h"
#include "testfiles.h"
#include "textio/fileexception.h"
#include "textio/savefile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Setup {
    Nothing,
    MissingFolder,
    PathThroughAFile,
    EmptyPath,
    NameTooLong,
    FolderAsTarget,
    ReadOnlyFolder,
    ReadOnlyTarget,
    TooManyOpenFiles,
    DiskFull,
};

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestSaveFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Every way saving a file can fail, tested once here for every command that saves.
    void failures_data();
    void failures();

    void piecesMakeOneFile();
    void pieceBeyondTheDiskIsDiskFull();
    void saveTellsWhyInAMessage();
    void saveAsReachesANameThatIsNoText();
    void saveAsRefusedRenameKeepsTheTarget();
    void saveAsGivesUpWhenTheSaverDoes();

private:
    QString tempPath(const QString &name) const { return m_dir->filePath(name); }
    QByteArray nativePath(const QByteArray &name) const { return QFile::encodeName(m_dir->path()) + '/' + name; }
    // The names in the folder as the system holds them, also those that are no UTF-8.
    QList<QByteArray> entries() const
    {
        QList<QByteArray> names;
        for (const auto &entry : std::filesystem::directory_iterator(QFile::encodeName(m_dir->path()).toStdString()))
            names.append(QByteArray::fromStdString(entry.path().filename().string()));
        std::sort(names.begin(), names.end());
        return names;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

bool exists(const QByteArray &native)
{
    struct stat info {};
    return ::lstat(native.constData(), &info) == 0;
}

QByteArray readNative(const QByteArray &native)
{
    QByteArray bytes;
    if (FILE *file = std::fopen(native.constData(), "rb")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, qsizetype(n));
        std::fclose(file);
    }
    return bytes;
}

} // namespace

void TestSaveFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// QTemporaryDir cannot reach the names that are no UTF-8.
void TestSaveFile::cleanup()
{
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(m_dir->path()).toStdString(), ignored);
}

void TestSaveFile::failures_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("name");          // in the test's folder
    QTest::addColumn<bool>("asUser");           // root may write anything: skipped as root
    QTest::addColumn<int>("cause");
    QTest::addColumn<QString>("message");       // "%1" is the path
    QTest::addColumn<qint64>("limit");          // on a file's size, for disk full
    using E = FileException;
    QTest::newRow("missing folder") << Setup::MissingFolder << "missing/ZANT.htm" << false
                                    << int(E::badPath) << "%1 contains an incorrect path." << qint64(0);
    QTest::newRow("path through a file") << Setup::PathThroughAFile << "plain/ZANT.htm" << false
                                         << int(E::badPath) << "%1 contains an incorrect path." << qint64(0);
    QTest::newRow("empty path") << Setup::EmptyPath << "" << false << int(E::badPath)
                                << "%1 contains an incorrect path." << qint64(0);
    QTest::newRow("name too long") << Setup::NameTooLong << QString(300, QLatin1Char('n')) << false
                                   << int(E::badPath) << "%1 contains an incorrect path." << qint64(0);
    QTest::newRow("folder as target") << Setup::FolderAsTarget << "ZANT.htm" << false
                                      << int(E::accessDenied) << "Access to %1 was denied." << qint64(0);
    QTest::newRow("read-only folder") << Setup::ReadOnlyFolder << "ro/ZANT.htm" << true
                                      << int(E::accessDenied) << "Access to %1 was denied." << qint64(0);
    QTest::newRow("read-only target") << Setup::ReadOnlyTarget << "ZANT.htm" << true
                                      << int(E::accessDenied) << "Access to %1 was denied." << qint64(0);
    QTest::newRow("too many open files")
        << Setup::TooManyOpenFiles << "ZANT.htm" << false << int(E::tooManyOpenFiles)
        << "Could not open %1 because there are too many open files." << qint64(0);
    // A full disk where QSaveFile may see none (QTBUG-75077): at every size the new file
    // cannot reach, down to the earlier file's own.
    const QByteArray earlier = "the earlier file";
    for (const qint64 limit : {qint64(0), qint64(1), qint64(512), qint64(earlier.size())}) {
        QTest::addRow("disk full, %lld bytes fit", static_cast<long long>(limit))
            << Setup::DiskFull << "ZANT.htm" << false << int(E::diskFull)
            << "Disk full while accessing %1." << limit;
    }
    QTest::newRow("no failure") << Setup::Nothing << "ZANT.htm" << false << int(E::none) << "" << qint64(0);
}

// The save fails with the cause and message given, and leaves the folder as it was: an earlier
// file keeps its bytes and no temporary file stays. With the cause removed it succeeds.
void TestSaveFile::failures()
{
    QFETCH(Setup, setup);
    QFETCH(QString, name);
    QFETCH(bool, asUser);
    QFETCH(int, cause);
    QFETCH(QString, message);
    QFETCH(qint64, limit);
    if (asUser && ::geteuid() == 0)
        QSKIP("root writes read-only files and folders");
    const QString path = name.isEmpty() ? QString() : tempPath(name);
    const QByteArray earlier = "the earlier file";
    switch (setup) {
    case Setup::PathThroughAFile:
        QVERIFY(writeAll(tempPath("plain"), "x"));
        break;
    case Setup::FolderAsTarget:
        QVERIFY(QDir(m_dir->path()).mkdir(name));
        break;
    case Setup::ReadOnlyFolder:
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("ro")));
        QVERIFY(QFile::setPermissions(tempPath("ro"), QFile::ReadOwner | QFile::ExeOwner));
        break;
    case Setup::ReadOnlyTarget:
        QVERIFY(writeAll(path, earlier));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        break;
    case Setup::TooManyOpenFiles:
    case Setup::DiskFull:
    case Setup::Nothing:
        QVERIFY(writeAll(path, earlier));
        break;
    default:
        break;
    }
    const QList<QByteArray> before = entries();

    QString error;
    bool saved = false;
    {
        const QByteArray bytes(5000, 'x');
        std::unique_ptr<NoMoreFiles> noMoreFiles;
        std::unique_ptr<FileSizeLimit> sizeLimit;
        if (setup == Setup::TooManyOpenFiles) {
            noMoreFiles = std::make_unique<NoMoreFiles>();
            if (!noMoreFiles->isSet())
                QSKIP("cannot lower the limit of open files");
        } else if (setup == Setup::DiskFull) {
            sizeLimit = std::make_unique<FileSizeLimit>(rlim_t(limit));
            QVERIFY(sizeLimit->isSet());
        }
        try {
            const std::unique_ptr<QSaveFile> file = SaveFile::open(path);
            SaveFile::writeAndCommit(*file, bytes);
            saved = true;
        } catch (const FileException &e) {
            QCOMPARE(int(e.m_cause), cause);
            error = e.message();
        }
    }
    if (setup == Setup::ReadOnlyFolder)
        QFile::setPermissions(tempPath("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (setup == Setup::ReadOnlyTarget)
        QCOMPARE(readAll(path), earlier);

    QCOMPARE(saved, cause == int(FileException::none));
    QCOMPARE(error, message.isEmpty() ? QString() : QString(message).replace(QLatin1String("%1"), path));
    if (setup == Setup::TooManyOpenFiles || setup == Setup::DiskFull)
        QCOMPARE(readAll(path), earlier);
    if (setup == Setup::FolderAsTarget)
        QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(entries(), before);

    // Once the cause is gone (limits lifted, the plain way to the same folder), it saves.
    if (setup == Setup::TooManyOpenFiles || setup == Setup::DiskFull || setup == Setup::Nothing) {
        QVERIFY(SaveFile::save(path, "saved", &error));
        QCOMPARE(readAll(path), QByteArray("saved"));
    }
}

void TestSaveFile::piecesMakeOneFile()
{
    QVERIFY(writeAll(tempPath("table.csv"), "earlier"));
    const std::unique_ptr<QSaveFile> file = SaveFile::open(tempPath("table.csv"));
    QVERIFY(SaveFile::write(*file, "a,b\r\n"));
    QVERIFY(SaveFile::write(*file, QByteArray()));
    QVERIFY(SaveFile::write(*file, QByteArray(100000, 'x')));
    QCOMPARE(readAll(tempPath("table.csv")), QByteArray("earlier"));
    SaveFile::commit(*file);
    QCOMPARE(readAll(tempPath("table.csv")), "a,b\r\n" + QByteArray(100000, 'x'));
    QCOMPARE(entries(), QList<QByteArray>{"table.csv"});
}

void TestSaveFile::pieceBeyondTheDiskIsDiskFull()
{
    QVERIFY(writeAll(tempPath("table.csv"), "earlier"));
    FileException::Cause cause = FileException::none;
    {
        FileSizeLimit limit(1000);
        QVERIFY(limit.isSet());
        const std::unique_ptr<QSaveFile> file = SaveFile::open(tempPath("table.csv"));
        (void)SaveFile::write(*file, QByteArray(600, 'a'));
        (void)SaveFile::write(*file, QByteArray(600, 'b'));
        try {
            SaveFile::commit(*file);
        } catch (const FileException &e) {
            cause = e.m_cause;
        }
    }
    QCOMPARE(cause, FileException::diskFull);
    QCOMPARE(readAll(tempPath("table.csv")), QByteArray("earlier"));
    QCOMPARE(entries(), QList<QByteArray>{"table.csv"});
}

void TestSaveFile::saveTellsWhyInAMessage()
{
    QString error;
    QVERIFY(SaveFile::save(tempPath("a.pdf"), "%PDF", &error));
    QCOMPARE(readAll(tempPath("a.pdf")), QByteArray("%PDF"));
    QVERIFY(error.isEmpty());
    QVERIFY(!SaveFile::save(tempPath("missing/a.pdf"), "%PDF", &error));
    QCOMPARE(error, tempPath("missing/a.pdf") + QStringLiteral(" contains an incorrect path."));
}

// A name whose bytes are no UTF-8 is reached by its bytes: the file next to it whose name reads
// as the same text is left alone.
void TestSaveFile::saveAsReachesANameThatIsNoText()
{
    const QByteArray target = nativePath("caf\xe9.htm");
    QVERIFY(writeAll(tempPath(QStringLiteral("caf\ufffd.htm")), "not this one"));
    const bool saved = SaveFile::saveAs(target, [](const QString &path) {
        const std::unique_ptr<QSaveFile> file = SaveFile::open(path);
        SaveFile::writeAndCommit(*file, "report");
        return true;
    });
    QVERIFY(saved);
    QCOMPARE(readNative(target), QByteArray("report"));
    QCOMPARE(readAll(tempPath(QStringLiteral("caf\ufffd.htm"))), QByteArray("not this one"));
    QCOMPARE(entries(), (QList<QByteArray>{"caf\xe9.htm", "caf\xef\xbf\xbd.htm"}));
}

// A folder in the way of the rename: a file error, the folder stays and no saved file is left.
void TestSaveFile::saveAsRefusedRenameKeepsTheTarget()
{
    const QByteArray target = nativePath("d\xff.htm");
    QCOMPARE(::mkdir(target.constData(), 0700), 0);
    QCOMPARE(::mkdir((target + "/inside").constData(), 0700), 0);
    FileException::Cause cause = FileException::none;
    try {
        (void)SaveFile::saveAs(target, [](const QString &path) {
            const std::unique_ptr<QSaveFile> file = SaveFile::open(path);
            SaveFile::writeAndCommit(*file, "report");
            return true;
        });
    } catch (const FileException &e) {
        cause = e.m_cause;
    }
    QCOMPARE(cause, FileException::accessDenied);
    QVERIFY(exists(target + "/inside"));
    QCOMPARE(entries(), QList<QByteArray>{"d\xff.htm"});
}

void TestSaveFile::saveAsGivesUpWhenTheSaverDoes()
{
    const QByteArray target = nativePath("d\xfe.htm");
    QVERIFY(!SaveFile::saveAs(target, [](const QString &) { return false; }));
    QVERIFY(!exists(target));
    QVERIFY(entries().isEmpty());
}

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
