#include "filelimits.h"
#include "textio/fileexception.h"
#include "textio/stdiofile.h"
#include "textio/textfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

namespace {

// The cause CTextFile's constructor throws for path, or none.
CFileException::Cause OpenCause(const QString &path, QString *message = nullptr)
{
    try {
        CTextFile file(path, CTextFile::Encoding::Utf8);
    } catch (const CFileException &e) {
        if (message)
            *message = e.Message();
        return e.m_cause;
    }
    return CFileException::none;
}

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    // The formatter.
    void format_data();
    void format();
    void formatWithoutArguments();
    void formatNumbers();

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

    // Failures.
    void missingFolderIsBadPath();
    void pathThroughAFileIsBadPath();
    void emptyPathIsBadPath();
    void nameTooLongIsBadPath();
    void directoryIsAccessDenied();
    void readOnlyFolderIsAccessDenied();
    void readOnlyTargetIsAccessDenied();
    void tooManyOpenFiles();
    void diskFullAtClose();
    void smallFileFitsUnderTheLimit();

private:
    QString Path(const QString &name) const { return m_dir->filePath(name); }
    QStringList Entries() const
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

void TestTextFile::format_data()
{
    // Every row passes the same three arguments: "abc", -7 and the text "%d%s".
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "plain" << "plain";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("%s") << "<%s>" << "<abc>";
    QTest::newRow("in order") << "%s|%d|%s" << "abc|-7|%d%s";
    QTest::newRow("%%") << "%%" << "%";
    QTest::newRow("100%%") << "width: 100%%;" << "width: 100%;";
    QTest::newRow("%%s is no directive") << "%%s%s" << "%sabc";
    QTest::newRow("missing argument literal") << "%s %s %s %s %d" << "abc -7 %d%s %s %d";
    QTest::newRow("unknown directive") << "%x %s" << "%x abc";
    QTest::newRow("widths not read") << "%5d %s" << "%5d abc";
    QTest::newRow("dangerous directives") << "%n%p%ls%S" << "%n%p%ls%S";
    QTest::newRow("lone % at end") << "50%" << "50%";
    QTest::newRow("only %") << "%" << "%";
    QTest::newRow("%d of a text copies it") << "%d" << "abc";
    QTest::newRow("%s of a number") << "%s%s" << "abc-7";
    QTest::newRow("line ends untouched") << "a\nb%s\n" << "a\nbabc\n";
    QTest::newRow("non-Latin") << "☂ %s ☂" << "☂ abc ☂";
}

void TestTextFile::format()
{
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(FormatTextV(format, QStringLiteral("abc"), -7, QStringLiteral("%d%s")), expected);
}

void TestTextFile::formatWithoutArguments()
{
    QCOMPARE(FormatTextV(QStringLiteral("%s%d%%%")), QStringLiteral("%s%d%%"));
    QCOMPARE(FormatText(QStringLiteral("a%sb"), {}), QStringLiteral("a%sb"));
}

void TestTextFile::formatNumbers()
{
    QCOMPARE(FormatTextV(QStringLiteral("%d"), INT_MIN), QStringLiteral("-2147483648"));
    QCOMPARE(FormatTextV(QStringLiteral("%d"), INT_MAX), QStringLiteral("2147483647"));
    QCOMPARE(FormatTextV(QStringLiteral("Lender%d = %s"), 3, "Bank"),
             QStringLiteral("Lender3 = Bank"));
    QCOMPARE(EscapeFormat(QStringLiteral("a%b%%")), QStringLiteral("a%%b%%%%"));
}

void TestTextFile::emptyLineIsCrLf()
{
    CTextFile file(Path("a.txt"), CTextFile::Encoding::Latin1UnlessWider);
    file.WriteLine(QString());
    file.Close();
    QCOMPARE(ReadAll(Path("a.txt")), QByteArray("\r\n"));
}

void TestTextFile::lineFeedBecomesCrLf()
{
    CTextFile file(Path("a.txt"), CTextFile::Encoding::Latin1UnlessWider);
    file.Write(QStringLiteral("a\nb"));
    file.Close();
    QCOMPARE(ReadAll(Path("a.txt")), QByteArray("\x61\x0D\x0A\x62"));
}

void TestTextFile::nothingElseIsDropped()
{
    // A CR of the text stays; only "\n" gains its CR.
    CTextFile file(Path("a.txt"), CTextFile::Encoding::Utf8);
    file.Write(QStringLiteral("a\r\nb\rc"));
    file.Close();
    QCOMPARE(ReadAll(Path("a.txt")), QByteArray("a\r\r\nb\rc"));
}

void TestTextFile::latin1Bytes()
{
    CTextFile file(Path("a.zant"), CTextFile::Encoding::Latin1UnlessWider);
    file.Write(QStringLiteral("%s"), QString(QChar(0xE9)) + QChar(0xA0) + QChar(0xA3) + QChar(0xFF));
    file.Close();
    QCOMPARE(ReadAll(Path("a.zant")), QByteArray("\xE9\xA0\xA3\xFF"));
}

void TestTextFile::utf8Report()
{
    CTextFile file(Path("a.htm"), CTextFile::Encoding::Utf8);
    file.WriteLine(QStringLiteral("Caf\u00e9 \u2013 \u00dcn\u00efcode \u2602"));
    file.Close();
    QCOMPARE(ReadAll(Path("a.htm")),
             QByteArray("Caf\xC3\xA9 \xE2\x80\x93 \xC3\x9Cn\xC3\xAF" "code \xE2\x98\x82\r\n"));
}

void TestTextFile::widerCharacterMakesTheWholeFileUtf8()
{
    CTextFile file(Path("a.zant"), CTextFile::Encoding::Latin1UnlessWider);
    file.Write(QStringLiteral("Description = %s\n"), QStringLiteral("\u00e9"));
    file.Write(QStringLiteral("Lender1 = %s\n"), QStringLiteral("\u2602"));
    file.Close();
    // No byte-order mark; the earlier é too is UTF-8 now.
    QCOMPARE(ReadAll(Path("a.zant")),
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
    QCOMPARE(CTextFile::Encode(text, latin1UnlessWider ? CTextFile::Encoding::Latin1UnlessWider
                                                       : CTextFile::Encoding::Utf8),
             bytes);
}

void TestTextFile::pieceOf1023CharactersIsWhole()
{
    const QString piece(1023, QLatin1Char('x'));
    CTextFile file(Path("a.txt"), CTextFile::Encoding::Latin1UnlessWider);
    file.Write(piece);
    file.Close();
    QCOMPARE(ReadAll(Path("a.txt")), QByteArray(1023, 'x'));
}

void TestTextFile::longPiecesAreWhole()
{
    // A piece of any length, as format or as argument, is written whole.
    const QString longFormat = QString(5000, QLatin1Char('f')) + QStringLiteral("%s");
    const QString longArgument = QString(100000, QChar(0xE9));
    CTextFile file(Path("a.txt"), CTextFile::Encoding::Latin1UnlessWider);
    file.WriteLine(longFormat, longArgument);
    file.Close();
    QCOMPARE(ReadAll(Path("a.txt")),
             QByteArray(5000, 'f') + QByteArray(100000, '\xE9') + QByteArray("\r\n"));
}

void TestTextFile::writeAndWriteLine()
{
    CTextFile file(Path("a.zant"), CTextFile::Encoding::Latin1UnlessWider);
    file.Write(QStringLiteral(";\n; Zantoria Import/Export file\n;\n\n"));
    file.Write(QStringLiteral("Term%d = %s\n"), 1, QStringLiteral("30"));
    file.WriteLine(QStringLiteral("<title>%s</title>"), QStringLiteral("Zantoria"));
    file.Close();
    QCOMPARE(ReadAll(Path("a.zant")),
             QByteArray(";\r\n; Zantoria Import/Export file\r\n;\r\n\r\nTerm1 = 30\r\n"
                        "<title>Zantoria</title>\r\n"));
}

void TestTextFile::existingFileIsEmptiedByClose()
{
    QVERIFY(WriteAll(Path("old.txt"), "earlier text"));
    CTextFile file(Path("old.txt"), CTextFile::Encoding::Utf8);
    file.Close();
    QCOMPARE(ReadAll(Path("old.txt")), QByteArray());
}

void TestTextFile::destroyingWithoutCloseKeepsTheEarlierFile()
{
    // The file is replaced only by a successful Close.
    QVERIFY(WriteAll(Path("old.txt"), "earlier text"));
    {
        CTextFile file(Path("old.txt"), CTextFile::Encoding::Utf8);
        file.WriteLine(QStringLiteral("new text"));
    }
    QCOMPARE(ReadAll(Path("old.txt")), QByteArray("earlier text"));
    QCOMPARE(Entries(), QStringList{QStringLiteral("old.txt")});
}

void TestTextFile::closeTwiceAndWriteAfterClose()
{
    CTextFile file(Path("a.txt"), CTextFile::Encoding::Utf8);
    QVERIFY(file.IsOpen());
    QCOMPARE(file.GetFilePath(), Path("a.txt"));
    file.Write(QStringLiteral("x"));
    file.Close();
    QVERIFY(!file.IsOpen());
    file.Close();
    try {
        file.Write(QStringLiteral("y"));
        QFAIL("writing after Close must throw");
    } catch (const CFileException &e) {
        QCOMPARE(e.m_cause, CFileException::invalidFile);
        QCOMPARE(e.m_fileName, Path("a.txt"));
    }
    QCOMPARE(ReadAll(Path("a.txt")), QByteArray("x"));
}

void TestTextFile::newFileAppearsOnlyAtClose()
{
    CTextFile file(Path("new.txt"), CTextFile::Encoding::Utf8);
    file.WriteLine(QStringLiteral("x"));
    QVERIFY(!QFile::exists(Path("new.txt")));
    file.Close();
    QCOMPARE(Entries(), QStringList{QStringLiteral("new.txt")});
}

void TestTextFile::roundTripThroughTheReader()
{
    const QStringList lines = {QStringLiteral("Description = Caf\u00e9 \u00a3"),
                               QString(), QStringLiteral("Lender1 = 100%")};
    for (const QString &wider : {QString(), QStringLiteral(" \u2602")}) {
        {
            CTextFile file(Path("r.zant"), CTextFile::Encoding::Latin1UnlessWider);
            for (const QString &line : lines)
                file.WriteLine(QStringLiteral("%s"), line + wider);
            file.Close();
        }
        CStdioFile reader(Path("r.zant"));
        QString line;
        for (const QString &expected : lines) {
            QVERIFY(reader.ReadString(line));
            QCOMPARE(line, expected + wider);
        }
        QVERIFY(!reader.ReadString(line));
    }
}

void TestTextFile::missingFolderIsBadPath()
{
    const QString path = Path("missing/ZANT.htm");
    QString message;
    QCOMPARE(OpenCause(path, &message), CFileException::badPath);
    QCOMPARE(message, path + QStringLiteral(" contains an incorrect path."));
}

void TestTextFile::pathThroughAFileIsBadPath()
{
    QVERIFY(WriteAll(Path("plain"), "x"));
    QCOMPARE(OpenCause(Path("plain/ZANT.htm")), CFileException::badPath);
}

void TestTextFile::emptyPathIsBadPath()
{
    QCOMPARE(OpenCause(QString()), CFileException::badPath);
}

void TestTextFile::nameTooLongIsBadPath()
{
    QCOMPARE(OpenCause(Path(QString(300, QLatin1Char('n')))), CFileException::badPath);
}

void TestTextFile::directoryIsAccessDenied()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("ZANT.htm")));
    const QString path = Path("ZANT.htm");
    QString message;
    QCOMPARE(OpenCause(path, &message), CFileException::accessDenied);
    QCOMPARE(message, QStringLiteral("Access to ") + path + QStringLiteral(" was denied."));
}

void TestTextFile::readOnlyFolderIsAccessDenied()
{
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    const QString folder = Path("ro");
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("ro")));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const CFileException::Cause cause = OpenCause(folder + QStringLiteral("/a.txt"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(cause, CFileException::accessDenied);
}

void TestTextFile::readOnlyTargetIsAccessDenied()
{
    if (::geteuid() == 0)
        QSKIP("root replaces read-only files");
    QVERIFY(WriteAll(Path("ro.txt"), "keep"));
    QVERIFY(QFile::setPermissions(Path("ro.txt"), QFile::ReadOwner));
    QCOMPARE(OpenCause(Path("ro.txt")), CFileException::accessDenied);
    QCOMPARE(ReadAll(Path("ro.txt")), QByteArray("keep"));
}

void TestTextFile::tooManyOpenFiles()
{
    CFileException::Cause cause;
    {
        CNoMoreFiles limit;
        if (!limit.IsSet())
            QSKIP("cannot lower the limit of open files");
        cause = OpenCause(Path("a.txt"));
    }
    QCOMPARE(cause, CFileException::tooManyOpenFiles);
    QCOMPARE(OpenCause(Path("a.txt")), CFileException::none);
}

void TestTextFile::diskFullAtClose()
{
    QVERIFY(WriteAll(Path("old.txt"), "earlier text"));
    QString message;
    CFileException::Cause cause = CFileException::none;
    {
        CFileSizeLimit limit(1000);
        QVERIFY(limit.IsSet());
        CTextFile file(Path("old.txt"), CTextFile::Encoding::Utf8);
        file.Write(QString(5000, QLatin1Char('x')));
        try {
            file.Close();
        } catch (const CFileException &e) {
            cause = e.m_cause;
            message = e.Message();
        }
    }
    QCOMPARE(cause, CFileException::diskFull);
    QCOMPARE(message, QStringLiteral("Disk full while accessing ") + Path("old.txt")
                              + QStringLiteral("."));
    QCOMPARE(ReadAll(Path("old.txt")), QByteArray("earlier text"));
    QCOMPARE(Entries(), QStringList{QStringLiteral("old.txt")});
}

void TestTextFile::smallFileFitsUnderTheLimit()
{
    CFileSizeLimit limit(1000);
    QVERIFY(limit.IsSet());
    CTextFile file(Path("small.txt"), CTextFile::Encoding::Utf8);
    file.Write(QString(999, QLatin1Char('x')));
    file.Close();
    QCOMPARE(ReadAll(Path("small.txt")).size(), 999);
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
