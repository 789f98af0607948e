#include "textio/fileexception.h"
#include "testdoubles.h"

#include <QTest>

#include <cerrno>

class TestFileException : public QObject
{
    Q_OBJECT

private slots:
    void causeTexts_data();
    void causeTexts();
    void pathIsInsertedOnce();
    void whatHoldsTheMessage();
    void errnoMapping_data();
    void errnoMapping();
    void throwErrnoKeepsTheNumber();
};

void TestFileException::causeTexts_data()
{
    QTest::addColumn<int>("cause");
    QTest::addColumn<QString>("text");
    using E = FileException;
    QTest::newRow("none") << int(E::none) << "No error occurred.";
    QTest::newRow("genericException")
            << int(E::genericException) << "An unknown error occurred while accessing /d/f.txt.";
    QTest::newRow("fileNotFound") << int(E::fileNotFound) << "/d/f.txt was not found.";
    QTest::newRow("badPath") << int(E::badPath) << "/d/f.txt contains an incorrect path.";
    QTest::newRow("tooManyOpenFiles")
            << int(E::tooManyOpenFiles)
            << "Could not open /d/f.txt because there are too many open files.";
    QTest::newRow("accessDenied") << int(E::accessDenied) << "Access to /d/f.txt was denied.";
    QTest::newRow("invalidFile")
            << int(E::invalidFile) << "An incorrect file handle was associated with /d/f.txt.";
    QTest::newRow("notSeekable") << int(E::notSeekable) << "Seek failed on /d/f.txt";
    QTest::newRow("hardIO") << int(E::hardIO)
                            << "Encountered a hardware I/O error while accessing /d/f.txt.";
    QTest::newRow("busy")
            << int(E::busy)
            << "Encountered a sharing violation while accessing /d/f.txt.";
    QTest::newRow("lockFailed")
            << int(E::lockFailed) << "Encountered a locking violation while accessing /d/f.txt.";
    QTest::newRow("diskFull") << int(E::diskFull) << "Disk full while accessing /d/f.txt.";
}

void TestFileException::causeTexts()
{
    QFETCH(int, cause);
    QFETCH(QString, text);
    const FileException e(static_cast<FileException::Cause>(cause), QStringLiteral("/d/f.txt"));
    QCOMPARE(e.message(), text);
    QCOMPARE(e.m_cause, static_cast<FileException::Cause>(cause));
    QCOMPARE(e.m_fileName, QStringLiteral("/d/f.txt"));
}

void TestFileException::pathIsInsertedOnce()
{
    // A path that holds "%1" or "%2" itself is quoted as it is.
    const FileException e(FileException::fileNotFound, QStringLiteral("/tmp/100%1 %2 é.zant"));
    QCOMPARE(e.message(), QStringLiteral("/tmp/100%1 %2 é.zant was not found."));
}

void TestFileException::whatHoldsTheMessage()
{
    const FileException e(FileException::diskFull, QStringLiteral("/x/Café.htm"));
    QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Disk full while accessing /x/Café.htm."));
    const std::exception &base = e;
    QCOMPARE(QString::fromUtf8(base.what()), e.message());
}

void TestFileException::errnoMapping_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("cause");
    using E = FileException;
    QTest::newRow("ENOENT") << ENOENT << int(E::fileNotFound);
    QTest::newRow("ENOTDIR") << ENOTDIR << int(E::badPath);
    QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << int(E::badPath);
    QTest::newRow("ELOOP") << ELOOP << int(E::badPath);
    QTest::newRow("EACCES") << EACCES << int(E::accessDenied);
    QTest::newRow("EPERM") << EPERM << int(E::accessDenied);
    QTest::newRow("EROFS") << EROFS << int(E::accessDenied);
    QTest::newRow("EISDIR") << EISDIR << int(E::accessDenied);
    QTest::newRow("EMFILE") << EMFILE << int(E::tooManyOpenFiles);
    QTest::newRow("ENFILE") << ENFILE << int(E::tooManyOpenFiles);
    QTest::newRow("ENOSPC") << ENOSPC << int(E::diskFull);
    QTest::newRow("EDQUOT") << EDQUOT << int(E::diskFull);
    QTest::newRow("EFBIG") << EFBIG << int(E::diskFull);
    QTest::newRow("EIO") << EIO << int(E::hardIO);
    QTest::newRow("EBADF") << EBADF << int(E::invalidFile);
    QTest::newRow("ESPIPE") << ESPIPE << int(E::notSeekable);
    QTest::newRow("EBUSY") << EBUSY << int(E::busy);
    QTest::newRow("ETXTBSY") << ETXTBSY << int(E::busy);
    QTest::newRow("ENOLCK") << ENOLCK << int(E::lockFailed);
    QTest::newRow("EDEADLK") << EDEADLK << int(E::lockFailed);
    QTest::newRow("ENOMEM") << ENOMEM << int(E::genericException);
    QTest::newRow("0") << 0 << int(E::none);
}

void TestFileException::errnoMapping()
{
    QFETCH(int, error);
    QFETCH(int, cause);
    QCOMPARE(int(FileException::causeFromErrno(error)), cause);
}

void TestFileException::throwErrnoKeepsTheNumber()
{
    try {
        FileException::throwErrno(ENOSPC, QStringLiteral("/a"));
        QFAIL("nothing thrown");
    } catch (const FileException &e) {
        QCOMPARE(e.m_cause, FileException::diskFull);
        QCOMPARE(e.m_osError, ENOSPC);
        QCOMPARE(e.m_fileName, QStringLiteral("/a"));
    }
}

QTEST_GUILESS_MAIN(TestFileException)
#include "tst_fileexception.moc"
