#pragma once

#include "core/loananalysis.h"

#include <QByteArray>

// The holding-period projection as a file for the user's spreadsheet, written as the window's
// other CSV files are (see analysisexport.h): the summary with a column per loan, a blank line,
// then the chosen loan's figures year by year. Empty cells where a figure is unknown.
namespace ProjectionExport {

[[nodiscard]] QByteArray projectionCsv(const DealRecord &record, const DealAnalysis &deal, int loan);

} // namespace ProjectionExport
