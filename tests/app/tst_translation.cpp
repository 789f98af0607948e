#include "apptestsupport.h"
#include "translations.h"
#include "zantdlg.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>

// The program as a German user starts it: LANG=de_DE.UTF-8 and nothing else set, so that
// LANGUAGE, LC_ALL and LC_MESSAGES do not decide first.
class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InstallTranslations(*qApp); }
    void windowSpeaksGerman();
    void everyTextHasAGermanTranslation();
    void commandLineHelpFollowsTheLanguage_data();
    void commandLineHelpFollowsTheLanguage();
};

void TestTranslation::windowSpeaksGerman()
{
    CAppFixture fixture;
    fixture.Run([](CZANTDlg &dlg) {
        QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("labelPurchasePrice"))->text(),
                 QStringLiteral("&Kaufpreis:"));
        QCOMPARE(dlg.findChild<QMenuBar *>()->actions().constFirst()->text(),
                 QStringLiteral("&Datei"));
        QCOMPARE(Button(dlg, "btnNext")->text(), QStringLiteral("&Weiter >>"));
        // Qt's own catalogue: the What's This entry Qt provides.
        QCOMPARE(dlg.findChild<QAction *>(QStringLiteral("actionWhatsThis"))->text(),
                 QStringLiteral("Direkthilfe"));
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
    const QStringList same = {"OK", "Zantoria", "Zantoria, Version 1.00", "Cyan", "Magenta"};
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

// The real programs, with no display: --help answers on the terminal all the same.
void TestTranslation::commandLineHelpFollowsTheLanguage()
{
    QFETCH(QString, program);
    QFETCH(QString, language);
    QFETCH(QString, expected);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("LANG"), language);
    process.setProcessEnvironment(environment);
    process.start(program, {QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(process.readAllStandardOutput().contains(expected.toUtf8()), qPrintable(expected));

    process.start(program, {QStringLiteral("--version")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.readAllStandardOutput(), QFileInfo(program).fileName().toUtf8() + " 1.00\n");
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
