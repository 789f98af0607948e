#include "ui/aboutdialog.h"
#include "apptestsupport.h"
#include "ui/dialogunits.h"
#include "platform/help.h"
#include "core/localeservices.h"
#include "ui/settingsdialog.h"
#include "ui/maindialog.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QString loanTitle(QWidget &dlg)
{
    return dlg.findChild<QGroupBox *>(QStringLiteral("groupLoan"))->title();
}

void focusEdit(QLineEdit *edit)
{
    edit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(edit->hasFocus());
}

void typeAndTab(QLineEdit *edit, const QString &text)
{
    focusEdit(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

QString reportPath(const AppFixture &fixture)
{
    return QDir(fixture.m_documents.path()).filePath(QStringLiteral("ZANT/ZANT.htm"));
}

// Runs action, which opens a modal window, and hands that window to inspect once it is shown.
void withModal(const std::function<void()> &action, const std::function<void(QWidget &)> &inspect)
{
    QTimer::singleShot(0, [inspect] {
        QWidget *modal = nullptr;
        if (QTest::qWaitFor([&modal] { return (modal = QApplication::activeModalWidget()) != nullptr
                                               && modal->isVisible()
                                               && modal->windowTitle() != QLatin1String("Zantoria"); }))
            inspect(*modal);
        if (QWidget *still = QApplication::activeModalWidget();
            still && still->windowTitle() != QLatin1String("Zantoria"))
            still->close();
    });
    action();
}

} // namespace

class TestMainDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    void openingState();
    void pagingKeepsEachLoan();
    void valueEditsAreReformattedOnLeaving();
    void typedTextsAreKeptWhenTheProgramEnds_data();
    void typedTextsAreKeptWhenTheProgramEnds();
    void createReportWritesAndOpens();
    void createReportWithoutDataFolderDoesNothing();
    void keysWorkFromEveryEdit();
    void whatCannotBeStartedIsNamed();
    void settingsNeverOpenTwice();
    void settingsChangeTheNextReport();
    void helpOpensTheAskingDialogsTopic();
    void aboutBox();
    void screenshot();
};

void TestMainDialog::openingState()
{
    AppFixture fixture;
    fixture.run([](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Zantoria"));
        QTRY_VERIFY(editNamed(dlg, "editDescription")->hasFocus());
        QCOMPARE(loanTitle(dlg), QStringLiteral("Loan information (1 of 5)"));
        QVERIFY(!button(dlg, "btnPrevious")->isEnabled());
        QVERIFY(button(dlg, "btnNext")->isEnabled());
        QCOMPARE(button(dlg, "btnPrevious")->text(), QStringLiteral("&<< Previous"));
        QCOMPARE(button(dlg, "btnNext")->text(), QStringLiteral("Next &>>"));
        QCOMPARE(dlg.findChildren<QPushButton *>().size(), 2); // no OK or Cancel
        QCOMPARE(editNamed(dlg, "editDescription")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(editNamed(dlg, "editTerm")->alignment() & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter),
                 Qt::AlignRight);
        QCOMPARE(editNamed(dlg, "editTerm")->text(), QStringLiteral("30"));
        QCOMPARE(editNamed(dlg, "editInterestRate")->text(), QStringLiteral("7.00%"));

        QStringList menu;
        for (QAction *top : dlg.findChild<QMenuBar *>()->actions()) {
            menu << top->text();
            for (QAction *item : top->menu()->actions())
                menu << (item->isSeparator() ? QStringLiteral("-")
                                             : item->text() + QLatin1Char('\t')
                                                   + item->shortcut().toString());
        }
        QCOMPARE(menu, QStringList({"&File", "&Create Report\tF5", "-", "&Import Data...\tCtrl+O",
                                    "&Export Data...\tCtrl+S", "&Recent Files\t", "-", "E&xit\t",
                                    "&Tools", "&Calculator\tF11", "-", "&Settings...\tF12", "-",
                                    "Loan &Analysis...\tCtrl+L", "&Help", "&Help Topics\tF1",
                                    "What's This?\tShift+F1", "-", "&About Zantoria\t"}));

        // Tab order follows the template: description, the property figures, then the loan.
        QStringList order;
        QWidget *w = editNamed(dlg, "editDescription");
        for (int i = 0; i < 13; ++i, w = w->nextInFocusChain()) {
            while (!(w->focusPolicy() & Qt::TabFocus))
                w = w->nextInFocusChain();
            order << w->objectName();
        }
        QCOMPARE(order, QStringList({"editDescription", "editPurchasePrice", "editRentalIncome",
                                     "editEscrow", "editOtherFees", "editSafetyMargin",
                                     "editLender", "editDownPayment", "editInterestRate",
                                     "editTerm", "editPmi", "btnPrevious", "btnNext"}));
        dlg.reject();
    });
}

void TestMainDialog::pagingKeepsEachLoan()
{
    AppFixture fixture;
    fixture.run([](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        editNamed(dlg, "editLender")->setText(QStringLiteral("First Bank"));
        button(dlg, "btnNext")->click();
        QCOMPARE(loanTitle(dlg), QStringLiteral("Loan information (2 of 5)"));
        QCOMPARE(editNamed(dlg, "editLender")->text(), QString());
        typeAndTab(editNamed(dlg, "editDownPayment"), QStringLiteral("45000"));
        QCOMPARE(editNamed(dlg, "editDownPayment")->text(), QStringLiteral("$45,000.00"));
        editNamed(dlg, "editDownPayment")->setText(QStringLiteral("47500.5")); // never left: paging reads it
        button(dlg, "btnNext")->click();
        button(dlg, "btnPrevious")->click();
        QCOMPARE(editNamed(dlg, "editDownPayment")->text(), QStringLiteral("$47,500.50"));
        QCOMPARE(dlg.record().m_downPayment[1].m_value, 47500.5);
        button(dlg, "btnPrevious")->click();
        QCOMPARE(editNamed(dlg, "editLender")->text(), QStringLiteral("First Bank"));
        QVERIFY(!button(dlg, "btnPrevious")->isEnabled());

        for (int i = 0; i < 4; ++i)
            button(dlg, "btnNext")->click();
        QCOMPARE(loanTitle(dlg), QStringLiteral("Loan information (5 of 5)"));
        QVERIFY(!button(dlg, "btnNext")->isEnabled());
        QVERIFY(button(dlg, "btnPrevious")->isEnabled());
        dlg.onNext(); // bounds hold even when asked directly
        QCOMPARE(dlg.record().m_shownLoan, 4);
        dlg.reject();
    });
    QCOMPARE(fixture.m_profile->readString("ZANT", "Lender1"), QStringLiteral("First Bank"));
    QCOMPARE(fixture.m_profile->readString("ZANT", "DownPayment2"), QStringLiteral("$47,500.50"));
}

void TestMainDialog::valueEditsAreReformattedOnLeaving()
{
    AppFixture fixture;
    fixture.run([](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        QLineEdit *price = editNamed(dlg, "editPurchasePrice");
        typeAndTab(price, QStringLiteral("abc"));
        QCOMPARE(price->text(), QStringLiteral("$0.00"));
        QTRY_VERIFY(editNamed(dlg, "editRentalIncome")->hasFocus());
        typeAndTab(price, QStringLiteral("1234.5"));
        QCOMPARE(price->text(), QStringLiteral("$1,234.50"));
        typeAndTab(price, QStringLiteral("-500"));
        QCOMPARE(price->text(), QStringLiteral("$500.00"));
        QCOMPARE(dlg.record().m_purchasePrice.m_value, 500.0);
        typeAndTab(editNamed(dlg, "editSafetyMargin"), QStringLiteral("12.5"));
        QCOMPARE(editNamed(dlg, "editSafetyMargin")->text(), QStringLiteral("12.50%"));
        typeAndTab(editNamed(dlg, "editTerm"), QStringLiteral("15.999"));
        QCOMPARE(editNamed(dlg, "editTerm")->text(), QStringLiteral("16"));
        // Description and lender are taken as typed, spaces and all, up to the 1,000 characters
        // a deal keeps.
        typeAndTab(editNamed(dlg, "editDescription"), QStringLiteral("  12 Elm St.  "));
        QCOMPARE(editNamed(dlg, "editDescription")->text(), QStringLiteral("  12 Elm St.  "));
        DealRecord longTexts = dlg.record();
        longTexts.m_description = QString(1000, QLatin1Char('d'));
        longTexts.m_lender[0] = QString(1000, QLatin1Char('l'));
        dlg.setRecord(longTexts);
        dlg.updateRecord();
        QCOMPARE(dlg.record().m_description.size(), 1000);
        QCOMPARE(dlg.record().m_lender[0].size(), 1000);
        dlg.reject();
    });
}

void TestMainDialog::typedTextsAreKeptWhenTheProgramEnds_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("close box") << 0;
}

// The program ends from the edit that was typed into, without leaving it: the next start shows
// what the window showed, texts and figures alike.
void TestMainDialog::typedTextsAreKeptWhenTheProgramEnds()
{
    QFETCH(int, key);
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        QLineEdit *description = editNamed(dlg, "editDescription");
        focusEdit(description);
        QTest::keyClicks(description, QStringLiteral("12 Elm St."));
        QLineEdit *lender = editNamed(dlg, "editLender");
        focusEdit(lender);
        QTest::keyClicks(lender, QStringLiteral("Harbor Bank"));
        // A figure typed last and never left.
        QLineEdit *rent = editNamed(dlg, "editRentalIncome");
        focusEdit(rent);
        rent->selectAll();
        QTest::keyClicks(rent, QStringLiteral("3500"));
        if (key)
            QTest::keyClick(rent, Qt::Key(key));
        else
            dlg.close();
        QVERIFY(!dlg.isVisible());
    });
    fixture.reopenProfile();
    QCOMPARE(fixture.m_profile->readString("ZANT", "Description"), QStringLiteral("12 Elm St."));
    QCOMPARE(fixture.m_profile->readString("ZANT", "Lender1"), QStringLiteral("Harbor Bank"));
    QCOMPARE(fixture.m_profile->readString("ZANT", "RentalIncome"), QStringLiteral("$3,500.00"));
}

void TestMainDialog::createReportWritesAndOpens()
{
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        QLineEdit *description = editNamed(dlg, "editDescription");
        focusEdit(description);
        QTest::keyClicks(description, QStringLiteral("Elm & Oak"));
        QTest::keyClick(description, Qt::Key_F5);
        QCOMPARE(fixture.m_shell.m_documents, QStringList(reportPath(fixture)));
        QFile report(reportPath(fixture));
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QByteArray first = report.readAll();
        report.close();
        QVERIFY(first.contains("Elm &amp; Oak"));
        QVERIFY(first.contains("$180,000.00"));

        // A second report replaces the first.
        description->setText(QStringLiteral("Second"));
        QTest::keyClick(description, Qt::Key_F5);
        QCOMPARE(fixture.m_shell.m_documents.size(), 2);
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QByteArray second = report.readAll();
        QVERIFY(second.contains("Second"));
        QVERIFY(!second.contains("Elm &amp; Oak"));
        QCOMPARE(QDir(QFileInfo(reportPath(fixture)).path()).entryList(QDir::Files).size(), 1);
        dlg.reject();
    });
}

void TestMainDialog::createReportWithoutDataFolderDoesNothing()
{
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        fixture.m_folders.m_path.clear();
        dlg.onCreateReport();
        QVERIFY(fixture.m_shell.m_documents.isEmpty());
        QVERIFY(fixture.m_prompt.m_messages.isEmpty());
        dlg.reject();
    });
}

void TestMainDialog::keysWorkFromEveryEdit()
{
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        fixture.m_app->settings().m_calculatorCommand = QStringLiteral("xcalc -rv");
        const char *edits[] = {"editDescription", "editPurchasePrice", "editRentalIncome",
                               "editEscrow", "editOtherFees", "editSafetyMargin", "editLender",
                               "editDownPayment", "editInterestRate", "editTerm", "editPmi"};
        int settingsOpened = 0;
        for (const char *name : edits) {
            QLineEdit *edit = editNamed(dlg, name);
            focusEdit(edit);
            QTest::keyClick(edit, Qt::Key_F11);
            QTest::keyClick(edit, Qt::Key_F5);
            withModal([edit] { QTest::keyClick(edit, Qt::Key_F12); },
                      [&settingsOpened](QWidget &modal) {
                          settingsOpened += qobject_cast<SettingsDialog *>(&modal) != nullptr;
                      });
            QVERIFY(activateAndWait(dlg));
        }
        QCOMPARE(settingsOpened, 11);
        // Import and Export answer Ctrl+O and Ctrl+S from every edit; the file dialogs are
        // cancelled here.
        for (const char *name : edits) {
            QLineEdit *edit = editNamed(dlg, name);
            focusEdit(edit);
            QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
        }
        QStringList fileDialogs;
        for (int i = 0; i < 11; ++i)
            fileDialogs << QStringLiteral("Import Deal") << QStringLiteral("Export Deal");
        QCOMPARE(fixture.m_prompt.m_fileTitles, fileDialogs);
        // The calculator command goes to the shell whole, as one item.
        QCOMPARE(fixture.m_shell.m_programs, QStringList(11, QStringLiteral("xcalc -rv")));
        QCOMPARE(fixture.m_shell.m_documents.size(), 11);
        dlg.reject();
    });
}

// A desktop without a browser, or without the calculator named in the settings: F5 and F11 say
// so instead of doing nothing, and the report's message tells where the report is.
void TestMainDialog::whatCannotBeStartedIsNamed()
{
    AppFixture fixture;
    fixture.m_shell.m_starts = false;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        fixture.m_app->settings().m_calculatorCommand = QStringLiteral("no-such-calculator");
        QLineEdit *edit = editNamed(dlg, "editRentalIncome");
        focusEdit(edit);
        QTest::keyClick(edit, Qt::Key_F5);
        QTest::keyClick(edit, Qt::Key_F11);
        fixture.m_app->settings().m_calculatorCommand.clear();
        QTest::keyClick(edit, Qt::Key_F11);
        dlg.reject();
    });
    const QList<ScriptedPrompt::ShownMessage> &messages = fixture.m_prompt.m_messages;
    QCOMPARE(messages.size(), 3);
    QVERIFY(QFileInfo::exists(reportPath(fixture)));
    QCOMPARE(messages.at(0).text,
             QStringLiteral("The report was saved as %1, but no web browser could be started to "
                            "show it. Open that file in your browser.")
                 .arg(reportPath(fixture)));
    QCOMPARE(messages.at(1).text,
             QStringLiteral("The calculator \"no-such-calculator\" could not be started. Name a "
                            "calculator program installed on this computer, without arguments, "
                            "in the settings (F12)."));
    QCOMPARE(messages.at(2).text,
             QStringLiteral("No calculator command is set. Name your calculator program in the "
                            "settings (F12)."));
    for (const ScriptedPrompt::ShownMessage &message : messages)
        QCOMPARE(message.icon, IPrompt::Icon::Warning);
}

void TestMainDialog::settingsNeverOpenTwice()
{
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        int reportsBefore = fixture.m_shell.m_documents.size();
        bool nested = false;
        withModal([&dlg] { QTest::keyClick(editNamed(dlg, "editTerm"), Qt::Key_F12); },
                  [&](QWidget &settings) {
                      QVERIFY(activateAndWait(settings));
                      QTimer::singleShot(200, [&nested, &settings] {
                          nested = QApplication::activeModalWidget() != &settings;
                          if (nested)
                              QApplication::activeModalWidget()->close();
                      });
                      QTest::keyClick(&settings, Qt::Key_F12);
                      QTest::keyClick(&settings, Qt::Key_F5);
                      QTest::qWait(300);
                  });
        QVERIFY(!nested);
        QCOMPARE(fixture.m_shell.m_documents.size(), reportsBefore);
        dlg.reject();
    });
}

void TestMainDialog::settingsChangeTheNextReport()
{
    AppFixture fixture;
    const auto reportText = [&fixture] {
        QFile report(reportPath(fixture));
        return report.open(QIODevice::ReadOnly) ? QString::fromUtf8(report.readAll()) : QString();
    };
    const auto changeSettings = [](QWidget &settings, bool confirm) {
        QVERIFY(activateAndWait(settings));
        auto *labels = settings.findChild<QComboBox *>(QStringLiteral("labelsColor"));
        labels->setFocus();
        QTRY_VERIFY(labels->hasFocus());
        labels->setCurrentIndex(labels->findText(QStringLiteral("Green")));
        auto *size = settings.findChild<QComboBox *>(QStringLiteral("fontSize"));
        size->setCurrentIndex(size->findText(QStringLiteral("x-large")));
        if (confirm)
            QTest::mouseClick(settings.findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
        else
            QTest::keyClick(&settings, Qt::Key_Escape);
    };
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        QLineEdit *edit = editNamed(dlg, "editRentalIncome");
        focusEdit(edit);
        withModal([edit] { QTest::keyClick(edit, Qt::Key_F12); },
                  [&](QWidget &settings) { changeSettings(settings, false); });
        QVERIFY(activateAndWait(dlg));
        QTest::keyClick(edit, Qt::Key_F5);
        QVERIFY(reportText().contains(QStringLiteral(".label {\r\n  font-weight: bold;\r\n  text-align: left;\r\n  background-color: #ffffcc;")));
        QVERIFY(reportText().contains(QStringLiteral("  font-size: small;\r\n")));

        withModal([edit] { QTest::keyClick(edit, Qt::Key_F12); },
                  [&](QWidget &settings) { changeSettings(settings, true); });
        QVERIFY(activateAndWait(dlg));
        QTest::keyClick(edit, Qt::Key_F5);
        QVERIFY(reportText().contains(QStringLiteral(".label {\r\n  font-weight: bold;\r\n  text-align: left;\r\n  background-color: #ccffcc;")));
        QVERIFY(reportText().contains(QStringLiteral("  font-size: x-large;\r\n")));
        dlg.reject();
    });
    QCOMPARE(fixture.m_profile->readInt("ZANT", "LabelsColor", 0), 0x00CCFFCC);
    QCOMPARE(fixture.m_profile->readString("ZANT", "FontSize"), QStringLiteral("x-large"));
}

void TestMainDialog::helpOpensTheAskingDialogsTopic()
{
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        QLineEdit *edit = editNamed(dlg, "editEscrow");
        focusEdit(edit);
        QTest::keyClick(edit, Qt::Key_F1, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_F1, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_F1, Qt::AltModifier);
        QVERIFY(fixture.m_shell.m_urls.isEmpty());
        QTest::keyClick(edit, Qt::Key_F1);
        dlg.findChild<QAction *>(QStringLiteral("actionHelpTopics"))->trigger();
        const QString mainTopic = helpTopicUrl(HelpTopic::MainDialog);
        QCOMPARE(fixture.m_shell.m_urls, QStringList({mainTopic, mainTopic}));

        withModal([&dlg] { dlg.findChild<QAction *>(QStringLiteral("actionSettings"))->trigger(); },
                  [](QWidget &settings) {
                      QVERIFY(activateAndWait(settings));
                      QTest::keyClick(settings.focusWidget(), Qt::Key_F1);
                  });
        QCOMPARE(fixture.m_shell.m_urls.size(), 3);
        QCOMPARE(fixture.m_shell.m_urls.last(), helpTopicUrl(HelpTopic::SettingsDialog));
        dlg.reject();
    });
}

void TestMainDialog::aboutBox()
{
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        // The main dialog's edits measure the template's 115 dialog units by the same rule.
        for (QLineEdit *edit : dlg.findChildren<QLineEdit *>())
            QCOMPARE(edit->minimumWidth(), dialogUnitsX(dlg.font(), 115));
        for (int opening = 0; opening < 2; ++opening) {
            withModal([&dlg] { dlg.findChild<QAction *>(QStringLiteral("actionAbout"))->trigger(); },
                      [&](QWidget &about) {
                          QCOMPARE(about.windowTitle(), QStringLiteral("About Zantoria"));
                          QVERIFY(qobject_cast<AboutDialog *>(&about));
                          QStringList texts;
                          for (QLabel *label : about.findChildren<QLabel *>())
                              texts << label->text();
                          QVERIFY(texts.contains(QStringLiteral("Zantoria, Version 1.00")));
                          QLabel *link = about.findChild<QLabel *>(QStringLiteral("labelWebsite"));
                          QVERIFY(link->text().contains(QStringLiteral("href=\"https://www.quenwick.com\"")));
                          QVERIFY(!about.findChild<QLabel *>(QStringLiteral("labelIcon"))->pixmap().isNull());
                          QCOMPARE(about.size(), dialogUnitsToPixels(about.font(), QSize(232, 115)));
                          // One Tab from OK reaches the link, Enter opens it.
                          QVERIFY(activateAndWait(about));
                          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                          QCOMPARE(QApplication::focusWidget(), link);
                          QTest::keyClick(link, Qt::Key_Return);
                          QVERIFY(about.isVisible()); // the box stays open
                          QTest::keyClick(&about, Qt::Key_Escape);
                          QVERIFY(!about.isVisible());
                      });
        }
        // The dialog's context menu stands in for the window menu's About entry.
        QStringList entries;
        QString opened;
        QTimer::singleShot(0, [&] {
            QWidget *menu = QApplication::activePopupWidget();
            if (!menu)
                return;
            for (QAction *action : menu->actions())
                entries << action->text();
            QTimer::singleShot(0, [&] {
                if (QWidget *about = QApplication::activeModalWidget()) {
                    opened = about->windowTitle();
                    about->close();
                }
            });
            menu->actions().constFirst()->trigger();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), dlg.mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(&dlg, &event);
        QCOMPARE(entries, QStringList(QStringLiteral("&About ZANT...")));
        QCOMPARE(opened, QStringLiteral("About Zantoria"));
        QCOMPARE(fixture.m_shell.m_urls,
                 QStringList(2, QStringLiteral("https://www.quenwick.com")));
        dlg.reject();
    });
}

void TestMainDialog::screenshot()
{
    const QString folder = qEnvironmentVariable("ZANT_TEST_ARTIFACTS");
    if (folder.isEmpty())
        QSKIP("ZANT_TEST_ARTIFACTS is not set");
    QDir().mkpath(folder);
    AppFixture fixture;
    fixture.run([&](MainDialog &dlg) {
        QVERIFY(activateAndWait(dlg));
        const QPixmap shot = dlg.grab();
        QVERIFY(shot.save(QDir(folder).filePath(QStringLiteral("main-dialog.png"))));
        QVERIFY(shot.width() >= 300 && shot.height() >= 250);
        withModal([&dlg] { dlg.onHelpAbout(); }, [&folder](QWidget &about) {
            QVERIFY(about.grab().save(QDir(folder).filePath(QStringLiteral("about-box.png"))));
        });
        dlg.reject();
    });
}

QTEST_MAIN(TestMainDialog)
#include "tst_maindialog.moc"
