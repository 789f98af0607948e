#include "apptestsupport.h"
#include "core/localeservices.h"
#include "platform/profilestore.h"
#include "ui/maindialog.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTest>

namespace {
QSettings profileFile(const AppFixture &fixture)
{
    return QSettings(fixture.m_profile->fileName(), QSettings::IniFormat);
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    void firstRunWritesEveryEntry();
    void storedValuesReadBackUnchanged();
    void figuresSurviveALocaleChangeBetweenRuns();
    void everyWayToEndWritesTheProfile_data();
    void everyWayToEndWritesTheProfile();
    void otherFeesAreKeptBetweenRuns();
    void storedEntriesItCannotUseAreKept();
    void startsWithoutDataFolder();
    void dataFolderIsMadeCurrent();
    void saysSoWithoutADisplay();
};

void TestApp::firstRunWritesEveryEntry()
{
    AppFixture fixture;
    QString shownPrice;
    QString loanTitle;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        shownPrice = editNamed(dlg, "editPurchasePrice")->text();
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    QCOMPARE(shownPrice, QStringLiteral("$200,000.00"));

    QSettings file = profileFile(fixture);
    file.beginGroup(QStringLiteral("ZANT"));
    QStringList keys = file.childKeys();
    QCOMPARE(keys.size(), 40);
    QCOMPARE(file.value("CalcCmd").toString(), ProfileStore::defaultSettings().m_calculatorCommand);
    QCOMPARE(file.value("FontName").toString(), QStringLiteral("Tahoma,Arial,sans-serif"));
    QCOMPARE(file.value("FontSize").toString(), QStringLiteral("small"));
    QCOMPARE(file.value("LabelsColor").toString(), QStringLiteral("13434879"));
    QCOMPARE(file.value("EvenRowsColor").toString(), QStringLiteral("16777215"));
    QCOMPARE(file.value("OddRowsColor").toString(), QStringLiteral("15658734"));
    QCOMPARE(file.value("OddRowsCalcColor").toString(), QStringLiteral("16777164"));
    QCOMPARE(file.value("Description").toString(), QString());
    QCOMPARE(file.value("PurchasePrice").toString(), QStringLiteral("$200,000.00"));
    QCOMPARE(file.value("RentalIncome").toString(), QStringLiteral("$2,000.00"));
    QCOMPARE(file.value("Escrow").toString(), QStringLiteral("$0.00"));
    QCOMPARE(file.value("SafetyMargin").toString(), QStringLiteral("0.00%"));
    for (int n = 1; n <= 5; ++n) {
        QCOMPARE(file.value(QStringLiteral("Lender%1").arg(n)).toString(), QString());
        QCOMPARE(file.value(QStringLiteral("DownPayment%1").arg(n)).toString(), QStringLiteral("$20,000.00"));
        QCOMPARE(file.value(QStringLiteral("InterestRate%1").arg(n)).toString(), QStringLiteral("7.00%"));
        QCOMPARE(file.value(QStringLiteral("Term%1").arg(n)).toString(), QStringLiteral("30"));
        QCOMPARE(file.value(QStringLiteral("PMI%1").arg(n)).toString(), QStringLiteral("$0.00"));
    }
    QCOMPARE(file.value("OtherFees").toString(), QStringLiteral("$0.00"));
}

// 20 MB of description and a price of 10^130 in the profile: the window opens at once, says
// what it did not use, and the profile keeps both as they were.
void TestApp::storedEntriesItCannotUseAreKept()
{
    AppFixture fixture;
    const QString description(20 * 1024 * 1024, QLatin1Char('x'));
    const QString price = QStringLiteral("$1") + QString(130, QLatin1Char('0')) + QStringLiteral(".00");
    {
        QSettings file = profileFile(fixture);
        file.beginGroup(QStringLiteral("ZANT"));
        file.setValue("Description", description);
        file.setValue("PurchasePrice", price);
        file.setValue("Escrow", "$300.00");
    }
    fixture.reopenProfile();
    QElapsedTimer timer;
    timer.start();
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        QTRY_COMPARE(fixture.m_prompt.m_messages.size(), 1);
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        const QString text = fixture.m_prompt.m_messages.constFirst().text;
        QVERIFY2(text.startsWith(QStringLiteral("The saved text of the description is longer than "
                                                "1,000 characters (20971520)")), qPrintable(text.left(200)));
        QVERIFY(text.contains(QStringLiteral("for the purchase price is too large to show")));
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QString());
        QCOMPARE(editNamed(dlg, "editPurchasePrice")->text(), QStringLiteral("$200,000.00"));
        QCOMPARE(editNamed(dlg, "editEscrow")->text(), QStringLiteral("$300.00"));
        QVERIFY(trigger(dlg, "actionExit"));
    });
    QSettings file = profileFile(fixture);
    file.beginGroup(QStringLiteral("ZANT"));
    QCOMPARE(file.value("Description").toString().size(), description.size());
    QCOMPARE(file.value("PurchasePrice").toString(), price);
    QCOMPARE(file.value("Escrow").toString(), QStringLiteral("$300.00"));
}

void TestApp::storedValuesReadBackUnchanged()
{
    AppFixture fixture;
    const QString description = QString::fromUtf8("Duplex, Elm St. – \"corner\" & yard");
    {
        QSettings file = profileFile(fixture);
        file.beginGroup(QStringLiteral("ZANT"));
        file.setValue("CalcCmd", "xcalc");
        file.setValue("FontSize", "LARGE");
        file.setValue("LabelsColor", 0x00123456);
        file.setValue("EvenRowsColor", -1);
        file.setValue("Description", description);
        file.setValue("PurchasePrice", "$315,500.25");
        file.setValue("Lender3", "Bank of Elm");
        file.setValue("InterestRate3", "6.125%");
        file.setValue("Term3", "15");
    }
    fixture.reopenProfile();
    QString shownDescription;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        shownDescription = editNamed(dlg, "editDescription")->text();
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    QCOMPARE(shownDescription, description);
    QCOMPARE(fixture.m_app->settings().m_calculatorCommand, QStringLiteral("xcalc"));
    QCOMPARE(fixture.m_app->settings().m_evenRowsColor, BgrColor(0xFFFFFFFF));

    QSettings file = profileFile(fixture);
    file.beginGroup(QStringLiteral("ZANT"));
    QCOMPARE(file.childKeys().size(), 40);
    QCOMPARE(file.value("CalcCmd").toString(), QStringLiteral("xcalc"));
    QCOMPARE(file.value("FontSize").toString(), QStringLiteral("LARGE"));
    QCOMPARE(file.value("LabelsColor").toInt(), 0x00123456);
    QCOMPARE(file.value("EvenRowsColor").toInt(), -1);
    QCOMPARE(file.value("Description").toString(), description);
    QCOMPARE(file.value("PurchasePrice").toString(), QStringLiteral("$315,500.25"));
    QCOMPARE(file.value("Lender3").toString(), QStringLiteral("Bank of Elm"));
    // Stored as shown: a rate in eighths keeps its third decimal.
    QCOMPARE(file.value("InterestRate3").toString(), QStringLiteral("6.125%"));
    QCOMPARE(file.value("Term3").toString(), QStringLiteral("15"));
}

// Runs the program as a user whose desktop language has changed since the last run, through the
// environment: each run types a figure in its own form, and finds all figures as they were.
void TestApp::figuresSurviveALocaleChangeBetweenRuns()
{
    AppFixture fixture;
    LocaleServices::pinLocale(QString());
    const QByteArray all = qgetenv("LC_ALL");
    qunsetenv("LC_ALL");
    struct Run
    {
        const char *lang;
        const char *typedRent;
        QString price;
        QString rent;
        QString rate;
    };
    const Run runs[] = {
        {"en_US.UTF-8", "2,450.5", QStringLiteral("$315,500.25"), QStringLiteral("$2,450.50"),
         QStringLiteral("6.125%")},
        // The deal began in dollars and stays so, shown in each locale's own form.
        {"de_DE.UTF-8", "2.450,5", QStringLiteral("315.500,25\u00a0$"),
         QStringLiteral("2.450,50\u00a0$"), QStringLiteral("6,125%")},
        {"fr_CH.UTF-8", "2450.50", QStringLiteral("315\u202f500.25\u00a0$US"),
         QStringLiteral("2\u202f450.50\u00a0$US"), QStringLiteral("6,125%")},
        {"ar_EG.UTF-8", "٢٤٥٠٫٥", QStringLiteral("\u061c315,500.25\u00a0US$"),
         QStringLiteral("\u061c2,450.50\u00a0US$"), QStringLiteral("6.125%")},
    };
    bool first = true;
    for (const Run &run : runs) {
        qputenv("LANG", run.lang);
        fixture.reopenProfile();
        fixture.run([&](MainDialog &dlg) {
            QVERIFY(activateAndWait(dlg));
            if (first) {
                editNamed(dlg, "editPurchasePrice")->setText(QStringLiteral("315500.25"));
                editNamed(dlg, "editInterestRate")->setText(QStringLiteral("6.125"));
            }
            QLineEdit *rent = editNamed(dlg, "editRentalIncome");
            rent->setFocus();
            QTRY_VERIFY(rent->hasFocus());
            rent->selectAll();
            // Key by key, with the text each key gives, also where it is not ASCII.
            for (const QChar c : QString::fromUtf8(run.typedRent))
                QTest::sendKeyEvent(QTest::Click, rent, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::keyClick(rent, Qt::Key_Tab);
            // The edits lay a right-to-left locale's money out left to right, as the tables do; the
            // profile keeps the figure's own text.
            const auto shown = [](const QString &figure) {
                return figure.isRightToLeft() ? QChar(0x200E) + figure : figure;
            };
            QCOMPARE(rent->text(), shown(run.rent));
            QCOMPARE(editNamed(dlg, "editPurchasePrice")->text(), first ? QStringLiteral("315500.25") : shown(run.price));
            QVERIFY(trigger(dlg, "actionExit"));
        });
        first = false;
        QSettings file = profileFile(fixture);
        file.beginGroup(QStringLiteral("ZANT"));
        QCOMPARE(file.value("PurchasePrice").toString(), run.price);
        QCOMPARE(file.value("InterestRate1").toString(), run.rate);
        const QString name = QString::fromLatin1(run.lang).section(QLatin1Char('.'), 0, 0);
        QCOMPARE(file.value("Locale").toString(),
                 QStringLiteral("LC_MONETARY=%1 LC_NUMERIC=%1").arg(name));
        QCOMPARE(file.value("Currency").toString(), QStringLiteral("USD"));
    }
    qunsetenv("LANG");
    qputenv("LC_ALL", all);
    LocaleServices::pinLocale(QStringLiteral("en_US"));
}

void TestApp::everyWayToEndWritesTheProfile_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expectedLender");
    // The lender reaches the record as it is typed, so every way to end keeps it.
    QTest::newRow("File Exit") << "exit" << "Typed";
    QTest::newRow("close button") << "close" << "Typed";
    QTest::newRow("Enter") << "enter" << "Typed";
    QTest::newRow("Escape") << "escape" << "Typed";
}

void TestApp::everyWayToEndWritesTheProfile()
{
    QFETCH(QString, how);
    QFETCH(QString, expectedLender);
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        QLineEdit *price = editNamed(dlg, "editPurchasePrice");
        price->setFocus();
        QTRY_VERIFY(price->hasFocus());
        price->selectAll();
        QTest::keyClicks(price, QStringLiteral("123456"));
        QTest::keyClick(price, Qt::Key_Tab); // leaving the field keeps the figure in every case
        editNamed(dlg, "editLender")->setText(QStringLiteral("Typed"));
        if (how == QLatin1String("exit"))
            dlg.findChild<QAction *>(QStringLiteral("actionExit"))->trigger();
        else if (how == QLatin1String("close"))
            dlg.close();
        else if (how == QLatin1String("enter"))
            QTest::keyClick(editNamed(dlg, "editRentalIncome"), Qt::Key_Return);
        else
            QTest::keyClick(editNamed(dlg, "editRentalIncome"), Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
    });
    QSettings file = profileFile(fixture);
    file.beginGroup(QStringLiteral("ZANT"));
    QCOMPARE(file.childKeys().size(), 40);
    QCOMPARE(file.value("PurchasePrice").toString(), QStringLiteral("$123,456.00"));
    QCOMPARE(file.value("Lender1").toString(), expectedLender);
}

void TestApp::otherFeesAreKeptBetweenRuns()
{
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        editNamed(dlg, "editOtherFees")->setText(QStringLiteral("150"));
        dlg.findChild<QAction *>(QStringLiteral("actionExit"))->trigger();
    });
    QCOMPARE(fixture.m_app->mainWindow(), nullptr);
    fixture.reopenProfile();
    QString shownFees;
    fixture.run([&](MainDialog &dlg) {
        shownFees = editNamed(dlg, "editOtherFees")->text();
        dlg.reject();
    });
    QCOMPARE(shownFees, QStringLiteral("$150.00"));
}

void TestApp::startsWithoutDataFolder()
{
    AppFixture fixture;
    // A file where the documents folder should be: no ZANT folder can be made inside it.
    const QString blocker = fixture.m_documents.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    fixture.m_folders.m_path = blocker;
    const QString before = QDir::currentPath();
    bool ran = false;
    fixture.run([&](MainDialog &dlg) {
        ran = dlg.isVisible();
        QCOMPARE(QDir::currentPath(), before);
        dlg.reject();
    });
    QVERIFY(ran);
    QCOMPARE(QDir::currentPath(), before);
    QSettings profile = profileFile(fixture);
    profile.beginGroup(QStringLiteral("ZANT"));
    QCOMPARE(profile.childKeys().size(), 40);

    // No documents folder at all behaves the same.
    fixture.m_folders.m_path.clear();
    QString path = QStringLiteral("stale");
    QVERIFY(!fixture.m_app->getDataFolder(&path));
    QVERIFY(path.isEmpty());
}

void TestApp::dataFolderIsMadeCurrent()
{
    AppFixture fixture;
    QString current;
    fixture.run([&](MainDialog &dlg) {
        current = QDir::currentPath();
        dlg.reject();
    });
    const QString expected = QDir(fixture.m_documents.path()).filePath(QStringLiteral("ZANT"));
    QVERIFY(QFileInfo(expected).isDir());
    QCOMPARE(QFileInfo(current).canonicalFilePath(), QFileInfo(expected).canonicalFilePath());
}

void TestApp::saysSoWithoutADisplay()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZANT_PROGRAM), QStringList());
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 1);
    const QByteArray error = program.readAllStandardError();
    QCOMPARE(error.count('\n'), 1);
    QVERIFY(error.startsWith("zantoria: no display available"));
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
