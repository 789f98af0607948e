#include "apptestsupport.h"
#include "faulthelpers.h"
#include "filelimits.h"
#include "core/localeservices.h"
#include "ui/maindialog.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <optional>

using namespace FaultTest;

// A report or deal file that cannot be written whole must leave the earlier file as it was,
// leave nothing behind in its folder, say why in the program's own words, and never hand a
// broken report to the browser. The next attempt, once there is room, must work again.
class TestDiskFull : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    // The sizes a full disk may leave room for are tried on SaveFile (tst_savefile); here each
    // command that saves through it meets one, and the profile, written by QSettings, all.
    void reportOnAFullDisk_data() { fullDisk_data(false); }
    void reportOnAFullDisk();
    void exportOnAFullDisk_data() { fullDisk_data(false); }
    void exportOnAFullDisk();
    void noFileDescriptorLeft();
    void profileOnAFullDisk_data() { fullDisk_data(true); }
    void profileOnAFullDisk();
    void unsavedProfileAtExit_data();
    void unsavedProfileAtExit();

private:
    static void fullDisk_data(bool everySize);
};

namespace {
// A description far longer than the first one, so the new file never fits where the old did.
const QString LongDescription = QString(1000, QLatin1Char('L'));
// Marks a limit of the earlier file's own size.
constexpr qint64 EarlierSize = -1;

QString diskFull(const QString &path)
{
    return QStringLiteral("Disk full while accessing %1.").arg(path);
}
} // namespace

void TestDiskFull::fullDisk_data(bool everySize)
{
    QTest::addColumn<qint64>("limit");
    QTest::newRow("as much as the earlier file") << EarlierSize;
    if (!everySize)
        return;
    QTest::newRow("not one byte fits") << qint64(0);
    QTest::newRow("one byte fits") << qint64(1);
    QTest::newRow("half a kilobyte fits") << qint64(512);
}

void TestDiskFull::reportOnAFullDisk()
{
    QFETCH(qint64, limit);
    AppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editDescription")->setText(QStringLiteral("Earlier"));
        QVERIFY(trigger(dlg, "actionCreateReport"));
        QCOMPARE(fixture.m_shell.m_documents, QStringList(report));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        const QByteArray earlier = readAll(report);
        QVERIFY(earlier.contains("Earlier"));
        const QStringList entries = entriesOf(folder);
        QCOMPARE(entries, QStringList(QStringLiteral("ZANT.htm")));

        editNamed(dlg, "editDescription")->setText(LongDescription);
        {
            FileSizeLimit full(rlim_t(limit == EarlierSize ? earlier.size() : limit));
            QVERIFY(full.isSet());
            QVERIFY(trigger(dlg, "actionCreateReport"));
        }
        QCOMPARE(readAll(report), earlier);
        QCOMPARE(entriesOf(folder), entries);
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        const ScriptedPrompt::ShownMessage &message = fixture.m_prompt.m_messages.constFirst();
        QCOMPARE(message.text, diskFull(report));
        QCOMPARE(message.icon, IPrompt::Icon::Warning);
        QCOMPARE(message.buttons, IPrompt::Buttons::Ok);
        QCOMPARE(fixture.m_shell.m_documents.size(), 1);
        // The record was copied from the edits before the failure and is still there.
        QCOMPARE(dlg.record().m_description, LongDescription);

        // With room again the same command writes the new report and opens it.
        QVERIFY(trigger(dlg, "actionCreateReport"));
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        QCOMPARE(fixture.m_shell.m_documents, QStringList({report, report}));
        QVERIFY(readAll(report).contains(LongDescription.toLatin1()));
        QCOMPARE(entriesOf(folder), entries);
        dlg.reject();
    });
}

void TestDiskFull::exportOnAFullDisk()
{
    QFETCH(qint64, limit);
    AppFixture fixture;
    const QString folder = fixture.m_documents.path();
    const QString path = fixture.m_documents.filePath(QStringLiteral("deal.zant"));
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editDescription")->setText(QStringLiteral("Earlier"));
        editNamed(dlg, "editPurchasePrice")->setText(QStringLiteral("123456"));
        fixture.m_prompt.setNextFileName(path);
        QVERIFY(trigger(dlg, "actionExport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        const QByteArray earlier = readAll(path);
        QVERIFY(earlier.contains("Description = Earlier\r\n"));
        QVERIFY(earlier.contains("PurchasePrice = $123,456.00\r\n"));
        const QStringList entries = entriesOf(folder);

        editNamed(dlg, "editDescription")->setText(LongDescription);
        editNamed(dlg, "editPurchasePrice")->setText(QStringLiteral("99"));
        fixture.m_prompt.setNextFileName(path);
        {
            FileSizeLimit full(rlim_t(limit == EarlierSize ? earlier.size() : limit));
            QVERIFY(full.isSet());
            QVERIFY(trigger(dlg, "actionExport"));
        }
        QCOMPARE(readAll(path), earlier);
        QCOMPARE(entriesOf(folder), entries);
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        const ScriptedPrompt::ShownMessage &message = fixture.m_prompt.m_messages.constFirst();
        QCOMPARE(message.text, diskFull(path));
        QCOMPARE(message.icon, IPrompt::Icon::Warning);
        QCOMPARE(message.buttons, IPrompt::Buttons::Ok);
        QVERIFY(fixture.m_shell.m_documents.isEmpty());
        // The edits still hold what the user typed, now formatted.
        QCOMPARE(editNamed(dlg, "editPurchasePrice")->text(), QStringLiteral("$99.00"));

        fixture.m_prompt.setNextFileName(path);
        QVERIFY(trigger(dlg, "actionExport"));
        QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
        const QByteArray later = readAll(path);
        QVERIFY(later.contains("Description = " + LongDescription.toLatin1() + "\r\n"));
        QVERIFY(later.contains("PurchasePrice = $99.00\r\n"));
        QCOMPARE(entriesOf(folder), entries);
        dlg.reject();
    });
}

void TestDiskFull::noFileDescriptorLeft()
{
    AppFixture fixture;
    const QString folder = fixture.m_documents.filePath(QStringLiteral("ZANT"));
    const QString report = QDir(folder).filePath(QStringLiteral("ZANT.htm"));
    const QString deal = fixture.m_documents.filePath(QStringLiteral("deal.zant"));
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(trigger(dlg, "actionCreateReport"));
        fixture.m_prompt.setNextFileName(deal);
        QVERIFY(trigger(dlg, "actionExport"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        const QByteArray earlierReport = readAll(report);
        const QByteArray earlierDeal = readAll(deal);
        QVERIFY(!earlierReport.isEmpty());
        QVERIFY(!earlierDeal.isEmpty());

        editNamed(dlg, "editDescription")->setText(QStringLiteral("Later"));
        fixture.m_prompt.setNextFileName(deal);
        {
            NoMoreFiles exhausted;
            QVERIFY(exhausted.isSet());
            QVERIFY(trigger(dlg, "actionCreateReport"));
            QVERIFY(trigger(dlg, "actionExport"));
        }
        const QString tooMany =
            QStringLiteral("Could not open %1 because there are too many open files.");
        QCOMPARE(fixture.m_prompt.m_messages.size(), 2);
        QCOMPARE(fixture.m_prompt.m_messages.at(0).text, tooMany.arg(report));
        QCOMPARE(fixture.m_prompt.m_messages.at(0).icon, IPrompt::Icon::Warning);
        QCOMPARE(fixture.m_prompt.m_messages.at(1).text, tooMany.arg(deal));
        QCOMPARE(fixture.m_prompt.m_messages.at(1).icon, IPrompt::Icon::Warning);
        QCOMPARE(readAll(report), earlierReport);
        QCOMPARE(readAll(deal), earlierDeal);
        QCOMPARE(entriesOf(folder), QStringList(QStringLiteral("ZANT.htm")));
        QCOMPARE(fixture.m_shell.m_documents, QStringList(report));
        dlg.reject();
    });
}

void TestDiskFull::profileOnAFullDisk()
{
    QFETCH(qint64, limit);
    AppFixture fixture;
    const QString name = fixture.m_profile->fileName();
    // Other tests keep their profiles in the same folder: only this one's files count.
    const auto entries = [&name] {
        return entriesOf(QFileInfo(name).absolutePath())
            .filter(QRegularExpression(
                QLatin1Char('^') + QRegularExpression::escape(QFileInfo(name).fileName())));
    };
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editDescription")->setText(QStringLiteral("Earlier"));
        editNamed(dlg, "editLender")->setText(QStringLiteral("Earlier Bank"));
        QVERIFY(trigger(dlg, "actionExit"));
    });
    const QByteArray earlier = readAll(name);
    QVERIFY(earlier.contains("Description=Earlier\n"));
    QVERIFY(earlier.contains("Lender1=Earlier Bank\n"));
    const QStringList before = entries();
    QCOMPARE(before.size(), 1);

    // The disk fills up while the program runs: the profile written at shut-down does not fit.
    fixture.reopenProfile();
    std::optional<FileSizeLimit> full;
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editDescription")->setText(LongDescription);
        editNamed(dlg, "editLender")->setText(QStringLiteral("Later Bank"));
        full.emplace(rlim_t(limit == EarlierSize ? earlier.size() : limit));
        QVERIFY(full->isSet());
        QVERIFY(trigger(dlg, "actionExit"));
    });
    full.reset();
    QCOMPARE(readAll(name), earlier);
    QCOMPARE(entries(), before);

    // With room again, the next shut-down writes the profile whole. (What this process shows
    // meanwhile comes partly from QSettings' cache of the file, so only the disk is checked.)
    fixture.reopenProfile();
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editLender")->setText(QStringLiteral("Last Bank"));
        QVERIFY(trigger(dlg, "actionExit"));
    });
    // QSettings writes its groups in alphabetical order: the assumptions, then the deal.
    const QByteArray last = readAll(name);
    QVERIFY(last.startsWith("[Projection]\nAppreciation=3\n"));
    const QByteArray deal = last.mid(last.indexOf("\n[ZANT]\n") + 1);
    QVERIFY(deal.startsWith("[ZANT]\n"));
    QVERIFY(deal.contains("\nLender1=Last Bank\n"));
    QVERIFY(deal.endsWith("\nTerm5=30\n"));
    QCOMPARE(deal.count('\n'), 41);
    QCOMPARE(entries(), before);
}

// The profile that does not fit at shut-down is not dropped without a word: the user is told and
// may make room and retry, export the deal to a file (on another disk, say), or discard.
void TestDiskFull::unsavedProfileAtExit_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("roomAtMessage"); // the message box during which room is made; 0: never
    QTest::addColumn<bool>("picksFile");    // the user names a file when asked where to export
    QTest::addColumn<int>("warnings");      // the warnings about the profile
    QTest::addColumn<bool>("exportFails");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("exported");

    const int retry = int(IPrompt::Answer::Retry);
    const int exportDeal = int(IPrompt::Answer::Export);
    const int discard = int(IPrompt::Answer::Cancel);
    QTest::newRow("discard") << QList<int>{discard} << 0 << false << 1 << false << false << false;
    QTest::newRow("retry once there is room")
        << QList<int>{retry} << 1 << false << 1 << false << true << false;
    QTest::newRow("retry while still full, then discard")
        << QList<int>{retry, discard} << 0 << false << 2 << false << false << false;
    QTest::newRow("retry twice, room made meanwhile")
        << QList<int>{retry, retry} << 2 << false << 2 << false << true << false;
    QTest::newRow("export to a disk with room")
        << QList<int>{exportDeal} << 1 << true << 1 << false << false << true;
    QTest::newRow("export on the full disk, then discard")
        << QList<int>{exportDeal, discard} << 0 << true << 2 << true << false << false;
    QTest::newRow("export cancelled, then retry with room")
        << QList<int>{exportDeal, retry} << 2 << false << 2 << false << true << false;
}

void TestDiskFull::unsavedProfileAtExit()
{
    QFETCH(QList<int>, answers);
    QFETCH(int, roomAtMessage);
    QFETCH(bool, picksFile);
    QFETCH(int, warnings);
    QFETCH(bool, exportFails);
    QFETCH(bool, saved);
    QFETCH(bool, exported);
    const QString unsaved = QStringLiteral(
        "Your figures and settings could not be saved: the disk may be full, or the settings "
        "folder may not be writable.\n\nMake room and choose Retry, choose Export to keep the "
        "deal in a file of your choice, or choose Discard to end without them.");

    AppFixture fixture;
    const QString name = fixture.m_profile->fileName();
    const QString deal = fixture.m_documents.filePath(QStringLiteral("kept.zant"));
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editLender")->setText(QStringLiteral("Earlier Bank"));
        QVERIFY(trigger(dlg, "actionExit"));
    });
    QVERIFY(fixture.m_prompt.m_messages.isEmpty());
    const QByteArray earlier = readAll(name);
    QVERIFY(earlier.contains("Lender1=Earlier Bank\n"));

    fixture.reopenProfile();
    for (int answer : answers)
        fixture.m_prompt.setNextAnswer(IPrompt::Answer(answer));
    if (picksFile)
        fixture.m_prompt.setNextFileName(deal);
    std::optional<FileSizeLimit> full;
    int shown = 0;
    fixture.m_prompt.m_onMessageBox = [&] {
        if (++shown == roomAtMessage)
            full.reset();
    };
    fixture.run([&](MainDialog &dlg) {
        editNamed(dlg, "editLender")->setText(QStringLiteral("Later Bank"));
        editNamed(dlg, "editPurchasePrice")->setText(QStringLiteral("234567"));
        full.emplace(0);
        QVERIFY(full->isSet());
        QVERIFY(trigger(dlg, "actionExit"));
    });
    full.reset();
    fixture.m_prompt.m_onMessageBox = nullptr;

    QStringList expected;
    for (int i = 0; i < warnings; ++i)
        expected << unsaved;
    // A failed export says why between two warnings about the profile.
    if (exportFails)
        expected.insert(1, diskFull(deal));
    QStringList texts;
    for (const ScriptedPrompt::ShownMessage &message : std::as_const(fixture.m_prompt.m_messages)) {
        texts << message.text;
        QCOMPARE(message.icon, IPrompt::Icon::Warning);
        if (message.text == unsaved)
            QCOMPARE(message.buttons, IPrompt::Buttons::RetryExportDiscard);
    }
    QCOMPARE(texts, expected);

    const QByteArray written = readAll(name);
    if (saved) {
        QVERIFY(written.contains("\nLender1=Later Bank\n"));
        QVERIFY(written.contains("\nPurchasePrice=\"$234,567.00\"\n"));
    } else {
        QCOMPARE(written, earlier);
    }
    QCOMPARE(QFile::exists(deal), exported);
    if (exported) {
        const QByteArray file = readAll(deal);
        QVERIFY(file.contains("\r\nLender1 = Later Bank\r\n"));
        QVERIFY(file.contains("\r\nPurchasePrice = $234,567.00\r\n"));
    }
}

QTEST_MAIN(TestDiskFull)
#include "tst_diskfull.moc"
