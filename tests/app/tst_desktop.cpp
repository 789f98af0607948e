#include "apptestsupport.h"
#include "core/localeservices.h"
#include "app/program.h"
#include "platform/recentfiles.h"
#include "testfiles.h"
#include "ui/maindialog.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QWhatsThis>

#include <cstdio>

#include <sys/stat.h>

// What a desktop program offers beyond its own commands: files named on its command line, the
// recently used files, and help on each figure.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    void opensTheFilesOfItsCommandLine_data();
    void opensTheFilesOfItsCommandLine();
    void opensANameThatIsNoUtf8();
    void recentFilesUnderFile();
    void valueEditsExplainThemselves_data();
    void valueEditsExplainThemselves();
};

namespace {
QString dealFile(const QTemporaryDir &dir, const QString &name, const QString &description)
{
    const QString path = dir.filePath(name);
    writeAll(path, "Description = " + description.toUtf8() + "\r\n");
    return path;
}

// The entries of the Recent Files menu as it shows when opened.
QStringList recentMenu(MainDialog &dlg)
{
    auto *menu = dlg.findChild<QMenu *>(QStringLiteral("menuRecentFiles"));
    menu->popup(QPoint());
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    menu->hide();
    return texts;
}

QAction *recentEntry(MainDialog &dlg, int index)
{
    return dlg.findChild<QMenu *>(QStringLiteral("menuRecentFiles"))->actions().value(index);
}
} // namespace

void TestDesktop::opensTheFilesOfItsCommandLine_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("remembered");
    QTest::newRow("a deal file") << QStringList{"elm.zant"} << "Elm" << "" << true;
    QTest::newRow("a missing file") << QStringList{"gone.zant"} << "" << "%1 was not found." << false;
    QTest::newRow("a folder") << QStringList{"folder"} << ""
                              << "%1 is a folder, not a deal file." << false;
    QTest::newRow("a pipe") << QStringList{"pipe.zant"} << ""
                            << "%1 is a pipe, socket or device, not a deal file." << false;
    QTest::newRow("two files")
        << QStringList{"elm.zant", "oak.zant"} << "Elm"
        << "Zantoria opens one deal file at a time. These were not opened:\n%1" << true;
}

void TestDesktop::opensTheFilesOfItsCommandLine()
{
    QFETCH(QStringList, names);
    QFETCH(QString, description);
    QFETCH(QString, message);
    QFETCH(bool, remembered);
    AppFixture fixture;
    dealFile(fixture.m_documents, QStringLiteral("elm.zant"), QStringLiteral("Elm"));
    dealFile(fixture.m_documents, QStringLiteral("oak.zant"), QStringLiteral("Oak"));
    QVERIFY(QDir(fixture.m_documents.path()).mkdir(QStringLiteral("folder")));
    const QByteArray pipe =
        QFile::encodeName(fixture.m_documents.filePath(QStringLiteral("pipe.zant")));
    QCOMPARE(mkfifo(pipe.constData(), 0600), 0);
    QStringList paths;
    for (const QString &name : names)
        paths << fixture.m_documents.filePath(name);
    // The message names the file not opened: the only one, or the second.
    const QString expected = message.isEmpty() ? QString() : message.arg(paths.constLast());

    fixture.m_app->setFilesToOpen(paths);
    fixture.run([&](MainDialog &dlg) {
        QTRY_COMPARE(fixture.m_prompt.m_messages.size(), expected.isEmpty() ? 0 : 1);
        QTRY_COMPARE(editNamed(dlg, "editDescription")->text(), description);
        if (!expected.isEmpty())
            QCOMPARE(fixture.m_prompt.m_messages.constFirst().text, expected);
        // The window carries on: the next command works as ever.
        QVERIFY(dlg.isVisible());
        dlg.reject();
    });
    QCOMPARE(fixture.m_profile->readString("Recent File List", "File1"),
             remembered ? paths.constFirst() : QString());
}

// "deal-\xff.zant" reads as text that names no file: the window still opens the file itself.
void TestDesktop::opensANameThatIsNoUtf8()
{
    AppFixture fixture;
    const QString elm = dealFile(fixture.m_documents, QStringLiteral("elm.zant"), QStringLiteral("Elm"));
    const QByteArray name = QFile::encodeName(fixture.m_documents.path()) + "/deal-\xff.zant";
    QCOMPARE(::rename(QFile::encodeName(elm).constData(), name.constData()), 0);

    fixture.m_app->setFilesToOpen(Program::filesToOpen({name}));
    fixture.run([&](MainDialog &dlg) {
        QTRY_COMPARE(editNamed(dlg, "editDescription")->text(), QStringLiteral("Elm"));
        QCOMPARE(fixture.m_prompt.m_messages.size(), 0);
        dlg.reject();
    });
    // No later run could reach it by the name it was opened through.
    QCOMPARE(fixture.m_profile->readString("Recent File List", "File1"), QString());
}

void TestDesktop::recentFilesUnderFile()
{
    AppFixture fixture;
    QStringList paths;
    for (int i = 1; i <= RecentFiles::MaxFiles + 1; ++i)
        paths << dealFile(fixture.m_documents, QStringLiteral("deal %1 & co.zant").arg(i),
                          QStringLiteral("Deal %1").arg(i));
    const QString exported = fixture.m_documents.filePath(QStringLiteral("exported.zant"));
    fixture.run([&](MainDialog &dlg) {
        QCOMPARE(recentMenu(dlg), QStringList({"&Clear List"}));
        QVERIFY(!recentEntry(dlg, 0)->isEnabled());
        for (const QString &path : paths) {
            fixture.m_prompt.setNextFileName(path);
            QVERIFY(trigger(dlg, "actionImport"));
        }
        fixture.m_prompt.setNextFileName(exported);
        QVERIFY(trigger(dlg, "actionExport"));
        // Newest first, at most eight, "&" shown as itself.
        QStringList menu = recentMenu(dlg);
        QCOMPARE(menu.size(), RecentFiles::MaxFiles + 2);
        QCOMPARE(menu.at(0), "&1 " + QDir::toNativeSeparators(exported));
        QCOMPARE(menu.at(1), "&2 " + QDir::toNativeSeparators(paths.at(8)).replace("&", "&&"));
        QCOMPARE(menu.at(7), "&8 " + QDir::toNativeSeparators(paths.at(2)).replace("&", "&&"));

        // A file gone since is left out; picking an entry imports it as Import Data does.
        QVERIFY(QFile::remove(paths.at(8)));
        menu = recentMenu(dlg);
        QCOMPARE(menu.size(), RecentFiles::MaxFiles + 1);
        QCOMPARE(menu.at(1), "&2 " + QDir::toNativeSeparators(paths.at(7)).replace("&", "&&"));
        recentEntry(dlg, 1)->trigger();
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QStringLiteral("Deal 8"));
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        QCOMPARE(recentMenu(dlg).at(0), "&1 " + QDir::toNativeSeparators(paths.at(7)).replace("&", "&&"));
        dlg.reject();
    });

    // Kept beside the record, outside its group, for the next run.
    QSettings file(fixture.m_profile->fileName(), QSettings::IniFormat);
    QCOMPARE(file.value("Recent File List/File1").toString(), paths.at(7));
    QCOMPARE(file.value("Recent File List/File2").toString(), exported);
    file.beginGroup(QStringLiteral("ZANT"));
    const QStringList recordKeys = file.childKeys();
    QVERIFY(recordKeys.contains(QStringLiteral("PurchasePrice")));
    QVERIFY2(recordKeys.filter(QStringLiteral("File")).isEmpty(), qPrintable(recordKeys.join(' ')));
    file.endGroup();
    fixture.reopenProfile();
    fixture.run([&](MainDialog &dlg) {
        QCOMPARE(recentMenu(dlg).size(), RecentFiles::MaxFiles - 1 + 2);
        dlg.findChild<QMenu *>(QStringLiteral("menuRecentFiles"))->actions().constLast()->trigger();
        QCOMPARE(recentMenu(dlg), QStringList({"&Clear List"}));
        dlg.reject();
    });
    QCOMPARE(fixture.m_profile->readString("Recent File List", "File1"), QString());
}

void TestDesktop::valueEditsExplainThemselves_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("unit");
    for (const char *name : {"editPurchasePrice", "editRentalIncome", "editEscrow",
                             "editOtherFees", "editDownPayment", "editPmi"})
        QTest::newRow(name) << name << "in your currency";
    QTest::newRow("editSafetyMargin") << "editSafetyMargin" << "in percent";
    QTest::newRow("editInterestRate") << "editInterestRate" << "in percent";
    QTest::newRow("editTerm") << "editTerm" << "in whole years";
}

void TestDesktop::valueEditsExplainThemselves()
{
    QFETCH(QString, edit);
    QFETCH(QString, unit);
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        QLineEdit *field = editNamed(dlg, edit.toLatin1().constData());
        QVERIFY(field->toolTip().endsWith(unit));
        QVERIFY(field->whatsThis().size() > field->toolTip().size());
        // Shift+F1 from the edit enters What's This; Escape leaves it.
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QVERIFY(dlg.isVisible());
        QVERIFY(fixture.m_shell.m_urls.isEmpty());
        dlg.reject();
    });
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
