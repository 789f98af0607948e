#include "apptestsupport.h"
#include "testfiles.h"
#include "core/dealfields.h"
#include "core/loananalysis.h"
#include "core/localeservices.h"
#include "core/measures.h"
#include "core/scenarios.h"
#include "ui/loananalysisdialog.h"
#include "ui/maindialog.h"

#include <QCategoryAxis>
#include <QChart>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextDocument>

#include <cmath>

namespace {

constexpr int ScenariosTab = 4;
constexpr int SensitivityTab = 5;

// Reaches a tab with the keys, as a user would: its mnemonic in the language shown.
bool showTab(LoanAnalysisDialog &window, int tab)
{
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabs"));
    const QString text = tabs->tabText(tab);
    const int mark = text.indexOf(QLatin1Char('&'));
    if (mark < 0 || mark + 1 >= text.size())
        return false;
    QTest::keyClick(window.focusWidget(), text.at(mark + 1).toLower().toLatin1(), Qt::AltModifier);
    return tabs->currentIndex() == tab;
}

void typeInto(QLineEdit *edit, const QString &text, Qt::Key end)
{
    edit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, end);
}

const DealField &fieldNamed(const char *name)
{
    for (const DealField &field : projectionFields()) {
        if (qstrcmp(field.name, name) == 0)
            return field;
    }
    qFatal("no field %s", name);
}

const ProjectionMeasure &measureKeyed(const char *key)
{
    for (const ProjectionMeasure &measure : projectionMeasures()) {
        if (qstrcmp(measure.key, key) == 0)
            return measure;
    }
    qFatal("no projection measure %s", key);
}

QTableView *scenarioTable(LoanAnalysisDialog &window)
{
    return window.findChild<QTableView *>(QStringLiteral("scenarioTable"));
}

// The table's cell of a figure in a scenario, found by its row's title.
ShownCell scenarioCell(LoanAnalysisDialog &window, Scenario scenario, const char *key, int loan)
{
    const QString scenarioTitle = QCoreApplication::translate("Projection", scenario == Scenario::Bear ? "Bear"
                                                                            : scenario == Scenario::Bull ? "Bull"
                                                                                                         : "Base");
    const QString title = scenarioTitle + QStringLiteral(": ") + projectionText(measureKeyed(key).label);
    return cellIn(*scenarioTable(window), title, loan);
}

// The engine's figure of a scenario for a loan of the record, worked out apart from the window.
Measure engineFigure(const DealRecord &record, int loan, Scenario scenario, const char *key)
{
    const ScenarioResult result = projectScenario(inputsOf(record, loan), assumptionsOf(record.m_projection), scenario);
    if (qstrcmp(key, "irr") == 0)
        return result.irr;
    if (qstrcmp(key, "npv") == 0)
        return result.npv;
    if (qstrcmp(key, "equity_multiple") == 0)
        return result.equityMultiple;
    return result.totalProfit;
}

// The compared offer with the highest IRR in a scenario, the lowest number on a tie; -1 for none.
int engineWinner(const DealRecord &record, const ComparedOffers &compared, Scenario scenario)
{
    int winner = -1;
    double best = 0;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const Measure irr = engineFigure(record, k, scenario, "irr");
        if (!compared[std::size_t(k)] || !irr.isKnown() || !inputsOf(record, k).termYears)
            continue;
        if (winner < 0 || irr.value > best) {
            winner = k;
            best = irr.value;
        }
    }
    return winner;
}

bool marked(const ShownCell &cell)
{
    return cell.font().bold() && cell.background() != QBrush();
}

QChart *chartNamed(LoanAnalysisDialog &window, const QString &name)
{
    for (QChartView *view : window.findChildren<QChartView *>()) {
        if (view->accessibleName() == name)
            return view->chart();
    }
    return nullptr;
}

const char *const scenarioChart = "Chart of the IRR of each compared offer in a bear, the base and a bull market";

} // namespace

namespace {
// A percent step as en_US shows a typed rate: two decimals, three where it has a third.
QString typedPercent(double percent)
{
    const double thousandths = percent * 1000;
    const bool third = std::abs(thousandths - 10 * std::round(thousandths / 10)) > 1e-6;
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(percent, 'f', third ? 3 : 2) + QLatin1Char('%');
}
} // namespace

class TestScenariosPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    // A market figure or the target typed with the keys reaches the record as the edit shows
    // it, and every figure of the table follows at once with the engine's on the same inputs.
    void typedFigureChangesTheRecordAndTheTable_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter"); // Enter instead of Tab
        QTest::addColumn<double>("expected");
        QTest::newRow("bear appreciation, en_US") << "en_US" << "BearAppreciation" << "-2.5" << false << -2.5;
        QTest::newRow("bull rent growth, en_US, Enter") << "en_US" << "BullRentGrowth" << "6" << true << 6.0;
        QTest::newRow("bear vacancy, de_DE") << "de_DE" << "BearVacancy" << "12,5" << false << 12.5;
        QTest::newRow("bull expense growth, de_DE, Enter") << "de_DE" << "BullExpenseGrowth" << "0,75" << true << 0.75;
        QTest::newRow("target IRR, en_US") << "en_US" << "TargetIrr" << "14" << false << 14.0;
        QTest::newRow("target IRR, de_DE, Enter") << "de_DE" << "TargetIrr" << "7,25" << true << 7.25;
    }

    void typedFigureChangesTheRecordAndTheTable()
    {
        QFETCH(QString, locale);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(double, expected);
        LocaleServices::pinLocale(locale);
        const auto restore = qScopeGuard([] { LocaleServices::pinLocale(QStringLiteral("en_US")); });
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            QVERIFY(showTab(*window, ScenariosTab));
            auto *edit = window->findChild<QLineEdit *>(QStringLiteral("edit") + field);
            QVERIFY(edit);
            QVERIFY(!edit->toolTip().isEmpty());
            QVERIFY(edit->whatsThis().startsWith(edit->toolTip()));
            const QAbstractItemModel &table = *scenarioTable(*window)->model();
            QStringList before;
            for (int row = 0; row < table.rowCount(); ++row)
                before << table.index(row, 0).data().toString();

            typeInto(edit, typed, enter ? Qt::Key_Return : Qt::Key_Tab);
            QVERIFY(window->isVisible());
            const DealRecord &record = window->record();
            const DealField &bound = fieldNamed(field.toLatin1().constData());
            QCOMPARE(bound.figure(record, 0).m_value, expected);
            QCOMPARE(edit->text(), bound.figure(record, 0).format(record.m_currency));
            // The base column shows the Projection page's figures, untouched.
            for (const char *base : {"Appreciation", "RentGrowth", "ExpenseGrowth", "Vacancy"}) {
                auto *shown = window->findChild<QLabel *>(QStringLiteral("base") + QLatin1String(base));
                QVERIFY(shown);
                QCOMPARE(shown->text(), window->findChild<QLineEdit *>(QStringLiteral("edit") + QLatin1String(base))->text());
            }

            const ProjectionAssumptions assumptions = assumptionsOf(record.m_projection);
            int capped = 0;
            for (int k = 0; k < MAX_LOANS; ++k) {
                const Measure price = priceToOffer(inputsOf(record, k), assumptions);
                QCOMPARE(table.index(0, k).data().toString(), formatMeasure(price, MeasureUnit::Money, record.m_currency));
                // "—" says why; a price where the search ends says so; any other has no note.
                if (!price.isKnown()) {
                    QCOMPARE(table.index(0, k).data(Qt::ToolTipRole).toString(), price.reason);
                } else if (price.value >= 10 * inputsOf(record, k).price - 0.005) {
                    QVERIFY(table.index(0, k).data(Qt::ToolTipRole).toString().contains(QStringLiteral("ten times")));
                    ++capped;
                } else if (comparedOffers(window->record())[std::size_t(k)]) {
                    QCOMPARE(table.index(0, k).data(Qt::ToolTipRole).toString(), QString());
                }
                for (Scenario scenario : Scenarios) {
                    for (const char *key : {"irr", "npv", "equity_multiple", "total_profit"}) {
                        const ShownCell cell = scenarioCell(*window, scenario, key, k);
                        QVERIFY2(cell.index.isValid(), key);
                        QCOMPARE(cell.text(), formatProjectionMeasure(engineFigure(record, k, scenario, key),
                                                                       measureKeyed(key), record.m_currency));
                    }
                }
            }
            // At the example's target the loan without interest reaches it even at ten times the price.
            if (field != QLatin1String("TargetIrr"))
                QCOMPARE(capped, 1);
            // Loan 1's figures moved: its price to offer with the target, a market's with the market.
            QStringList after;
            for (int row = 0; row < table.rowCount(); ++row)
                after << table.index(row, 0).data().toString();
            QVERIFY(after != before);
            if (field == QLatin1String("TargetIrr"))
                QVERIFY(after.front() != before.front());
            window->close();
            dlg.reject();
        });
    }

    // The scenario's winner is marked on its IRR row, no other cell is; an offer left out with
    // the keys loses its marks and its bars, the next compared offer wins.
    void winnerMarksAndOffersLeftOut()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            QVERIFY(showTab(*window, ScenariosTab));
            QComboBox *loans = window->findChild<QComboBox *>(QStringLiteral("loanChoice"));
            const auto verifyMarks = [&] {
                const ComparedOffers compared = comparedOffers(window->record());
                int winners = 0;
                for (Scenario scenario : Scenarios) {
                    const int winner = engineWinner(window->record(), compared, scenario);
                    winners += winner >= 0;
                    for (int k = 0; k < MAX_LOANS; ++k) {
                        QCOMPARE(marked(scenarioCell(*window, scenario, "irr", k)), k == winner);
                        for (const char *key : {"npv", "equity_multiple", "total_profit"})
                            QVERIFY(!marked(scenarioCell(*window, scenario, key, k)));
                    }
                }
                QCOMPARE(winners, 3);
                // The chart has a bar of each scenario for every compared offer with an IRR.
                QChart *chart = chartNamed(*window, QLatin1String(scenarioChart));
                QVERIFY(chart);
                auto *offers = qobject_cast<QCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
                QVERIFY(offers);
                QStringList expected;
                for (int k = 0; k < MAX_LOANS; ++k) {
                    if (compared[std::size_t(k)] && engineFigure(window->record(), k, Scenario::Base, "irr").isKnown())
                        expected << loans->itemText(k);
                }
                QCOMPARE(offers->categoriesLabels(), expected);
                auto *bars = qobject_cast<QBarSeries *>(chart->series().value(0));
                QVERIFY(bars);
                QCOMPARE(bars->barSets().size(), 3);
                for (Scenario scenario : Scenarios) {
                    QBarSet *set = bars->barSets().at(int(scenario));
                    QCOMPARE(set->count(), int(expected.size()));
                    for (int i = 0; i < set->count(); ++i) {
                        const int k = loans->findText(expected.at(i));
                        QVERIFY(qAbs(set->at(i) - 100 * engineFigure(window->record(), k, scenario, "irr").value) < 1e-9);
                    }
                }
            };
            verifyMarks();
            const int winner = engineWinner(window->record(), comparedOffers(window->record()), Scenario::Base);
            QVERIFY(winner >= 0);

            // Left out on the Projection page, with the keys.
            auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabs"));
            tabs->setCurrentIndex(3);
            auto *box = window->findChild<QCheckBox *>(QStringLiteral("compare%1").arg(winner + 1));
            box->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(box->hasFocus());
            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY(!comparedOffers(window->record())[std::size_t(winner)]);
            QVERIFY(engineWinner(window->record(), comparedOffers(window->record()), Scenario::Base) != winner);
            verifyMarks();
            // Its figures stay to be seen, greyed.
            const ShownCell left = scenarioCell(*window, Scenario::Base, "irr", winner);
            QVERIFY(left.text() != QStringLiteral("\u2014"));
            QCOMPARE(left.foreground(), window->palette().brush(QPalette::Disabled, QPalette::Text));
            window->close();
            dlg.reject();
        });
    }

    // The Sensitivity page shows the engine's grid and tables for the chosen loan, worked out
    // when the page shows and again when the loan or an assumption changes.
    void sensitivityIsTheEngines_data()
    {
        QTest::addColumn<int>("loan");
        QTest::addColumn<QString>("appreciation"); // typed on the Projection page first; empty: none
        QTest::newRow("loan 1") << 0 << QString();
        // In eighths: every step keeps its third decimal, as the edit does.
        QTest::newRow("loan 2, appreciation typed") << 1 << QStringLiteral("1.625");
        QTest::newRow("loan 5, no term: no IRR") << 4 << QString();
    }

    void sensitivityIsTheEngines()
    {
        QFETCH(int, loan);
        QFETCH(QString, appreciation);
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            auto *view = window->findChild<QTableView *>(QStringLiteral("sensitivityGrid"));
            QVERIFY(view);
            const QAbstractItemModel &grid = *view->model();
            QVERIFY(showTab(*window, SensitivityTab));
            QCOMPARE(grid.rowCount(), 9);
            window->findChild<QComboBox *>(QStringLiteral("loanChoice"))->setCurrentIndex(loan);
            if (!appreciation.isEmpty()) {
                window->findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentIndex(3);
                typeInto(window->findChild<QLineEdit *>(QStringLiteral("editAppreciation")), appreciation, Qt::Key_Return);
                QVERIFY(showTab(*window, SensitivityTab));
            }
            const DealRecord &record = window->record();
            const ProjectionAssumptions assumptions = assumptionsOf(record.m_projection);
            const Sensitivity engine = sensitivity(inputsOf(record, loan), assumptions);
            QCOMPARE(grid.rowCount(), int(engine.grid.size()));
            QCOMPARE(grid.columnCount(), 30);
            const auto bold = [](const QVariant &font) { return font.value<QFont>().bold(); };
            const auto colour = [&grid](int r, int c) { return grid.index(r, c).data(Qt::BackgroundRole).value<QColor>(); };
            int unknown = 0;
            QSet<QRgb> colours;
            for (int r = 0; r < grid.rowCount(); ++r) {
                const bool currentRow = qAbs(engine.appreciationPercent[std::size_t(r)] - 100 * assumptions.appreciation) < 1e-9;
                QCOMPARE(bold(grid.headerData(r, Qt::Vertical, Qt::FontRole)), currentRow);
                QCOMPARE(grid.headerData(r, Qt::Vertical).toString(), typedPercent(engine.appreciationPercent[std::size_t(r)]));
                for (int c = 0; c < grid.columnCount(); ++c) {
                    const Measure &irr = engine.grid[std::size_t(r)][std::size_t(c)];
                    const QModelIndex cell = grid.index(r, c);
                    QCOMPARE(cell.data().toString(), formatMeasure(irr, MeasureUnit::Fraction, record.m_currency));
                    QCOMPARE(bold(cell.data(Qt::FontRole)), currentRow || c + 1 == assumptions.holdYears);
                    if (!irr.isKnown()) {
                        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), irr.reason);
                        ++unknown;
                    }
                    colours << colour(r, c).rgb();
                }
            }
            if (loan == 4) {
                // Every cell unknown: one neutral colour, the reason on each.
                QCOMPARE(unknown, 9 * 30);
                QCOMPARE(colours.size(), 1);
            } else {
                QVERIFY(colours.size() > 20);
                // The worst cell red, the best green.
                double worst = 1e9, best = -1e9;
                QColor red, green;
                for (int r = 0; r < grid.rowCount(); ++r) {
                    for (int c = 0; c < grid.columnCount(); ++c) {
                        const Measure &irr = engine.grid[std::size_t(r)][std::size_t(c)];
                        if (irr.isKnown() && irr.value < worst) {
                            worst = irr.value;
                            red = colour(r, c);
                        }
                        if (irr.isKnown() && irr.value > best) {
                            best = irr.value;
                            green = colour(r, c);
                        }
                    }
                }
                QVERIFY(red.red() > red.green());
                QVERIFY(green.green() > green.red());
            }
            // The one-way tables: steps as the user reads them, the engine's IRR, the figure as
            // it is now in bold.
            const std::pair<const OneWaySensitivity *, MeasureUnit> tables[] = {
                {&engine.interestRate, MeasureUnit::Fraction}, {&engine.rent, MeasureUnit::Money},
                {&engine.vacancy, MeasureUnit::Fraction}, {&engine.price, MeasureUnit::Money}};
            for (int i = 0; i < 4; ++i) {
                auto *table = window->findChild<QTableView *>(QStringLiteral("oneWay%1").arg(i + 1));
                QVERIFY(table);
                const QAbstractItemModel &model = *table->model();
                const OneWaySensitivity &expected = *tables[i].first;
                QCOMPARE(model.rowCount(), int(expected.steps.size()));
                int marked = 0;
                for (int r = 0; r < model.rowCount(); ++r) {
                    const double step = expected.steps[std::size_t(r)];
                    QCOMPARE(model.index(r, 0).data().toString(),
                             tables[i].second == MeasureUnit::Money
                                 ? formatCurrency(step, record.m_currency)
                                 : typedPercent(step));
                    QCOMPARE(model.index(r, 1).data().toString(), formatMeasure(expected.irr[std::size_t(r)], MeasureUnit::Fraction, record.m_currency));
                    marked += bold(model.index(r, 1).data(Qt::FontRole));
                }
                QCOMPARE(marked, 1);
            }
            window->close();
            dlg.reject();
        });
    }

    // The grid is worked out only for its page: an assumption changed elsewhere leaves it for
    // later, and the page shows the new grid as soon as it is shown.
    void sensitivityWaitsForItsPage()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            const QAbstractItemModel &grid = *window->findChild<QTableView *>(QStringLiteral("sensitivityGrid"))->model();
            QCOMPARE(grid.rowCount(), 0);
            QVERIFY(showTab(*window, SensitivityTab));
            const QString before = grid.index(4, 9).data().toString();
            window->findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentIndex(3);
            typeInto(window->findChild<QLineEdit *>(QStringLiteral("editVacancy")), QStringLiteral("15"), Qt::Key_Return);
            QCOMPARE(grid.index(4, 9).data().toString(), before);
            QVERIFY(showTab(*window, SensitivityTab));
            const Sensitivity engine = sensitivity(inputsOf(window->record(), 0), assumptionsOf(window->record().m_projection));
            QCOMPARE(grid.index(4, 9).data().toString(), formatMeasure(engine.grid[4][9], MeasureUnit::Fraction, window->record().m_currency));
            QVERIFY(grid.index(4, 9).data().toString() != before);
            window->close();
            dlg.reject();
        });
    }

    // The CSV files and the printout carry the engine's figures.
    void csvAndPrintout()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            window->findChild<QComboBox *>(QStringLiteral("loanChoice"))->setCurrentIndex(1);
            const DealRecord &record = window->record();
            const ProjectionAssumptions assumptions = assumptionsOf(record.m_projection);
            const auto linesOf = [&](const char *button, const QString &name) {
                const QString path = fixture.m_documents.filePath(name);
                fixture.m_prompt.setNextFileName(path);
                window->findChild<QPushButton *>(QLatin1String(button))->click();
                return readAll(path).split('\n');
            };
            const auto lineOf = [](const QList<QByteArray> &lines, const QByteArray &start) {
                for (const QByteArray &line : lines) {
                    if (line.startsWith(start))
                        return line.trimmed();
                }
                return QByteArray();
            };
            const QList<QByteArray> scenarios = linesOf("scenariosCsvButton", QStringLiteral("scenarios.csv"));
            QVERIFY(fixture.m_prompt.m_messages.isEmpty());
            QCOMPARE(lineOf(scenarios, "Price to Offer,").split(',').value(2),
                     QByteArray::number(priceToOffer(inputsOf(record, 1), assumptions).value, 'f', 2));
            QCOMPARE(lineOf(scenarios, "Bear: IRR,").split(',').value(1),
                     QByteArray::number(engineFigure(record, 0, Scenario::Bear, "irr").value, 'f', 6));
            QCOMPARE(lineOf(scenarios, "Bull: NPV,").split(',').value(2),
                     QByteArray::number(engineFigure(record, 1, Scenario::Bull, "npv").value, 'f', 2));
            QCOMPARE(lineOf(scenarios, "Vacancy,").split(','),
                     (QList<QByteArray>{"Vacancy", QByteArray::number(assumptions.bear.vacancy, 'f', 6),
                                        QByteArray::number(assumptions.vacancy, 'f', 6),
                                        QByteArray::number(assumptions.bull.vacancy, 'f', 6)}));

            const Sensitivity engine = sensitivity(inputsOf(record, 1), assumptions);
            const QList<QByteArray> grid = linesOf("sensitivityCsvButton", QStringLiteral("sensitivity.csv"));
            QVERIFY(fixture.m_prompt.m_messages.isEmpty());
            const QList<QByteArray> middle = lineOf(grid, QByteArray::number(assumptions.appreciation, 'f', 6) + ',').split(',');
            QCOMPARE(middle.size(), 31);
            QCOMPARE(middle.at(10), QByteArray::number(engine.grid[4][9].value, 'f', 6));
            QCOMPARE(lineOf(grid, QByteArray::number(engine.price.steps[0], 'f', 2) + ',').split(',').value(1),
                     QByteArray::number(engine.price.irr[0].value, 'f', 6));

            const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
            const QString printed = window->printableDocument(letter)->toPlainText();
            const QString tail = printed.mid(printed.lastIndexOf(QStringLiteral("\nScenarios\n")));
            for (const QString &expected :
                 {formatMeasure(engineFigure(record, 2, Scenario::Bull, "irr"), MeasureUnit::Fraction, QString()),
                  formatMeasure(priceToOffer(inputsOf(record, 0), assumptions), MeasureUnit::Money, QString()),
                  QStringLiteral("Loan 2: Elm Credit Union: IRR by appreciation"),
                  formatMeasure(engine.grid[8][29], MeasureUnit::Fraction, QString()),
                  formatMeasure(engine.vacancy.irr[8], MeasureUnit::Fraction, QString())})
                QVERIFY2(tail.contains(expected), qPrintable(expected));
            window->close();
            dlg.reject();
        });
    }

    // F1 opens the help of the page shown.
    void helpOfThePageShown_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("scenarios") << ScenariosTab << QStringLiteral("analysis.html#scenarios");
        QTest::newRow("sensitivity") << SensitivityTab << QStringLiteral("analysis.html#sensitivity");
    }

    void helpOfThePageShown()
    {
        QFETCH(int, tab);
        QFETCH(QString, anchor);
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            QVERIFY(showTab(*window, tab));
            QTest::keyClick(window->focusWidget(), Qt::Key_F1);
            QVERIFY2(fixture.m_shell.m_urls.last().endsWith(anchor), qPrintable(fixture.m_shell.m_urls.last()));
            window->close();
            dlg.reject();
        });
    }
};

QTEST_MAIN(TestScenariosPage)
#include "tst_scenariospage.moc"
