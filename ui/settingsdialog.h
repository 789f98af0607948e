#pragma once

#include "core/appsettings.h" // BgrColor

#include <QDialog>
#include <QString>
#include <memory>

class ColorComboBox;
class IPrompt;

namespace Ui {
class SettingsDialog;
}

// The "Settings" dialog: the calculator command and the report's font and background colours.
// It edits a settings value of its own: the caller sets it before exec() and takes it back after
// Accepted. Showing the dialog loads it into the controls; OK reads them back.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(IPrompt &prompt, QWidget *parent = nullptr);
    ~SettingsDialog() override;

    // Moves the seven settings between the value and the controls: save true reads the
    // controls into the value, false shows the value (filling the lists the first time).
    void exchangeData(bool save);
    // Adds the font-size keywords and the named colours to the lists.
    void fillLists();

    // The settings the dialog edits: set before it is shown, taken back after OK.
    void setSettings(const AppSettings &settings) { m_settings = settings; }
    [[nodiscard]] const AppSettings &settings() const { return m_settings; }

    void setVisible(bool visible) override;
    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void onReset();
    void onMeasureItem();

    AppSettings m_settings;
    std::unique_ptr<Ui::SettingsDialog> m_ui;
    IPrompt &m_prompt;
    ColorComboBox *m_cbLabels = nullptr;
    ColorComboBox *m_cbEvenRows = nullptr;
    ColorComboBox *m_cbOddRows = nullptr;
    ColorComboBox *m_cbOddRowsCalc = nullptr;
};
