#pragma once

#include <QString>
#include <cstdint>

using BgrColor = std::uint32_t; // 0x00BBGGRR, red in the lowest byte

// The seven application settings: the calculator command and the report's font and colours.
struct AppSettings
{
    QString m_calculatorCommand;
    QString m_fontName;
    QString m_fontSize;
    BgrColor m_labelsColor = 0;
    BgrColor m_evenRowsColor = 0;
    BgrColor m_oddRowsColor = 0;
    BgrColor m_oddRowsCalcColor = 0;

    // The report's defaults, with calculatorCommand; a first run and the settings dialog's Reset
    // take ProfileStore::defaultSettings(), which finds the desktop's calculator.
    [[nodiscard]] static AppSettings defaults(const QString &calculatorCommand = QString());
};

bool operator==(const AppSettings &a, const AppSettings &b);
inline bool operator!=(const AppSettings &a, const AppSettings &b) { return !(a == b); }
