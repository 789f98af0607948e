#include "core/dealfields.h"
#include "core/figurelocales.h"
#include "core/loananalysis.h"
#include "exchange/exchangefile.h"
#include "platform/profilestore.h"
#include "core/localeservices.h"
#include "testfiles.h"
#include "core/value.h"

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

#include <cmath>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The golden pages hold {DATE} and {YEAR} where a report carries the day it was written.
QString expectedPage(const char *golden, const QString &locale)
{
    LocaleServices::pinLocale(locale);
    QString page = QString::fromUtf8(readAll(QString::fromUtf8(golden)));
    page.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return page;
}

QString maskDate(QString page)
{
    page.replace(QRegularExpression(QStringLiteral("<td style=\"text-align:right\">[^<]*</td>")),
                 QStringLiteral("<td style=\"text-align:right\">{DATE}</td>"));
    page.replace(QRegularExpression(QStringLiteral("Copyright &copy; \\d+ Quenwick")),
                 QStringLiteral("Copyright &copy; {YEAR} Quenwick"));
    return page;
}

// A file by the bytes of its name, which need not be UTF-8.
QByteArray readRaw(const QByteArray &path)
{
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return QByteArray("(missing)");
    return file.readAll();
}

bool copyToRaw(const QString &from, const QByteArray &to)
{
    const QByteArray bytes = readAll(from);
    QFile file;
    const int fd = ::open(to.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    return fd >= 0 && file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)
           && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

class TestReportCommand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void writesNextToTheDealFile();
    void writesWhereAsked();
    void usesTheSavedSettingsAndTheLocale();
    void examplesReadTheSameInEveryLocale_data();
    void examplesReadTheSameInEveryLocale();
    void badInputAndMissingFiles();
    void figuresAsTheWindowShowsThem();
    void aDealKeepsItsCurrency_data();
    void aDealKeepsItsCurrency();
    void refusedOutputs_data();
    void refusedOutputs();
    void standardOutputAndNamesThatAreNoUtf8();
    void namesThatDifferOnlyInBytesThatAreNoUtf8_data();
    void namesThatDifferOnlyInBytesThatAreNoUtf8();
    void outOfMemory();
    void inputsThatAreNoRegularFiles_data();
    void inputsThatAreNoRegularFiles();
    void eachDealFileItsOwnReport_data();
    void eachDealFileItsOwnReport();
    void failedWritesAreTold_data();
    void failedWritesAreTold();
    void memoryStaysFlatWithManyFiles();
    void namesShownHarmlessInMessages_data();
    void namesShownHarmlessInMessages();
    void manyFilesInEachFormat();
    void help();
    void projectionFollowsTheFileAndAssume_data();
    void projectionFollowsTheFileAndAssume();
    void badAssumptionsAreOneLine_data();
    void badAssumptionsAreOneLine();
    void oneUnderwritingModel();
    void aprOfAWorkedExample();
    void jobsAndFormatsAgree();

private:
    // One offer of oneUnderwritingModel's deals: its loan costs against the reference.
    void checkLoanCosts(int deal, int k, const QJsonObject &loan, const QJsonObject &want, const QString &file);
    // The same offer's after-tax figures, its years' taxes and its refinance.
    void checkAfterTax(int deal, int k, const QJsonObject &loan, const QJsonObject &want);
    Result Run(const QStringList &arguments, const QString &locale = QStringLiteral("en_US.UTF-8"));
    // Runs the command with nothing but these locale variables ("LANG=de_DE.UTF-8").
    Result runIn(const QStringList &arguments, const QStringList &localeVariables,
                 const QString &program = QStringLiteral(ZANT_REPORT_COMMAND));
    // Runs the command through the shell, which makes the bytes of names that are no UTF-8
    // (QProcess passes its arguments as UTF-8): script sees the command as "$0", the temporary
    // folder as "$1", and then arguments.
    Result runScript(const QString &script, const QStringList &arguments = {});

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestReportCommand::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// QTemporaryDir cannot see, and so cannot remove, names that are no UTF-8.
void TestReportCommand::cleanup()
{
    QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), m_dir->path()});
}

Result TestReportCommand::Run(const QStringList &arguments, const QString &locale)
{
    return runIn(arguments, {QStringLiteral("LC_ALL=") + locale});
}

Result TestReportCommand::runIn(const QStringList &arguments, const QStringList &localeVariables,
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

Result TestReportCommand::runScript(const QString &script, const QStringList &arguments)
{
    return runIn(QStringList{QStringLiteral("-c"), script, QStringLiteral(ZANT_REPORT_COMMAND), m_dir->path()}
                     + arguments,
                 {QStringLiteral("LC_ALL=en_US.UTF-8")}, QStringLiteral("/bin/sh"));
}

void TestReportCommand::writesNextToTheDealFile()
{
    const QString deal = m_dir->filePath(QStringLiteral("my deal.zant"));
    QVERIFY(QFile::copy(QStringLiteral(ZANT_EXAMPLES "/first-run.zant"), deal));
    const Result result = Run({deal});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    const QString page = QString::fromUtf8(readAll(m_dir->filePath(QStringLiteral("my deal.htm"))));
    QCOMPARE(maskDate(page), expectedPage(ZANT_GOLDEN_FIRST_RUN, QStringLiteral("en_US")));
}

void TestReportCommand::writesWhereAsked()
{
    const QString report = m_dir->filePath(QStringLiteral("five.htm"));
    const Result result = Run({QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), QStringLiteral("-o"), report});
    QCOMPARE(result.exitCode, 0);
    const QString page = QString::fromUtf8(readAll(report));
    QCOMPARE(maskDate(page), expectedPage(ZANT_GOLDEN_FIVE_LOANS, QStringLiteral("en_US")));
    QVERIFY(page.contains(QStringLiteral("<td>($18.77)</td>")));
    // The date is today's, in the user's short form.
    QVERIFY(page.contains(QStringLiteral(">%1</td>").arg(LocaleServices::formatShortDate(QDate::currentDate())))
            || page.contains(QStringLiteral(">%1</td>").arg(LocaleServices::formatShortDate(QDate::currentDate().addDays(-1)))));
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
    const QString page = QString::fromUtf8(readAll(report));
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
    const Result result = runIn({deal, QStringLiteral("-o"), local},
                                variables + QStringList{QStringLiteral("LANGUAGE=en")});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);

    LocaleServices::pinLocale(QString());
    for (const QString &variable : variables)
        qputenv(qPrintable(variable.section(QLatin1Char('='), 0, 0)), variable.section(QLatin1Char('='), 1).toLatin1());
    // A dollar deal stays in dollars, in the locale's form.
    const FigureLocales shown = FigureLocales::user(QStringLiteral("USD"));
    const FigureLocales english_US{QStringLiteral("en_US"), QStringLiteral("en_US"), QStringLiteral("USD")};
    for (const QString &variable : variables)
        qunsetenv(qPrintable(variable.section(QLatin1Char('='), 0, 0)));

    static const QRegularExpression cell(QStringLiteral("<td[^>]*>([^<]*)</td>"));
    // A right-to-left locale's figures stand in isolated runs of their own; the cells are compared
    // by their text.
    const QString localPage = maskDate(QString::fromUtf8(readAll(local))
                                           .remove(QLatin1String("<bdi>"))
                                           .remove(QLatin1String("</bdi>")));
    QStringList localCells;
    for (const auto &match : cell.globalMatch(localPage))
        localCells << match.captured(1);
    QStringList englishCells;
    for (const auto &match : cell.globalMatch(maskDate(QString::fromUtf8(readAll(english)))))
        englishCells << match.captured(1);
    QCOMPARE(localCells.size(), englishCells.size());
    QVERIFY(localPage != maskDate(QString::fromUtf8(readAll(english))));
    static const QRegularExpression figure(QStringLiteral("^[$(]|%$|^[0-9,]+$"));
    for (qsizetype i = 0; i < englishCells.size(); ++i) {
        const QString &was = englishCells.at(i);
        if (!figure.match(was).hasMatch()) {
            QCOMPARE(localCells.at(i), was);
            continue;
        }
        CurrencyValue money;
        PercentValue number;
        Value &value = was.endsWith(QLatin1Char('%')) || !was.contains(QLatin1Char('$'))
                                ? static_cast<Value &>(number)
                                : money;
        value.parse(was, english_US);
        const double expected = value.m_value;
        value.parse(localCells.at(i), shown);
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
        QStringLiteral("zantoria-report: Unknown format \"xml\": use html, csv, json or jsonl.\nUsage: ")));

    result = Run({m_dir->path()});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, m_dir->path() + QStringLiteral(" is a folder, not a deal file.\n"));
}

void TestReportCommand::figuresAsTheWindowShowsThem()
{
    // The window shows a term of 15.5 years as 15 and computes 180 payments: so must the report.
    const QString deal = m_dir->filePath(QStringLiteral("half.zant"));
    QVERIFY(writeAll(deal, "Term1 = 15.5\r\nTerm2 = 0.01\r\nInterestRate1 = 6%\r\n"));
    Result result = Run({deal, QStringLiteral("--format=json")});
    QCOMPARE(result.exitCode, 0);
    const QJsonArray loans = QJsonDocument::fromJson(result.out.toUtf8())
                                 .object()[QStringLiteral("deals")].toArray()[0]
                                 .toObject()[QStringLiteral("loans")].toArray();
    QCOMPARE(loans[0].toObject()[QStringLiteral("term_years")].toDouble(), 15.0);
    QCOMPARE(loans[1].toObject()[QStringLiteral("term_years")].toDouble(), 0.0);

    // A figure no field can show is refused with the file, never read as 0.
    const QString huge = m_dir->filePath(QStringLiteral("huge.zant"));
    QVERIFY(writeAll(huge, "PurchasePrice = 1" + QByteArray(130, '0') + "\r\nEscrow = 5\r\n"));
    result = Run({huge});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err, huge + QStringLiteral(": Line 1: the figure 1%1\u2026 for the purchase price "
                                               "is too large to show; it was not read.\n")
                                    .arg(QString(38, QLatin1Char('0'))));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("huge.htm"))));
    result = Run({huge, deal, QStringLiteral("--format=csv")});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(!result.out.contains(QStringLiteral("huge.zant")));
    QVERIFY(result.out.contains(QStringLiteral("half.zant")));

    // A description no edit would take is never cut into a report either.
    const QString wordy = m_dir->filePath(QStringLiteral("wordy.zant"));
    QVERIFY(writeAll(wordy, "Description = " + QByteArray(1001, 'w') + "\r\n"));
    result = Run({wordy});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err, wordy + QStringLiteral(": Line 1: the description is longer than 1,000 "
                                                "characters (1001); it was not read.\n"));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("wordy.htm"))));
}

void TestReportCommand::aDealKeepsItsCurrency_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("price");
    QTest::newRow("de_DE") << "de_DE.UTF-8" << QStringLiteral("425.000,00\u00a0$");
    QTest::newRow("fr_CH") << "fr_CH.UTF-8" << QStringLiteral("425\u202f000.00\u00a0$US");
    QTest::newRow("ar_EG") << "ar_EG.UTF-8" << QStringLiteral("\u061c425,000.00\u00a0US$");
    QTest::newRow("en_US") << "en_US.UTF-8" << QStringLiteral("$425,000.00");
}

// A dollar deal written in en_US shows in dollars in every report, in the user's own form.
void TestReportCommand::aDealKeepsItsCurrency()
{
    QFETCH(QString, lang);
    QFETCH(QString, price);
    const QString deal = m_dir->filePath(QStringLiteral("dollars.zant"));
    QVERIFY(writeAll(deal, ";\r\n; Locale: LC_MONETARY=en_US LC_NUMERIC=en_US\r\n; Currency: USD\r\n"
                           "PurchasePrice = $425,000.00\r\n"));
    const QString report = m_dir->filePath(QStringLiteral("dollars.htm"));
    const Result result = runIn({deal, QStringLiteral("-o"), report}, {QStringLiteral("LANG=") + lang});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QVERIFY(QString::fromUtf8(readAll(report)).contains(QStringLiteral(">") + price + QStringLiteral("<")));
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
    const QByteArray before = readAll(deal);

    const Result result = Run({deal, QStringLiteral("-o"), target});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, message.arg(target) + QLatin1Char('\n'));
    QCOMPARE(readAll(deal), before);
    QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("fifo"))).isFile() == false);
}

// "-o -" writes the report to standard output; names that are no UTF-8 reach their files both
// ways, read and written.
void TestReportCommand::standardOutputAndNamesThatAreNoUtf8()
{
    const QString deal = m_dir->filePath(QStringLiteral("deal.zant"));
    QVERIFY(QFile::copy(QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), deal));
    QCOMPARE(Run({deal, QStringLiteral("-o"), m_dir->filePath(QStringLiteral("deal.htm"))}).exitCode, 0);
    const QByteArray expected = readAll(m_dir->filePath(QStringLiteral("deal.htm")));
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
    result = runIn({QStringLiteral("-c"), script, QStringLiteral(ZANT_REPORT_COMMAND), m_dir->path()},
                   {QStringLiteral("LC_ALL=en_US.UTF-8")}, QStringLiteral("/bin/sh"));
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(readRaw(folder + "/caf\xe9.htm"), expected);
    QCOMPARE(readRaw(folder + "/\xfc" "ber.htm"), expected);
}

void TestReportCommand::namesThatDifferOnlyInBytesThatAreNoUtf8_data()
{
    QTest::addColumn<QString>("options");
    QTest::newRow("html") << "";
    QTest::newRow("html, after --") << "--";
    QTest::newRow("csv") << "--format=csv";
    QTest::newRow("json to a file") << "--format json -o \"$1/all.json\"";
}

// d\xff.zant and d\xfe.zant read as the same text, but each is its own file.
void TestReportCommand::namesThatDifferOnlyInBytesThatAreNoUtf8()
{
    QFETCH(QString, options);
    const QByteArray folder = QFile::encodeName(m_dir->path());
    QVERIFY(copyToRaw(QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), folder + "/d\xff.zant"));
    QVERIFY(copyToRaw(QStringLiteral(ZANT_EXAMPLES "/first-run.zant"), folder + "/d\xfe.zant"));
    const QString five = m_dir->filePath(QStringLiteral("five.htm"));
    const QString first = m_dir->filePath(QStringLiteral("first.htm"));
    QCOMPARE(Run({QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), QStringLiteral("-o"), five}).exitCode, 0);
    QCOMPARE(Run({QStringLiteral(ZANT_EXAMPLES "/first-run.zant"), QStringLiteral("-o"), first}).exitCode, 0);

    const Result result = runScript(QStringLiteral("\"$0\" %1 \"$1/$(printf 'd\\377.zant')\" "
                                                   "\"$1/$(printf 'd\\376.zant')\"").arg(options));
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    if (options.contains(QLatin1String("csv"))) {
        const QStringList lines = result.out.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 1 + 2 * 5 + 1);
        QVERIFY(lines.at(1).contains(QStringLiteral("Four-unit building")));
        QVERIFY(!lines.at(6).contains(QStringLiteral("Four-unit building")));
        // The file column tells the two apart, as messages name them.
        QVERIFY(lines.at(1).contains(QStringLiteral("/d\\xff.zant,")));
        QVERIFY(lines.at(6).contains(QStringLiteral("/d\\xfe.zant,")));
    } else if (options.contains(QLatin1String("json"))) {
        const QJsonArray deals = QJsonDocument::fromJson(readAll(m_dir->filePath(QStringLiteral("all.json"))))
                                     [QStringLiteral("deals")].toArray();
        QCOMPARE(deals.size(), 2);
        QCOMPARE(deals[0][QStringLiteral("description")].toString(), QStringLiteral("Four-unit building, 12 Elm Street"));
        QCOMPARE(deals[1][QStringLiteral("description")].toString(), QString());
        QVERIFY(deals[1][QStringLiteral("file")].toString().endsWith(QStringLiteral("/d\\xfe.zant")));
    } else {
        QCOMPARE(maskDate(QString::fromUtf8(readRaw(folder + "/d\xff.htm"))), maskDate(QString::fromUtf8(readAll(five))));
        QCOMPARE(maskDate(QString::fromUtf8(readRaw(folder + "/d\xfe.htm"))), maskDate(QString::fromUtf8(readAll(first))));
    }
}

// Beyond 16 MiB a file is refused unread. Within it, memory may still run out:
// then the command says so and exits 2, never aborting, and the report on disk stays as it was;
// so with a table of deals computed by two jobs, where a worker thread runs out. The limit is
// lowered step by step until the import no longer fits.
void TestReportCommand::outOfMemory()
{
    const QString large = m_dir->filePath(QStringLiteral("large.zant"));
    QFile largeFile(large);
    QVERIFY(largeFile.open(QIODevice::WriteOnly) && largeFile.resize((16 << 20) + 1));
    largeFile.close();
    Result result = Run({large});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, large + QStringLiteral(" is too large to be read: a deal file holds at most 16 MiB.\n"));
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer needs more address space than any limit here leaves");
#endif
    const QString deal = m_dir->filePath(QStringLiteral("huge.zant"));
    QVERIFY(writeAll(deal, "; " + QByteArray(15 << 20, 'x') + "\r\nDescription = Huge\r\n"));
    const QString script = QStringLiteral("ulimit -v \"$1\" && shift && exec \"$0\" \"$@\"");
    for (const QString &format : {QString(), QStringLiteral("--format=csv")}) {
        const QString report = m_dir->filePath(format.isEmpty() ? QStringLiteral("huge.htm") : QStringLiteral("huge.csv"));
        QStringList command = {QStringLiteral("-c"), script, QStringLiteral(ZANT_REPORT_COMMAND), QString()};
        command << (format.isEmpty() ? QStringList{deal} : QStringList{format, QStringLiteral("--jobs"), QStringLiteral("2"), deal, deal})
                << QStringLiteral("-o") << report;
        bool ranOut = false;
        for (int megabytes = 400; megabytes >= 100 && !ranOut; megabytes -= 20) {
            QVERIFY(writeAll(report, "earlier"));
            command[3] = QString::number(megabytes * 1024);
            result = runIn(command, {QStringLiteral("LC_ALL=en_US.UTF-8")}, QStringLiteral("/bin/sh"));
            if (result.exitCode == 0)
                continue;
            ranOut = true;
            QCOMPARE(result.err, QStringLiteral("Out of memory.\n"));
            QCOMPARE(result.exitCode, 2);
            QCOMPARE(readAll(report), QByteArray("earlier"));
        }
        QVERIFY2(ranOut, "the import fitted in every limit tried");
    }
}

void TestReportCommand::inputsThatAreNoRegularFiles_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("message");
    const QString notADeal = QStringLiteral("%1 is a pipe, socket or device, not a deal file.");
    for (const char *format : {"html", "json"}) {
        QTest::addRow("a FIFO, %s", format) << "fifo.zant" << format << notADeal;
        QTest::addRow("a socket, %s", format) << "socket.zant" << format << notADeal;
        QTest::addRow("/dev/null, %s", format) << "/dev/null" << format << notADeal;
        QTest::addRow("/dev/zero, %s", format) << "/dev/zero" << format << notADeal;
        QTest::addRow("a folder, %s", format) << "folder" << format << "%1 is a folder, not a deal file.";
    }
}

// A FIFO would hold the whole run waiting for a writer, a device reads as an empty or endless
// deal: each is refused by its name, and the other files are written as ever.
void TestReportCommand::inputsThatAreNoRegularFiles()
{
    QFETCH(QString, input);
    QFETCH(QString, format);
    QFETCH(QString, message);
    QCOMPARE(::mkfifo(QFile::encodeName(m_dir->filePath(QStringLiteral("fifo.zant"))).constData(), 0600), 0);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(listening >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketName = QFile::encodeName(m_dir->filePath(QStringLiteral("socket.zant")));
    QVERIFY(size_t(socketName.size()) < sizeof address.sun_path);
    std::memcpy(address.sun_path, socketName.constData(), size_t(socketName.size()));
    QCOMPARE(::bind(listening, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    const QString deal = m_dir->filePath(QStringLiteral("deal.zant"));
    QVERIFY(QFile::copy(QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), deal));
    const QString path = input.startsWith(QLatin1Char('/')) ? input : m_dir->filePath(input);

    const Result result = Run({QStringLiteral("--format=") + format, path, deal});
    ::close(listening);
    QCOMPARE(result.err, message.arg(path) + QLatin1Char('\n'));
    QCOMPARE(result.exitCode, 2);
    if (format == QLatin1String("json")) {
        const QJsonArray deals = QJsonDocument::fromJson(result.out.toUtf8())[QStringLiteral("deals")].toArray();
        QCOMPARE(deals.size(), 1);
        QCOMPARE(deals[0][QStringLiteral("file")].toString(), deal);
    } else {
        QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("deal.htm"))));
    }
}

void TestReportCommand::eachDealFileItsOwnReport_data()
{
    QTest::addColumn<QStringList>("deals");
    QTest::addColumn<QStringList>("reports"); // each deal's, in their order
    QTest::addColumn<QString>("message");
    QTest::newRow("one name, two extensions")
        << QStringList{"deal.zant", "deal.v2"} << QStringList{"deal.htm", "deal.v2.htm"} << "";
    QTest::newRow("three of a name")
        << QStringList{"deal.v3", "deal.zant", "deal.v2"}
        << QStringList{"deal.htm", "deal.zant.htm", "deal.v2.htm"} << "";
    QTest::newRow("a deal file named as a report")
        << QStringList{"a.htm"} << QStringList{"a.htm.htm"} << "";
    QTest::newRow("the report of one, the deal file of another")
        << QStringList{"b.zant", "b.htm"} << QStringList{"b.zant.htm", "b.htm.htm"} << "";
    QTest::newRow("named twice")
        << QStringList{"deal.zant", "./deal.zant"} << QStringList{}
        << "%1/./deal.zant is named twice: it would get two reports.";
    QTest::newRow("still the same report")
        << QStringList{"a.c.zant", "a.zant", "a.c"} << QStringList{}
        << "The reports of %1/a.c.zant and %1/a.c would both be %1/a.c.htm: write them one at a "
           "time with -o.";
    QTest::newRow("no extension")
        << QStringList{"deal.zant", "deal"} << QStringList{}
        << "The reports of %1/deal.zant and %1/deal would both be %1/deal.htm: write them one at a "
           "time with -o.";
    QTest::newRow("a report over a deal file")
        << QStringList{"x.htm", "x"} << QStringList{}
        << "The report of %1/x would replace the deal file %1/x.htm: write it elsewhere with -o.";
}

// Deal files whose reports would have the same name each get their own, and a run in which two
// would still write the same file is refused before anything is written.
void TestReportCommand::eachDealFileItsOwnReport()
{
    QFETCH(QStringList, deals);
    QFETCH(QStringList, reports);
    QFETCH(QString, message);
    QStringList paths;
    for (const QString &deal : std::as_const(deals)) {
        paths << m_dir->filePath(deal);
        QVERIFY(writeAll(paths.constLast(), "Description = " + QFileInfo(deal).fileName().toUtf8() + "\r\n"));
    }
    const Result result = Run(paths);
    QCOMPARE(result.err, message.isEmpty() ? QString() : message.arg(m_dir->path()) + QLatin1Char('\n'));
    QCOMPARE(result.exitCode, message.isEmpty() ? 0 : 1);
    for (qsizetype i = 0; i < reports.size(); ++i)
        QVERIFY2(readAll(m_dir->filePath(reports.at(i))).contains("text-align:left\">" + deals.at(i).toUtf8() + "</td>"),
                 qPrintable(reports.at(i)));
    // Nothing else is written, and no deal file changed.
    QStringList written = QDir(m_dir->path()).entryList(QDir::Files);
    for (const QString &deal : std::as_const(deals))
        written.removeAll(deal);
    QStringList expected = reports;
    expected.removeDuplicates();
    for (const QString &deal : std::as_const(deals))
        expected.removeAll(deal);
    written.sort();
    expected.sort();
    QCOMPARE(written, expected);
    for (const QString &deal : std::as_const(deals))
        QCOMPARE(readAll(m_dir->filePath(deal)), "Description = " + QFileInfo(deal).fileName().toUtf8() + "\r\n");
}

void TestReportCommand::failedWritesAreTold_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("redirection");
    QTest::addColumn<QString>("message");
    const QString full = QStringLiteral("Cannot write to standard output: No space left on device.\n");
    const QString closed = QStringLiteral("Cannot write to standard output: Bad file descriptor.\n");
    QTest::newRow("json, a full disk") << "--format=json" << ">/dev/full" << full;
    QTest::newRow("csv, a full disk") << "--format=csv" << ">/dev/full" << full;
    QTest::newRow("html, a full disk") << "-o -" << ">/dev/full" << full;
    QTest::newRow("json, closed") << "--format=json" << ">&-" << closed;
    QTest::newRow("csv, closed") << "--format=csv" << ">&-" << closed;
    QTest::newRow("html, closed") << "-o -" << ">&-" << closed;
}

// A table or report that cannot be written to standard output says so, and why.
void TestReportCommand::failedWritesAreTold()
{
    QFETCH(QString, options);
    QFETCH(QString, redirection);
    QFETCH(QString, message);
    const Result result = runScript(QStringLiteral("\"$0\" %1 \"$2\" %2").arg(options, redirection),
                                    {QStringLiteral(ZANT_EXAMPLES "/five-loans.zant")});
    QCOMPARE(result.err, message);
    QCOMPARE(result.exitCode, 2);
}

void TestReportCommand::namesShownHarmlessInMessages_data()
{
    QTest::addColumn<QString>("name");  // as printf makes it
    QTest::addColumn<QString>("shown"); // as a message shows it
    QTest::newRow("a title sequence") << "evil\\033]2;T\\007.zant" << "evil\\x1b]2;T\\x07.zant";
    QTest::newRow("a line break") << "two\\nlines.zant" << "two\\x0alines.zant";
    QTest::newRow("a carriage return") << "back\\rhere.zant" << "back\\x0dhere.zant";
    QTest::newRow("a delete") << "del\\177.zant" << "del\\x7f.zant";
    QTest::newRow("a C1 control") << "csi\\302\\233.zant" << "csi\\u009b.zant";
    QTest::newRow("a right-to-left override") << "tnaz\\342\\200\\256.exe" << "tnaz\\u202e.exe";
    QTest::newRow("no UTF-8") << "deal-\\377.zant" << "deal-\\xff.zant";
    QTest::newRow("a backslash") << "back\\\\slash.zant" << "back\\\\slash.zant";
    QTest::newRow("letters") << "Gr\\303\\274n.zant" << "Grün.zant";
}

// A file name can hold anything but "/" and NUL, escape sequences too: a message shows it without
// letting the terminal act on it, the same name always the same way.
void TestReportCommand::namesShownHarmlessInMessages()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    const Result result = runScript(QStringLiteral("\"$0\" \"$1/$(printf '%1')\"").arg(name));
    QCOMPARE(result.err, m_dir->path() + QLatin1Char('/') + shown + QStringLiteral(" was not found.\n"));
    QCOMPARE(result.exitCode, 2);
}

// Each deal is written as soon as it is analysed: a run over thousands of files takes no more
// memory than one over a hundred, and the document is the same as a whole one.
void TestReportCommand::memoryStaysFlatWithManyFiles()
{
    const QString deal = m_dir->filePath(QStringLiteral("deal.zant"));
    QVERIFY(QFile::copy(QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), deal));
    const QString out = m_dir->filePath(QStringLiteral("all.json"));
    for (const int count : {0, 1, 2}) {
        QStringList arguments{QStringLiteral("--format=json"), QStringLiteral("--pretty"), QStringLiteral("-o"), out,
                              QStringLiteral("missing.zant")};
        for (int i = 0; i < count; ++i)
            arguments << deal;
        QCOMPARE(Run(arguments).exitCode, 2);
        const QByteArray document = readAll(out);
        QJsonParseError error;
        const QJsonDocument read = QJsonDocument::fromJson(document, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(read[QStringLiteral("version")].toInt(), 2);
        QCOMPARE(read[QStringLiteral("deals")].toArray().size(), count);
        // Written piece by piece, laid out as one whole: two levels of four spaces for a deal.
        QCOMPARE(document.count("\n        {"), count);
    }
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer keeps freed memory aside");
#endif
    // The largest resident size of one run of the command with the deal file named count times.
    auto peak = [&](int count) -> long {
        QByteArrayList arguments{QByteArray(ZANT_REPORT_COMMAND), "--format=json", "-o", QFile::encodeName(out)};
        for (int i = 0; i < count; ++i)
            arguments << QFile::encodeName(deal);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->filePath(QStringLiteral("config")));
        QByteArrayList variables;
        for (const QString &variable : environment.toStringList())
            variables << variable.toLocal8Bit();
        std::vector<char *> argv;
        for (QByteArray &argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        std::vector<char *> envp;
        for (QByteArray &variable : variables)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            ::execve(argv.front(), argv.data(), envp.data());
            ::_exit(127);
        }
        int status = 0;
        rusage usage{};
        if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)
            || WEXITSTATUS(status) != 0)
            return -1;
        return usage.ru_maxrss; // KiB
    };
    const long few = peak(100);
    const long many = peak(3000);
    QVERIFY(few > 0);
    QVERIFY(many > 0);
    QVERIFY2(many - few < 16 * 1024, qPrintable(QStringLiteral("%1 KiB for 100 files, %2 KiB for 3000").arg(few).arg(many)));
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
    QVERIFY(writeAll(bad, "Hello\r\n"));

    QCOMPARE(Run({five, first}).exitCode, 0);
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("five, loans.htm"))));
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("first.htm"))));

    // German figures, English messages.
    Result result = runIn({QStringLiteral("--format=csv"), five, bad, first},
                          {QStringLiteral("LC_ALL=de_DE.UTF-8"), QStringLiteral("LANGUAGE=en")});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err, QStringLiteral("Unable to import '%1' : Unrecognized syntax on line 1.\n").arg(bad));
    QStringList lines = result.out.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 1 + 2 * 5 + 1);
    QVERIFY(lines.constFirst().startsWith(QStringLiteral("file,description,purchase_price,")));
    QVERIFY(lines.at(1).startsWith(QLatin1Char('"') + five + QStringLiteral("\",")));
    QVERIFY(lines.at(1).contains(QStringLiteral(",251116.02,")));
    QVERIFY(lines.at(6).startsWith(first + QLatin1Char(',')));
    // For scripts: shares as fractions only, terms as typed.
    const QStringList keys = lines.constFirst().split(QLatin1Char(','));
    const QStringList firstRun = lines.at(6).split(QLatin1Char(','));
    QCOMPARE(keys.size(), firstRun.size());
    QCOMPARE(firstRun.at(keys.indexOf(QStringLiteral("term_years"))), QStringLiteral("30"));
    QCOMPARE(firstRun.at(keys.indexOf(QStringLiteral("interest_rate"))), QStringLiteral("0.070000"));
    QCOMPARE(keys.filter(QStringLiteral("_percent")), QStringList());

    const QString json = m_dir->filePath(QStringLiteral("all.json"));
    result = Run({QStringLiteral("--format=json"), QStringLiteral("-o"), json, five, first});
    QCOMPARE(result.exitCode, 0);
    const QJsonDocument document = QJsonDocument::fromJson(readAll(json));
    const QJsonArray deals = document[QStringLiteral("deals")].toArray();
    QCOMPARE(deals.size(), 2);
    QCOMPARE(deals[0][QStringLiteral("file")].toString(), five);
    QCOMPARE(deals[0][QStringLiteral("loans")][0][QStringLiteral("principal_and_interest")].toDouble(),
             deals[1][QStringLiteral("loans")][0][QStringLiteral("principal_and_interest")].toDouble());
    QVERIFY(deals[0][QStringLiteral("loans")][4][QStringLiteral("total_interest")].isNull());
    QCOMPARE(deals[0][QStringLiteral("least_interest")].toInt(), 3);
    // Five loans alike: none stands out, as the analysis window says.
    QVERIFY(deals[1][QStringLiteral("most_safety_cash_flow")].isNull());
    QVERIFY(deals[1][QStringLiteral("least_interest")].isNull());
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

void TestReportCommand::projectionFollowsTheFileAndAssume_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("assume");
    QTest::newRow("as the file says") << "en_US.UTF-8" << QStringList();
    QTest::newRow("overridden in de_DE")
        << "de_DE.UTF-8"
        << QStringList{"--assume", "HoldYears=20", "--assume=appreciation=-1.5", "--assume",
                       "ExtraPayment2=300", "--assume", "Vacancy=7.25"};
    QTest::newRow("a share with its per cent sign") << "ar_EG.UTF-8" << QStringList{"--assume", "Appreciation=3.5%"};
}

// The command line gives the figures of the projection the engine computes for the file as read
// and the assumptions as given; the engine itself is checked against a spreadsheet library.
void TestReportCommand::projectionFollowsTheFileAndAssume()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, assume);
    const QString deal = QStringLiteral(ZANT_EXAMPLES "/five-loans.zant");
    const Result json = Run(QStringList{deal, QStringLiteral("--format=json"), QStringLiteral("--yearly")} + assume, locale);
    QCOMPARE(json.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object()["deals"].toArray()[0].toObject();

    LocaleServices::pinLocale(QStringLiteral("en_US"));
    DealRecord record = ProfileStore::firstRunRecord();
    QVERIFY(ExchangeFile::read(record, deal, nullptr));
    for (QString given : assume) {
        given.remove(QStringLiteral("--assume="));
        given.remove(QLatin1Char('%'));
        forEachStoredField(projectionFields(), [&](const DealField &field, int loan) {
            if (given.section(QLatin1Char('='), 0, 0).compare(field.entry(loan), Qt::CaseInsensitive) == 0)
                field.figure(record, loan).takeNumber(given.section(QLatin1Char('='), 1).toDouble(), record.m_currency);
        });
    }
    const DealAnalysis expected = analyze(record);
    // An assumption out of range leaves its figures empty and is told on standard error.
    const QString problem = expected.assumptions.problem();
    QCOMPARE(json.err, problem.isEmpty() ? QString() : deal + QStringLiteral(": ") + problem + QLatin1Char('\n'));
    QCOMPARE(object["assumptions"].toObject()["hold_years"].toDouble(), record.m_projection.m_holdYears.m_value);
    QCOMPARE(object["best_irr"].isNull() ? -1 : object["best_irr"].toInt() - 1, expected.bestIrr);
    const auto same = [](const QJsonValue &value, const Measure &measure) {
        return measure.isKnown() ? value.toDouble() == measure.value : value.isNull();
    };
    int years = 0;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const Projection &p = expected.loans[std::size_t(k)].projection;
        const QJsonObject loan = object["loans"].toArray()[k].toObject();
        const QJsonObject projection = loan["projection"].toObject();
        QCOMPARE(loan["extra_payment"].toDouble(), record.m_extraPayment[k].m_value);
        QVERIFY(same(loan["interest_saved"], expected.loans[std::size_t(k)].interestSaved));
        QVERIFY(same(projection["irr"], p.irr));
        QVERIFY(same(projection["npv"], p.npv));
        QVERIFY(same(projection["equity_multiple"], p.equityMultiple));
        QVERIFY(same(projection["total_profit"], p.totalProfit));
        QVERIFY(same(projection["annualized_return"], p.annualizedReturn));
        QVERIFY(same(projection["sale_proceeds"], p.saleProceeds));
        // The years come as a list per figure, every list a year long.
        const QJsonObject yearly = projection["years"].toObject();
        QCOMPARE(yearly.keys().size(), 16);
        for (const QJsonValue &column : yearly)
            QCOMPARE(column.toArray().size(), qsizetype(p.years.size()));
        for (qsizetype t = 0; t < qsizetype(p.years.size()); ++t) {
            const ProjectionYear &year = p.years[std::size_t(t)];
            QCOMPARE(yearly["year"][t].toInt(), int(t) + 1);
            QCOMPARE(yearly["cash_flow"][t].toDouble(), year.cashFlow);
            QCOMPARE(yearly["loan_balance"][t].toDouble(), year.loanBalance);
            QVERIFY(same(yearly["irr_if_sold"][t], year.irrIfSold));
        }
        years += int(p.years.size());
    }
    // The yearly CSV has a line for each of those years, in any locale with "." as the point.
    const Result csv = Run(QStringList{deal, QStringLiteral("--format=csv"), QStringLiteral("--yearly")} + assume, locale);
    QCOMPARE(csv.exitCode, 0);
    const QStringList lines = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + years);
    QVERIFY(lines.first().startsWith(QStringLiteral("file,loan,year,rent,vacancy_loss,")));
    if (years > 0) {
        QVERIFY(lines.at(1).contains(QStringLiteral(",1,1,24000.00,")));
        QVERIFY(lines.at(1).endsWith(QLatin1Char(',') + record.m_lender[0]));
    }
    QVERIFY(lines.first().endsWith(QStringLiteral(",lender")));
    // A line per loan tells the hold and the first year's cash flow apart.
    const Result summary = Run(QStringList{deal, QStringLiteral("--format=csv")} + assume, locale);
    QCOMPARE(summary.exitCode, 0);
    const QStringList summaryLines = summary.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QVERIFY(summaryLines.first().endsWith(QStringLiteral(",hold_years,year_1_cash_flow,break_even_occupancy,compared,"
                                                         "points,lender_fees,prepaid_finance_charge,cash_to_close,apr,rate_over_hold,"
                                                         "after_tax_irr,refinance_cash_out")));
    for (int k = 0; k < MAX_LOANS; ++k) {
        const Projection &p = expected.loans[std::size_t(k)].projection;
        const QString cashFlow = p.years.empty() ? QString() : QString::number(p.years.front().cashFlow, 'f', 2);
        const Measure &occupancy = expected.loans[std::size_t(k)].breakEvenOccupancy;
        QVERIFY2(summaryLines.at(k + 1).contains(QStringLiteral(",%1,%2,%3,1,")
                                                     .arg(record.m_projection.m_holdYears.m_value)
                                                     .arg(cashFlow, occupancy.isKnown() ? QString::number(occupancy.value, 'f', 6) : QString())),
                 qPrintable(summaryLines.at(k + 1).right(100)));
    }
}

void TestReportCommand::badAssumptionsAreOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown label") << QStringList{"--assume", "Appreciaton=4"} << "--assume Appreciaton=4: unknown label";
    QTest::newRow("no label") << QStringList{"--assume", "=4"} << "--assume =4: unknown label";
    QTest::newRow("decimal comma") << QStringList{"--assume", "Vacancy=4,5"} << "--assume Vacancy: \"4,5\" is not a number";
    QTest::newRow("no number") << QStringList{"--assume", "HoldYears="} << "--assume HoldYears: \"\" is not a number";
    QTest::newRow("infinite") << QStringList{"--assume", "HoldYears=1e999"} << "--assume HoldYears: \"1e999\" is not a number";
    QTest::newRow("grouping comma") << QStringList{"--assume", "Appreciation=2,125"} << "--assume Appreciation: \"2,125\" is not a number";
    QTest::newRow("too large to show") << QStringList{"--assume", "DiscountRate=1e300"}
                                       << "--assume DiscountRate=1e300: The figure is too large to show.";
    QTest::newRow("hold out of range") << QStringList{"--assume", "HoldYears=60"}
                                       << "--assume HoldYears=60: The holding period must be 1 to 50 years.";
    QTest::newRow("share out of range") << QStringList{"--assume", "vacancy=101%"}
                                        << "--assume vacancy=101%: The vacancy must be 0 % to 100 %.";
    QTest::newRow("negative extra payment") << QStringList{"--assume", "ExtraPayment2=-250"}
                                            << "--assume ExtraPayment2=-250: The extra payment of loan 2 must be 0 or more.";
    QTest::newRow("tax rate out of range") << QStringList{"--assume", "IncomeTaxRate=120"}
                                           << "--assume IncomeTaxRate=120: The income tax rate must be 0 % to 100 %.";
    QTest::newRow("refinance term of 0") << QStringList{"--assume", "RefinanceTerm=0"}
                                         << "--assume RefinanceTerm=0: The refinance is left out: its term must be 1 year or more.";
    QTest::newRow("negative points") << QStringList{"--assume", "Points1=-1"}
                                     << "--assume Points1=-1: No figure below 0 is allowed for the points of loan 1.";
    QTest::newRow("with the HTML report") << QStringList{"--format=html", "--assume", "HoldYears=20"}
                                          << "--assume goes with --format=csv or --format=json.";
}

void TestReportCommand::badAssumptionsAreOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Result result = Run(QStringList{QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"),
                                          QStringLiteral("--format=json")} + arguments);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.startsWith(QStringLiteral("zantoria-report: ") + message), qPrintable(result.err));
    QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
    QVERIFY(result.out.isEmpty());
}

namespace {

// A deal of the reference as a user's deal file: plain figures in en_US, each assumption in per
// cent, and the choice of the offers compared where the deal makes one.
QByteArray dealFile(const QJsonObject &deal)
{
    QByteArray text = "; Zantoria Import/Export file\n; Locale: LC_MONETARY=en_US LC_NUMERIC=en_US\n";
    const auto line = [&text](const QString &label, double number, const char *unit = "") {
        text += label.toUtf8() + " = " + QByteArray::number(number, 'f', 6) + unit + '\n';
    };
    const QJsonObject property = deal[u"property"].toObject();
    line(QStringLiteral("PurchasePrice"), property[u"price"].toDouble());
    line(QStringLiteral("RentalIncome"), property[u"rent"].toDouble());
    line(QStringLiteral("Escrow"), property[u"escrow"].toDouble());
    line(QStringLiteral("OtherFees"), property[u"otherFees"].toDouble());
    const QJsonArray loans = deal[u"loans"].toArray();
    for (int k = 0; k < loans.size(); ++k) {
        const QJsonObject loan = loans[k].toObject();
        const QString n = QString::number(k + 1);
        text += "Lender" + n.toUtf8() + " = " + loan[u"lender"].toString().toUtf8() + '\n';
        line(QStringLiteral("DownPayment") + n, loan[u"downPayment"].toDouble());
        line(QStringLiteral("InterestRate") + n, loan[u"ratePercent"].toDouble(), "%");
        line(QStringLiteral("Term") + n, loan[u"termYears"].toDouble());
        line(QStringLiteral("PMI") + n, loan[u"pmi"].toDouble());
        line(QStringLiteral("ExtraPayment") + n, loan[u"extraPayment"].toDouble());
        line(QStringLiteral("Points") + n, loan[u"points"].toDouble(), "%");
        line(QStringLiteral("LenderFees") + n, loan[u"lenderFees"].toDouble());
        if (!loan[u"compare"].isNull())
            line(QStringLiteral("Compare") + n, loan[u"compare"].toBool() ? 1 : 0);
    }
    const QJsonObject a = deal[u"assumptions"].toObject();
    for (auto it = a.begin(); it != a.end(); ++it) {
        QString label = it.key();
        label[0] = label[0].toUpper();
        if (label == u"HoldYears" || label == u"RefinanceYear" || label == u"RefinanceTerm")
            line(label, it.value().toDouble());
        else
            line(label == u"PmiEndLtv" ? QStringLiteral("PmiEndLtv") : label, 100 * it.value().toDouble(), "%");
    }
    return text;
}

// Equal to tolerance of its size (of 1 near 0); null where the reference has none.
QString mismatch(const QJsonValue &actual, const QJsonValue &expected, double tolerance = 1e-6)
{
    if (expected.isNull() || actual.isNull())
        return actual.isNull() == expected.isNull() ? QString() : QStringLiteral("%1, expected %2").arg(actual.toDouble()).arg(expected.toDouble());
    const double a = actual.toDouble(), e = expected.toDouble();
    return std::fabs(a - e) <= tolerance * std::max(1.0, std::fabs(e)) ? QString()
        : QStringLiteral("%1, expected %2").arg(a, 0, 'g', 12).arg(e, 0, 'g', 12);
}

// The reference's stretches and pairs under the JSON's keys, to compare as they stand.
QJsonArray renamed(const QJsonArray &items, const std::vector<std::pair<const char *, const char *>> &keys)
{
    QJsonArray out;
    for (const QJsonValue &item : items) {
        QJsonObject o;
        for (const auto &[from, to] : keys)
            o[QLatin1String(to)] = item[QLatin1String(from)];
        out.append(o);
    }
    return out;
}

} // namespace

// Thirty deals of five offers drawn at random (shares, holds, growth, the offers compared):
// every underwriting figure, the returns and the best offer the command line gives equal a
// computation of their definitions apart from the program (scripts/reference), and no offer left
// out is ever named best.
void TestReportCommand::oneUnderwritingModel()
{
    QFile file(QStringLiteral(ZANT_PROJECTION_REFERENCE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray deals = QJsonDocument::fromJson(file.readAll()).object()[u"fiveOffers"].toArray();
    QCOMPARE(deals.size(), 30);
    QStringList files;
    for (int i = 0; i < deals.size(); ++i) {
        files << m_dir->filePath(QStringLiteral("deal%1.zant").arg(i + 1));
        QFile deal(files.last());
        QVERIFY(deal.open(QIODevice::WriteOnly));
        deal.write(dealFile(deals[i].toObject()));
    }
    const Result result = Run(files + QStringList{QStringLiteral("--format=json"), QStringLiteral("--yearly")});
    // Only a refinance at or past the end of the hold is told, once for its deal.
    QStringList told;
    for (int i = 0; i < deals.size(); ++i) {
        const QJsonObject a = deals[i][u"assumptions"].toObject();
        const int year = a[u"refinanceYear"].toInt();
        if (year > 0 && year >= a[u"holdYears"].toInt())
            told << QStringLiteral("%1: The refinance after year %2 is left out: the holding period ends after year %3.")
                        .arg(files[i]).arg(year).arg(a[u"holdYears"].toInt());
    }
    QVERIFY(!told.isEmpty());
    QCOMPARE(result.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts), told);
    const QJsonObject document = QJsonDocument::fromJson(result.out.toUtf8()).object();
    QCOMPARE(document[u"version"].toInt(), 2);
    const QJsonArray written = document[u"deals"].toArray();
    QCOMPARE(written.size(), deals.size());
    for (int i = 0; i < deals.size(); ++i) {
        const QJsonObject expected = deals[i][u"expected"].toObject();
        const QJsonObject deal = written[i].toObject();
        const auto check = [i](const QString &what, const QJsonValue &actual, const QJsonValue &wanted) {
            const QString bad = mismatch(actual, wanted);
            QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("deal %1, %2: %3").arg(i + 1).arg(what, bad)));
        };
        QCOMPARE(deal[u"best_irr"], expected[u"bestIrr"]);
        const QJsonObject property = deal[u"property"].toObject();
        const QJsonObject first = expected[u"loans"][0].toObject();
        check(QStringLiteral("net operating income"), property[u"net_operating_income_yearly"], first[u"netOperatingIncome"]);
        check(QStringLiteral("cap rate"), property[u"cap_rate"], first[u"capRate"]);
        for (int k = 0; k < MAX_LOANS; ++k) {
            const QJsonObject loan = deal[u"loans"][k].toObject();
            const QJsonObject projection = loan[u"projection"].toObject();
            const QJsonObject want = expected[u"loans"][k].toObject();
            QCOMPARE(loan[u"compared"].toBool(), want[u"compared"].toBool());
            if (!want[u"compared"].toBool()) {
                for (const char *best : {"best_irr", "most_safety_cash_flow", "least_interest"})
                    QVERIFY(deal[QLatin1String(best)].toInt() != k + 1);
            }
            const std::pair<const char *, const char *> loanFigures[] = {
                {"cash_on_cash", "cashOnCash"}, {"debt_service_coverage", "debtServiceCoverage"},
                {"break_even_occupancy", "breakEvenOccupancy"}, {"break_even_rent", "breakEvenRent"},
                {"highest_offer", "highestOffer"}};
            for (const auto &[key, name] : loanFigures)
                check(QLatin1String(key), loan[QLatin1String(key)], want[QLatin1String(name)]);
            const std::pair<const char *, const char *> returns[] = {
                {"cash_invested", "cashInvested"}, {"irr", "irr"}, {"npv", "npv"},
                {"equity_multiple", "equityMultiple"}, {"annualized_return", "annualizedReturn"},
                {"total_profit", "totalProfit"}};
            for (const auto &[key, name] : returns)
                check(QLatin1String(key), projection[QLatin1String(key)], want[QLatin1String(name)]);
            check(QStringLiteral("year-1 cash flow"), projection[u"years"][u"cash_flow"][0], want[u"yearOneCashFlow"]);
            QVERIFY(projection[u"equity_multiple"].isNull() || projection[u"equity_multiple"].toDouble() >= 0);
            checkLoanCosts(i, k, loan, want, files[i]);
            checkAfterTax(i, k, loan, want);
        }
        QCOMPARE(deal[u"cheapest_by_month"].toArray(),
                 renamed(expected[u"cheapestByMonth"].toArray(), {{"fromMonth", "from_month"}, {"loan", "loan"}}));
        QCOMPARE(deal[u"points_break_even"].toArray(),
                 renamed(expected[u"pointsBreakEven"].toArray(), {{"loan", "loan"}, {"versus", "versus"}, {"month", "month"}}));
    }
}

// One offer's loan costs: the charges, the rates to 1e-7 and the cost if repaid after the months
// the reference samples, read back from the same deal file as the window reads it.
void TestReportCommand::checkLoanCosts(int deal, int k, const QJsonObject &loan, const QJsonObject &want,
                                       const QString &file)
{
    const auto check = [&](const char *key, const QJsonValue &actual, const QJsonValue &wanted, double tolerance) {
        const QString bad = mismatch(actual, wanted, tolerance);
        QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("deal %1, loan %2, %3: %4").arg(deal + 1).arg(k + 1).arg(QLatin1String(key), bad)));
    };
    check("prepaid_finance_charge", loan[u"prepaid_finance_charge"], want[u"prepaidFinanceCharge"], 1e-9);
    check("cash_to_close", loan[u"cash_to_close"], want[u"cashToClose"], 1e-9);
    check("apr", loan[u"apr"], want[u"apr"], 1e-7);
    check("rate_over_hold", loan[u"rate_over_hold"], want[u"rateOverHold"], 1e-7);
    DealRecord record;
    QVERIFY(ExchangeFile::read(record, file, nullptr));
    const DealAnalysis analysis = analyze(record, YearlyReturns::AtHoldOnly);
    const LoanCosts &costs = analysis.loans[std::size_t(k)].costs;
    const QJsonObject sampled = want[u"costIfRepaid"].toObject();
    QCOMPARE(costs.costIfRepaid.empty(), want[u"costIfRepaid"].isNull());
    for (auto month = sampled.begin(); month != sampled.end(); ++month)
        check("cost if repaid", costs.costAfter(month.key().toInt()), month.value(), 1e-9);
}

// A lender's worked examples (300,000 over 30 years: 6.75 % with a point and 1,500 of fees,
// 7.00 % with the fees only) give their APRs in the JSON and the CSV, whether the points and fees
// come from the file or from --assume; a file written before points existed reads none.
void TestReportCommand::aprOfAWorkedExample()
{
    const QString deal = m_dir->filePath(QStringLiteral("buydown.zant"));
    QFile file(deal);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("; Locale: LC_MONETARY=en_US LC_NUMERIC=en_US\nPurchasePrice = 375000\nRentalIncome = 2900\n"
               "DownPayment1 = 75000\nInterestRate1 = 6.75%\nTerm1 = 30\nPoints1 = 1%\nLenderFees1 = 1500\n"
               "DownPayment2 = 75000\nInterestRate2 = 7%\nTerm2 = 30\n");
    file.close();
    const Result json = Run({deal, QStringLiteral("--format=json"), QStringLiteral("--assume"), QStringLiteral("LenderFees2=1500")});
    QCOMPARE(json.exitCode, 0);
    const QJsonArray loans = QJsonDocument::fromJson(json.out.toUtf8()).object()[u"deals"][0][u"loans"].toArray();
    QCOMPARE(QString::number(100 * loans[0][u"apr"].toDouble(), 'f', 3), QStringLiteral("6.898"));
    QCOMPARE(QString::number(100 * loans[1][u"apr"].toDouble(), 'f', 3), QStringLiteral("7.050"));
    QCOMPARE(loans[0][u"points_percent"].toDouble(), 1.0);
    QCOMPARE(loans[0][u"prepaid_finance_charge"].toDouble(), 4500.0);
    QCOMPARE(loans[1][u"cash_to_close"].toDouble(), 75000 + 11250 + 1500.0);
    const Result csv = Run({deal, QStringLiteral("--format=csv"), QStringLiteral("--assume"), QStringLiteral("LenderFees2=1500")});
    const QStringList lines = csv.out.split(QStringLiteral("\r\n"));
    const int apr = lines.first().split(QLatin1Char(',')).indexOf(QStringLiteral("apr"));
    QCOMPARE(lines.at(1).split(QLatin1Char(',')).at(apr), QStringLiteral("0.068981"));
    QCOMPARE(lines.at(2).split(QLatin1Char(',')).at(apr), QStringLiteral("0.070497"));

    const Result older = Run({QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), QStringLiteral("--format=json")});
    for (const QJsonValue loan : QJsonDocument::fromJson(older.out.toUtf8()).object()[u"deals"][0][u"loans"].toArray()) {
        QCOMPARE(loan[u"points_percent"].toDouble(-1), 0.0);
        QCOMPARE(loan[u"lender_fees"].toDouble(-1), 0.0);
    }
}

void TestReportCommand::checkAfterTax(int deal, int k, const QJsonObject &loan, const QJsonObject &want)
{
    const auto check = [&](const QString &what, const QJsonValue &actual, const QJsonValue &wanted) {
        const QString bad = mismatch(actual, wanted);
        QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("deal %1, loan %2, %3: %4").arg(deal + 1).arg(k + 1).arg(what, bad)));
    };
    const QJsonObject after = loan[u"after_tax"].toObject();
    const QJsonObject expected = want[u"afterTax"].toObject();
    const std::pair<const char *, const char *> figures[] = {
        {"irr", "irr"}, {"npv", "npv"}, {"equity_multiple", "equityMultiple"}, {"total_profit", "totalProfit"},
        {"depreciation_taken", "depreciationTaken"}, {"tax_on_sale", "taxOnSale"}};
    for (const auto &[key, name] : figures)
        check(QStringLiteral("after-tax ") + QLatin1String(key), after[QLatin1String(key)], expected[QLatin1String(name)]);
    const QJsonObject years = after[u"years"].toObject();
    const QJsonArray wantedYears = expected[u"years"].toArray();
    QCOMPARE(years[u"year"].toArray().size(), wantedYears.size());
    const std::pair<const char *, const char *> yearly[] = {
        {"depreciation", "depreciation"}, {"interest", "interest"}, {"loan_costs_deducted", "loanCostsDeducted"},
        {"taxable_income", "taxableIncome"}, {"income_tax", "incomeTax"}, {"after_tax_cash_flow", "afterTaxCashFlow"}};
    for (int t = 0; t < wantedYears.size(); ++t) {
        for (const auto &[key, name] : yearly)
            check(QStringLiteral("year %1 %2").arg(t + 1).arg(QLatin1String(key)), years[QLatin1String(key)][t], wantedYears[t][QLatin1String(name)]);
        check(QStringLiteral("year %1 refinance cash out").arg(t + 1), loan[u"projection"][u"years"][u"refinance_cash_out"][t],
              want[u"refinanceCashOut"][t]);
    }
    QCOMPARE(loan[u"refinance"].isNull(), want[u"refinance"].isNull());
    const std::pair<const char *, const char *> refinance[] = {
        {"new_loan_amount", "newLoanAmount"}, {"cash_out", "cashOut"}, {"cash_left_in_deal", "cashLeftInDeal"},
        {"cash_on_cash_after", "cashOnCashAfter"}};
    for (const auto &[key, name] : refinance) {
        if (!want[u"refinance"].isNull())
            check(QLatin1String(key), loan[u"refinance"][QLatin1String(key)], want[u"refinance"][QLatin1String(name)]);
    }
}

// Many deal files computed one at a time or eight at a time give the same bytes, in the order of
// the command line, a file that cannot be read told in its place; the JSON on one line, indented
// and as one deal a line holds the same deals; the years come with --yearly only.
void TestReportCommand::jobsAndFormatsAgree()
{
    QStringList files;
    const QStringList examples = {QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"),
                                  QStringLiteral(ZANT_EXAMPLES "/points-and-fees.zant"),
                                  QStringLiteral(ZANT_EXAMPLES "/first-run.zant")};
    for (int i = 0; i < 40; ++i) {
        files << m_dir->filePath(QStringLiteral("deal%1.zant").arg(i));
        QVERIFY(QFile::copy(examples.at(i % examples.size()), files.last()));
    }
    files.insert(17, m_dir->filePath(QStringLiteral("missing.zant")));
    const auto run = [&](const QStringList &options, int jobs) {
        return Run(files + options + QStringList{QStringLiteral("--jobs"), QString::number(jobs)});
    };
    for (const QStringList &options : {QStringList{QStringLiteral("--format=csv")},
                                       QStringList{QStringLiteral("--format=json")},
                                       QStringList{QStringLiteral("--format=jsonl"), QStringLiteral("--yearly")}}) {
        const Result one = run(options, 1), eight = run(options, 8);
        QCOMPARE(one.exitCode, 2);
        QCOMPARE(eight.exitCode, 2);
        QVERIFY(one.out == eight.out);
        QCOMPARE(eight.err, one.err);
        QCOMPARE(one.err, files.at(17) + QStringLiteral(" was not found.\n"));
    }
    const QJsonArray compact = QJsonDocument::fromJson(run({QStringLiteral("--format=json")}, 2).out.toUtf8())[u"deals"].toArray();
    const QJsonArray pretty =
        QJsonDocument::fromJson(run({QStringLiteral("--format=json"), QStringLiteral("--pretty")}, 2).out.toUtf8())[u"deals"].toArray();
    QCOMPARE(compact.size(), 40);
    QCOMPARE(pretty, compact);
    QVERIFY(!compact[0][u"loans"][0][u"projection"].toObject().contains(u"years"));
    const QStringList lines = run({QStringLiteral("--format=jsonl"), QStringLiteral("--yearly")}, 3).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 40);
    for (int i = 0; i < lines.size(); ++i) {
        QJsonObject deal = QJsonDocument::fromJson(lines.at(i).toUtf8()).object();
        QCOMPARE(deal[u"loans"][0][u"projection"][u"years"][u"year"].toArray().size(), deal[u"assumptions"][u"hold_years"].toInt());
        QCOMPARE(deal[u"loans"][0][u"after_tax"][u"irr"], compact[i][u"loans"][0][u"after_tax"][u"irr"]);
        QCOMPARE(deal[u"file"], compact[i][u"file"]);
    }
    QCOMPARE(Run({files.first(), QStringLiteral("--format=csv"), QStringLiteral("--pretty")}).exitCode, 1);
    QCOMPARE(Run({files.first(), QStringLiteral("--format=csv"), QStringLiteral("--jobs"), QStringLiteral("0")}).exitCode, 1);
}

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
