#pragma once

#include "core/loananalysis.h"

#include <QString>

class OffersModel;

// What the Loan Analysis window's pages show, kept by the window: the record, its analysis,
// the offers compared and the loan chosen above the pages.
class AnalysisShown
{
public:
    virtual ~AnalysisShown() = default;

    [[nodiscard]] virtual const DealRecord &record() const = 0;
    // The analysis of the record as it stands, the offers left out already left out.
    [[nodiscard]] virtual const DealAnalysis &analysis() const = 0;
    // The offers the analysis shown was ranked with.
    [[nodiscard]] virtual const ComparedOffers &compared() const = 0;
    // The loan of the schedule, the payment chart, the year-by-year projection and the sensitivity.
    [[nodiscard]] virtual int chosenLoan() const = 0;
    // "Loan 2" or "Loan 2: Lender", as every page names it.
    [[nodiscard]] virtual QString loanName(int loan) const = 0;
    // The comparison's table of offers, whose headers the pages' tables of offers repeat.
    [[nodiscard]] virtual const OffersModel &offers() const = 0;

protected:
    AnalysisShown() = default;
    AnalysisShown(const AnalysisShown &) = default;
    AnalysisShown &operator=(const AnalysisShown &) = default;
};
