#pragma once

#include <QSize>

class QFont;

// Dialog units, the measure the program's dialogs were drawn in, so that a dialog keeps its
// proportions at any font: a horizontal unit is a quarter of the dialog font's average character
// width, a vertical unit an eighth of its height. The average width is that of the 52 letters
// A to Z and a to z, as (width / 26 + 1) / 2; each conversion rounds to the nearest pixel.
[[nodiscard]] int dialogUnitsX(const QFont &font, int units);
[[nodiscard]] int dialogUnitsY(const QFont &font, int units);
[[nodiscard]] QSize dialogUnitsToPixels(const QFont &font, QSize units);
