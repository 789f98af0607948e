#pragma once

#include "core/appsettings.h" // BgrColor

#include <QDialog>
#include <QString>
#include <memory>

class CColorComboBox;
class IPrompt;

namespace Ui {
class CSettingsDlg;
}

// The "Settings" dialog: the calculator command and the report's font and background colours.
// It edits a settings value of its own: the caller sets it before exec() and takes it back after
// Accepted. Showing the dialog loads it into the controls; OK reads them back.
class CSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSettingsDlg(IPrompt &prompt, QWidget *parent = nullptr);
    ~CSettingsDlg() override;

    // Moves the seven settings between the value and the controls: save true reads the
    // controls into the value, false shows the value (filling the lists the first time).
    void exchangeData(bool save);
    // Adds the font-size keywords and the named colours to the lists.
    void FillLists();

    // The settings the dialog edits: set before it is shown, taken back after OK.
    void SetSettings(const CAppSettings &settings) { m_settings = settings; }
    [[nodiscard]] const CAppSettings &settings() const { return m_settings; }

    void setVisible(bool visible) override;
    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void OnReset();
    void OnMeasureItem();

    CAppSettings m_settings;
    std::unique_ptr<Ui::CSettingsDlg> m_ui;
    IPrompt &m_prompt;
    CColorComboBox *m_cbLabels = nullptr;
    CColorComboBox *m_cbEvenRows = nullptr;
    CColorComboBox *m_cbOddRows = nullptr;
    CColorComboBox *m_cbOddRowsCalc = nullptr;
};
