#include "core/loananalysis.h"
#include "core/localeservices.h"
#include "core/measures.h"
#include "platform/profilestore.h"

#include <QTest>

// Which offers the comparison ranks: a loan nobody filled in stays out unless all are like it,
// and an offer the user leaves out is never the best of anything.
class TestComparedOffers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    void untouchedLoansStayOut_data()
    {
        QTest::addColumn<int>("touchedLoan"); // -1: none
        QTest::addColumn<QString>("what");
        QTest::addColumn<QList<bool>>("compared");
        const QList<bool> all{true, true, true, true, true};
        QTest::newRow("five first-run loans") << -1 << QString() << all;
        QTest::newRow("a lender") << 2 << QStringLiteral("lender") << QList<bool>{false, false, true, false, false};
        QTest::newRow("blank lender") << 2 << QStringLiteral("blank lender") << all;
        QTest::newRow("down payment") << 0 << QStringLiteral("down payment") << QList<bool>{true, false, false, false, false};
        QTest::newRow("rate") << 4 << QStringLiteral("rate") << QList<bool>{false, false, false, false, true};
        QTest::newRow("term") << 1 << QStringLiteral("term") << QList<bool>{false, true, false, false, false};
        QTest::newRow("pmi") << 3 << QStringLiteral("pmi") << QList<bool>{false, false, false, true, false};
        QTest::newRow("extra payment") << 1 << QStringLiteral("extra") << QList<bool>{false, true, false, false, false};
    }

    void untouchedLoansStayOut()
    {
        QFETCH(int, touchedLoan);
        QFETCH(QString, what);
        QFETCH(QList<bool>, compared);
        DealRecord record = ProfileStore::firstRunRecord();
        if (touchedLoan >= 0) {
            const int k = touchedLoan;
            if (what == QLatin1String("lender"))
                record.m_lender[k] = QStringLiteral("Harbor Bank");
            else if (what == QLatin1String("blank lender"))
                record.m_lender[k] = QStringLiteral("   ");
            else if (what == QLatin1String("down payment"))
                record.m_downPayment[k].m_value = 25000;
            else if (what == QLatin1String("rate"))
                record.m_interestRate[k].m_value = 6.5;
            else if (what == QLatin1String("term"))
                record.m_term[k].m_value = 15;
            else if (what == QLatin1String("pmi"))
                record.m_pmi[k].m_value = 80;
            else if (what == QLatin1String("extra"))
                record.m_extraPayment[k].m_value = 100;
        }
        const ComparedOffers offers = defaultComparedOffers(record);
        QCOMPARE(QList<bool>(offers.begin(), offers.end()), compared);
    }

    // Loan k of the first-run record with its rate lowered by k tenths: each later loan has more
    // safety cash flow, less interest and a higher IRR than the one before.
    void leftOutOffersAreNotRanked_data()
    {
        QTest::addColumn<QList<bool>>("compared");
        QTest::addColumn<int>("best");
        QTest::newRow("all") << QList<bool>{true, true, true, true, true} << 4;
        QTest::newRow("the best left out") << QList<bool>{true, true, true, true, false} << 3;
        QTest::newRow("two left out") << QList<bool>{true, false, true, false, false} << 2;
        QTest::newRow("one compared") << QList<bool>{false, true, false, false, false} << 1;
        QTest::newRow("none compared") << QList<bool>{false, false, false, false, false} << -1;
    }

    void leftOutOffersAreNotRanked()
    {
        QFETCH(QList<bool>, compared);
        QFETCH(int, best);
        DealRecord record = ProfileStore::firstRunRecord();
        for (int k = 0; k < MAX_LOANS; ++k)
            record.m_interestRate[k].m_value -= 0.1 * k;
        // Without a choice the untouched first loan stays out; the user's choice is the record's.
        QCOMPARE(analyze(record).loans[0].notCompared, QStringLiteral("Left out of the comparison."));
        for (int k = 0; k < MAX_LOANS; ++k)
            record.m_compare[std::size_t(k)] = compared.at(k);
        const DealAnalysis deal = analyze(record);
        QCOMPARE(deal.bestIrr, best);
        QCOMPARE(deal.mostSafetyCashFlow, best);
        QCOMPARE(deal.leastInterest, best);
        for (int k = 0; k < MAX_LOANS; ++k) {
            const LoanAnalysis &loan = deal.loans[std::size_t(k)];
            QCOMPARE(loan.notCompared.isEmpty(), compared.at(k));
            if (!compared.at(k))
                QCOMPARE(loan.notCompared, QStringLiteral("Left out of the comparison."));
            // The figures stay for the user to see.
            QVERIFY(loan.projection.isKnown());
            QVERIFY(loan.projection.irr.isKnown());
        }
        for (const ProjectionMeasure &row : projectionMeasures()) {
            const std::vector<int> marked = bestLoans(deal, row.get, row.better);
            for (int k : marked)
                QVERIFY2(compared.at(k), row.key);
        }
    }

    // A loan that already had its own reason keeps it.
    void ownReasonIsKept()
    {
        DealRecord record = ProfileStore::firstRunRecord();
        record.m_downPayment[1].m_value = 300000;
        DealAnalysis deal = analyze(record);
        const QString own = deal.loans[1].notCompared;
        QVERIFY(!own.isEmpty());
        leaveOut(deal, {true, false, true, true, true});
        QCOMPARE(deal.loans[1].notCompared, own);
    }
};

QTEST_GUILESS_MAIN(TestComparedOffers)
#include "tst_comparedoffers.moc"
