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

    // Shows the seven settings of the value in the controls, filling the lists the first time.
    void loadFields();
    // Reads the controls into the value.
    void storeFields();
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
    void fitItemHeights();

    AppSettings m_settings;
    std::unique_ptr<Ui::SettingsDialog> m_ui;
    IPrompt &m_prompt;
    ColorComboBox *m_labelsColor = nullptr;
    ColorComboBox *m_evenRowsColor = nullptr;
    ColorComboBox *m_oddRowsColor = nullptr;
    ColorComboBox *m_oddRowsCalcColor = nullptr;
};
