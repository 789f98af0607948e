#include "core/localeservices.h"
#include "core/measures.h"
#include "ui/projectionyearsmodel.h"

#include <QAbstractItemModelTester>
#include <QTest>

// The chosen loan's years as a table model: one row a year, one column a figure of the year
// column table, every cell the projection's figure as the locale shows it.
class TestProjectionYearsModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    void showsTheYearsOfAProjection()
    {
        ProjectionInputs in;
        in.price = 250000;
        in.rent = 2100;
        in.escrow = 300;
        in.downPayment = 50000;
        in.ratePercent = 6.5;
        in.termYears = 30;
        ProjectionAssumptions a;
        a.holdYears = 4;
        const Projection projection = project(in, a);
        ProjectionYearsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        model.show(projection.years, QStringLiteral("USD"));
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.columnCount(), int(projectionYearColumns().size()));
        // Year 1: rent 25,200, cash flow as the projection has it, the year in the first column.
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("1"));
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("$25,200.00"));
        const auto column = [](const char *key) {
            for (std::size_t c = 0; c < projectionYearColumns().size(); ++c) {
                if (qstrcmp(projectionYearColumns()[c].key, key) == 0)
                    return int(c);
            }
            return -1;
        };
        QCOMPARE(model.index(3, column("cash_flow")).data().toString(),
                 formatCurrency(projection.years[3].cashFlow, QStringLiteral("USD")));
        QCOMPARE(model.index(3, column("equity_multiple_if_sold")).data().toString(),
                 formatMeasure(projection.years[3].equityMultipleIfSold, MeasureUnit::Ratio, QString()) + QChar(0x00D7));
        QCOMPARE(model.index(2, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
        // The headers: the view's wrapped text, else the label; the definition as tooltip.
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), projectionText(projectionYearColumns()[1].label));
        QVERIFY(!model.headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty());
        QStringList wrapped;
        for (int c = 0; c < model.columnCount(); ++c)
            wrapped << QStringLiteral("line %1\nwrapped").arg(c);
        model.setHeaderTexts(wrapped);
        QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("line 3\nwrapped"));
        // A figure the projection could not give says why in its tooltip.
        ProjectionAssumptions atHold = a;
        const Projection lastOnly = project(in, atHold, YearlyReturns::AtHoldOnly);
        model.show(lastOnly.years, QStringLiteral("EUR"));
        const QModelIndex skipped = model.index(0, column("irr_if_sold"));
        QCOMPARE(skipped.data().toString(), QStringLiteral("\u2014"));
        QCOMPARE(skipped.data(Qt::ToolTipRole).toString(), lastOnly.years[0].irrIfSold.reason);
        QVERIFY(!model.index(3, column("irr_if_sold")).data(Qt::ToolTipRole).isValid());
    }
};

QTEST_MAIN(TestProjectionYearsModel)
#include "tst_projectionyearsmodel.moc"
