#include "ui/settingsdialog.h"

#include "ui/colorcombobox.h"
#include "platform/profilestore.h"
#include "ui/dialogunits.h"
#include "platform/help.h"
#include "ui/prompt.h"
#include "ui_settingsdialog.h"

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

SettingsDialog::SettingsDialog(IPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SettingsDialog>()), m_prompt(prompt)
{
    m_ui->setupUi(this);
    setProperty("helpContext", QVariant::fromValue(HelpTopic::SettingsDialog));
    m_labelsColor = m_ui->labelsColor;
    m_evenRowsColor = m_ui->evenColor;
    m_oddRowsColor = m_ui->oddColor;
    m_oddRowsCalcColor = m_ui->oddCalcColor;

    // Settings come from the profile and go back unchanged, whatever their length.
    m_ui->calcCmd->setMaxLength(std::numeric_limits<int>::max());
    m_ui->fontName->setMaxLength(std::numeric_limits<int>::max());

    // Keep the proportions of the edits and lists at any font size.
    m_ui->calcCmd->setMinimumWidth(dialogUnitsX(font(), 100));
    m_ui->fontName->setMinimumWidth(dialogUnitsX(font(), 115));
    for (ColorComboBox *combo : {m_labelsColor, m_evenRowsColor, m_oddRowsColor, m_oddRowsCalcColor})
        combo->setMinimumWidth(dialogUnitsX(font(), 70));

    fitItemHeights();

    connect(m_ui->resetButton, &QPushButton::clicked, this, &SettingsDialog::onReset);
    connect(m_ui->okButton, &QPushButton::clicked, this, &SettingsDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &SettingsDialog::reject);
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        loadFields();
        m_ui->calcCmd->setFocus(Qt::OtherFocusReason);
    }
    QDialog::setVisible(visible);
}

void SettingsDialog::accept()
{
    storeFields();
    QDialog::accept();
}

void SettingsDialog::storeFields()
{
    m_settings.m_labelsColor = m_labelsColor->getSelectedColor();
    m_settings.m_evenRowsColor = m_evenRowsColor->getSelectedColor();
    m_settings.m_oddRowsColor = m_oddRowsColor->getSelectedColor();
    m_settings.m_oddRowsCalcColor = m_oddRowsCalcColor->getSelectedColor();
    m_settings.m_fontName = m_ui->fontName->text();
    m_settings.m_fontSize = m_ui->fontSize->currentIndex() < 0 ? QString()
                                                        : m_ui->fontSize->currentText();
    m_settings.m_calculatorCommand = m_ui->calcCmd->text();
}

void SettingsDialog::loadFields()
{
    if (m_labelsColor->count() == 0)
        fillLists();
    m_labelsColor->selectColor(m_settings.m_labelsColor);
    m_evenRowsColor->selectColor(m_settings.m_evenRowsColor);
    m_oddRowsColor->selectColor(m_settings.m_oddRowsColor);
    m_oddRowsCalcColor->selectColor(m_settings.m_oddRowsCalcColor);
    m_ui->fontName->setText(m_settings.m_fontName);
    // The whole text, ignoring case; an unknown size leaves the list without selection.
    m_ui->fontSize->setCurrentIndex(m_ui->fontSize->findText(m_settings.m_fontSize, Qt::MatchFixedString));
    m_ui->calcCmd->setText(m_settings.m_calculatorCommand);
}

void SettingsDialog::fillLists()
{
    for (const char *size : FontSizes)
        m_ui->fontSize->addItem(QString::fromLatin1(size));

    for (const ColorComboBox::NamedColor &row : ColorComboBox::colorTable()) {
        for (ColorComboBox *combo : {m_labelsColor, m_evenRowsColor, m_oddRowsColor, m_oddRowsCalcColor})
            combo->addColor(ColorComboBox::colorName(row), row.color);
    }
}

void SettingsDialog::onReset()
{
    if (m_prompt.messageBox(tr("Reset settings back to their default values?"),
                            IPrompt::Buttons::YesNo, IPrompt::Icon::Question)
        != IPrompt::Answer::Yes)
        return;

    setSettings(ProfileStore::defaultSettings());
    loadFields();
}

void SettingsDialog::fitItemHeights()
{
    // The height of a "0" in the dialog's font plus a one-pixel border above and below.
    constexpr int border = 1;
    const int height = QFontMetrics(font()).size(Qt::TextSingleLine, QStringLiteral("0")).height();
    for (ColorComboBox *combo : {m_labelsColor, m_evenRowsColor, m_oddRowsColor, m_oddRowsCalcColor})
        combo->setItemHeight(height + 2 * border);
}

void SettingsDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && m_labelsColor)
        fitItemHeights();
    QDialog::changeEvent(event);
}
