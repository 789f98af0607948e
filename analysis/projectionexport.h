#pragma once

#include "core/loananalysis.h"

#include <QByteArray>

// The holding-period projection as a file for the user's spreadsheet, written as the window's
// other CSV files are (see analysisexport.h): the summary with a column per loan, a blank line,
// then the chosen loan's figures year by year. Empty cells where a figure is unknown.
namespace ProjectionExport {

[[nodiscard]] QByteArray projectionCsv(const DealRecord &record, const DealAnalysis &deal, int loan);

// The offers in a bear, the base and a bull market: the market figures of each, then a column
// per loan with the price to offer and each scenario's figures at the hold.
[[nodiscard]] QByteArray scenariosCsv(const DealRecord &record, const DealAnalysis &deal);

// One loan's sensitivity: the IRR by appreciation (a row each) and holding period (a column
// each), then the four tables of one figure changed.
[[nodiscard]] QByteArray sensitivityCsv(const DealRecord &record, int loan, const Sensitivity &sensitivity);

// What each offer has cost if repaid after each month of the longest term (a column per loan,
// empty where a loan has no schedule), the compared offer cheapest then, and below a blank line
// the points break-even of each pair of compared offers.
[[nodiscard]] QByteArray loanCostCsv(const DealRecord &record, const DealAnalysis &deal);
// What each offer returns after tax (a column per loan), then the chosen loan's taxes year by
// year.
[[nodiscard]] QByteArray afterTaxCsv(const DealRecord &record, const DealAnalysis &deal, int loan);
} // namespace ProjectionExport
