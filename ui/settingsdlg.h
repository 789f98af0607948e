#pragma once

#include "model/appsettings.h" // BgrColor

#include <QDialog>
#include <QString>
#include <memory>

class CColorComboBox;
class IPrompt;

namespace Ui {
class CSettingsDlg;
}

// The "Settings" dialog: the calculator command and the report's font and background colours.
// It works only on its public members: the caller assigns them before exec() and copies them
// back after Accepted. Showing the dialog loads them into the controls; OK reads them back.
class CSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSettingsDlg(IPrompt &prompt, QWidget *parent = nullptr);
    ~CSettingsDlg() override;

    // Moves the seven settings between the members and the controls: save true reads the
    // controls into the members, false shows the members (filling the lists the first time).
    void exchangeData(bool save);
    // Adds the font-size keywords and the named colours to the lists.
    void FillLists();

    // Copies the seven settings into the members, and the members back out.
    void SetSettings(const CAppSettings &settings);
    void GetSettings(CAppSettings &settings) const;

    void setVisible(bool visible) override;
    void accept() override;

    QString m_fontName;
    QString m_fontSize;
    BgrColor m_labelsColor = 0;
    QString m_calculatorCommand;
    BgrColor m_evenRowsColor = 0;
    BgrColor m_oddRowsColor = 0;
    BgrColor m_oddRowsCalcColor = 0;

protected:
    void changeEvent(QEvent *event) override;

private:
    void OnReset();
    void OnMeasureItem();

    std::unique_ptr<Ui::CSettingsDlg> m_ui;
    IPrompt &m_prompt;
    CColorComboBox *m_cbLabels = nullptr;
    CColorComboBox *m_cbEvenRows = nullptr;
    CColorComboBox *m_cbOddRows = nullptr;
    CColorComboBox *m_cbOddRowsCalc = nullptr;
};
