#include "core/appsettings.h"

AppSettings AppSettings::defaults(const QString &calculatorCommand)
{
    AppSettings defaults;
    defaults.m_calculatorCommand = calculatorCommand;
    defaults.m_fontName = QStringLiteral("Tahoma,Arial,sans-serif");
    defaults.m_fontSize = QStringLiteral("small");
    defaults.m_labelsColor = 0x00CCFFFF;
    defaults.m_evenRowsColor = 0x00FFFFFF;
    defaults.m_oddRowsColor = 0x00EEEEEE;
    defaults.m_oddRowsCalcColor = 0x00FFFFCC;
    return defaults;
}

bool operator==(const AppSettings &a, const AppSettings &b)
{
    return a.m_calculatorCommand == b.m_calculatorCommand && a.m_fontName == b.m_fontName
        && a.m_fontSize == b.m_fontSize && a.m_labelsColor == b.m_labelsColor
        && a.m_evenRowsColor == b.m_evenRowsColor && a.m_oddRowsColor == b.m_oddRowsColor
        && a.m_oddRowsCalcColor == b.m_oddRowsCalcColor;
}
