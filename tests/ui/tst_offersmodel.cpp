#include "core/localeservices.h"
#include "ui/analysisviews.h"
#include "ui/offersmodel.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QSignalSpy>
#include <QTest>

// The offers × figures model behind the comparison, the projection's summary and the scenarios:
// what a cell shows, how the best and the left-out offers are told apart, and what each tooltip
// says.
class TestOffersModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    void showsFiguresBestAndLeftOutOffers()
    {
        OffersModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QString leftOutReason = QStringLiteral("Left out of the comparison.");
        DealAnalysis analysis;
        analysis.loans[4].notCompared = leftOutReason;
        const ComparedOffers compared{true, true, true, true, false};
        const QBrush grey(Qt::gray);

        OfferRow payment;
        payment.label = QStringLiteral("Monthly payment");
        payment.definition = QStringLiteral("Principal and interest.");
        payment.values = {Measure{1264.14, {}}, Measure{1200.5, {}}, Measure::unknown(QStringLiteral("No rate.")),
                          Measure{1100, {}}, Measure{900, {}}};
        payment.best = {3};
        payment.notes[1] = QStringLiteral("Interest only for five years.");
        OfferRow rate;
        rate.label = QStringLiteral("Cap rate");
        rate.unit = MeasureUnit::Fraction;
        rate.acrossOffers = true;
        rate.values[0] = Measure{0.0575, {}};
        OfferRow multiple;
        multiple.label = QStringLiteral("Equity multiple");
        multiple.unit = MeasureUnit::Ratio;
        multiple.multiple = true;
        multiple.values = {Measure{1.85, {}}, Measure{2, {}}, Measure{1, {}}, Measure{1, {}}, Measure{3, {}}};
        multiple.best = {1, 4};
        OfferRow edits;
        edits.label = QStringLiteral("Hold");
        edits.forWidgets = true;
        OfferRow printed;
        printed.label = QStringLiteral("Extra payment");
        printed.underWidgets = true;
        printed.values[0] = Measure{150, {}};
        model.setRows({payment, rate, multiple, edits, printed}, analysis, compared,
                      QStringLiteral("USD"), grey);
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.columnCount(), MAX_LOANS);

        // Figures as the locale shows them; an unknown one is a dash that says why.
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("$1,264.14"));
        QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("\u2014"));
        QCOMPARE(model.index(0, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("No rate."));
        QCOMPARE(model.index(0, 1).data(Qt::ToolTipRole).toString(), payment.notes[1]);
        QVERIFY(!model.index(0, 0).data(Qt::ToolTipRole).isValid());
        QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("1.85\u00D7"));

        // The best of a row: bold on green, said in the tooltip and to a screen reader.
        const QModelIndex best = model.index(0, 3);
        QVERIFY(best.data(AnalysisViews::BestRole).toBool());
        QVERIFY(best.data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(best.data(Qt::BackgroundRole).value<QColor>(), AnalysisViews::bestColor);
        QCOMPARE(best.data(Qt::ToolTipRole).toString(), QStringLiteral("best of the five"));
        QCOMPARE(best.data(Qt::AccessibleTextRole).toString(), QStringLiteral("$1,100.00, best of the five"));
        QVERIFY(!model.index(0, 0).data(AnalysisViews::BestRole).toBool());
        QVERIFY(!model.index(0, 0).data(Qt::FontRole).isValid());

        // The offer left out: its figure stays, greyed, the reason as tooltip, its header grey.
        const QModelIndex leftOut = model.index(0, 4);
        QCOMPARE(leftOut.data().toString(), QStringLiteral("$900.00"));
        QCOMPARE(leftOut.data(Qt::ForegroundRole).value<QBrush>(), grey);
        QCOMPARE(leftOut.data(Qt::ToolTipRole).toString(), leftOutReason);
        QCOMPARE(model.index(2, 4).data(Qt::ToolTipRole).toString(), leftOutReason);
        QCOMPARE(model.headerData(4, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>(), grey);
        QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ForegroundRole).isValid());
        QVERIFY(!model.index(0, 0).data(Qt::ForegroundRole).isValid());

        // The property's figure once, centred, never greyed; a row of widgets has no text.
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("5.75%"));
        QCOMPARE(model.index(1, 3).data().toString(), QString());
        QCOMPARE(model.index(1, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::Alignment(Qt::AlignCenter));
        QVERIFY(!model.index(1, 4).data(Qt::ForegroundRole).isValid());
        QCOMPARE(model.index(3, 0).data().toString(), QString());
        QVERIFY(!model.index(3, 4).data(Qt::ToolTipRole).isValid());
        // Figures under the widgets are there for the printout, invisible on screen.
        QCOMPARE(model.index(4, 0).data().toString(), QStringLiteral("$150.00"));
        QCOMPARE(model.index(4, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::transparent));

        // Row headers: label and definition; offer headers as the view wraps them.
        QCOMPARE(model.headerData(0, Qt::Vertical).toString(), payment.label);
        QCOMPARE(model.headerData(0, Qt::Vertical, Qt::ToolTipRole).toString(), payment.definition);
        QVERIFY(!model.headerData(1, Qt::Vertical, Qt::ToolTipRole).isValid());
        model.setOfferHeaders({QStringLiteral("Loan 1"), QStringLiteral("First\nNational"), {}, {}, {}},
                              {QStringLiteral("Loan 1"), QStringLiteral("First National"), {}, {}, {}});
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("First\nNational"));
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("First National"));

        // New figures in the same rows arrive as a change, not a reset, so the view keeps its
        // widgets; all offers compared, nothing is grey any more.
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        payment.values[0] = Measure{1300, {}};
        model.setRows({payment, rate, multiple, edits, printed}, DealAnalysis{}, ComparedOffers{true, true, true, true, true},
                      QStringLiteral("USD"), grey);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("$1,300.00"));
        QVERIFY(!model.index(0, 4).data(Qt::ForegroundRole).isValid());
        QVERIFY(!model.index(0, 4).data(Qt::ToolTipRole).isValid());
        model.setRows({payment}, DealAnalysis{}, ComparedOffers{}, QStringLiteral("USD"), grey);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 1);
    }
};

QTEST_MAIN(TestOffersModel)
#include "tst_offersmodel.moc"
