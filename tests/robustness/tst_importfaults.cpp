#include "apptestsupport.h"
#include "faulthelpers.h"
#include "filelimits.h"
#include "core/localeservices.h"
#include "textio/stdiofile.h"
#include "ui/maindialog.h"

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
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

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

const QByteArray goodFile("Description = Elm\r\nPurchasePrice = 123456\r\n"
                          "Lender2 = Second Bank\r\nTerm2 = 15\r\n");

// Every field of the record as text, the loan on screen last.
QStringList snapshot(const DealRecord &r)
{
    const QString &in = r.m_currency;
    QStringList fields = {r.m_description,          r.m_purchasePrice.format(in),
                          r.m_rentalIncome.format(in), r.m_escrow.format(in),
                          r.m_otherFees.format(in),    r.m_safetyMargin.format(in)};
    for (int k = 0; k < MAX_LOANS; ++k) {
        fields << r.m_lender[k] << r.m_downPayment[k].format(in) << r.m_interestRate[k].format(in)
               << r.m_term[k].format(in) << r.m_pmi[k].format(in);
    }
    fields << QString::number(r.m_shownLoan);
    return fields;
}

// Imports the good file, moves to loan 2 and types over the description without storing it.
bool prepareRecord(AppFixture &fixture, MainDialog &dlg)
{
    const QString good = fixture.m_documents.filePath(QStringLiteral("good.zant"));
    if (!writeAll(good, goodFile))
        return false;
    fixture.m_prompt.setNextFileName(good);
    if (!trigger(dlg, "actionImport") || !fixture.m_prompt.m_messages.isEmpty())
        return false;
    dlg.findChild<QPushButton *>(QStringLiteral("btnNext"))->click();
    // The description reaches the record as it is typed; a failed import must keep it.
    editNamed(dlg, "editDescription")->setText(QStringLiteral("Elm, typed"));
    return dlg.record().m_description == QLatin1String("Elm, typed") && dlg.record().m_shownLoan == 1;
}

// Runs the import command, which must end in linear time however long the lines.
void verifyImportEndsInTime(MainDialog &dlg)
{
    QElapsedTimer timer;
    timer.start();
    QVERIFY(trigger(dlg, "actionImport"));
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed < ReasonableMilliseconds, qPrintable(QString::number(elapsed)));
}

// The edits show the record: the property and the loan on screen.
void verifyEditsShowRecord(MainDialog &dlg)
{
    const DealRecord &r = dlg.record();
    const int k = r.m_shownLoan;
    QCOMPARE(editNamed(dlg, "editDescription")->text(), r.m_description);
    QCOMPARE(editNamed(dlg, "editPurchasePrice")->text(), r.m_purchasePrice.format(r.m_currency));
    QCOMPARE(editNamed(dlg, "editLender")->text(), r.m_lender[k]);
    QCOMPARE(editNamed(dlg, "editTerm")->text(), r.m_term[k].format(r.m_currency));
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
    AppFixture fixture;
    QString path = fixture.m_documents.filePath(QStringLiteral("deal.zant"));
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(prepareRecord(fixture, dlg));
        const QStringList before = snapshot(dlg.record());
        if (how == QLatin1String("vanished")) {
            QVERIFY(writeAll(path, goodFile));
            QVERIFY(QFile::remove(path));
        } else if (how == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (how == QLatin1String("through file")) {
            path = fixture.m_documents.filePath(QStringLiteral("good.zant/deal.zant"));
        } else {
            QVERIFY(writeAll(path, goodFile));
        }
        fixture.m_prompt.setNextFileName(path);
        if (how == QLatin1String("descriptors")) {
            NoMoreFiles exhausted;
            QVERIFY(exhausted.isSet());
            QVERIFY(trigger(dlg, "actionImport"));
        } else {
            QVERIFY(trigger(dlg, "actionImport"));
        }
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().text, message.arg(path));
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().icon, IPrompt::Icon::Warning);
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().buttons, IPrompt::Buttons::Ok);
        QCOMPARE(snapshot(dlg.record()), before);
        verifyEditsShowRecord(dlg);
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QStringLiteral("Elm, typed"));
        QCOMPARE(editNamed(dlg, "editLender")->text(), QStringLiteral("Second Bank"));
        dlg.reject();
    });
    QCOMPARE(fixture.m_profile->readString(QStringLiteral("ZANT"), QStringLiteral("Description")),
             QStringLiteral("Elm, typed"));
}

void TestImportFaults::hugeValueLine()
{
    AppFixture fixture;
    const QString path = fixture.m_documents.filePath(QStringLiteral("huge.zant"));
    {
        QByteArray bytes = "; a very long description\r\nDescription = ";
        bytes.append(QByteArray(HugeLength, 'x'));
        bytes.append("\r\nLender1 = After The Long Line\r\n");
        QVERIFY(writeAll(path, bytes));
    }
    fixture.run([&](MainDialog &dlg) {
        fixture.m_prompt.setNextFileName(path);
        verifyImportEndsInTime(dlg);
        // Far longer than any edit takes: named and not read, never cut; the next line is read.
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QVERIFY(fixture.m_prompt.m_messages.constFirst().text.endsWith(
            QStringLiteral("Line 2: the description is longer than 1,000 characters (%1); it was "
                           "not read.").arg(HugeLength)));
        QCOMPARE(dlg.record().m_description, QString());
        QCOMPARE(dlg.record().m_lender[0], QStringLiteral("After The Long Line"));
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QString());
        QCOMPARE(editNamed(dlg, "editLender")->text(), QStringLiteral("After The Long Line"));
        dlg.reject();
    });
}

void TestImportFaults::hugeLineWithoutEquals()
{
    AppFixture fixture;
    const QString path = fixture.m_documents.filePath(QStringLiteral("huge.zant"));
    QVERIFY(writeAll(path, QByteArray(HugeLength, 'x') + "\r\nDescription = Never read\r\n"));
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(prepareRecord(fixture, dlg));
        const QStringList before = snapshot(dlg.record());
        fixture.m_prompt.setNextFileName(path);
        verifyImportEndsInTime(dlg);
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().text,
                 QStringLiteral("Unable to import '%1' : Unrecognized syntax on line 1.").arg(path));
        QCOMPARE(fixture.m_prompt.m_messages.constFirst().icon, IPrompt::Icon::Error);
        QCOMPARE(snapshot(dlg.record()), before);
        verifyEditsShowRecord(dlg);
        dlg.reject();
    });
}

void TestImportFaults::nulAndEndOfTextBytes()
{
    AppFixture fixture;
    const QString path = fixture.m_documents.filePath(QStringLiteral("odd.zant"));
    const char bytes[] = "Description = Elm\0Street\r\n"
                         "Lender1 = Bank\0\r\n"
                         "Term1 = 15\r\n"
                         "Lender2 = Before the end\x1A" "After the end\r\n"
                         "Term2 = 20\r\n"
                         "a line that is not an entry\r\n";
    QVERIFY(writeAll(path, QByteArray(bytes, sizeof bytes - 1)));
    const QString description = QStringLiteral("Elm") + QChar(0) + QStringLiteral("Street");
    const QString report = fixture.m_documents.filePath(QStringLiteral("ZANT/ZANT.htm"));
    fixture.run([&](MainDialog &dlg) {
        fixture.m_prompt.setNextFileName(path);
        QVERIFY(trigger(dlg, "actionImport"));
        // 0x1A ends the text: nothing after it is read, so nothing after it can fail.
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QCOMPARE(dlg.record().m_description, description);
        QCOMPARE(dlg.record().m_lender[0], QStringLiteral("Bank") + QChar(0));
        QCOMPARE(dlg.record().m_term[0].format(dlg.record().m_currency), QStringLiteral("15"));
        QCOMPARE(dlg.record().m_lender[1], QStringLiteral("Before the end"));
        QCOMPARE(dlg.record().m_term[1].format(dlg.record().m_currency), QStringLiteral("30"));
        verifyEditsShowRecord(dlg);
        // The characters travel on unchanged: into the report and back out at shut-down.
        QVERIFY(trigger(dlg, "actionCreateReport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QCOMPARE(fixture.m_shell.m_documents, QStringList(report));
        QCOMPARE(dlg.record().m_description, description);
        QVERIFY(trigger(dlg, "actionExit"));
    });
    fixture.reopenProfile();
    fixture.run([&](MainDialog &dlg) {
        QCOMPARE(dlg.record().m_description, description);
        QCOMPARE(dlg.record().m_lender[0], QStringLiteral("Bank") + QChar(0));
        dlg.reject();
    });
}

// A file beyond the largest a deal file may be is refused unread, naming it; running out of
// memory while a file is read or written ends the command with "Out of memory.", the program
// going on and the file on disk left as it was.
void TestImportFaults::tooLargeOrOutOfMemory()
{
    AppFixture fixture;
    const QString tooLarge = fixture.m_documents.filePath(QStringLiteral("too-large.zant"));
    QVERIFY(writeAll(tooLarge, "Description = " + QByteArray(StdioFile::MaxSize, 'x')));
    const QString huge = fixture.m_documents.filePath(QStringLiteral("huge.zant"));
    // A long comment: read into memory whole, and skipped.
    QVERIFY(writeAll(huge, "; " + QByteArray(HugeLength, 'x') + "\r\nDescription = Huge\r\n"));
    const QString earlier = fixture.m_documents.filePath(QStringLiteral("earlier.zant"));
    QVERIFY(writeAll(earlier, goodFile));
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(prepareRecord(fixture, dlg));
        const QStringList before = snapshot(dlg.record());
        for (const QString &path : {tooLarge, QStringLiteral("/dev/zero")}) {
            fixture.m_prompt.setNextFileName(path);
            verifyImportEndsInTime(dlg);
            QCOMPARE(fixture.m_prompt.m_messages.takeFirst().text,
                     path + QStringLiteral(" is too large to be read: a deal file holds at most 16 MiB."));
            QCOMPARE(snapshot(dlg.record()), before);
        }

        // Memory freed by the reads above goes back to the system first, or the import would fit
        // in it whatever the limit.
        fixture.m_prompt.setNextFileName(huge);
        {
            ::malloc_trim(0);
            MemoryLimit limit(8 << 20);
            if (!limit.isSet())
                QSKIP("no memory limit can be set here (AddressSanitizer)");
            QVERIFY(trigger(dlg, "actionImport"));
        }
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QCOMPARE(fixture.m_prompt.m_messages.takeFirst().text, QStringLiteral("Out of memory."));
        QCOMPARE(readAll(earlier), goodFile);
        // With memory enough, the same file reads.
        fixture.m_prompt.setNextFileName(huge);
        QVERIFY(trigger(dlg, "actionImport"));
        QCOMPARE(dlg.record().m_description, QStringLiteral("Huge"));
        dlg.reject();
    });
}

QTEST_MAIN(TestImportFaults)
#include "tst_importfaults.moc"
