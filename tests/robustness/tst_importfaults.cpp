#include "apptestsupport.h"
#include "faulthelpers.h"
#include "filelimits.h"
#include "core/localeservices.h"
#include "textio/stdiofile.h"
#include "ui/zantdlg.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <malloc.h>

using namespace FaultTest;

// Import files that vanish, are no files, are huge or hold bytes no editor would write. The
// import must say what is wrong in its own words, keep the record unless lines were read, show
// the record in the edits afterwards, and never hang or crash.
class TestImportFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CLocaleServices::PinLocale(QStringLiteral("en_US")); }

    void fileThatCannotBeRead_data();
    void fileThatCannotBeRead();
    void hugeValueLine();
    void hugeLineWithoutEquals();
    void nulAndEndOfTextBytes();
    void tooLargeOrOutOfMemory();
};

namespace {

// A 15 MiB line, a runaway log pasted into a deal file, near the largest file read (16 MiB).
constexpr qsizetype HugeLength = 15 * 1024 * 1024;
// Generous enough for a sanitizer build on a busy machine; the work is linear.
constexpr qint64 ReasonableMilliseconds = 60000;

const QByteArray GoodFile("Description = Elm\r\nPurchasePrice = 123456\r\n"
                          "Lender2 = Second Bank\r\nTerm2 = 15\r\n");

// Every field of the record as text, the loan on screen last.
QStringList Snapshot(const CDealRecord &r)
{
    QStringList fields = {r.m_description,      r.m_purchasePrice.Format(),
                          r.m_rentalIncome.Format(), r.m_escrow.Format(),
                          r.m_otherFees.Format(),  r.m_safetyMargin.Format()};
    for (int k = 0; k < MAX_LOANS; ++k) {
        fields << r.m_lender[k] << r.m_downPayment[k].Format() << r.m_interestRate[k].Format()
               << r.m_term[k].Format() << r.m_pmi[k].Format();
    }
    fields << QString::number(r.m_shownLoan);
    return fields;
}

// Imports the good file, moves to loan 2 and types over the description without storing it.
bool PrepareRecord(CAppFixture &fixture, CZANTDlg &dlg)
{
    const QString good = fixture.m_documents.filePath(QStringLiteral("good.zant"));
    if (!WriteAll(good, GoodFile))
        return false;
    fixture.m_prompt.SetNextFileName(good);
    if (!Trigger(dlg, "actionImport") || !fixture.m_prompt.m_messages.isEmpty())
        return false;
    dlg.findChild<QPushButton *>(QStringLiteral("btnNext"))->click();
    // The description reaches the record as it is typed; a failed import must keep it.
    Edit(dlg, "editDescription")->setText(QStringLiteral("Elm, typed"));
    return dlg.m_description == QLatin1String("Elm, typed") && dlg.m_shownLoan == 1;
}

// Runs the import command, which must end in linear time however long the lines.
void VerifyImportEndsInTime(CZANTDlg &dlg)
{
    QElapsedTimer timer;
    timer.start();
    QVERIFY(Trigger(dlg, "actionImport"));
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed < ReasonableMilliseconds, qPrintable(QString::number(elapsed)));
}

// The edits show the record: the property and the loan on screen.
void VerifyEditsShowRecord(CZANTDlg &dlg)
{
    const int k = dlg.m_shownLoan;
    QCOMPARE(Edit(dlg, "editDescription")->text(), dlg.m_description);
    QCOMPARE(Edit(dlg, "editPurchasePrice")->text(), dlg.m_purchasePrice.Format());
    QCOMPARE(Edit(dlg, "editLender")->text(), dlg.m_lender[k]);
    QCOMPARE(Edit(dlg, "editTerm")->text(), dlg.m_term[k].Format());
}

} // namespace

void TestImportFaults::fileThatCannotBeRead_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("message");
    QTest::newRow("vanished after the file dialog") << "vanished" << "%1 was not found.";
    QTest::newRow("a folder") << "folder" << "Access to %1 was denied.";
    QTest::newRow("below a regular file") << "through file" << "%1 contains an incorrect path.";
    QTest::newRow("no file descriptor left")
        << "descriptors" << "Could not open %1 because there are too many open files.";
}

void TestImportFaults::fileThatCannotBeRead()
{
    QFETCH(QString, how);
    QFETCH(QString, message);
    CAppFixture fixture;
    QString path = fixture.m_documents.filePath(QStringLiteral("deal.zant"));
    fixture.Run([&](CZANTDlg &dlg) {
        QVERIFY(PrepareRecord(fixture, dlg));
        const QStringList before = Snapshot(dlg);
        if (how == QLatin1String("vanished")) {
            QVERIFY(WriteAll(path, GoodFile));
            QVERIFY(QFile::remove(path));
        } else if (how == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (how == QLatin1String("through file")) {
            path = fixture.m_documents.filePath(QStringLiteral("good.zant/deal.zant"));
        } else {
            QVERIFY(WriteAll(path, GoodFile));
        }
        fixture.m_prompt.SetNextFileName(path);
        if (how == QLatin1String("descriptors")) {
            CNoMoreFiles exhausted;
            QVERIFY(exhausted.IsSet());
            QVERIFY(Trigger(dlg, "actionImport"));
        } else {
            QVERIFY(Trigger(dlg, "actionImport"));
        }
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().text, message.arg(path));
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().icon, IPrompt::Icon::Warning);
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().buttons, IPrompt::Buttons::Ok);
        QCOMPARE(Snapshot(dlg), before);
        VerifyEditsShowRecord(dlg);
        QCOMPARE(Edit(dlg, "editDescription")->text(), QStringLiteral("Elm, typed"));
        QCOMPARE(Edit(dlg, "editLender")->text(), QStringLiteral("Second Bank"));
        dlg.reject();
    });
    QCOMPARE(fixture.m_profile->GetProfileString(QStringLiteral("ZANT"), QStringLiteral("Description")),
             QStringLiteral("Elm, typed"));
}

void TestImportFaults::hugeValueLine()
{
    CAppFixture fixture;
    const QString path = fixture.m_documents.filePath(QStringLiteral("huge.zant"));
    {
        QByteArray bytes = "; a very long description\r\nDescription = ";
        bytes.append(QByteArray(HugeLength, 'x'));
        bytes.append("\r\nLender1 = After The Long Line\r\n");
        QVERIFY(WriteAll(path, bytes));
    }
    fixture.Run([&](CZANTDlg &dlg) {
        fixture.m_prompt.SetNextFileName(path);
        VerifyImportEndsInTime(dlg);
        // Far longer than any edit takes: named and not read, never cut; the next line is read.
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QVERIFY(fixture.m_prompt.m_messages.constFirst().text.endsWith(
            QStringLiteral("Line 2: the description is longer than 1,000 characters (%1); it was "
                           "not read.").arg(HugeLength)));
        QCOMPARE(dlg.m_description, QString());
        QCOMPARE(dlg.m_lender[0], QStringLiteral("After The Long Line"));
        QCOMPARE(Edit(dlg, "editDescription")->text(), QString());
        QCOMPARE(Edit(dlg, "editLender")->text(), QStringLiteral("After The Long Line"));
        dlg.reject();
    });
}

void TestImportFaults::hugeLineWithoutEquals()
{
    CAppFixture fixture;
    const QString path = fixture.m_documents.filePath(QStringLiteral("huge.zant"));
    QVERIFY(WriteAll(path, QByteArray(HugeLength, 'x') + "\r\nDescription = Never read\r\n"));
    fixture.Run([&](CZANTDlg &dlg) {
        QVERIFY(PrepareRecord(fixture, dlg));
        const QStringList before = Snapshot(dlg);
        fixture.m_prompt.SetNextFileName(path);
        VerifyImportEndsInTime(dlg);
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().text,
                 QStringLiteral("Unable to import '%1' : Unrecognized syntax on line 1.").arg(path));
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().icon, IPrompt::Icon::Error);
        QCOMPARE(Snapshot(dlg), before);
        VerifyEditsShowRecord(dlg);
        dlg.reject();
    });
}

void TestImportFaults::nulAndEndOfTextBytes()
{
    CAppFixture fixture;
    const QString path = fixture.m_documents.filePath(QStringLiteral("odd.zant"));
    const char bytes[] = "Description = Elm\0Street\r\n"
                         "Lender1 = Bank\0\r\n"
                         "Term1 = 15\r\n"
                         "Lender2 = Before the end\x1A" "After the end\r\n"
                         "Term2 = 20\r\n"
                         "a line that is not an entry\r\n";
    QVERIFY(WriteAll(path, QByteArray(bytes, sizeof bytes - 1)));
    const QString description = QStringLiteral("Elm") + QChar(0) + QStringLiteral("Street");
    const QString report = fixture.m_documents.filePath(QStringLiteral("ZANT/ZANT.htm"));
    fixture.Run([&](CZANTDlg &dlg) {
        fixture.m_prompt.SetNextFileName(path);
        QVERIFY(Trigger(dlg, "actionImport"));
        // 0x1A ends the text: nothing after it is read, so nothing after it can fail.
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QCOMPARE(dlg.m_description, description);
        QCOMPARE(dlg.m_lender[0], QStringLiteral("Bank") + QChar(0));
        QCOMPARE(dlg.m_term[0].Format(), QStringLiteral("15"));
        QCOMPARE(dlg.m_lender[1], QStringLiteral("Before the end"));
        QCOMPARE(dlg.m_term[1].Format(), QStringLiteral("30"));
        VerifyEditsShowRecord(dlg);
        // The characters travel on unchanged: into the report and back out at shut-down.
        QVERIFY(Trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QCOMPARE(fixture.m_shell.m_documents, QStringList(report));
        QCOMPARE(dlg.m_description, description);
        QVERIFY(Trigger(dlg, "actionExit"));
    });
    fixture.ReopenProfile();
    fixture.Run([&](CZANTDlg &dlg) {
        QCOMPARE(dlg.m_description, description);
        QCOMPARE(dlg.m_lender[0], QStringLiteral("Bank") + QChar(0));
        dlg.reject();
    });
}

// A file beyond the largest a deal file may be is refused unread, naming it; running out of
// memory while a file is read or written ends the command with "Out of memory.", the program
// going on and the file on disk left as it was.
void TestImportFaults::tooLargeOrOutOfMemory()
{
    CAppFixture fixture;
    const QString tooLarge = fixture.m_documents.filePath(QStringLiteral("too-large.zant"));
    QVERIFY(WriteAll(tooLarge, "Description = " + QByteArray(CStdioFile::MaxSize, 'x')));
    const QString huge = fixture.m_documents.filePath(QStringLiteral("huge.zant"));
    // A long comment: read into memory whole, and skipped.
    QVERIFY(WriteAll(huge, "; " + QByteArray(HugeLength, 'x') + "\r\nDescription = Huge\r\n"));
    const QString earlier = fixture.m_documents.filePath(QStringLiteral("earlier.zant"));
    QVERIFY(WriteAll(earlier, GoodFile));
    fixture.Run([&](CZANTDlg &dlg) {
        QVERIFY(PrepareRecord(fixture, dlg));
        const QStringList before = Snapshot(dlg);
        for (const QString &path : {tooLarge, QStringLiteral("/dev/zero")}) {
            fixture.m_prompt.SetNextFileName(path);
            VerifyImportEndsInTime(dlg);
            QCOMPARE(fixture.m_prompt.m_messages.takeFirst().text,
                     path + QStringLiteral(" is too large to be read: a deal file holds at most 16 MiB."));
            QCOMPARE(Snapshot(dlg), before);
        }

        // Memory freed by the reads above goes back to the system first, or the import would fit
        // in it whatever the limit.
        fixture.m_prompt.SetNextFileName(huge);
        {
            ::malloc_trim(0);
            CMemoryLimit limit(8 << 20);
            if (!limit.IsSet())
                QSKIP("no memory limit can be set here (AddressSanitizer)");
            QVERIFY(Trigger(dlg, "actionImport"));
        }
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QCOMPARE(fixture.m_prompt.m_messages.takeFirst().text, QStringLiteral("Out of memory."));
        QCOMPARE(ReadAll(earlier), GoodFile);
        // With memory enough, the same file reads.
        fixture.m_prompt.SetNextFileName(huge);
        QVERIFY(Trigger(dlg, "actionImport"));
        QCOMPARE(dlg.m_description, QStringLiteral("Huge"));
        dlg.reject();
    });
}

QTEST_MAIN(TestImportFaults)
#include "tst_importfaults.moc"
