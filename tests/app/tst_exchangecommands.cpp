#include "apptestsupport.h"
#include "core/localeservices.h"
#include "ui/maindialog.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace

class TestExchangeCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    void importKeepsWhatCameBeforeAFaultyLine();
    void importCancelledChangesNothing();
    void importOfAMissingFileReportsIt();
    void exportCopiesTheEditsEvenWhenCancelled();
    void exportThenImportRestoresOtherFees();
    void importTellsWhatItCouldNotUse();
};

// A description of four million characters and a price no field can show: both are named, the
// fields keep what they held, the rest is read, and the window stays quick.
void TestExchangeCommands::importTellsWhatItCouldNotUse()
{
    AppFixture fixture;
    const QString path = writeFile(fixture.m_documents, "odd.zant",
                                   "Description = " + QByteArray(4000000, 'x') + "\r\n"
                                   "PurchasePrice = 1" + QByteArray(130, '0') + "\r\n"
                                   "Escrow = 250\r\nTerm1 = 15.5\r\n");
    fixture.m_prompt.setNextFileName(path);
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        QElapsedTimer timer;
        timer.start();
        trigger(dlg, "actionImport");
        QCoreApplication::processEvents();
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        const auto &message = fixture.m_prompt.m_messages.constFirst();
        QCOMPARE(message.text,
                 QStringLiteral("Some entries of '%1' were not read:\n\n"
                                "Line 1: the description is longer than 1,000 characters (4000000); "
                                "it was not read.\n"
                                "Line 2: the figure 1%2\u2026 for the purchase price is too large to "
                                "show; it was not read.")
                     .arg(path, QString(38, QLatin1Char('0'))));
        QCOMPARE(message.icon, IPrompt::Icon::Warning);
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QString());
        QCOMPARE(editNamed(dlg, "editPurchasePrice")->text(), QStringLiteral("$200,000.00"));
        QCOMPARE(editNamed(dlg, "editEscrow")->text(), QStringLiteral("$250.00"));
        QCOMPARE(editNamed(dlg, "editTerm")->text(), QStringLiteral("15"));
        QCOMPARE(editNamed(dlg, "editDescription")->maxLength(), 1000);
        QCOMPARE(editNamed(dlg, "editLender")->maxLength(), 1000);
        dlg.reject();
    });
}

void TestExchangeCommands::importKeepsWhatCameBeforeAFaultyLine()
{
    AppFixture fixture;
    const QString path = writeFile(fixture.m_documents, "faulty.zant",
                                   "Description = Elm\r\nLender2 = Second\r\nTerm2 = 15\r\n"
                                   "Colour = blue\r\nEscrow = 500\r\n");
    fixture.m_prompt.setNextFileName(path);
    fixture.run([&](MainDialog &dlg) {
        dlg.findChild<QPushButton *>(QStringLiteral("btnNext"))->click();
        editNamed(dlg, "editLender")->setText(QStringLiteral("typed, never stored"));
        trigger(dlg, "actionImport");
        QCOMPARE(fixture.m_prompt.m_fileFilters, QStringList(QStringLiteral("ZANT Files (*.zant)")));
        QCOMPARE(fixture.m_prompt.m_fileTitles, QStringList(QStringLiteral("Import Deal")));
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        const auto &message = fixture.m_prompt.m_messages.constFirst();
        QCOMPARE(message.text, QStringLiteral("Unable to import '%1' : Unrecognized label on line 4.").arg(path));
        QCOMPARE(message.icon, IPrompt::Icon::Error);
        QCOMPARE(message.buttons, IPrompt::Buttons::Ok);
        // The dialog shows the record as far as it was read, still on loan 2.
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QStringLiteral("Elm"));
        QCOMPARE(editNamed(dlg, "editLender")->text(), QStringLiteral("Second"));
        QCOMPARE(editNamed(dlg, "editTerm")->text(), QStringLiteral("15"));
        QCOMPARE(editNamed(dlg, "editEscrow")->text(), QStringLiteral("$0.00"));
        QCOMPARE(dlg.findChild<QGroupBox *>(QStringLiteral("groupLoan"))->title(),
                 QStringLiteral("Loan information (2 of 5)"));
        dlg.reject();
    });
}

void TestExchangeCommands::importCancelledChangesNothing()
{
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editDescription")->setText(QStringLiteral("on screen only"));
        trigger(dlg, "actionImport"); // no file name queued: the dialog is cancelled
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QStringLiteral("on screen only"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        dlg.reject();
    });
}

void TestExchangeCommands::importOfAMissingFileReportsIt()
{
    AppFixture fixture;
    const QString path = fixture.m_documents.filePath(QStringLiteral("gone.zant"));
    fixture.m_prompt.setNextFileName(path);
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editDescription")->setText(QStringLiteral("typed"));
        trigger(dlg, "actionImport");
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().text, path + QStringLiteral(" was not found."));
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().icon, IPrompt::Icon::Warning);
        // The edits show the record again, which took the text as it was typed.
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QStringLiteral("typed"));
        QCOMPARE(dlg.record().m_description, QStringLiteral("typed"));
        dlg.reject();
    });
}

void TestExchangeCommands::exportCopiesTheEditsEvenWhenCancelled()
{
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editPurchasePrice")->setText(QStringLiteral("1234.5"));
        editNamed(dlg, "editLender")->setText(QStringLiteral("Kept"));
        trigger(dlg, "actionExport");
        QCOMPARE(editNamed(dlg, "editPurchasePrice")->text(), QStringLiteral("$1,234.50"));
        QCOMPARE(dlg.record().m_lender[0], QStringLiteral("Kept"));
        QCOMPARE(fixture.m_prompt.m_fileFilters, QStringList(QStringLiteral("ZANT Files (*.zant)")));
        QCOMPARE(fixture.m_prompt.m_fileTitles, QStringList(QStringLiteral("Export Deal")));
        dlg.reject();
    });
    QCOMPARE(fixture.m_profile->readString("ZANT", "Lender1"), QStringLiteral("Kept"));
}

// Exported in en_US, imported by a user in de_DE: the same figures, in German form.
void TestExchangeCommands::exportThenImportRestoresOtherFees()
{
    AppFixture fixture;
    const QString path = fixture.m_documents.filePath(QStringLiteral("deal.zant"));
    fixture.m_prompt.setNextFileName(path);
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editOtherFees")->setText(QStringLiteral("175"));
        editNamed(dlg, "editEscrow")->setText(QStringLiteral("0.05"));
        editNamed(dlg, "editDescription")->setText(QStringLiteral("Elm St\nUnit 4"));
        trigger(dlg, "actionExport");
        dlg.reject();
    });
    QVERIFY(QFile::exists(path));
    fixture.reopenProfile();
    fixture.m_prompt.setNextFileName(path);
    LocaleServices::pinLocale(QStringLiteral("de_DE"));
    fixture.run([&](MainDialog &dlg) {
        // Kept from the run before, a dollar deal in German form; the file gives them again.
        QCOMPARE(editNamed(dlg, "editOtherFees")->text(), QString::fromUtf8("175,00\u00a0$"));
        trigger(dlg, "actionImport");
        QCOMPARE(editNamed(dlg, "editOtherFees")->text(), QString::fromUtf8("175,00\u00a0$"));
        QCOMPARE(editNamed(dlg, "editEscrow")->text(), QString::fromUtf8("0,05\u00a0$"));
        QCOMPARE(editNamed(dlg, "editPurchasePrice")->text(), QString::fromUtf8("200.000,00\u00a0$"));
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QStringLiteral("Elm St Unit 4"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        dlg.reject();
    });
    LocaleServices::pinLocale(QStringLiteral("en_US"));
}

QTEST_MAIN(TestExchangeCommands)
#include "tst_exchangecommands.moc"
