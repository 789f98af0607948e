#include "textio/fileexception.h"
#include "textio/stdiofile.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

QStringList readLines(StdioFile &file)
{
    QStringList lines;
    QString line;
    while (file.readString(line))
        lines.append(line);
    // Nothing is left: the line is empty and false stays false.
    if (!line.isEmpty() || file.readString(line))
        lines.append(QStringLiteral("<read past the end>"));
    return lines;
}

QStringList readLines(const QByteArray &bytes)
{
    StdioFile file = StdioFile::fromBytes(bytes);
    return readLines(file);
}

FileException::Cause openCause(const QString &path, QString *message = nullptr)
{
    try {
        StdioFile file(path);
    } catch (const FileException &e) {
        if (message)
            *message = e.message();
        return e.m_cause;
    }
    return FileException::none;
}

} // namespace

class TestStdioFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void lines_data();
    void lines();
    void decoding_data();
    void decoding();
    void validUtf8_data();
    void validUtf8();

    void readsAFile();
    void readsADescriptor();
    void closeEndsReading();
    void blankLineThenEnd();
    void largestFileInOneLine();

    void missingFileIsFileNotFound();
    void missingFolderIsFileNotFound();
    void directoryIsAccessDenied();
    void pathThroughAFileIsBadPath();
    void unreadableFileIsAccessDenied();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestStdioFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestStdioFile::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("A CR LF CR LF B") << QByteArray("A\r\n\r\nB")
                                     << QStringList{"A", "", "B"};
    QTest::newRow("lone CR ends a line") << QByteArray("A\rB\r\n") << QStringList{"A", "B"};
    QTest::newRow("CR only, as an old Mac editor saves")
        << QByteArray("; Zantoria\rDescription = x\r") << QStringList{"; Zantoria", "Description = x"};
    QTest::newRow("lone LF ends a line") << QByteArray("A\nB\n") << QStringList{"A", "B"};
    QTest::newRow("mixed line ends") << QByteArray("A\r\nB\nC\r\rD")
                                     << QStringList{"A", "B", "C", "", "D"};
    QTest::newRow("CR CR LF is two line ends") << QByteArray("A\r\r\nB")
                                               << QStringList{"A", "", "B"};
    QTest::newRow("last line without line end") << QByteArray("A\r\nlast")
                                                << QStringList{"A", "last"};
    QTest::newRow("only CR LF") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("only LF LF") << QByteArray("\n\n") << QStringList{"", ""};
    QTest::newRow("trailing lone CR") << QByteArray("A\r") << QStringList{"A"};
    QTest::newRow("0x1A ends the text") << QByteArray("A\r\nB\x1A\r\nC\r\nD\r\n")
                                        << QStringList{"A", "B"};
    QTest::newRow("0x1A first") << QByteArray("\x1A" "A\r\n") << QStringList();
    QTest::newRow("0x1A after line end") << QByteArray("A\r\n\x1A") << QStringList{"A"};
    QTest::newRow("NUL is a character") << QByteArray("A\0B", 3)
                                        << QStringList{QStringLiteral("A") + QChar(0) + "B"};
}

void TestStdioFile::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(readLines(bytes), lines);
}

void TestStdioFile::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("abc") << "abc";
    QTest::newRow("Latin-1 e acute") << QByteArray("\xE9") << QStringLiteral("\u00e9");
    QTest::newRow("Latin-1 NBSP and pound") << QByteArray("\xA0\xA3")
                                            << QStringLiteral("\u00a0\u00a3");
    QTest::newRow("Latin-1 all high") << QByteArray("\xFF\xFE\x80")
                                      << QStringLiteral("\u00ff\u00fe\u0080");
    QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 \xE2\x98\x82")
                           << QStringLiteral("Caf\u00e9 \u2602");
    QTest::newRow("UTF-8 four bytes") << QByteArray("\xF0\x9F\x8F\xA0")
                                      << QString::fromUtf8("\xF0\x9F\x8F\xA0");
    QTest::newRow("UTF-8 BOM dropped") << QByteArray("\xEF\xBB\xBF;x") << ";x";
    QTest::newRow("every BOM at the start is a mark")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF;x\n\xEF\xBB\xBFy")
            << QStringLiteral(";x\n\ufeffy");
    QTest::newRow("invalid UTF-8 is Latin-1") << QByteArray("\xC3\xA9 \xE9")
                                              << QStringLiteral("\u00c3\u00a9 \u00e9");
    QTest::newRow("overlong is Latin-1") << QByteArray("\xC0\xAF") << QStringLiteral("\u00c0\u00af");
    QTest::newRow("surrogate is Latin-1") << QByteArray("\xED\xA0\x80")
                                          << QStringLiteral("\u00ed\u00a0\u0080");
    QTest::newRow("truncated is Latin-1") << QByteArray("a\xE2\x98")
                                          << QStringLiteral("a\u00e2\u0098");
    QTest::newRow("decided on the bytes before 0x1A")
            << QByteArray("\xC3\xA9\x1A\xE9") << QStringLiteral("\u00e9");
}

void TestStdioFile::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(StdioFile::decode(bytes), text);
    // Read line by line, the lines are the same text.
    StdioFile file = StdioFile::fromBytes(bytes);
    QStringList lines;
    QString line;
    while (file.readString(line))
        lines << line;
    QCOMPARE(lines.join(QLatin1Char('\n')), text);
}

void TestStdioFile::validUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("multiByte");
    QTest::newRow("empty") << QByteArray() << true << false;
    QTest::newRow("ASCII") << QByteArray("abc") << true << false;
    QTest::newRow("two") << QByteArray("\xC2\x80") << true << true;
    QTest::newRow("U+FFFF") << QByteArray("\xEF\xBF\xBF") << true << true;
    QTest::newRow("U+10FFFF") << QByteArray("\xF4\x8F\xBF\xBF") << true << true;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false << false;
    QTest::newRow("C1 lead") << QByteArray("\xC1\xBF") << false << false;
    QTest::newRow("overlong three") << QByteArray("\xE0\x9F\xBF") << false << false;
    QTest::newRow("overlong four") << QByteArray("\xF0\x8F\xBF\xBF") << false << false;
    QTest::newRow("lone continuation") << QByteArray("\x80") << false << false;
    QTest::newRow("F5 lead") << QByteArray("\xF5\x80\x80\x80") << false << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false << false;
    QTest::newRow("cut short at the end") << QByteArray("ab\xE2\x82") << false << false;
    QTest::newRow("cut short by ASCII") << QByteArray("\xE2\x82" "a") << false << false;
    QTest::newRow("byte-order mark alone") << QByteArray("\xEF\xBB\xBF") << true << true;
    QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x8F\xA0") << true << true;
    // Sequences that straddle 64 KiB, the size of the pieces the check reads at a time.
    const QByteArray ascii(64 * 1024 - 1, 'a');
    QTest::newRow("sequence across 64 KiB") << ascii + "\xC3\xA9" + ascii << true << true;
    QTest::newRow("four bytes across 64 KiB") << ascii + "\xF0\x9F\x8F\xA0" << true << true;
    QTest::newRow("cut short across 64 KiB") << ascii + "\xC3" + ascii << false << false;
    QTest::newRow("cut short at 64 KiB") << ascii + "a\xC3" << false << false;
    QTest::newRow("invalid after 64 KiB of ASCII") << ascii + "a\x80" << false << false;
    QTest::newRow("ASCII only, over 64 KiB") << ascii + ascii + ascii << true << false;
}

void TestStdioFile::validUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(bool, multiByte);
    bool multi = false;
    QCOMPARE(StdioFile::isValidUtf8(bytes, &multi), valid);
    if (valid)
        QCOMPARE(multi, multiByte);
}

void TestStdioFile::readsAFile()
{
    const QString path = m_dir->filePath(QStringLiteral("a.zant"));
    QVERIFY(writeAll(path, ";\r\nDescription = Caf\xE9\r\nTerm1 = 30"));
    StdioFile file(path);
    QCOMPARE(file.getFilePath(), path);
    QCOMPARE(readLines(file),
             (QStringList{";", QStringLiteral("Description = Caf\u00e9"), "Term1 = 30"}));
    file.close();
}

// A file read through its descriptor is read to its end whatever size it was said to have (it
// may have grown or shrunk since), and refused beyond the largest size even when said smaller.
void TestStdioFile::readsADescriptor()
{
    const QString path = m_dir->filePath(QStringLiteral("a.zant"));
    QVERIFY(writeAll(path, "one\r\ntwo"));
    const auto read = [&](qint64 size) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        StdioFile file = StdioFile::fromDescriptor(fd, size, QStringLiteral("deal.zant"));
        ::close(fd);
        return readLines(file);
    };
    for (qint64 size : {8, 0, 1, 7, 9, 1000})
        QCOMPARE(read(size), (QStringList{"one", "two"}));

    QVERIFY(writeAll(path, QByteArray(StdioFile::MaxSize, 'x')));
    QCOMPARE(read(0).constFirst().size(), StdioFile::MaxSize);
    QFile grown(path);
    QVERIFY(grown.open(QIODevice::Append) && grown.write("!") == 1);
    grown.close();
    for (qint64 size : {qint64(0), StdioFile::MaxSize, StdioFile::MaxSize + 1}) {
        try {
            read(size);
            QFAIL("read beyond the largest size");
        } catch (const FileException &exception) {
            QCOMPARE(exception.m_cause, FileException::tooLarge);
            QCOMPARE(exception.message(), QStringLiteral("deal.zant is too large to be read: at most 16 MiB are read."));
        }
    }
}

void TestStdioFile::closeEndsReading()
{
    StdioFile file = StdioFile::fromBytes("a\r\nb\r\n");
    QString line;
    QVERIFY(file.readString(line));
    QCOMPARE(line, QStringLiteral("a"));
    file.close();
    QVERIFY(!file.readString(line));
    QVERIFY(line.isEmpty());
}

void TestStdioFile::blankLineThenEnd()
{
    StdioFile file = StdioFile::fromBytes("\r\n");
    QString line = QStringLiteral("junk");
    QVERIFY(file.readString(line));
    QVERIFY(line.isEmpty());
    line = QStringLiteral("junk");
    QVERIFY(!file.readString(line));
    QVERIFY(line.isEmpty());
}

// The largest file read is one line and a word of 16 MiB in all; a byte more, or a device that
// never ends, is refused unread.
void TestStdioFile::largestFileInOneLine()
{
    constexpr qsizetype size = StdioFile::MaxSize - 6;
    const QString path = m_dir->filePath(QStringLiteral("big.zant"));
    {
        QByteArray bytes(size, 'x');
        bytes.append("\r\nlast");
        QVERIFY(writeAll(path, bytes));
    }
    QElapsedTimer timer;
    timer.start();
    {
        StdioFile file(path);
        QString line;
        QVERIFY(file.readString(line));
        QCOMPARE(line.size(), size);
        QVERIFY(line.at(0) == QLatin1Char('x') && line.at(size - 1) == QLatin1Char('x'));
        QVERIFY(file.readString(line));
        QCOMPARE(line, QStringLiteral("last"));
        QVERIFY(!file.readString(line));
    }
    // A linear read: a few seconds at most even under the sanitizers.
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(timer.elapsed())));

    QFile grown(path);
    QVERIFY(grown.open(QIODevice::Append) && grown.write("!") == 1);
    grown.close();
    const QString tooLarge = QStringLiteral(" is too large to be read: at most 16 MiB are read.");
    QString message;
    QCOMPARE(openCause(path, &message), FileException::tooLarge);
    QCOMPARE(message, path + tooLarge);
    QFile::remove(path);
    QCOMPARE(openCause(QStringLiteral("/dev/zero"), &message), FileException::tooLarge);
    QCOMPARE(message, QStringLiteral("/dev/zero") + tooLarge);
}

void TestStdioFile::missingFileIsFileNotFound()
{
    const QString path = m_dir->filePath(QStringLiteral("none.zant"));
    QString message;
    QCOMPARE(openCause(path, &message), FileException::fileNotFound);
    QCOMPARE(message, path + QStringLiteral(" was not found."));
}

void TestStdioFile::missingFolderIsFileNotFound()
{
    QCOMPARE(openCause(m_dir->filePath(QStringLiteral("no/none.zant"))),
             FileException::fileNotFound);
    QCOMPARE(openCause(QString()), FileException::fileNotFound);
}

void TestStdioFile::directoryIsAccessDenied()
{
    QString message;
    QCOMPARE(openCause(m_dir->path(), &message), FileException::accessDenied);
    QCOMPARE(message, QStringLiteral("Access to ") + m_dir->path() + QStringLiteral(" was denied."));
}

void TestStdioFile::pathThroughAFileIsBadPath()
{
    const QString path = m_dir->filePath(QStringLiteral("plain"));
    QVERIFY(writeAll(path, "x"));
    QCOMPARE(openCause(path + QStringLiteral("/a.zant")), FileException::badPath);
}

void TestStdioFile::unreadableFileIsAccessDenied()
{
    if (::geteuid() == 0)
        QSKIP("root reads unreadable files");
    const QString path = m_dir->filePath(QStringLiteral("secret.zant"));
    QVERIFY(writeAll(path, "x"));
    QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
    QCOMPARE(openCause(path), FileException::accessDenied);
}

QTEST_GUILESS_MAIN(TestStdioFile)
#include "tst_stdiofile.moc"
