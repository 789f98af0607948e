#include "figurelocales.h"
#include "localeservices.h"
#include "testfiles.h"
#include "value.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The golden pages hold {DATE} and {YEAR} where a report carries the day it was written.
QString ExpectedPage(const char *golden, const QString &locale)
{
    CLocaleServices::PinLocale(locale);
    QString page = QString::fromUtf8(ReadAll(QString::fromUtf8(golden)));
    page.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return page;
}

QString MaskDate(QString page)
{
    page.replace(QRegularExpression(QStringLiteral("<td style=\"text-align:right\">[^<]*</td>")),
                 QStringLiteral("<td style=\"text-align:right\">{DATE}</td>"));
    page.replace(QRegularExpression(QStringLiteral("Copyright &copy; \\d+ Quenwick")),
                 QStringLiteral("Copyright &copy; {YEAR} Quenwick"));
    return page;
}

} // namespace

class TestReportCommand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writesNextToTheDealFile();
    void writesWhereAsked();
    void usesTheSavedSettingsAndTheLocale();
    void examplesReadTheSameInEveryLocale_data();
    void examplesReadTheSameInEveryLocale();
    void badInputAndMissingFiles();
    void refusedOutputs_data();
    void refusedOutputs();
    void standardOutputAndNamesThatAreNoUtf8();
    void outOfMemory();
    void manyFilesInEachFormat();
    void help();

private:
    Result Run(const QStringList &arguments, const QString &locale = QStringLiteral("en_US.UTF-8"));
    // Runs the command with nothing but these locale variables ("LANG=de_DE.UTF-8").
    Result RunIn(const QStringList &arguments, const QStringList &localeVariables,
                 const QString &program = QStringLiteral(ZANT_REPORT_COMMAND));

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestReportCommand::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

Result TestReportCommand::Run(const QStringList &arguments, const QString &locale)
{
    return RunIn(arguments, {QStringLiteral("LC_ALL=") + locale});
}

Result TestReportCommand::RunIn(const QStringList &arguments, const QStringList &localeVariables,
                                const QString &program)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MONETARY", "LC_NUMERIC", "LC_TIME", "LANG"})
        environment.remove(QString::fromLatin1(name));
    for (const QString &variable : localeVariables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    // The user's profile of this test only.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->filePath(QStringLiteral("config")));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Result result;
    if (!process.waitForFinished(30000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestReportCommand::writesNextToTheDealFile()
{
    const QString deal = m_dir->filePath(QStringLiteral("my deal.zant"));
    QVERIFY(QFile::copy(QStringLiteral(ZANT_EXAMPLES "/first-run.zant"), deal));
    const Result result = Run({deal});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    const QString page = QString::fromUtf8(ReadAll(m_dir->filePath(QStringLiteral("my deal.htm"))));
    QCOMPARE(MaskDate(page), ExpectedPage(ZANT_GOLDEN_FIRST_RUN, QStringLiteral("en_US")));
}

void TestReportCommand::writesWhereAsked()
{
    const QString report = m_dir->filePath(QStringLiteral("five.htm"));
    const Result result = Run({QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), QStringLiteral("-o"), report});
    QCOMPARE(result.exitCode, 0);
    const QString page = QString::fromUtf8(ReadAll(report));
    QCOMPARE(MaskDate(page), ExpectedPage(ZANT_GOLDEN_FIVE_LOANS, QStringLiteral("en_US")));
    QVERIFY(page.contains(QStringLiteral("<td>($18.77)</td>")));
    // The date is today's, in the user's short form.
    QVERIFY(page.contains(QStringLiteral(">%1</td>").arg(CLocaleServices::FormatShortDate(QDate::currentDate())))
            || page.contains(QStringLiteral(">%1</td>").arg(CLocaleServices::FormatShortDate(QDate::currentDate().addDays(-1)))));
}

void TestReportCommand::usesTheSavedSettingsAndTheLocale()
{
    QDir().mkpath(m_dir->filePath(QStringLiteral("config/Quenwick")));
    QFile profile(m_dir->filePath(QStringLiteral("config/Quenwick/zantoria.conf")));
    QVERIFY(profile.open(QIODevice::WriteOnly));
    profile.write("[ZANT]\nFontSize=large\nLabelsColor=13434828\nDescription=not used by the command\n");
    profile.close();

    // A deal file exported in a German locale: its figures read back in the same locale.
    const QString deal = m_dir->filePath(QStringLiteral("de.zant"));
    QFile dealFile(deal);
    QVERIFY(dealFile.open(QIODevice::WriteOnly));
    dealFile.write(QString::fromUtf8("Description = Four-unit building, 12 Elm Street\r\n"
                                     "PurchasePrice = 200.000,00\u00a0€\r\nEscrow = 250,50\u00a0€\r\n"
                                     "InterestRate2 = 6,50%\r\n").toUtf8());
    dealFile.close();
    const QString report = m_dir->filePath(QStringLiteral("de.htm"));
    const Result result = Run({deal, QStringLiteral("--output"), report}, QStringLiteral("de_DE.UTF-8"));
    QCOMPARE(result.exitCode, 0);
    const QString page = QString::fromUtf8(ReadAll(report));
    QVERIFY(page.contains(QStringLiteral("  font-size: large;\r\n")));
    QVERIFY(page.contains(QStringLiteral("  background-color: #ccffcc;\r\n")));
    QVERIFY(page.contains(QStringLiteral("  font-family: Tahoma,Arial,sans-serif;\r\n")));
    QVERIFY(page.contains(QString::fromUtf8("<td class=\"even\">200.000,00\u00a0€</td>")));
    QVERIFY(page.contains(QString::fromUtf8("<td class=\"even\">250,50\u00a0€</td>")));
    QVERIFY(page.contains(QStringLiteral("<td>6,50%</td>")));
    QVERIFY(page.contains(QStringLiteral("Four-unit building, 12 Elm Street")));
}

void TestReportCommand::examplesReadTheSameInEveryLocale_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::newRow("de_DE") << QStringList{QStringLiteral("LC_ALL=de_DE.UTF-8")};
    QTest::newRow("fr_CH") << QStringList{QStringLiteral("LANG=fr_CH.UTF-8")};
    QTest::newRow("ar_EG") << QStringList{QStringLiteral("LANG=ar_EG.UTF-8")};
    QTest::newRow("German money, C numbers")
        << QStringList{QStringLiteral("LANG=de_DE.UTF-8"), QStringLiteral("LC_NUMERIC=C")};
    QTest::newRow("Swiss money, Egyptian numbers")
        << QStringList{QStringLiteral("LC_MONETARY=de_CH.UTF-8"), QStringLiteral("LC_NUMERIC=ar_EG.UTF-8")};
}

// The examples were written in en_US: in any other locale their report shows the same figures,
// each cell in that locale's form.
void TestReportCommand::examplesReadTheSameInEveryLocale()
{
    QFETCH(QStringList, variables);
    const QString deal = QStringLiteral(ZANT_EXAMPLES "/five-loans.zant");
    const QString english = m_dir->filePath(QStringLiteral("en.htm"));
    const QString local = m_dir->filePath(QStringLiteral("local.htm"));
    QCOMPARE(Run({deal, QStringLiteral("-o"), english}).exitCode, 0);
    // Its texts stay in English, so that every cell that is not a figure reads as it was.
    const Result result = RunIn({deal, QStringLiteral("-o"), local},
                                variables + QStringList{QStringLiteral("LANGUAGE=en")});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);

    CLocaleServices::PinLocale(QString());
    for (const QString &variable : variables)
        qputenv(qPrintable(variable.section(QLatin1Char('='), 0, 0)), variable.section(QLatin1Char('='), 1).toLatin1());
    const CFigureLocales shown = CFigureLocales::User();
    const CFigureLocales english_US{QStringLiteral("en_US"), QStringLiteral("en_US")};
    for (const QString &variable : variables)
        qunsetenv(qPrintable(variable.section(QLatin1Char('='), 0, 0)));

    static const QRegularExpression cell(QStringLiteral("<td[^>]*>([^<]*)</td>"));
    // A right-to-left locale's figures stand in isolated runs of their own; the cells are compared
    // by their text.
    const QString localPage = MaskDate(QString::fromUtf8(ReadAll(local))
                                           .remove(QLatin1String("<bdi>"))
                                           .remove(QLatin1String("</bdi>")));
    QStringList localCells;
    for (const auto &match : cell.globalMatch(localPage))
        localCells << match.captured(1);
    QStringList englishCells;
    for (const auto &match : cell.globalMatch(MaskDate(QString::fromUtf8(ReadAll(english)))))
        englishCells << match.captured(1);
    QCOMPARE(localCells.size(), englishCells.size());
    QVERIFY(localPage != MaskDate(QString::fromUtf8(ReadAll(english))));
    static const QRegularExpression figure(QStringLiteral("^[$(]|%$|^[0-9,]+$"));
    for (qsizetype i = 0; i < englishCells.size(); ++i) {
        const QString &was = englishCells.at(i);
        if (!figure.match(was).hasMatch()) {
            QCOMPARE(localCells.at(i), was);
            continue;
        }
        CCurrencyValue money;
        CPercentValue number;
        CValue &value = was.endsWith(QLatin1Char('%')) || !was.contains(QLatin1Char('$'))
                                ? static_cast<CValue &>(number)
                                : money;
        value.Parse(was, english_US);
        const double expected = value.m_value;
        value.Parse(localCells.at(i), shown);
        QVERIFY2(value.m_value == expected, qPrintable(was + QStringLiteral(" became ") + localCells.at(i)));
    }
}

void TestReportCommand::badInputAndMissingFiles()
{
    const QString bad = m_dir->filePath(QStringLiteral("bad.zant"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(";\r\nEscrow = 100\r\nHello\r\n");
    file.close();
    Result result = Run({bad});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err, QStringLiteral("Unable to import '%1' : Unrecognized syntax on line 3.\n").arg(bad));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("bad.htm"))));

    const QString missing = m_dir->filePath(QStringLiteral("missing.zant"));
    result = Run({missing});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, missing + QStringLiteral(" was not found.\n"));

    const QString nowhere = m_dir->filePath(QStringLiteral("no/such/folder/report.htm"));
    result = Run({QStringLiteral(ZANT_EXAMPLES "/first-run.zant"), QStringLiteral("-o"), nowhere});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, nowhere + QStringLiteral(" contains an incorrect path.\n"));

    // What is wrong in one line, then the usage.
    result = Run({});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.startsWith(QStringLiteral("zantoria-report: No deal file given.\nUsage: ")));
    result = Run({bad, bad, QStringLiteral("-o"), m_dir->filePath(QStringLiteral("x.htm"))});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.startsWith(
        QStringLiteral("zantoria-report: -o names one report, but 2 deal files were given.\nUsage: ")));
    result = Run({bad, QStringLiteral("--format=xml")});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.startsWith(
        QStringLiteral("zantoria-report: Unknown format \"xml\": use html, csv or json.\nUsage: ")));

    result = Run({m_dir->path()});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, m_dir->path() + QStringLiteral(" is a folder, not a deal file.\n"));
}

void TestReportCommand::refusedOutputs_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message");
    QTest::newRow("a folder") << "." << "Cannot write the report to %1: it is a folder.";
    QTest::newRow("a FIFO") << "fifo" << "Cannot write the report to %1: it is not a regular file.";
    QTest::newRow("a device") << "/dev/null" << "Cannot write the report to %1: it is not a regular file.";
    QTest::newRow("the deal file") << "deal.zant"
                                   << "Cannot write the report to %1: it is the deal file being read.";
    QTest::newRow("the deal file by a link")
        << "link.zant" << "Cannot write the report to %1: it is the deal file being read.";
}

// An output that is no regular file, or is the input under another name, is refused before
// anything is read or written, with one line that says why.
void TestReportCommand::refusedOutputs()
{
    QFETCH(QString, output);
    QFETCH(QString, message);
    const QString deal = m_dir->filePath(QStringLiteral("deal.zant"));
    QVERIFY(QFile::copy(QStringLiteral(ZANT_EXAMPLES "/first-run.zant"), deal));
    QVERIFY(QFile::link(deal, m_dir->filePath(QStringLiteral("link.zant"))));
    QCOMPARE(::mkfifo(QFile::encodeName(m_dir->filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
    const QString target = output.startsWith(QLatin1Char('/')) ? output : m_dir->filePath(output);
    const QByteArray before = ReadAll(deal);

    const Result result = Run({deal, QStringLiteral("-o"), target});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, message.arg(target) + QLatin1Char('\n'));
    QCOMPARE(ReadAll(deal), before);
    QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("fifo"))).isFile() == false);
}

// "-o -" writes the report to standard output; names that are no UTF-8 reach their files both
// ways, read and written.
void TestReportCommand::standardOutputAndNamesThatAreNoUtf8()
{
    const QString deal = m_dir->filePath(QStringLiteral("deal.zant"));
    QVERIFY(QFile::copy(QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), deal));
    QCOMPARE(Run({deal, QStringLiteral("-o"), m_dir->filePath(QStringLiteral("deal.htm"))}).exitCode, 0);
    const QByteArray expected = ReadAll(m_dir->filePath(QStringLiteral("deal.htm")));
    Result result = Run({deal, QStringLiteral("-o"), QStringLiteral("-")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out.toUtf8(), expected);

    const QByteArray folder = QFile::encodeName(m_dir->path());
    const QByteArray latin1Deal = folder + "/caf\xe9.zant";
    QVERIFY(QFile::copy(deal, QStringLiteral("%1/cafe.zant").arg(m_dir->path())));
    QCOMPARE(::rename(QFile::encodeName(m_dir->filePath(QStringLiteral("cafe.zant"))).constData(),
                      latin1Deal.constData()), 0);
    // QProcess passes its arguments as UTF-8: the shell makes the bytes of the names itself.
    const QString script = QStringLiteral(
        "deal=\"$1/$(printf 'caf\\351.zant')\"; \"$0\" \"$deal\" && "
        "\"$0\" \"$deal\" -o \"$1/$(printf '\\374ber.htm')\"");
    result = RunIn({QStringLiteral("-c"), script, QStringLiteral(ZANT_REPORT_COMMAND), m_dir->path()},
                   {QStringLiteral("LC_ALL=en_US.UTF-8")}, QStringLiteral("/bin/sh"));
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    auto readRaw = [](const QByteArray &path) {
        QFile file;
        const int fd = ::open(path.constData(), O_RDONLY);
        if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            return QByteArray("(missing)");
        return file.readAll();
    };
    QCOMPARE(readRaw(folder + "/caf\xe9.htm"), expected);
    QCOMPARE(readRaw(folder + "/\xfc" "ber.htm"), expected);
}

// Beyond 16 MiB a file is refused unread, /dev/zero too. Within it, memory may still run out:
// then the command says so and exits 2, never aborting, and the report on disk stays as it was.
// The limit is lowered step by step until the import no longer fits.
void TestReportCommand::outOfMemory()
{
    Result result = Run({QStringLiteral("/dev/zero")});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, QStringLiteral("/dev/zero is too large to be read: a deal file holds at most 16 MiB.\n"));
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer needs more address space than any limit here leaves");
#endif
    const QString deal = m_dir->filePath(QStringLiteral("huge.zant"));
    QVERIFY(WriteAll(deal, "Description = " + QByteArray(15 << 20, 'x')));
    const QString report = m_dir->filePath(QStringLiteral("huge.htm"));
    const QString script = QStringLiteral("ulimit -v \"$3\" && exec \"$0\" \"$1\" -o \"$2\"");
    for (int megabytes = 400; megabytes >= 100; megabytes -= 20) {
        QVERIFY(WriteAll(report, "earlier"));
        result = RunIn({QStringLiteral("-c"), script, QStringLiteral(ZANT_REPORT_COMMAND), deal, report,
                        QString::number(megabytes * 1024)},
                       {QStringLiteral("LC_ALL=en_US.UTF-8")}, QStringLiteral("/bin/sh"));
        if (result.exitCode == 0)
            continue;
        QCOMPARE(result.err, QStringLiteral("Out of memory.\n"));
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(ReadAll(report), QByteArray("earlier"));
        return;
    }
    QFAIL("the import fitted in every limit tried");
}

// Several deal files in one run: HTML beside each, or one CSV or JSON of them all, with the
// files that cannot be read named on standard error and left out.
void TestReportCommand::manyFilesInEachFormat()
{
    const QString five = m_dir->filePath(QStringLiteral("five, loans.zant"));
    const QString first = m_dir->filePath(QStringLiteral("first.zant"));
    const QString bad = m_dir->filePath(QStringLiteral("bad.zant"));
    QVERIFY(QFile::copy(QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), five));
    QVERIFY(QFile::copy(QStringLiteral(ZANT_EXAMPLES "/first-run.zant"), first));
    QVERIFY(WriteAll(bad, "Hello\r\n"));

    QCOMPARE(Run({five, first}).exitCode, 0);
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("five, loans.htm"))));
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("first.htm"))));

    // German figures, English messages.
    Result result = RunIn({QStringLiteral("--format=csv"), five, bad, first},
                          {QStringLiteral("LC_ALL=de_DE.UTF-8"), QStringLiteral("LANGUAGE=en")});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err, QStringLiteral("Unable to import '%1' : Unrecognized syntax on line 1.\n").arg(bad));
    QStringList lines = result.out.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 1 + 2 * 5 + 1);
    QVERIFY(lines.constFirst().startsWith(QStringLiteral("file,description,purchase_price,")));
    QVERIFY(lines.at(1).startsWith(QLatin1Char('"') + five + QStringLiteral("\",")));
    QVERIFY(lines.at(1).contains(QStringLiteral(",251116.02,")));
    QVERIFY(lines.at(6).startsWith(first + QLatin1Char(',')));

    const QString json = m_dir->filePath(QStringLiteral("all.json"));
    result = Run({QStringLiteral("--format=json"), QStringLiteral("-o"), json, five, first});
    QCOMPARE(result.exitCode, 0);
    const QJsonDocument document = QJsonDocument::fromJson(ReadAll(json));
    const QJsonArray deals = document[QStringLiteral("deals")].toArray();
    QCOMPARE(deals.size(), 2);
    QCOMPARE(deals[0][QStringLiteral("file")].toString(), five);
    QCOMPARE(deals[0][QStringLiteral("loans")][0][QStringLiteral("principal_and_interest")].toDouble(),
             deals[1][QStringLiteral("loans")][0][QStringLiteral("principal_and_interest")].toDouble());
    QVERIFY(deals[0][QStringLiteral("loans")][4][QStringLiteral("total_interest")].isNull());
    QCOMPARE(deals[0][QStringLiteral("least_interest")].toInt(), 3);
}

void TestReportCommand::help()
{
    const Result result = Run({QStringLiteral("--help")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains(QStringLiteral("Usage:")));
    QVERIFY(result.out.contains(QStringLiteral("DEAL.zant")));
    QVERIFY(result.out.contains(QStringLiteral("-o, --output <OUTPUT>")));
    QVERIFY(result.out.contains(QStringLiteral("--format <FORMAT>")));
}

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
