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
    ProjectionFigures m_projection;
    // Whether each offer takes part in the comparison, as the user chose it; where no choice is
    // made, the offers someone filled in take part (defaultComparedOffers()).
    std::array<std::optional<bool>, MAX_LOANS> m_compare{};
    int m_shownLoan = 0;
};

// The first-run texts of the record, each read through Parse like a stored text.
namespace FirstRun {
inline const QString PurchasePrice = QStringLiteral("200000");
inline const QString RentalIncome = QStringLiteral("2000");
inline const QString Escrow = QStringLiteral("0");
inline const QString OtherFees = QStringLiteral("0");
inline const QString SafetyMargin = QStringLiteral("0");
inline const QString DownPayment = QStringLiteral("20000");
inline const QString InterestRate = QStringLiteral("7");
inline const QString Term = QStringLiteral("30");
inline const QString Pmi = QStringLiteral("0");
inline const QString HoldYears = QStringLiteral("10");
inline const QString Appreciation = QStringLiteral("3");
inline const QString RentGrowth = QStringLiteral("2");
inline const QString ExpenseGrowth = QStringLiteral("2");
inline const QString Vacancy = QStringLiteral("5");
inline const QString Maintenance = QStringLiteral("5");
inline const QString CapitalReserve = QStringLiteral("5");
inline const QString Management = QStringLiteral("0");
inline const QString ClosingCosts = QStringLiteral("3");
inline const QString SellingCosts = QStringLiteral("6");
inline const QString DiscountRate = QStringLiteral("8");
inline const QString PmiEndLtv = QStringLiteral("78");
inline const QString TargetIrr = QStringLiteral("10");
inline const QString BearAppreciation = QStringLiteral("0");
inline const QString BearRentGrowth = QStringLiteral("1");
inline const QString BearExpenseGrowth = QStringLiteral("4");
inline const QString BearVacancy = QStringLiteral("10");
inline const QString BullAppreciation = QStringLiteral("5");
inline const QString BullRentGrowth = QStringLiteral("4");
inline const QString BullExpenseGrowth = QStringLiteral("2");
inline const QString BullVacancy = QStringLiteral("3");
inline const QString ExtraPayment = QStringLiteral("0");
} // namespace FirstRun
