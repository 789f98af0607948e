#include "ui/settingsdlg.h"

#include "core/appsettings.h"
#include "platform/profilestore.h"
#include "ui/colorcombobox.h"
#include "platform/help.h"
#include "testdoubles.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {

const QStringList FontSizes = {"xx-small", "x-small", "small",   "medium",
                               "large",    "x-large", "xx-large"};
const QStringList ColorNames = {"Gray", "Blue", "Green", "Cyan",
                                "Red",  "Magenta", "Yellow", "White"};

CAppSettings SomeSettings()
{
    CAppSettings s;
    s.m_calculatorCommand = QStringLiteral("kcalc");
    s.m_fontName = QStringLiteral("Verdana,sans-serif");
    s.m_fontSize = QStringLiteral("medium");
    s.m_labelsColor = 0x00ffcccc;     // Blue
    s.m_evenRowsColor = 0x00ccffcc;   // Green
    s.m_oddRowsColor = 0x00ccccff;    // Red
    s.m_oddRowsCalcColor = 0x00ffccff; // Magenta
    return s;
}

// What the main dialog does around the settings dialog.
void CopyIn(CSettingsDlg &dlg, const CAppSettings &s)
{
    dlg.SetSettings(s);
}

CAppSettings CopyOut(const CSettingsDlg &dlg)
{
    return dlg.settings();
}

} // namespace

class TestSettingsDlg : public QObject
{
    Q_OBJECT

private:
    CScriptedPrompt m_prompt;
    std::unique_ptr<CSettingsDlg> m_dlg;

    template <typename T> T *Child(const char *name)
    {
        auto *child = m_dlg->findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
    CColorComboBox *Combo(const char *name) { return Child<CColorComboBox>(name); }

    // Shows the dialog as exec() would and waits until it has the focus.
    void Open(const CAppSettings &settings)
    {
        CopyIn(*m_dlg, settings);
        m_dlg->show();
        m_dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    void Click(const char *button)
    {
        QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton);
    }

    // The application's settings after the dialog closed: copied back only after OK.
    CAppSettings Caller(const CAppSettings &before)
    {
        return m_dlg->result() == QDialog::Accepted ? CopyOut(*m_dlg) : before;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_prompt = CScriptedPrompt();
        m_dlg = std::make_unique<CSettingsDlg>(m_prompt, nullptr);
    }

    void cleanup() { m_dlg.reset(); }

    void defaultState()
    {
        QCOMPARE(m_dlg->property("helpContext").value<HelpTopic>(), HelpTopic::SettingsDialog);
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Settings"));
        QVERIFY(m_dlg->settings().m_calculatorCommand.isEmpty());
        QVERIFY(m_dlg->settings().m_fontName.isEmpty());
        QVERIFY(m_dlg->settings().m_fontSize.isEmpty());
        QVERIFY(Child<QPushButton>("okButton")->isDefault());
        QVERIFY(!Child<QPushButton>("resetButton")->isDefault());

        const QList<std::pair<const char *, QString>> labels = {
            {"calcCmdLabel", "&Calculator command:"}, {"fontNameLabel", "&Font name:"},
            {"fontSizeLabel", "Font &size:"},         {"labelsColorLabel", "&Labels:"},
            {"evenColorLabel", "&Even rows:"},        {"oddColorLabel", "&Odd rows:"},
            {"oddCalcColorLabel", "Od&d rows (calculated):"}};
        for (const auto &[name, text] : labels)
            QCOMPARE(Child<QLabel>(name)->text(), text);
        QCOMPARE(Child<QGroupBox>("reportGroup")->title(), QStringLiteral("Report settings"));
        QCOMPARE(Child<QGroupBox>("colorsGroup")->title(), QStringLiteral("Background colors"));
        QCOMPARE(Child<QGroupBox>("colorsGroup")->parentWidget(), Child<QGroupBox>("reportGroup"));
        QCOMPARE(Child<QPushButton>("resetButton")->text(), QStringLiteral("&Reset..."));
        QCOMPARE(Child<QPushButton>("okButton")->text(), QStringLiteral("OK"));
        QCOMPARE(Child<QPushButton>("cancelButton")->text(), QStringLiteral("Cancel"));

        // The lists are filled when the dialog opens, not before.
        QCOMPARE(Child<QComboBox>("fontSize")->count(), 0);

        Open(SomeSettings());
        QTRY_VERIFY(Child<QLineEdit>("calcCmd")->hasFocus());

        auto *fontSize = Child<QComboBox>("fontSize");
        QCOMPARE(fontSize->count(), FontSizes.size());
        for (int i = 0; i < FontSizes.size(); ++i)
            QCOMPARE(fontSize->itemText(i), FontSizes[i]);
        QCOMPARE(fontSize->currentText(), QStringLiteral("medium"));
        QCOMPARE(Child<QLineEdit>("calcCmd")->text(), QStringLiteral("kcalc"));
        QCOMPARE(Child<QLineEdit>("fontName")->text(), QStringLiteral("Verdana,sans-serif"));

        const QList<std::pair<const char *, QString>> combos = {{"labelsColor", "Blue"},
                                                                {"evenColor", "Green"},
                                                                {"oddColor", "Red"},
                                                                {"oddCalcColor", "Magenta"}};
        // Item height: the dialog font's height plus a pixel above and below.
        const int itemHeight = QFontMetrics(m_dlg->font()).height() + 2;
        for (const auto &[name, selected] : combos) {
            CColorComboBox *combo = Combo(name);
            QCOMPARE(combo->count(), 8);
            for (int i = 0; i < 8; ++i) {
                QCOMPARE(combo->itemText(i), ColorNames[i]);
                QCOMPARE(combo->itemData(i).toUInt(),
                         CColorComboBox::ColorTable()[size_t(i)].color);
            }
            QCOMPARE(combo->currentText(), selected);
            QCOMPARE(combo->ItemHeight(), itemHeight);
        }

        // The keyboard order of the template.
        const QList<const char *> order = {"calcCmd",     "fontName",     "fontSize",
                                           "labelsColor", "evenColor",    "oddColor",
                                           "oddCalcColor", "resetButton", "okButton",
                                           "cancelButton", "calcCmd"};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), QLatin1String(order[i]));
        }

        // OK without changes gives back what came in.
        Click("okButton");
        QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
        QCOMPARE(CopyOut(*m_dlg), SomeSettings());
    }

    void fontSizeOnOk_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("returned");
        QTest::newRow("keyword") << "large" << 4 << "large";
        QTest::newRow("capitals") << "LARGE" << 4 << "large";
        QTest::newRow("mixed case") << "Xx-Small" << 0 << "xx-small";
        QTest::newRow("empty") << "" << -1 << "";
        QTest::newRow("point size") << "12pt" << -1 << "";
        QTest::newRow("part of a keyword") << "smal" << -1 << "";
    }

    void fontSizeOnOk()
    {
        QFETCH(QString, given);
        QFETCH(int, shown);
        QFETCH(QString, returned);
        CAppSettings settings = SomeSettings();
        settings.m_fontSize = given;
        Open(settings);
        QCOMPARE(Child<QComboBox>("fontSize")->currentIndex(), shown);
        Click("okButton");
        QCOMPARE(m_dlg->settings().m_fontSize, returned);
    }

    void editsAndColoursComeBackOnOk()
    {
        CAppSettings settings = SomeSettings();
        settings.m_oddRowsColor = 0x00123456; // not in the table
        settings.m_evenRowsColor = 0x05ffffff; // White with a stray top byte
        Open(settings);

        CColorComboBox *odd = Combo("oddColor");
        QCOMPARE(odd->count(), 9);
        QCOMPARE(odd->currentText(), QStringLiteral("Custom"));
        QCOMPARE(Combo("evenColor")->currentText(), QStringLiteral("Custom"));

        // The user empties both edits, picks Yellow for labels and leaves with Enter.
        Child<QLineEdit>("calcCmd")->clear();
        Child<QLineEdit>("fontName")->clear();
        Combo("labelsColor")->setCurrentIndex(6);
        QTest::keyClick(Child<QLineEdit>("calcCmd"), Qt::Key_Return);
        QCOMPARE(m_dlg->result(), int(QDialog::Accepted));

        CAppSettings expected = settings;
        expected.m_calculatorCommand.clear();
        expected.m_fontName.clear();
        expected.m_labelsColor = 0x00ccffff;
        expected.m_evenRowsColor = 0x00ffffff;
        QCOMPARE(CopyOut(*m_dlg), expected);
    }

    void colourWithoutSelectionGivesAllBits()
    {
        Open(SomeSettings());
        Combo("oddCalcColor")->setCurrentIndex(-1);
        Click("okButton");
        QCOMPARE(m_dlg->settings().m_oddRowsCalcColor, BgrColor(0xffffffff));
    }

    void cancelAndEscapeReadNothing()
    {
        Open(SomeSettings());
        Child<QLineEdit>("fontName")->setText(QStringLiteral("Changed"));
        Combo("labelsColor")->setCurrentIndex(0);
        Click("cancelButton");
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
        QCOMPARE(CopyOut(*m_dlg), SomeSettings());

        m_dlg = std::make_unique<CSettingsDlg>(m_prompt, nullptr);
        Open(SomeSettings());
        Child<QLineEdit>("calcCmd")->setText(QStringLiteral("Changed"));
        QTest::keyClick(Child<QLineEdit>("calcCmd"), Qt::Key_Escape);
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(CopyOut(*m_dlg), SomeSettings());
    }

    // Enter presses the button that has the focus; elsewhere it presses OK.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("questions");
        QTest::newRow("Cancel") << "cancelButton" << int(QDialog::Rejected) << false << 0;
        QTest::newRow("Reset") << "resetButton" << int(QDialog::Rejected) << true << 1;
        QTest::newRow("OK") << "okButton" << int(QDialog::Accepted) << false << 0;
        QTest::newRow("an edit") << "fontName" << int(QDialog::Accepted) << false << 0;
        QTest::newRow("a colour") << "labelsColor" << int(QDialog::Accepted) << false << 0;
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, focus);
        Open(SomeSettings());
        Child<QLineEdit>("fontName")->setText(QStringLiteral("Typed"));
        auto *target = Child<QWidget>(qPrintable(focus));
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
        m_prompt.SetNextAnswer(IPrompt::No);
        QTest::keyClick(target, Qt::Key_Return);

        QTEST(m_dlg->isVisible(), "open");
        QTEST(int(m_prompt.m_messages.size()), "questions");
        if (!m_dlg->isVisible()) {
            QTEST(m_dlg->result(), "result");
            QCOMPARE(Caller(SomeSettings()).m_fontName,
                     m_dlg->result() == QDialog::Accepted ? QStringLiteral("Typed")
                                                          : SomeSettings().m_fontName);
        }
    }

    void resetAnsweredNoChangesNothing()
    {
        Open(SomeSettings());
        Child<QLineEdit>("fontName")->setText(QStringLiteral("Typed"));
        m_prompt.SetNextAnswer(IPrompt::No);
        Click("resetButton");

        QCOMPARE(m_prompt.m_messages.size(), 1);
        QCOMPARE(m_prompt.m_messages[0].text,
                 QStringLiteral("Reset settings back to their default values?"));
        QCOMPARE(m_prompt.m_messages[0].buttons, IPrompt::Buttons::YesNo);
        QCOMPARE(m_prompt.m_messages[0].icon, IPrompt::Icon::Question);
        QCOMPARE(CopyOut(*m_dlg), SomeSettings());
        QCOMPARE(Child<QLineEdit>("fontName")->text(), QStringLiteral("Typed"));
        QCOMPARE(Combo("labelsColor")->currentText(), QStringLiteral("Blue"));
        QCOMPARE(Child<QComboBox>("fontSize")->currentText(), QStringLiteral("medium"));
    }

    void resetYesThenCancelKeepsTheApplicationsSettings()
    {
        Open(SomeSettings());
        m_prompt.SetNextAnswer(IPrompt::Yes);
        Click("resetButton");
        QCOMPARE(m_prompt.m_messages.size(), 1);
        // The controls show the defaults at once.
        QCOMPARE(Combo("labelsColor")->currentText(), QStringLiteral("Yellow"));
        Click("cancelButton");
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
        QCOMPARE(Caller(SomeSettings()), SomeSettings());
    }

    void resetYesThenOkGivesTheDefaults()
    {
        CAppSettings settings = SomeSettings();
        settings.m_labelsColor = 0x00abcdef; // a custom entry that must stay after Reset
        settings.m_fontSize = QStringLiteral("12pt");
        Open(settings);
        // The button's access key asks, too.
        m_prompt.SetNextAnswer(IPrompt::Yes);
        QTest::keyClick(m_dlg.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(m_prompt.m_messages.size(), 1);
        m_prompt.SetNextAnswer(IPrompt::Yes);
        Click("resetButton");
        QCOMPARE(m_prompt.m_messages.size(), 2);

        QCOMPARE(Combo("labelsColor")->currentText(), QStringLiteral("Yellow"));
        QCOMPARE(Combo("evenColor")->currentText(), QStringLiteral("White"));
        QCOMPARE(Combo("oddColor")->currentText(), QStringLiteral("Gray"));
        QCOMPARE(Combo("oddCalcColor")->currentText(), QStringLiteral("Cyan"));
        QCOMPARE(Child<QComboBox>("fontSize")->currentText(), QStringLiteral("small"));
        // No entry is added twice; the custom entry keeps its place and colour.
        QCOMPARE(Child<QComboBox>("fontSize")->count(), 7);
        QCOMPARE(Combo("labelsColor")->count(), 9);
        QCOMPARE(Combo("labelsColor")->itemData(8).toUInt(), 0x7fabcdefu);
        for (const char *name : {"evenColor", "oddColor", "oddCalcColor"})
            QCOMPARE(Combo(name)->count(), 8);

        Click("okButton");
        const CAppSettings result = Caller(settings);
        QCOMPARE(result, ProfileStore::DefaultSettings());
        QVERIFY(!result.m_calculatorCommand.isEmpty());
        QCOMPARE(result.m_fontName, QStringLiteral("Tahoma,Arial,sans-serif"));
        QCOMPARE(result.m_fontSize, QStringLiteral("small"));
        QCOMPARE(result.m_labelsColor, BgrColor(0x00ccffff));
        QCOMPARE(result.m_evenRowsColor, BgrColor(0x00ffffff));
        QCOMPARE(result.m_oddRowsColor, BgrColor(0x00eeeeee));
        QCOMPARE(result.m_oddRowsCalcColor, BgrColor(0x00ffffcc));
    }

    void accessKeysMoveTheFocus_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("target");
        QTest::newRow("Alt+F") << int(Qt::Key_F) << "fontName";
        QTest::newRow("Alt+S") << int(Qt::Key_S) << "fontSize";
        QTest::newRow("Alt+L") << int(Qt::Key_L) << "labelsColor";
        QTest::newRow("Alt+E") << int(Qt::Key_E) << "evenColor";
        QTest::newRow("Alt+O") << int(Qt::Key_O) << "oddColor";
        QTest::newRow("Alt+D") << int(Qt::Key_D) << "oddCalcColor";
        QTest::newRow("Alt+C") << int(Qt::Key_C) << "calcCmd";
    }

    void accessKeysMoveTheFocus()
    {
        QFETCH(int, key);
        QFETCH(QString, target);
        Open(SomeSettings());
        // Start away from the target so that the move is seen.
        QWidget *start = Child<QWidget>("okButton");
        start->setFocus();
        QTRY_VERIFY(start->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), target);
        QVERIFY(m_dlg->isVisible());
        QVERIFY(m_prompt.m_messages.isEmpty());
    }

    void screenshot()
    {
        Open(SomeSettings());
        Combo("oddCalcColor")->SelectColor(0x00123456);
        CColorComboBox *combo = Combo("evenColor");
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());

        // Every label shows its whole text.
        for (QLabel *label : m_dlg->findChildren<QLabel *>())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));

        const QString folder = qEnvironmentVariable("ZANT_TEST_ARTIFACTS");
        if (folder.isEmpty())
            QSKIP("ZANT_TEST_ARTIFACTS is not set");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(m_dlg->grab().save(folder + "/settings-dialog.png"));

        combo->showPopup();
        QWidget *popup = combo->view()->window();
        QTRY_VERIFY(popup->isVisible());
        const QPixmap dialog = m_dlg->grab();
        const QPixmap list = popup->grab();
        QVERIFY(list.save(folder + "/settings-dialog-list.png"));

        // Both in one picture, the list where it drops down.
        const QPoint at = popup->mapToGlobal(QPoint()) - m_dlg->mapToGlobal(QPoint());
        const QRect all = QRect(QPoint(), dialog.size()).united(QRect(at, list.size()));
        QImage composed(all.size(), QImage::Format_ARGB32);
        composed.fill(Qt::darkGray);
        {
            QPainter painter(&composed);
            painter.drawPixmap(-all.topLeft(), dialog);
            painter.drawPixmap(at - all.topLeft(), list);
        }
        QVERIFY(composed.save(folder + "/settings-dialog-dropped.png"));
        combo->hidePopup();
    }
};

QTEST_MAIN(TestSettingsDlg)
#include "tst_settingsdlg.moc"
