#include "ui/settingsdlg.h"

#include "ui/colorcombobox.h"
#include "platform/profilestore.h"
#include "ui/dialogunits.h"
#include "platform/help.h"
#include "ui/prompt.h"
#include "ui_settingsdlg.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPushButton>
#include <array>
#include <limits>

namespace {

// The CSS absolute font sizes. They are written into the report as they are, so they are shown
// untranslated.
const std::array<const char *, 7> FontSizes = {"xx-small", "x-small", "small",   "medium",
                                               "large",    "x-large", "xx-large"};

} // namespace

CSettingsDlg::CSettingsDlg(IPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CSettingsDlg>()), m_prompt(prompt)
{
    m_ui->setupUi(this);
    setProperty("helpContext", QVariant::fromValue(HelpTopic::SettingsDialog));
    m_cbLabels = m_ui->labelsColor;
    m_cbEvenRows = m_ui->evenColor;
    m_cbOddRows = m_ui->oddColor;
    m_cbOddRowsCalc = m_ui->oddCalcColor;

    // Settings come from the profile and go back unchanged, whatever their length.
    m_ui->calcCmd->setMaxLength(std::numeric_limits<int>::max());
    m_ui->fontName->setMaxLength(std::numeric_limits<int>::max());

    // Keep the proportions of the edits and lists at any font size.
    m_ui->calcCmd->setMinimumWidth(DialogUnitsX(font(), 100));
    m_ui->fontName->setMinimumWidth(DialogUnitsX(font(), 115));
    for (CColorComboBox *combo : {m_cbLabels, m_cbEvenRows, m_cbOddRows, m_cbOddRowsCalc})
        combo->setMinimumWidth(DialogUnitsX(font(), 70));

    OnMeasureItem();

    connect(m_ui->resetButton, &QPushButton::clicked, this, &CSettingsDlg::OnReset);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CSettingsDlg::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CSettingsDlg::reject);
}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        exchangeData(false);
        m_ui->calcCmd->setFocus(Qt::OtherFocusReason);
    }
    QDialog::setVisible(visible);
}

void CSettingsDlg::accept()
{
    exchangeData(true);
    QDialog::accept();
}

void CSettingsDlg::exchangeData(bool save)
{
    if (save) {
        m_settings.m_labelsColor = m_cbLabels->GetSelectedColor();
        m_settings.m_evenRowsColor = m_cbEvenRows->GetSelectedColor();
        m_settings.m_oddRowsColor = m_cbOddRows->GetSelectedColor();
        m_settings.m_oddRowsCalcColor = m_cbOddRowsCalc->GetSelectedColor();
        m_settings.m_fontName = m_ui->fontName->text();
        m_settings.m_fontSize = m_ui->fontSize->currentIndex() < 0 ? QString()
                                                            : m_ui->fontSize->currentText();
        m_settings.m_calculatorCommand = m_ui->calcCmd->text();
        return;
    }

    if (m_cbLabels->count() == 0)
        FillLists();
    m_cbLabels->SelectColor(m_settings.m_labelsColor);
    m_cbEvenRows->SelectColor(m_settings.m_evenRowsColor);
    m_cbOddRows->SelectColor(m_settings.m_oddRowsColor);
    m_cbOddRowsCalc->SelectColor(m_settings.m_oddRowsCalcColor);
    m_ui->fontName->setText(m_settings.m_fontName);
    // The whole text, ignoring case; an unknown size leaves the list without selection.
    m_ui->fontSize->setCurrentIndex(m_ui->fontSize->findText(m_settings.m_fontSize, Qt::MatchFixedString));
    m_ui->calcCmd->setText(m_settings.m_calculatorCommand);
}

void CSettingsDlg::FillLists()
{
    for (const char *size : FontSizes)
        m_ui->fontSize->addItem(QString::fromLatin1(size));

    for (const CColorComboBox::SNamedColor &row : CColorComboBox::ColorTable()) {
        for (CColorComboBox *combo : {m_cbLabels, m_cbEvenRows, m_cbOddRows, m_cbOddRowsCalc})
            combo->AddColor(CColorComboBox::ColorName(row), row.color);
    }
}

void CSettingsDlg::OnReset()
{
    if (m_prompt.MessageBox(tr("Reset settings back to their default values?"),
                            IPrompt::Buttons::YesNo, IPrompt::Icon::Question)
        != IPrompt::Yes)
        return;

    SetSettings(ProfileStore::DefaultSettings());
    exchangeData(false);
}

void CSettingsDlg::OnMeasureItem()
{
    // The height of a "0" in the dialog's font plus a one-pixel border above and below.
    constexpr int border = 1;
    const int height = QFontMetrics(font()).size(Qt::TextSingleLine, QStringLiteral("0")).height();
    for (CColorComboBox *combo : {m_cbLabels, m_cbEvenRows, m_cbOddRows, m_cbOddRowsCalc})
        combo->SetItemHeight(height + 2 * border);
}

void CSettingsDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && m_cbLabels)
        OnMeasureItem();
    QDialog::changeEvent(event);
}
