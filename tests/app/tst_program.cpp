#include "apptestsupport.h"
#include "core/localeservices.h"
#include "app/program.h"
#include "ui/maindialog.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The program's own start as main() makes it, on the real platform services, with a home folder
// of the test's own: the icon and the locale data are loaded on a second thread while the window
// is built, and the window must come up whole whichever thread gets there first.
class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsShowsAndKeepsTheFigures();

private:
    QTemporaryDir m_home;
};

void TestProgram::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
    LocaleServices::pinLocale(QStringLiteral("en_US"));
}

void TestProgram::startsShowsAndKeepsTheFigures()
{
    QString shownPrice;
    QString shownRate;
    QList<QSize> iconSizes;
    // Ends the run even when a check fails, so a failure cannot hang the test.
    QTimer stop;
    stop.setSingleShot(true);
    connect(&stop, &QTimer::timeout, [] {
        if (QWidget *window = QApplication::activeModalWidget())
            window->close();
    });
    stop.start(20000);
    QTimer::singleShot(0, [&] {
        auto *dlg = qobject_cast<MainDialog *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        QVERIFY(QTest::qWaitForWindowExposed(dlg));
        shownPrice = editNamed(*dlg, "editPurchasePrice")->text();
        shownRate = editNamed(*dlg, "editInterestRate")->text();
        (void)QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); });
        iconSizes = QApplication::windowIcon().availableSizes();
        QTest::keyClick(dlg, Qt::Key_Escape);
    });

    Program::prepare(*qApp);
    Program::run();

    QCOMPARE(shownPrice, QStringLiteral("$200,000.00"));
    QCOMPARE(shownRate, QStringLiteral("7.00%"));
    QCOMPARE(iconSizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    QVERIFY(QFileInfo(QDir(m_home.path()).filePath(QStringLiteral("Documents/ZANT"))).isDir());
    QSettings profile(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quenwick"),
                      QApplication::applicationName());
    QVERIFY(profile.fileName().startsWith(m_home.path()));
    profile.beginGroup(QStringLiteral("ZANT"));
    QCOMPARE(profile.childKeys().size(), 40);
    QCOMPARE(profile.value(QStringLiteral("PurchasePrice")).toString(),
             QStringLiteral("$200,000.00"));
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
