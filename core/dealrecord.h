#pragma once

#include "core/value.h"

#include <QString>

#include <array>
#include <optional>

constexpr int MAX_LOANS = 5;

// What a market does to a property held for years, in per cent a year: one set for each
// scenario the projection compares.
struct MarketFigures
{
    SignedPercentValue m_appreciation;
    SignedPercentValue m_rentGrowth;
    SignedPercentValue m_expenseGrowth;
    SignedPercentValue m_vacancy; // a share of the gross scheduled rent
};

// What the buyer assumes about the years the property is held, as typed (per cent where a share
// or rate). The base market is the one typed; bear and bull replace its four figures.
struct ProjectionFigures
{
    SignedIntegerValue m_holdYears;
    MarketFigures m_market;
    SignedPercentValue m_maintenance;
    SignedPercentValue m_capitalReserve;
    SignedPercentValue m_management;
    SignedPercentValue m_closingCosts; // of the price
    SignedPercentValue m_sellingCosts; // of the sale price
    SignedPercentValue m_discountRate;
    SignedPercentValue m_pmiEndLtv;    // loan-to-value at which mortgage insurance ends
    SignedPercentValue m_targetIrr;
    MarketFigures m_bear;
    MarketFigures m_bull;
    // What the investor owes the tax office (per cent), and a refinance within the hold.
    SignedPercentValue m_landShare;         // of the price and closing costs: not depreciated
    SignedPercentValue m_incomeTaxRate;
    SignedPercentValue m_capitalGainsRate;
    SignedPercentValue m_recaptureRate;     // on the depreciation taken, at the sale
    SignedIntegerValue m_refinanceYear;     // 0 for none
    SignedPercentValue m_refinanceLtv;      // of the property's value in that year
    SignedPercentValue m_refinanceRate;
    SignedIntegerValue m_refinanceTerm;     // whole years
    SignedPercentValue m_refinanceCosts;    // of the new loan
};

// Everything the user states about one purchase: the property's figures and five loans in
// parallel arrays. Loan k (0 to 4) is shown and stored as number k + 1.
struct DealRecord
{
    // The deal's currency, ISO 4217 ("USD"): money shows in it whatever the user's locale.
    QString m_currency;
    QString m_description;
    CurrencyValue m_purchasePrice;
    CurrencyValue m_rentalIncome;
    CurrencyValue m_escrow;
    CurrencyValue m_otherFees;
    PercentValue m_safetyMargin;
    QString m_lender[MAX_LOANS];
    CurrencyValue m_downPayment[MAX_LOANS];
    PercentValue m_interestRate[MAX_LOANS];
    IntegerValue m_term[MAX_LOANS];
    CurrencyValue m_pmi[MAX_LOANS];
    // Paid on top of every payment of the loan, straight into its principal.
    SignedCurrencyValue m_extraPayment[MAX_LOANS];
    // What the lender charges besides the rate, paid at closing: points in per cent of the loan
    // amount (1 is one point), and fees in money.
    PercentValue m_points[MAX_LOANS];
    CurrencyValue m_lenderFees[MAX_LOANS];
    ProjectionFigures m_projection;
    // Whether each offer takes part in the comparison, as the user chose it; where no choice is
    // made, the offers someone filled in take part (defaultComparedOffers()).
    std::array<std::optional<bool>, MAX_LOANS> m_compare{};
    int m_shownLoan = 0;
};

