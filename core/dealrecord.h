#pragma once

#include "core/value.h"

#include <QString>

constexpr int MAX_LOANS = 5;

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
} // namespace FirstRun
