#include "appsettings.h"

#include "shell.h"

CAppSettings CAppSettings::Defaults()
{
    CAppSettings defaults;
    defaults.m_strCalcCmd = DefaultCalculatorCommand();
    defaults.m_strFontName = QStringLiteral("Tahoma,Arial,sans-serif");
    defaults.m_strFontSize = QStringLiteral("small");
    defaults.m_crLabels = 0x00CCFFFF;
    defaults.m_crEvenRows = 0x00FFFFFF;
    defaults.m_crOddRows = 0x00EEEEEE;
    defaults.m_crOddRowsCalc = 0x00FFFFCC;
    return defaults;
}

bool operator==(const CAppSettings &a, const CAppSettings &b)
{
    return a.m_strCalcCmd == b.m_strCalcCmd && a.m_strFontName == b.m_strFontName
        && a.m_strFontSize == b.m_strFontSize && a.m_crLabels == b.m_crLabels
        && a.m_crEvenRows == b.m_crEvenRows && a.m_crOddRows == b.m_crOddRows
        && a.m_crOddRowsCalc == b.m_crOddRowsCalc;
}
