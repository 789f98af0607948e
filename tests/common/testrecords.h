#pragma once

#include "core/dealfields.h"
#include "core/dealrecord.h"

#include <QTest>

// Every field of two records, figure by figure; the loan on screen aside.
inline void compareRecords(const DealRecord &actual, const DealRecord &expected)
{
    const auto compare = [&](const DealField &field, int loan) {
        if (field.isText())
            QCOMPARE(field.text(actual, loan), field.text(expected, loan));
        else
            QCOMPARE(field.figure(actual, loan).m_value, field.figure(expected, loan).m_value);
    };
    forEachStoredField(compare);
    forEachStoredField(projectionFields(), compare);
}
