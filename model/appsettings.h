#pragma once

#include <QString>
#include <cstdint>

using BgrColor = std::uint32_t; // 0x00BBGGRR, red in the lowest byte

// The seven application settings: the calculator command and the report's font and colours.
struct CAppSettings
{
    QString m_calculatorCommand;
    QString m_fontName;
    QString m_fontSize;
    BgrColor m_labelsColor = 0;
    BgrColor m_evenRowsColor = 0;
    BgrColor m_oddRowsColor = 0;
    BgrColor m_oddRowsCalcColor = 0;

    // The defaults of a first run and of the settings dialog's Reset.
    [[nodiscard]] static CAppSettings Defaults();
};

bool operator==(const CAppSettings &a, const CAppSettings &b);
inline bool operator!=(const CAppSettings &a, const CAppSettings &b) { return !(a == b); }
