#include "core/localeservices.h"
#include "ui/analysisviews.h"
#include "ui/sensitivitymodels.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QTest>

// The Sensitivity page's grid and one-way tables as models: consistent for any view, the figure
// now bold, each IRR coloured by its rank, a cell without an IRR grey with its reason.
class TestSensitivityModels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    void gridAndOneWayTables()
    {
        ProjectionInputs in;
        in.price = 300000;
        in.rent = 2500;
        in.escrow = 350;
        in.downPayment = 60000;
        in.ratePercent = 6.875;
        in.termYears = 30;
        ProjectionAssumptions a;
        const Sensitivity s = sensitivity(in, a);
        SensitivityGridModel grid;
        QAbstractItemModelTester gridTester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
        grid.show(s, 4, a.holdYears, QStringLiteral("USD"));
        QCOMPARE(grid.rowCount(), 9);
        QCOMPARE(grid.columnCount(), 30);
        const auto bold = [](const QVariant &font) { return font.value<QFont>().bold(); };
        QCOMPARE(grid.headerData(9, Qt::Horizontal).toString(), QStringLiteral("10"));
        QVERIFY(bold(grid.headerData(9, Qt::Horizontal, Qt::FontRole)));
        QVERIFY(!bold(grid.headerData(8, Qt::Horizontal, Qt::FontRole)));
        QCOMPARE(grid.headerData(4, Qt::Vertical).toString(), QStringLiteral("3.00%"));
        QVERIFY(bold(grid.index(4, 0).data(Qt::FontRole)) && bold(grid.index(0, 9).data(Qt::FontRole)));
        QVERIFY(!bold(grid.index(0, 0).data(Qt::FontRole)));
        // The lowest IRR red, the highest green; the printout's colour is the cell's.
        QCOMPARE(grid.index(0, 0).data().toString(), formatMeasure(s.grid[0][0], MeasureUnit::Fraction, QString()));
        const QColor low = grid.index(0, 0).data(Qt::BackgroundRole).value<QColor>();
        const QColor high = grid.index(8, 29).data(Qt::BackgroundRole).value<QColor>();
        QVERIFY(low.red() > low.green() && high.green() > high.red());
        QCOMPARE(grid.index(8, 29).data(AnalysisViews::ScaleRole).value<QColor>(), high);

        OneWayModel rate;
        QAbstractItemModelTester rateTester(&rate, QAbstractItemModelTester::FailureReportingMode::QtTest);
        rate.show(s.interestRate, MeasureUnit::Fraction, 4, QStringLiteral("Interest rate"), QStringLiteral("The rate."),
                  QStringLiteral("USD"));
        QCOMPARE(rate.rowCount(), 9);
        QCOMPARE(rate.index(4, 0).data().toString(), QStringLiteral("6.875%"));
        QVERIFY(bold(rate.index(4, 1).data(Qt::FontRole)) && !bold(rate.index(3, 1).data(Qt::FontRole)));
        QCOMPARE(rate.headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("The rate."));
        // Rates below 0 % are not tried: the reason stands on the cell.
        in.ratePercent = 1;
        const Sensitivity low2 = sensitivity(in, a);
        rate.show(low2.interestRate, MeasureUnit::Fraction, 4, QString(), QString(), QStringLiteral("USD"));
        QCOMPARE(rate.index(0, 1).data().toString(), QStringLiteral("\u2014"));
        QCOMPARE(rate.index(0, 1).data(Qt::ToolTipRole).toString(), low2.interestRate.irr[0].reason);
    }
};

QTEST_MAIN(TestSensitivityModels)
#include "tst_sensitivitymodels.moc"
