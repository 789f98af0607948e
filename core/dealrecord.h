#pragma once

#include "core/value.h"

#include <QString>

constexpr int MAX_LOANS = 5;

// Everything the user states about one purchase: the property's figures and five loans in
// parallel arrays. Loan k (0 to 4) is shown and stored as number k + 1.
struct CDealRecord
{
    // The deal's currency, ISO 4217 ("USD"): money shows in it whatever the user's locale.
    QString m_currency;
    QString m_description;
    CCurrencyValue m_purchasePrice;
    CCurrencyValue m_rentalIncome;
    CCurrencyValue m_escrow;
    CCurrencyValue m_otherFees;
    CPercentValue m_safetyMargin;
    QString m_lender[MAX_LOANS];
    CCurrencyValue m_downPayment[MAX_LOANS];
    CPercentValue m_interestRate[MAX_LOANS];
    CIntegerValue m_term[MAX_LOANS];
    CCurrencyValue m_pmi[MAX_LOANS];
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
