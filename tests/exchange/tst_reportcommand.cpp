#include "figurelocales.h"
#include "localeservices.h"
#include "testfiles.h"
#include "value.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

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
    void help();

private:
    Result Run(const QStringList &arguments, const QString &locale = QStringLiteral("en_US.UTF-8"));
    // Runs the command with nothing but these locale variables ("LANG=de_DE.UTF-8").
    Result RunIn(const QStringList &arguments, const QStringList &localeVariables);

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

Result TestReportCommand::RunIn(const QStringList &arguments, const QStringList &localeVariables)
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
    process.start(QStringLiteral(ZANT_REPORT_COMMAND), arguments);
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
    const QString localPage = MaskDate(QString::fromUtf8(ReadAll(local)));
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

    result = Run({});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.contains(QStringLiteral("DEAL.zant")));
}

void TestReportCommand::help()
{
    const Result result = Run({QStringLiteral("--help")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains(QStringLiteral("Usage:")));
    QVERIFY(result.out.contains(QStringLiteral("DEAL.zant")));
    QVERIFY(result.out.contains(QStringLiteral("-o, --output <REPORT.htm>")));
}

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
