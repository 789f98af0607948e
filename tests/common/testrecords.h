#pragma once

#include "dealrecord.h"

#include <QTest>

// Every field of two records, figure by figure; the loan on screen aside.
inline void CompareRecords(const CDealRecord &actual, const CDealRecord &expected)
{
    QCOMPARE(actual.m_strDescription, expected.m_strDescription);
    QCOMPARE(actual.m_purchasePrice.m_value, expected.m_purchasePrice.m_value);
    QCOMPARE(actual.m_rentalIncome.m_value, expected.m_rentalIncome.m_value);
    QCOMPARE(actual.m_escrow.m_value, expected.m_escrow.m_value);
    QCOMPARE(actual.m_otherFees.m_value, expected.m_otherFees.m_value);
    QCOMPARE(actual.m_safetyMargin.m_value, expected.m_safetyMargin.m_value);
    for (int k = 0; k < MAX_LOANS; ++k) {
        QCOMPARE(actual.m_strLender[k], expected.m_strLender[k]);
        QCOMPARE(actual.m_downPayment[k].m_value, expected.m_downPayment[k].m_value);
        QCOMPARE(actual.m_interestRate[k].m_value, expected.m_interestRate[k].m_value);
        QCOMPARE(actual.m_term[k].m_value, expected.m_term[k].m_value);
        QCOMPARE(actual.m_pmi[k].m_value, expected.m_pmi[k].m_value);
    }
}
