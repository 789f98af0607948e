#include "ui/settingsdialog.h"

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

AppSettings someSettings()
{
    AppSettings s;
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
void copyIn(SettingsDialog &dlg, const AppSettings &s)
{
    dlg.setSettings(s);
}

AppSettings copyOut(const SettingsDialog &dlg)
{
    return dlg.settings();
}

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private:
    ScriptedPrompt m_prompt;
    std::unique_ptr<SettingsDialog> m_dlg;

    template <typename T> T *child(const char *name)
    {
        auto *child = m_dlg->findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
    ColorComboBox *comboNamed(const char *name) { return child<ColorComboBox>(name); }

    // Shows the dialog as exec() would and waits until it has the focus.
    void open(const AppSettings &settings)
    {
        copyIn(*m_dlg, settings);
        m_dlg->show();
        m_dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    void click(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    // The application's settings after the dialog closed: copied back only after OK.
    AppSettings caller(const AppSettings &before)
    {
        return m_dlg->result() == QDialog::Accepted ? copyOut(*m_dlg) : before;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_prompt = ScriptedPrompt();
        m_dlg = std::make_unique<SettingsDialog>(m_prompt, nullptr);
    }

    void cleanup() { m_dlg.reset(); }

    void defaultState()
    {
        QCOMPARE(m_dlg->property("helpContext").value<HelpTopic>(), HelpTopic::SettingsDialog);
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Settings"));
        QVERIFY(m_dlg->settings().m_calculatorCommand.isEmpty());
        QVERIFY(m_dlg->settings().m_fontName.isEmpty());
        QVERIFY(m_dlg->settings().m_fontSize.isEmpty());
        QVERIFY(child<QPushButton>("okButton")->isDefault());
        QVERIFY(!child<QPushButton>("resetButton")->isDefault());

        const QList<std::pair<const char *, QString>> labels = {
            {"calcCmdLabel", "&Calculator command:"}, {"fontNameLabel", "&Font name:"},
            {"fontSizeLabel", "Font &size:"},         {"labelsColorLabel", "&Labels:"},
            {"evenColorLabel", "&Even rows:"},        {"oddColorLabel", "&Odd rows:"},
            {"oddCalcColorLabel", "Od&d rows (calculated):"}};
        for (const auto &[name, text] : labels)
            QCOMPARE(child<QLabel>(name)->text(), text);
        QCOMPARE(child<QGroupBox>("reportGroup")->title(), QStringLiteral("Report settings"));
        QCOMPARE(child<QGroupBox>("colorsGroup")->title(), QStringLiteral("Background colors"));
        QCOMPARE(child<QGroupBox>("colorsGroup")->parentWidget(), child<QGroupBox>("reportGroup"));
        QCOMPARE(child<QPushButton>("resetButton")->text(), QStringLiteral("&Reset..."));
        QCOMPARE(child<QPushButton>("okButton")->text(), QStringLiteral("OK"));
        QCOMPARE(child<QPushButton>("cancelButton")->text(), QStringLiteral("Cancel"));

        // The lists are filled when the dialog opens, not before.
        QCOMPARE(child<QComboBox>("fontSize")->count(), 0);

        open(someSettings());
        QTRY_VERIFY(child<QLineEdit>("calcCmd")->hasFocus());

        auto *fontSize = child<QComboBox>("fontSize");
        QCOMPARE(fontSize->count(), FontSizes.size());
        for (int i = 0; i < FontSizes.size(); ++i)
            QCOMPARE(fontSize->itemText(i), FontSizes[i]);
        QCOMPARE(fontSize->currentText(), QStringLiteral("medium"));
        QCOMPARE(child<QLineEdit>("calcCmd")->text(), QStringLiteral("kcalc"));
        QCOMPARE(child<QLineEdit>("fontName")->text(), QStringLiteral("Verdana,sans-serif"));

        const QList<std::pair<const char *, QString>> combos = {{"labelsColor", "Blue"},
                                                                {"evenColor", "Green"},
                                                                {"oddColor", "Red"},
                                                                {"oddCalcColor", "Magenta"}};
        // Item height: the dialog font's height plus a pixel above and below.
        const int itemHeight = QFontMetrics(m_dlg->font()).height() + 2;
        for (const auto &[name, selected] : combos) {
            ColorComboBox *combo = comboNamed(name);
            QCOMPARE(combo->count(), 8);
            for (int i = 0; i < 8; ++i) {
                QCOMPARE(combo->itemText(i), ColorNames[i]);
                QCOMPARE(combo->itemData(i).toUInt(),
                         ColorComboBox::colorTable()[size_t(i)].color);
            }
            QCOMPARE(combo->currentText(), selected);
            QCOMPARE(combo->itemHeight(), itemHeight);
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
        click("okButton");
        QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
        QCOMPARE(copyOut(*m_dlg), someSettings());
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
        AppSettings settings = someSettings();
        settings.m_fontSize = given;
        open(settings);
        QCOMPARE(child<QComboBox>("fontSize")->currentIndex(), shown);
        click("okButton");
        QCOMPARE(m_dlg->settings().m_fontSize, returned);
    }

    void editsAndColoursComeBackOnOk()
    {
        AppSettings settings = someSettings();
        settings.m_oddRowsColor = 0x00123456; // not in the table
        settings.m_evenRowsColor = 0x05ffffff; // White with a stray top byte
        open(settings);

        ColorComboBox *odd = comboNamed("oddColor");
        QCOMPARE(odd->count(), 9);
        QCOMPARE(odd->currentText(), QStringLiteral("Custom"));
        QCOMPARE(comboNamed("evenColor")->currentText(), QStringLiteral("Custom"));

        // The user empties both edits, picks Yellow for labels and leaves with Enter.
        child<QLineEdit>("calcCmd")->clear();
        child<QLineEdit>("fontName")->clear();
        comboNamed("labelsColor")->setCurrentIndex(6);
        QTest::keyClick(child<QLineEdit>("calcCmd"), Qt::Key_Return);
        QCOMPARE(m_dlg->result(), int(QDialog::Accepted));

        AppSettings expected = settings;
        expected.m_calculatorCommand.clear();
        expected.m_fontName.clear();
        expected.m_labelsColor = 0x00ccffff;
        expected.m_evenRowsColor = 0x00ffffff;
        QCOMPARE(copyOut(*m_dlg), expected);
    }

    void colourWithoutSelectionGivesAllBits()
    {
        open(someSettings());
        comboNamed("oddCalcColor")->setCurrentIndex(-1);
        click("okButton");
        QCOMPARE(m_dlg->settings().m_oddRowsCalcColor, BgrColor(0xffffffff));
    }

    void cancelAndEscapeReadNothing()
    {
        open(someSettings());
        child<QLineEdit>("fontName")->setText(QStringLiteral("Changed"));
        comboNamed("labelsColor")->setCurrentIndex(0);
        click("cancelButton");
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
        QCOMPARE(copyOut(*m_dlg), someSettings());

        m_dlg = std::make_unique<SettingsDialog>(m_prompt, nullptr);
        open(someSettings());
        child<QLineEdit>("calcCmd")->setText(QStringLiteral("Changed"));
        QTest::keyClick(child<QLineEdit>("calcCmd"), Qt::Key_Escape);
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(copyOut(*m_dlg), someSettings());
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
        open(someSettings());
        child<QLineEdit>("fontName")->setText(QStringLiteral("Typed"));
        auto *target = child<QWidget>(qPrintable(focus));
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
        m_prompt.setNextAnswer(IPrompt::Answer::No);
        QTest::keyClick(target, Qt::Key_Return);

        QTEST(m_dlg->isVisible(), "open");
        QTEST(int(m_prompt.m_messages.size()), "questions");
        if (!m_dlg->isVisible()) {
            QTEST(m_dlg->result(), "result");
            QCOMPARE(caller(someSettings()).m_fontName,
                     m_dlg->result() == QDialog::Accepted ? QStringLiteral("Typed")
                                                          : someSettings().m_fontName);
        }
    }

    void resetAnsweredNoChangesNothing()
    {
        open(someSettings());
        child<QLineEdit>("fontName")->setText(QStringLiteral("Typed"));
        m_prompt.setNextAnswer(IPrompt::Answer::No);
        click("resetButton");

        QCOMPARE(m_prompt.m_messages.size(), 1);
        QCOMPARE(m_prompt.m_messages[0].text,
                 QStringLiteral("Reset settings back to their default values?"));
        QCOMPARE(m_prompt.m_messages[0].buttons, IPrompt::Buttons::YesNo);
        QCOMPARE(m_prompt.m_messages[0].icon, IPrompt::Icon::Question);
        QCOMPARE(copyOut(*m_dlg), someSettings());
        QCOMPARE(child<QLineEdit>("fontName")->text(), QStringLiteral("Typed"));
        QCOMPARE(comboNamed("labelsColor")->currentText(), QStringLiteral("Blue"));
        QCOMPARE(child<QComboBox>("fontSize")->currentText(), QStringLiteral("medium"));
    }

    void resetYesThenCancelKeepsTheApplicationsSettings()
    {
        open(someSettings());
        m_prompt.setNextAnswer(IPrompt::Answer::Yes);
        click("resetButton");
        QCOMPARE(m_prompt.m_messages.size(), 1);
        // The controls show the defaults at once.
        QCOMPARE(comboNamed("labelsColor")->currentText(), QStringLiteral("Yellow"));
        click("cancelButton");
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
        QCOMPARE(caller(someSettings()), someSettings());
    }

    void resetYesThenOkGivesTheDefaults()
    {
        AppSettings settings = someSettings();
        settings.m_labelsColor = 0x00abcdef; // a custom entry that must stay after Reset
        settings.m_fontSize = QStringLiteral("12pt");
        open(settings);
        // The button's access key asks, too.
        m_prompt.setNextAnswer(IPrompt::Answer::Yes);
        QTest::keyClick(m_dlg.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(m_prompt.m_messages.size(), 1);
        m_prompt.setNextAnswer(IPrompt::Answer::Yes);
        click("resetButton");
        QCOMPARE(m_prompt.m_messages.size(), 2);

        QCOMPARE(comboNamed("labelsColor")->currentText(), QStringLiteral("Yellow"));
        QCOMPARE(comboNamed("evenColor")->currentText(), QStringLiteral("White"));
        QCOMPARE(comboNamed("oddColor")->currentText(), QStringLiteral("Gray"));
        QCOMPARE(comboNamed("oddCalcColor")->currentText(), QStringLiteral("Cyan"));
        QCOMPARE(child<QComboBox>("fontSize")->currentText(), QStringLiteral("small"));
        // No entry is added twice; the custom entry keeps its place and colour.
        QCOMPARE(child<QComboBox>("fontSize")->count(), 7);
        QCOMPARE(comboNamed("labelsColor")->count(), 9);
        QCOMPARE(comboNamed("labelsColor")->itemData(8).toUInt(), 0x7fabcdefu);
        for (const char *name : {"evenColor", "oddColor", "oddCalcColor"})
            QCOMPARE(comboNamed(name)->count(), 8);

        click("okButton");
        const AppSettings result = caller(settings);
        QCOMPARE(result, ProfileStore::defaultSettings());
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
        open(someSettings());
        // Start away from the target so that the move is seen.
        QWidget *start = child<QWidget>("okButton");
        start->setFocus();
        QTRY_VERIFY(start->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), target);
        QVERIFY(m_dlg->isVisible());
        QVERIFY(m_prompt.m_messages.isEmpty());
    }

    void screenshot()
    {
        open(someSettings());
        comboNamed("oddCalcColor")->selectColor(0x00123456);
        ColorComboBox *combo = comboNamed("evenColor");
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

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
