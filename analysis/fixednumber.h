#pragma once

#include <string>

// Appends value with decimals digits after the point (0 to 6), as QByteArray::number(value, 'f',
// decimals) writes it, except that a value rounding to zero has no minus sign: the exact
// binary value rounded, a tie away from zero. A spreadsheet's CSV of many deals is mostly such
// numbers, and Qt's way to them takes several times as long.
void appendFixed(std::string &out, double value, int decimals);
