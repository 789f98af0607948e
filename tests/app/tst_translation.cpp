#include "apptestsupport.h"
#include "platform/translations.h"
#include "ui/maindialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The program as a German user starts it: LANG=de_DE.UTF-8 and nothing else set, so that
// LANGUAGE, LC_ALL and LC_MESSAGES do not decide first.
class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installTranslations(*qApp); }
    void windowSpeaksGerman();
    void everyTextHasAGermanTranslation();
    void commandLineHelpFollowsTheLanguage_data();
    void commandLineHelpFollowsTheLanguage();
    void reportFollowsTheLanguage_data();
    void reportFollowsTheLanguage();
    void germanNamesWhatAnInvestorCallsIt_data();
    void germanNamesWhatAnInvestorCallsIt();
    void germanHelpUsesTheSameNames();
    void untranslatedStaysLeftToRight();

private:
    // The standard output of program, started with arguments, without a display, in LANG=language
    // and a profile of its own.
    static QByteArray output(const QString &program, const QStringList &arguments,
                             const QString &language);
};

void TestTranslation::windowSpeaksGerman()
{
    AppFixture fixture;
    fixture.run([&fixture](MainDialog &dlg) {
        QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("labelPurchasePrice"))->text(),
                 QStringLiteral("&Kaufpreis:"));
        QCOMPARE(dlg.findChild<QMenuBar *>()->actions().constFirst()->text(),
                 QStringLiteral("&Datei"));
        QCOMPARE(button(dlg, "btnNext")->text(), QStringLiteral("&Weiter >>"));
        // Qt's own catalogue: the What's This entry Qt provides.
        QCOMPARE(dlg.findChild<QAction *>(QStringLiteral("actionWhatsThis"))->text(),
                 QStringLiteral("Direkthilfe"));
        // F1 opens the German help pages.
        QVERIFY(activateAndWait(dlg));
        QLineEdit *edit = editNamed(dlg, "editPurchasePrice");
        edit->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_F1);
        QCOMPARE(fixture.m_shell.m_urls.size(), 1);
        QVERIFY2(fixture.m_shell.m_urls.constFirst().endsWith(
                     QStringLiteral("/de/main-window.html#main-window")),
                 qPrintable(fixture.m_shell.m_urls.constFirst()));
        dlg.reject();
    });
}

// Every text of the template, which holds all the program's texts, is in German.
void TestTranslation::everyTextHasAGermanTranslation()
{
    QFile file(QStringLiteral(ZANT_TRANSLATION_TEMPLATE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    // Texts that read the same in German.
    const QStringList same = {"OK", "Zantoria", "Zantoria, Version 1.00", "Cyan", "Magenta", "; ",
                              "%1: %2", "%1 (%2)", "IRR"};
    QString context;
    int texts = 0;
    QStringList untranslated;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            const QString source = xml.readElementText();
            ++texts;
            const QString german = QCoreApplication::translate(context.toUtf8(), source.toUtf8());
            if (german == source && !same.contains(source))
                untranslated << context + QLatin1String(": ") + source;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(texts > 100);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TestTranslation::commandLineHelpFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    const QString zantoria = QStringLiteral(ZANT_PROGRAM);
    const QString report = QStringLiteral(ZANT_REPORT_PROGRAM);
    QTest::newRow("zantoria, German") << zantoria << "de_DE.UTF-8" << "Hilft beim Kauf";
    QTest::newRow("zantoria, English") << zantoria << "en_US.UTF-8" << "Weighs the purchase";
    QTest::newRow("zantoria, no translation") << zantoria << "nl_NL.UTF-8" << "Weighs the purchase";
    QTest::newRow("report, German") << report << "de_DE.UTF-8" << "Schreibt den Zantoria-Bericht";
    QTest::newRow("report, English") << report << "en_US.UTF-8" << "Writes the Zantoria report";
}

QByteArray TestTranslation::output(const QString &program, const QStringList &arguments,
                                   const QString &language)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("LANG"), language);
    // Nothing of the user's own profile.
    const QTemporaryDir config;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return QByteArray("failed: ") + process.readAllStandardError();
    return process.readAllStandardOutput();
}

// The real programs, with no display: --help answers on the terminal all the same.
void TestTranslation::commandLineHelpFollowsTheLanguage()
{
    QFETCH(QString, program);
    QFETCH(QString, language);
    QFETCH(QString, expected);
    const QByteArray help = output(program, {QStringLiteral("--help")}, language);
    QVERIFY2(help.contains(expected.toUtf8()), help.constData());
    QCOMPARE(output(program, {QStringLiteral("--version")}, language),
             QFileInfo(program).fileName().toUtf8() + " 1.00\n");
}

void TestTranslation::reportFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("label");
    QTest::newRow("German") << "de_DE.UTF-8" << "Monatliche Mieteinnahmen";
    QTest::newRow("English") << "en_US.UTF-8" << "Monthly Rental Income";
    QTest::newRow("no translation") << "nl_NL.UTF-8" << "Monthly Rental Income";
}

// The report that zantoria-report writes labels its figures in the user's language.
void TestTranslation::reportFollowsTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, label);
    const QByteArray page = output(QStringLiteral(ZANT_REPORT_PROGRAM),
                                   {QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"),
                                    QStringLiteral("-o"), QStringLiteral("-")},
                                   language);
    QVERIFY2(page.contains("<td class=\"label\">" + label.toUtf8() + "</td>"), page.constData());
}

// Qt has Arabic texts of its own, the program has none: its windows stay English and therefore
// left to right, instead of English texts laid out right to left. Run last: it adds translators.
void TestTranslation::untranslatedStaysLeftToRight()
{
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    installTranslations(*qApp);
    QCoreApplication::processEvents();
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}
void TestTranslation::germanNamesWhatAnInvestorCallsIt_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    // The down payment is paid once, at the purchase; the equity ("Eigenkapital") grows with
    // every payment, so the two need two names.
    QTest::newRow("down payment label") << "MainDialog" << "Do&wn payment:" << "A&nzahlung:";
    QTest::newRow("down payment in the report") << "Report" << "Down Payment" << "Anzahlung";
    // Escrow is the monthly payment for property taxes and insurance, not a reserve.
    QTest::newRow("escrow label") << "MainDialog" << "Monthly &escrow:" << "Steue&rn und Versicherung je Monat:";
    QTest::newRow("escrow in the report") << "Report" << "Monthly Escrow" << "Steuern und Versicherung je Monat";
    QTest::newRow("gross rent multiplier") << "Analysis" << "Gross Rent Multiplier" << "Kaufpreisfaktor";
}

void TestTranslation::germanNamesWhatAnInvestorCallsIt()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(QCoreApplication::translate(context.toLatin1().constData(), source.toLatin1().constData()),
             expected);
}

// The help speaks of the fields by the names the window gives them.
void TestTranslation::germanHelpUsesTheSameNames()
{
    const QDir help(QStringLiteral(ZANT_HELP_DIR "/de"));
    const QStringList pages = help.entryList({QStringLiteral("*.html")});
    QVERIFY(!pages.isEmpty());
    for (const QString &page : pages) {
        QFile file(help.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString &misleading : {QStringLiteral("Rücklage"), QStringLiteral("Bruttomietmultiplikator"),
                                          QStringLiteral("Eigenkapital:")})
            QVERIFY2(!text.contains(misleading), qPrintable(page + QStringLiteral(": ") + misleading));
    }
}

int main(int argc, char *argv[])
{
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(variable);
    qputenv("LANG", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TestTranslation test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translation.moc"
