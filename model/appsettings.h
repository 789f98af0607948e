#pragma once

#include <QString>
#include <cstdint>

using COLORREF = std::uint32_t; // 0x00BBGGRR, red in the lowest byte

// The seven application settings: the calculator command and the report's font and colours.
struct CAppSettings
{
    QString m_strCalcCmd;
    QString m_strFontName;
    QString m_strFontSize;
    COLORREF m_crLabels = 0;
    COLORREF m_crEvenRows = 0;
    COLORREF m_crOddRows = 0;
    COLORREF m_crOddRowsCalc = 0;

    // The defaults of a first run and of the settings dialog's Reset.
    [[nodiscard]] static CAppSettings Defaults();
};

bool operator==(const CAppSettings &a, const CAppSettings &b);
inline bool operator!=(const CAppSettings &a, const CAppSettings &b) { return !(a == b); }
