#include "filelimits.h"
#include "textio/fileexception.h"
#include "textio/stdiofile.h"
#include "textio/textfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    // Bytes on disk.
    void emptyLineIsCrLf();
    void lineFeedBecomesCrLf();
    void nothingElseIsDropped();
    void latin1Bytes();
    void utf8Report();
    void widerCharacterMakesTheWholeFileUtf8();
    void encode_data();
    void encode();
    void pieceOf1023CharactersIsWhole();
    void longPiecesAreWhole();
    void writeAndWriteLine();

    // Life of the file.
    void existingFileIsEmptiedByClose();
    void destroyingWithoutCloseKeepsTheEarlierFile();
    void closeTwiceAndWriteAfterClose();
    void newFileAppearsOnlyAtClose();
    void roundTripThroughTheReader();

    // The limit the failure tests set lets a small file through.
    void smallFileFitsUnderTheLimit();

private:
    QString tempPath(const QString &name) const { return m_dir->filePath(name); }
    QStringList entries() const
    {
        return QDir(m_dir->path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestTextFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestTextFile::emptyLineIsCrLf()
{
    TextFile file(tempPath("a.txt"), TextFile::Encoding::Latin1UnlessWider);
    file.writeLine(QString());
    file.close();
    QCOMPARE(readAll(tempPath("a.txt")), QByteArray("\r\n"));
}

void TestTextFile::lineFeedBecomesCrLf()
{
    TextFile file(tempPath("a.txt"), TextFile::Encoding::Latin1UnlessWider);
    file.write(QStringLiteral("a\nb"));
    file.close();
    QCOMPARE(readAll(tempPath("a.txt")), QByteArray("\x61\x0D\x0A\x62"));
}

void TestTextFile::nothingElseIsDropped()
{
    // A CR of the text stays; only "\n" gains its CR.
    TextFile file(tempPath("a.txt"), TextFile::Encoding::Utf8);
    file.write(QStringLiteral("a\r\nb\rc"));
    file.close();
    QCOMPARE(readAll(tempPath("a.txt")), QByteArray("a\r\r\nb\rc"));
}

void TestTextFile::latin1Bytes()
{
    TextFile file(tempPath("a.zant"), TextFile::Encoding::Latin1UnlessWider);
    file.write(QString(QChar(0xE9)) + QChar(0xA0) + QChar(0xA3) + QChar(0xFF));
    file.close();
    QCOMPARE(readAll(tempPath("a.zant")), QByteArray("\xE9\xA0\xA3\xFF"));
}

void TestTextFile::utf8Report()
{
    TextFile file(tempPath("a.htm"), TextFile::Encoding::Utf8);
    file.writeLine(QStringLiteral("Caf\u00e9 \u2013 \u00dcn\u00efcode \u2602"));
    file.close();
    QCOMPARE(readAll(tempPath("a.htm")),
             QByteArray("Caf\xC3\xA9 \xE2\x80\x93 \xC3\x9Cn\xC3\xAF" "code \xE2\x98\x82\r\n"));
}

void TestTextFile::widerCharacterMakesTheWholeFileUtf8()
{
    TextFile file(tempPath("a.zant"), TextFile::Encoding::Latin1UnlessWider);
    file.write(QStringLiteral("Description = \u00e9\n"));
    file.write(QStringLiteral("Lender1 = \u2602\n"));
    file.close();
    // No byte-order mark; the earlier é too is UTF-8 now.
    QCOMPARE(readAll(tempPath("a.zant")),
             QByteArray("Description = \xC3\xA9\r\nLender1 = \xE2\x98\x82\r\n"));
}

void TestTextFile::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("latin1UnlessWider");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << "" << true << QByteArray();
    QTest::newRow("lf") << "\n" << true << QByteArray("\r\n");
    QTest::newRow("two lf") << "\n\n" << false << QByteArray("\r\n\r\n");
    QTest::newRow("latin1 U+00FF") << QString(QChar(0xFF)) << true << QByteArray("\xFF");
    QTest::newRow("utf8 U+00FF") << QString(QChar(0xFF)) << false << QByteArray("\xC3\xBF");
    QTest::newRow("U+0100 wider") << QString(QChar(0x100)) << true << QByteArray("\xC4\x80");
    QTest::newRow("euro") << QStringLiteral("1 \u20ac\n") << true
                          << QByteArray("1 \xE2\x82\xAC\r\n");
    QTest::newRow("NUL kept") << QString(QChar(0)) << true << QByteArray(1, '\0');
}

void TestTextFile::encode()
{
    QFETCH(QString, text);
    QFETCH(bool, latin1UnlessWider);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextFile::encode(text, latin1UnlessWider ? TextFile::Encoding::Latin1UnlessWider
                                                       : TextFile::Encoding::Utf8),
             bytes);
}

void TestTextFile::pieceOf1023CharactersIsWhole()
{
    const QString piece(1023, QLatin1Char('x'));
    TextFile file(tempPath("a.txt"), TextFile::Encoding::Latin1UnlessWider);
    file.write(piece);
    file.close();
    QCOMPARE(readAll(tempPath("a.txt")), QByteArray(1023, 'x'));
}

void TestTextFile::longPiecesAreWhole()
{
    // A piece of any length is written whole.
    TextFile file(tempPath("a.txt"), TextFile::Encoding::Latin1UnlessWider);
    file.write(QString(5000, QLatin1Char('f')));
    file.writeLine(QString(100000, QChar(0xE9)));
    file.close();
    QCOMPARE(readAll(tempPath("a.txt")),
             QByteArray(5000, 'f') + QByteArray(100000, '\xE9') + QByteArray("\r\n"));
}

void TestTextFile::writeAndWriteLine()
{
    TextFile file(tempPath("a.zant"), TextFile::Encoding::Latin1UnlessWider);
    file.write(QStringLiteral(";\n; Zantoria Import/Export file\n;\n\n"));
    // Text is written as it is: "%" and "%1" are no directives.
    file.write(QStringLiteral("Term1 = 30 %s %d %%\n"));
    file.writeLine(QStringLiteral("<title>%1</title>"));
    file.close();
    QCOMPARE(readAll(tempPath("a.zant")),
             QByteArray(";\r\n; Zantoria Import/Export file\r\n;\r\n\r\nTerm1 = 30 %s %d %%\r\n"
                        "<title>%1</title>\r\n"));
}

void TestTextFile::existingFileIsEmptiedByClose()
{
    QVERIFY(writeAll(tempPath("old.txt"), "earlier text"));
    TextFile file(tempPath("old.txt"), TextFile::Encoding::Utf8);
    file.close();
    QCOMPARE(readAll(tempPath("old.txt")), QByteArray());
}

void TestTextFile::destroyingWithoutCloseKeepsTheEarlierFile()
{
    // The file is replaced only by a successful Close.
    QVERIFY(writeAll(tempPath("old.txt"), "earlier text"));
    {
        TextFile file(tempPath("old.txt"), TextFile::Encoding::Utf8);
        file.writeLine(QStringLiteral("new text"));
    }
    QCOMPARE(readAll(tempPath("old.txt")), QByteArray("earlier text"));
    QCOMPARE(entries(), QStringList{QStringLiteral("old.txt")});
}

void TestTextFile::closeTwiceAndWriteAfterClose()
{
    TextFile file(tempPath("a.txt"), TextFile::Encoding::Utf8);
    QVERIFY(file.isOpen());
    QCOMPARE(file.getFilePath(), tempPath("a.txt"));
    file.write(QStringLiteral("x"));
    file.close();
    QVERIFY(!file.isOpen());
    file.close();
    try {
        file.write(QStringLiteral("y"));
        QFAIL("writing after Close must throw");
    } catch (const FileException &e) {
        QCOMPARE(e.m_cause, FileException::invalidFile);
        QCOMPARE(e.m_fileName, tempPath("a.txt"));
    }
    QCOMPARE(readAll(tempPath("a.txt")), QByteArray("x"));
}

void TestTextFile::newFileAppearsOnlyAtClose()
{
    TextFile file(tempPath("new.txt"), TextFile::Encoding::Utf8);
    file.writeLine(QStringLiteral("x"));
    QVERIFY(!QFile::exists(tempPath("new.txt")));
    file.close();
    QCOMPARE(entries(), QStringList{QStringLiteral("new.txt")});
}

void TestTextFile::roundTripThroughTheReader()
{
    const QStringList lines = {QStringLiteral("Description = Caf\u00e9 \u00a3"),
                               QString(), QStringLiteral("Lender1 = 100%")};
    for (const QString &wider : {QString(), QStringLiteral(" \u2602")}) {
        {
            TextFile file(tempPath("r.zant"), TextFile::Encoding::Latin1UnlessWider);
            for (const QString &line : lines)
                file.writeLine(line + wider);
            file.close();
        }
        StdioFile reader(tempPath("r.zant"));
        QString line;
        for (const QString &expected : lines) {
            QVERIFY(reader.readString(line));
            QCOMPARE(line, expected + wider);
        }
        QVERIFY(!reader.readString(line));
    }
}

void TestTextFile::smallFileFitsUnderTheLimit()
{
    FileSizeLimit limit(1000);
    QVERIFY(limit.isSet());
    TextFile file(tempPath("small.txt"), TextFile::Encoding::Utf8);
    file.write(QString(999, QLatin1Char('x')));
    file.close();
    QCOMPARE(readAll(tempPath("small.txt")).size(), 999);
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
