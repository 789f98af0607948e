#include "apptestsupport.h"
#include "faulthelpers.h"
#include "core/localeservices.h"
#include "ui/maindialog.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace FaultTest;

// A locale the machine does not know, or a locale variable holding nonsense, must give the
// United States figures, and what is written under it must read back unchanged.
class TestUnknownLocale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { m_startDir = QDir::currentPath(); }
    void cleanup();

    void figuresAndProfile_data();
    void figuresAndProfile();

private:
    QString m_startDir;
    bool m_hadLcAll = false;
    QByteArray m_lcAll;
};

void TestUnknownLocale::initTestCase()
{
    m_hadLcAll = qEnvironmentVariableIsSet("LC_ALL");
    m_lcAll = qgetenv("LC_ALL");
}

void TestUnknownLocale::cleanup()
{
    QDir::setCurrent(m_startDir);
    if (m_hadLcAll)
        qputenv("LC_ALL", m_lcAll);
    else
        qunsetenv("LC_ALL");
    LocaleServices::pinLocale(QStringLiteral("en_US"));
}

void TestUnknownLocale::cleanupTestCase()
{
    cleanup();
}

void TestUnknownLocale::figuresAndProfile_data()
{
    QTest::addColumn<QByteArray>("lcAll");
    QTest::newRow("unknown language and country") << QByteArray("xx_YY.UTF-8");
    QTest::newRow("unknown language alone") << QByteArray("qq");
    QTest::newRow("unknown with modifier") << QByteArray("xx_YY@euro");
    QTest::newRow("C with an encoding") << QByteArray("C.UTF-8");
    QTest::newRow("a path") << QByteArray("../../etc/passwd");
    QTest::newRow("punctuation") << QByteArray("!!_??");
}

void TestUnknownLocale::figuresAndProfile()
{
    QFETCH(QByteArray, lcAll);
    qputenv("LC_ALL", lcAll);
    // The environment decides, as it does for the user.
    LocaleServices::pinLocale(QString());
    QCOMPARE(LocaleServices::localeName(LocaleServices::Category::Money), QStringLiteral("en_US"));
    QCOMPARE(LocaleServices::formatCurrency(QStringLiteral("200000"), QString()),
             QStringLiteral("$200,000.00"));
    QCOMPARE(LocaleServices::formatCurrency(QStringLiteral("-18.77"), QString()),
             QStringLiteral("($18.77)"));
    QCOMPARE(LocaleServices::formatNumber(QStringLiteral("1234.5")), QStringLiteral("1,234.50"));
    QCOMPARE(LocaleServices::decimalSeparator(), QStringLiteral("."));

    AppFixture fixture;
    const QString report = fixture.m_documents.filePath(QStringLiteral("ZANT/ZANT.htm"));
    fixture.run([&](MainDialog &dlg) {
        QCOMPARE(editNamed(dlg, "editPurchasePrice")->text(), QStringLiteral("$200,000.00"));
        QCOMPARE(editNamed(dlg, "editInterestRate")->text(), QStringLiteral("7.00%"));
        editNamed(dlg, "editDescription")->setText(QStringLiteral("Elm St."));
        editNamed(dlg, "editPurchasePrice")->setText(QStringLiteral("315500.25"));
        editNamed(dlg, "editSafetyMargin")->setText(QStringLiteral("12.5"));
        editNamed(dlg, "editDownPayment")->setText(QStringLiteral("63,100"));
        editNamed(dlg, "editInterestRate")->setText(QStringLiteral("6.125"));
        editNamed(dlg, "editTerm")->setText(QStringLiteral("15"));
        QVERIFY(trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QCOMPARE(fixture.m_shell.m_documents, QStringList(report));
        const QByteArray page = readAll(report);
        QVERIFY(page.contains("$315,500.25"));
        QVERIFY(page.contains("$63,100.00"));
        QVERIFY(page.contains("6.125%"));
        QVERIFY(page.contains("12.50%"));
        QVERIFY(trigger(dlg, "actionExit"));
    });
    const QByteArray written = readAll(fixture.m_profile->fileName());
    {
        // From a copy, so that the values come from the disk and not from QSettings' cache.
        QTemporaryDir copyDir;
        const QString copy = copyDir.filePath(QStringLiteral("profile.conf"));
        QVERIFY(QFile::copy(fixture.m_profile->fileName(), copy));
        QSettings file(copy, QSettings::IniFormat);
        file.beginGroup(QStringLiteral("ZANT"));
        QCOMPARE(file.childKeys().size(), 40);
        QCOMPARE(file.value("PurchasePrice").toString(), QStringLiteral("$315,500.25"));
        QCOMPARE(file.value("SafetyMargin").toString(), QStringLiteral("12.50%"));
        QCOMPARE(file.value("DownPayment1").toString(), QStringLiteral("$63,100.00"));
        QCOMPARE(file.value("InterestRate1").toString(), QStringLiteral("6.125%"));
        QCOMPARE(file.value("Term1").toString(), QStringLiteral("15"));
    }

    // The next start under the same locale shows the same figures and writes the same file.
    fixture.reopenProfile();
    fixture.run([&](MainDialog &dlg) {
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QStringLiteral("Elm St."));
        QCOMPARE(editNamed(dlg, "editPurchasePrice")->text(), QStringLiteral("$315,500.25"));
        QCOMPARE(editNamed(dlg, "editSafetyMargin")->text(), QStringLiteral("12.50%"));
        QCOMPARE(editNamed(dlg, "editDownPayment")->text(), QStringLiteral("$63,100.00"));
        QCOMPARE(editNamed(dlg, "editInterestRate")->text(), QStringLiteral("6.125%"));
        QCOMPARE(editNamed(dlg, "editTerm")->text(), QStringLiteral("15"));
        QVERIFY(trigger(dlg, "actionExit"));
    });
    QCOMPARE(readAll(fixture.m_profile->fileName()), written);
}

QTEST_MAIN(TestUnknownLocale)
#include "tst_unknownlocale.moc"
