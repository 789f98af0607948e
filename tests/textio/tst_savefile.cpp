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

class TestSaveFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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
