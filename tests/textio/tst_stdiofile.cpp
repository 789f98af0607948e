#include "textio/fileexception.h"
#include "textio/stdiofile.h"
#include "testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QStringList ReadLines(CStdioFile &file)
{
    QStringList lines;
    QString line;
    while (file.ReadString(line))
        lines.append(line);
    // Nothing is left: the line is empty and false stays false.
    if (!line.isEmpty() || file.ReadString(line))
        lines.append(QStringLiteral("<read past the end>"));
    return lines;
}

QStringList ReadLines(const QByteArray &bytes)
{
    CStdioFile file = CStdioFile::FromBytes(bytes);
    return ReadLines(file);
}

CFileException::Cause OpenCause(const QString &path, QString *message = nullptr)
{
    try {
        CStdioFile file(path);
    } catch (const CFileException &e) {
        if (message)
            *message = e.Message();
        return e.m_cause;
    }
    return CFileException::none;
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
    void readsADevice();
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
    QTest::newRow("lone CR kept") << QByteArray("A\rB\r\n")
                                  << QStringList{QStringLiteral("A\rB")};
    QTest::newRow("lone LF ends a line") << QByteArray("A\nB\n") << QStringList{"A", "B"};
    QTest::newRow("mixed line ends") << QByteArray("A\r\nB\nC\r\rD")
                                     << QStringList{"A", "B", QStringLiteral("C\r\rD")};
    QTest::newRow("CR CR LF keeps one CR") << QByteArray("A\r\r\nB")
                                           << QStringList{QStringLiteral("A\r"), "B"};
    QTest::newRow("last line without line end") << QByteArray("A\r\nlast")
                                                << QStringList{"A", "last"};
    QTest::newRow("only CR LF") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("only LF LF") << QByteArray("\n\n") << QStringList{"", ""};
    QTest::newRow("trailing lone CR") << QByteArray("A\r") << QStringList{QStringLiteral("A\r")};
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
    QCOMPARE(ReadLines(bytes), lines);
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
    QCOMPARE(CStdioFile::Decode(bytes), text);
    // Read line by line, the lines are the same text.
    CStdioFile file = CStdioFile::FromBytes(bytes);
    QStringList lines;
    QString line;
    while (file.ReadString(line))
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
    QCOMPARE(CStdioFile::IsValidUtf8(bytes, &multi), valid);
    if (valid)
        QCOMPARE(multi, multiByte);
}

void TestStdioFile::readsAFile()
{
    const QString path = m_dir->filePath(QStringLiteral("a.zant"));
    QVERIFY(WriteAll(path, ";\r\nDescription = Caf\xE9\r\nTerm1 = 30"));
    CStdioFile file(path);
    QCOMPARE(file.GetFilePath(), path);
    QCOMPARE(ReadLines(file),
             (QStringList{";", QStringLiteral("Description = Caf\u00e9"), "Term1 = 30"}));
    file.Close();
}

void TestStdioFile::readsADevice()
{
    QByteArray bytes("one\r\ntwo");
    QBuffer buffer(&bytes);
    CStdioFile file(buffer, QStringLiteral("buffer"));
    QCOMPARE(ReadLines(file), (QStringList{"one", "two"}));
}

void TestStdioFile::closeEndsReading()
{
    CStdioFile file = CStdioFile::FromBytes("a\r\nb\r\n");
    QString line;
    QVERIFY(file.ReadString(line));
    QCOMPARE(line, QStringLiteral("a"));
    file.Close();
    QVERIFY(!file.ReadString(line));
    QVERIFY(line.isEmpty());
}

void TestStdioFile::blankLineThenEnd()
{
    CStdioFile file = CStdioFile::FromBytes("\r\n");
    QString line = QStringLiteral("junk");
    QVERIFY(file.ReadString(line));
    QVERIFY(line.isEmpty());
    line = QStringLiteral("junk");
    QVERIFY(!file.ReadString(line));
    QVERIFY(line.isEmpty());
}

// The largest file read is one line and a word of 16 MiB in all; a byte more, or a device that
// never ends, is refused unread.
void TestStdioFile::largestFileInOneLine()
{
    constexpr qsizetype size = CStdioFile::MaxSize - 6;
    const QString path = m_dir->filePath(QStringLiteral("big.zant"));
    {
        QByteArray bytes(size, 'x');
        bytes.append("\r\nlast");
        QVERIFY(WriteAll(path, bytes));
    }
    QElapsedTimer timer;
    timer.start();
    {
        CStdioFile file(path);
        QString line;
        QVERIFY(file.ReadString(line));
        QCOMPARE(line.size(), size);
        QVERIFY(line.at(0) == QLatin1Char('x') && line.at(size - 1) == QLatin1Char('x'));
        QVERIFY(file.ReadString(line));
        QCOMPARE(line, QStringLiteral("last"));
        QVERIFY(!file.ReadString(line));
    }
    // A linear read: a few seconds at most even under the sanitizers.
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(timer.elapsed())));

    QFile grown(path);
    QVERIFY(grown.open(QIODevice::Append) && grown.write("!") == 1);
    grown.close();
    const QString tooLarge = QStringLiteral(" is too large to be read: a deal file holds at most 16 MiB.");
    QString message;
    QCOMPARE(OpenCause(path, &message), CFileException::tooLarge);
    QCOMPARE(message, path + tooLarge);
    QFile::remove(path);
    QCOMPARE(OpenCause(QStringLiteral("/dev/zero"), &message), CFileException::tooLarge);
    QCOMPARE(message, QStringLiteral("/dev/zero") + tooLarge);
}

void TestStdioFile::missingFileIsFileNotFound()
{
    const QString path = m_dir->filePath(QStringLiteral("none.zant"));
    QString message;
    QCOMPARE(OpenCause(path, &message), CFileException::fileNotFound);
    QCOMPARE(message, path + QStringLiteral(" was not found."));
}

void TestStdioFile::missingFolderIsFileNotFound()
{
    QCOMPARE(OpenCause(m_dir->filePath(QStringLiteral("no/none.zant"))),
             CFileException::fileNotFound);
    QCOMPARE(OpenCause(QString()), CFileException::fileNotFound);
}

void TestStdioFile::directoryIsAccessDenied()
{
    QString message;
    QCOMPARE(OpenCause(m_dir->path(), &message), CFileException::accessDenied);
    QCOMPARE(message, QStringLiteral("Access to ") + m_dir->path() + QStringLiteral(" was denied."));
}

void TestStdioFile::pathThroughAFileIsBadPath()
{
    const QString path = m_dir->filePath(QStringLiteral("plain"));
    QVERIFY(WriteAll(path, "x"));
    QCOMPARE(OpenCause(path + QStringLiteral("/a.zant")), CFileException::badPath);
}

void TestStdioFile::unreadableFileIsAccessDenied()
{
    if (::geteuid() == 0)
        QSKIP("root reads unreadable files");
    const QString path = m_dir->filePath(QStringLiteral("secret.zant"));
    QVERIFY(WriteAll(path, "x"));
    QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
    QCOMPARE(OpenCause(path), CFileException::accessDenied);
}

QTEST_GUILESS_MAIN(TestStdioFile)
#include "tst_stdiofile.moc"
