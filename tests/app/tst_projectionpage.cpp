#include "apptestsupport.h"
#include "testfiles.h"
#include "core/dealfields.h"
#include "core/loananalysis.h"
#include "core/localeservices.h"
#include "core/measures.h"
#include "core/projection.h"
#include "ui/figuretext.h"
#include "ui/loananalysisdialog.h"
#include "ui/maindialog.h"

#include <QAbstractItemModel>
#include <QChart>
#include <QCategoryAxis>
#include <QChartView>
#include <QComboBox>
#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineSeries>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QWhatsThis>
#include <QTextDocument>
#include <QPageLayout>
#include <QPageSize>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

namespace {

// The summary's cell of a figure for a loan.
ShownCell summaryCell(LoanAnalysisDialog &window, const ProjectionMeasure &measure, int loan)
{
    return cellIn(*window.findChild<QTableView *>(QStringLiteral("projectionSummary")), projectionText(measure.label), loan);
}

const ProjectionMeasure &measureKeyed(const char *key)
{
    for (const ProjectionMeasure &measure : projectionMeasures()) {
        if (qstrcmp(measure.key, key) == 0)
            return measure;
    }
    qFatal("no projection measure %s", key);
}

// The engine's projection of a loan of the record, made apart from the window.
Projection engineProjection(const DealRecord &record, int loan)
{
    return project(inputsOf(record, loan), assumptionsOf(record.m_projection));
}

// Reaches the Projection tab with the keys, as a user would: its mnemonic, Alt+J.
bool showProjection(LoanAnalysisDialog &window)
{
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabs"));
    QTest::keyClick(window.focusWidget(), Qt::Key_J, Qt::AltModifier);
    return tabs->currentIndex() == 3;
}

void typeInto(QLineEdit *edit, const QString &text, Qt::Key end)
{
    edit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, end);
}

} // namespace

// A duplex at 425,000 with three real offers; loans 4 and 5 are left as on the first run.
const char DuplexFile[] = "; Zantoria Import/Export file\n; Locale: LC_MONETARY=en_US LC_NUMERIC=en_US\n"
                          "PurchasePrice = 425000\nRentalIncome = 3400\nEscrow = 520\nOtherFees = 150\n"
                          "SafetyMargin = 8%\nLender1 = First Federal\nDownPayment1 = 85000\n"
                          "InterestRate1 = 6.875%\nTerm1 = 30\nLender2 = Credit Union\n"
                          "DownPayment2 = 106250\nInterestRate2 = 6.125%\nTerm2 = 15\n"
                          "Lender3 = Low Down Lending\nDownPayment3 = 21250\nInterestRate3 = 7.25%\n"
                          "Term3 = 30\nPMI3 = 180\n";

// Two offers on 300,000 over 30 years: 6.75 % (points and fees to be typed) and 7.00 %.
const char RateBuyDownFile[] = "; Zantoria Import/Export file\n; Locale: LC_MONETARY=en_US LC_NUMERIC=en_US\n"
                               "PurchasePrice = 375000\nRentalIncome = 2900\nEscrow = 450\n"
                               "Lender1 = Buy-down Bank\nDownPayment1 = 75000\nInterestRate1 = 6.75%\nTerm1 = 30\n"
                               "Lender2 = Plain Savings\nDownPayment2 = 75000\nInterestRate2 = 7%\nTerm2 = 30\n";

// What a 30-year loan of 300,000 at rate (a fraction) has cost after month m: the balance from
// the annuity's closed form, the payments so far and what was paid at closing.
double costIfRepaid(double rate, double atClosing, int m)
{
    const double r = rate / 12, growth = std::pow(1 + r, m);
    const double payment = 300000 * r / (1 - std::pow(1 + r, -360));
    return 75000 + atClosing + m * payment + 300000 * growth - payment * (growth - 1) / r;
}

// A row's cell of the comparison.
QString comparisonCell(LoanAnalysisDialog &window, const QString &row, int loan)
{
    const ShownCell cell = cellIn(*window.findChild<QTableView *>(QStringLiteral("comparison")), row, loan);
    return cell.index.isValid() ? cell.text() : QStringLiteral("(no row %1)").arg(row);
}

class TestProjectionPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    // Every page tells one story about a deal: with the holding period's assumptions typed with
    // the keys, the first line names the best offer by IRR, the comparison's underwriting figures
    // are year 1's (worked out here from their definitions), the equity multiple counts the cash
    // fed in, and offers nobody filled in are never named. The user's choice of compared offers
    // survives a restart.
    void aDuplexTellsOneStory()
    {
        const QString deal = writtenDeal(QStringLiteral("duplex.zant"), DuplexFile);
        QVERIFY(!deal.isEmpty());
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, deal);
            QVERIFY(window);
            QVERIFY(showProjection(*window));
            const std::pair<const char *, const char *> typed[] = {
                {"editHoldYears", "7"}, {"editAppreciation", "3.5"}, {"editRentGrowth", "3"},
                {"editExpenseGrowth", "3"}, {"editVacancy", "5"}, {"editMaintenance", "5"},
                {"editCapitalReserve", "5"}, {"editManagement", "8"}, {"editClosingCosts", "2.5"},
                {"editSellingCosts", "7"}};
            for (const auto &[edit, text] : typed)
                typeInto(window->findChild<QLineEdit *>(QLatin1String(edit)), QLatin1String(text), Qt::Key_Tab);
            // Year 1: rent 40,800 less vacancy 2,040 and costs 12 × 670 + 18 % of the rent.
            const double noi = 40800 - 2040 - (8040 + 0.18 * 40800);
            const double rate = 0.06875 / 12;
            const double payment = 340000 * rate / (1 - std::pow(1 + rate, -360));
            const double invested = 85000 + 0.025 * 425000;
            QCOMPARE(comparisonCell(*window, QStringLiteral("Cap Rate (Year 1)"), 0), QStringLiteral("5.50%"));
            QCOMPARE(comparisonCell(*window, QStringLiteral("Debt Service Coverage (Year 1)"), 0),
                     QString::number(noi / (12 * payment), 'f', 2));
            QCOMPARE(comparisonCell(*window, QStringLiteral("Cash-on-Cash (Year 1)"), 0),
                     QString::number(100 * (noi - 12 * payment) / invested, 'f', 2) + QLatin1Char('%'));
            const QString best = window->findChild<QLabel *>(QStringLiteral("bestOffer"))->text();
            QVERIFY2(best.startsWith(QStringLiteral("Best offer by IRR over 7 years: Loan 2: Credit Union (IRR ")), qPrintable(best));
            QVERIFY(!best.contains(QStringLiteral("Loan 4")) && !best.contains(QStringLiteral("Loan 5")));
            const DealAnalysis engine = analyze(window->record());
            QVERIFY(engine.loans[2].projection.equityMultiple.value < engine.loans[0].projection.equityMultiple.value);
            // Loan 2 left out with the keys: the next best takes the line.
            auto *box = window->findChild<QCheckBox *>(QStringLiteral("compare2"));
            box->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(box->hasFocus());
            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY(window->findChild<QLabel *>(QStringLiteral("bestOffer"))->text().startsWith(
                QStringLiteral("Best offer by IRR over 7 years: Loan 1: First Federal")));
            window->close();
            dlg.reject();
        });
        fixture.reopenProfile();
        fixture.run([&](MainDialog &dlg) {
            const ComparedOffers compared = comparedOffers(dlg.record());
            QCOMPARE(QList<bool>(compared.begin(), compared.end()), (QList<bool>{true, false, true, false, false}));
            dlg.reject();
        });
    }

    // An assumption typed with the keys reaches the record as the edit shows it, the summary
    // follows at once with the engine's figures, and the next run starts with it.
    void typedAssumptionChangesTheRecordAndTheSummary_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter"); // Enter instead of Tab
        QTest::addColumn<double>("expected");
        QTest::newRow("hold, en_US") << "en_US" << "editHoldYears" << "7" << false << 7.0;
        QTest::newRow("appreciation, en_US, Enter") << "en_US" << "editAppreciation" << "4.5" << true << 4.5;
        QTest::newRow("appreciation, de_DE") << "de_DE" << "editAppreciation" << "4,5" << false << 4.5;
        QTest::newRow("falling market, de_DE") << "de_DE" << "editAppreciation" << "-1,25" << false << -1.25;
        QTest::newRow("vacancy, de_DE, Enter") << "de_DE" << "editVacancy" << "8" << true << 8.0;
        QTest::newRow("extra payment, en_US") << "en_US" << "editExtraPayment1" << "$250" << false << 250.0;
        QTest::newRow("extra payment, de_DE") << "de_DE" << "editExtraPayment2" << "1.000,50" << true << 1000.5;
        QTest::newRow("points, en_US") << "en_US" << "editPoints1" << "1.125" << false << 1.125;
        QTest::newRow("points, fr_CH") << "fr_CH" << "editPoints3" << "0,875" << false << 0.875;
        QTest::newRow("lender fees, de_DE, Enter") << "de_DE" << "editLenderFees2" << "1.495,50" << true << 1495.5;
        QTest::newRow("lender fees, ar_EG") << "ar_EG" << "editLenderFees4" << "2500" << false << 2500.0;
        QTest::newRow("refinance, en_US") << "en_US" << "editRefinanceYear" << "4" << false << 4.0;
        QTest::newRow("refinance, de_DE, Enter") << "de_DE" << "editRefinanceYear" << "3" << true << 3.0;
    }

    void typedAssumptionChangesTheRecordAndTheSummary()
    {
        QFETCH(QString, locale);
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(double, expected);
        LocaleServices::pinLocale(locale);
        const auto restore = qScopeGuard([] { LocaleServices::pinLocale(QStringLiteral("en_US")); });
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            QVERIFY(showProjection(*window));
            auto *field = window->findChild<QLineEdit *>(edit);
            QVERIFY(field);
            QVERIFY(!field->toolTip().isEmpty());
            QVERIFY(field->whatsThis().startsWith(field->toolTip()));
            const QString irrBefore = summaryCell(*window, measureKeyed("irr"), 0).text();

            typeInto(field, typed, enter ? Qt::Key_Return : Qt::Key_Tab);
            QVERIFY(window->isVisible());
            const DealRecord &record = window->record();
            const DealField *bound = nullptr;
            for (const DealField &each : projectionFields()) {
                for (int k = 0; k < (each.perLoan ? MAX_LOANS : 1); ++k) {
                    if (QStringLiteral("edit") + each.entry(k) == edit)
                        bound = &each;
                }
            }
            QVERIFY(bound);
            const int loan = bound->perLoan ? edit.right(1).toInt() - 1 : 0;
            QCOMPARE(bound->figure(record, loan).m_value, expected);
            QCOMPARE(field->text(), shownFigure(bound->figure(record, loan).format(record.m_currency)));

            // Every summary figure of every loan is the engine's on the same inputs.
            for (int k = 0; k < MAX_LOANS; ++k) {
                const Projection engine = engineProjection(record, k);
                for (const char *key : {"irr", "npv", "equity_multiple", "total_profit", "sale_proceeds"}) {
                    const ProjectionMeasure &measure = measureKeyed(key);
                    LoanAnalysis shown;
                    shown.projection = engine;
                    QCOMPARE(summaryCell(*window, measure, k).text(),
                             formatProjectionMeasure(measure.get(shown), measure, record.m_currency));
                }
            }
            QVERIFY(summaryCell(*window, measureKeyed("irr"), loan).text() != irrBefore);
            window->close();
            dlg.reject();
        });
        // The main window kept the figure in the profile: the next run starts with it.
        fixture.reopenProfile();
        fixture.run([&](MainDialog &dlg) {
            QVERIFY(trigger(dlg, "actionLoanAnalysis"));
            auto *window = dlg.findChild<LoanAnalysisDialog *>();
            QVERIFY(window);
            bool found = false;
            for (const DealField &each : projectionFields()) {
                for (int k = 0; k < (each.perLoan ? MAX_LOANS : 1); ++k) {
                    if (QStringLiteral("edit") + each.entry(k) == edit) {
                        QCOMPARE(each.figure(window->record(), k).m_value, expected);
                        QCOMPARE(window->findChild<QLineEdit *>(edit)->text(),
                                 shownFigure(each.figure(window->record(), k).format(window->record().m_currency)));
                        found = true;
                    }
                }
            }
            QVERIFY(found);
            window->close();
            dlg.reject();
        });
    }

    // A hold of 0 years cannot be projected: the page says why, the figures are unknown with
    // that reason, and a valid hold brings everything back.
    void badAssumptionShowsItsReason()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            QVERIFY(showProjection(*window));
            auto *problems = window->findChild<QLabel *>(QStringLiteral("projectionProblems"));
            QVERIFY(problems->isHidden() || problems->text().isEmpty()
                    || !problems->text().contains(QStringLiteral("holding period")));
            typeInto(window->findChild<QLineEdit *>(QStringLiteral("editHoldYears")), QStringLiteral("0"), Qt::Key_Tab);

            const QString reason = engineProjection(window->record(), 0).reason;
            QVERIFY(!reason.isEmpty());
            QVERIFY(problems->isVisible());
            QCOMPARE(problems->text(), reason);
            const ShownCell irr = summaryCell(*window, measureKeyed("irr"), 0);
            QCOMPARE(irr.text(), QStringLiteral("\u2014"));
            QCOMPARE(irr.toolTip(), reason);
            QCOMPARE(window->findChild<QTableView *>(QStringLiteral("projectionYears"))->model()->rowCount(), 0);
            QVERIFY(window->findChild<QLabel *>(QStringLiteral("yearlyTitle"))->text().contains(reason));
            // The rest of the window keeps working.
            QVERIFY(window->findChild<QTableView *>(QStringLiteral("comparison"))->model()->index(0, 0).data().toString() != QStringLiteral("\u2014"));

            typeInto(window->findChild<QLineEdit *>(QStringLiteral("editHoldYears")), QStringLiteral("12"), Qt::Key_Return);
            QVERIFY(problems->isHidden() || !problems->text().contains(reason));
            QCOMPARE(window->findChild<QTableView *>(QStringLiteral("projectionYears"))->model()->rowCount(), 12);
            window->close();
            dlg.reject();
        });
    }

    // Each row of the summary marks the compared offers with the best value, as the comparison
    // marks its rows: none where every offer shares it or the row has no better side.
    void bestMarks()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            // Extra payments on two loans, so that interest saved has a best.
            QVERIFY(showProjection(*window));
            typeInto(window->findChild<QLineEdit *>(QStringLiteral("editExtraPayment1")), QStringLiteral("100"), Qt::Key_Tab);
            typeInto(window->findChild<QLineEdit *>(QStringLiteral("editExtraPayment2")), QStringLiteral("300"), Qt::Key_Tab);
            int marked = 0;
            for (const ProjectionMeasure &measure : projectionMeasures()) {
                QList<double> known;
                QList<int> loans;
                for (int k = 0; k < MAX_LOANS; ++k) {
                    LoanAnalysis shown;
                    shown.projection = engineProjection(window->record(), k);
                    shown.interestSaved = analyze(window->record()).loans[std::size_t(k)].interestSaved;
                    const Measure figure = measure.get(shown);
                    if (figure.isKnown() && analyze(window->record()).loans[std::size_t(k)].notCompared.isEmpty()) {
                        known << figure.value;
                        loans << k;
                    }
                }
                QList<bool> expected(MAX_LOANS, false);
                if (measure.better == Better::Higher && !known.isEmpty()) {
                    const double top = *std::max_element(known.begin(), known.end());
                    const bool allShare = known.size() > 1 && std::all_of(known.begin(), known.end(), [top](double v) { return v == top; });
                    for (int i = 0; i < loans.size() && !allShare; ++i)
                        expected[loans.at(i)] = known.at(i) == top;
                }
                for (int k = 0; k < MAX_LOANS; ++k) {
                    const ShownCell cell = summaryCell(*window, measure, k);
                    QCOMPARE(cell.font().bold(), bool(expected.at(k)));
                    QCOMPARE(cell.background() != QBrush(), bool(expected.at(k)));
                    marked += expected.at(k);
                }
            }
            QVERIFY(marked >= 7);
            // The best-offer line names the engine's best offer by IRR.
            const DealAnalysis engine = analyze(window->record());
            QVERIFY(engine.bestIrr >= 0);
            QVERIFY2(window->findChild<QLabel *>(QStringLiteral("bestOffer"))->text().contains(
                         QStringLiteral("Best offer by IRR over 10 years: %1 (IRR").arg(window->findChild<QComboBox *>(QStringLiteral("loanChoice"))->itemText(engine.bestIrr))),
                     qPrintable(window->findChild<QLabel *>(QStringLiteral("bestOffer"))->text()));
            window->close();
            dlg.reject();
        });
    }

    // Leaving the offer with the best IRR out, with the keys: it loses its marks, its place in
    // the best-offer line and its lines in the charts; checked again, it has them back.
    void leavingAnOfferOut()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            QVERIFY(showProjection(*window));
            const int best = analyze(window->record()).bestIrr;
            QVERIFY(best >= 0);
            const QString name = window->findChild<QComboBox *>(QStringLiteral("loanChoice"))->itemText(best);
            auto *comparison = window->findChild<QTableView *>(QStringLiteral("comparison"));
            const auto markedIn = [best](QTableView *table) {
                int count = 0;
                for (int row = 0; row < table->model()->rowCount(); ++row)
                    count += table->model()->index(row, best).data(Qt::FontRole).value<QFont>().bold();
                return count;
            };
            auto *summary = window->findChild<QTableView *>(QStringLiteral("projectionSummary"));
            QVERIFY(markedIn(summary) > 0);
            QVERIFY(markedIn(comparison) > 0);
            const auto seriesNames = [window](const QString &chartName) {
                QStringList names;
                for (QChartView *view : window->findChildren<QChartView *>()) {
                    if (view->accessibleName() == chartName) {
                        for (QAbstractSeries *series : view->chart()->series())
                            names << series->name();
                    }
                }
                return names;
            };
            const QString equityChart = QStringLiteral("Chart of the equity of each compared offer by year");
            const QString balanceChart = QStringLiteral("Chart of the balance of each loan over the years");
            QVERIFY(seriesNames(equityChart).contains(name));
            QVERIFY(seriesNames(balanceChart).contains(name));
            auto *bestOffer = window->findChild<QLabel *>(QStringLiteral("bestOffer"));
            QVERIFY(bestOffer->text().contains(QStringLiteral("Best offer by IRR over 10 years: ") + name));

            auto *box = window->findChild<QCheckBox *>(QStringLiteral("compare%1").arg(best + 1));
            QVERIFY(box && box->isChecked());
            box->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(box->hasFocus());
            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY(!box->isChecked());
            QVERIFY(!comparedOffers(window->record())[std::size_t(best)]);

            QCOMPARE(markedIn(summary), 0);
            QCOMPARE(markedIn(comparison), 0);
            QVERIFY(!seriesNames(equityChart).contains(name));
            QVERIFY(!seriesNames(balanceChart).contains(name));
            QCOMPARE(seriesNames(equityChart).size(), 3); // loan 5 has no term: no projection
            QVERIFY(!bestOffer->text().contains(QStringLiteral("Best offer by IRR over 10 years: ") + name));
            // The next best by the engine takes its place.
            const DealAnalysis engine = analyze(window->record());
            QVERIFY(engine.bestIrr >= 0 && engine.bestIrr != best);
            QVERIFY(bestOffer->text().contains(
                QStringLiteral("Best offer by IRR over 10 years: ")
                + window->findChild<QComboBox *>(QStringLiteral("loanChoice"))->itemText(engine.bestIrr)));
            // Its figures stay to be seen, greyed.
            QVERIFY(summaryCell(*window, measureKeyed("irr"), best).text() != QStringLiteral("\u2014"));
            QVERIFY(summaryCell(*window, measureKeyed("irr"), best).foreground().color()
                    != summaryCell(*window, measureKeyed("irr"), engine.bestIrr).foreground().color());

            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY(markedIn(summary) > 0);
            QVERIFY(seriesNames(equityChart).contains(name));
            window->close();
            dlg.reject();
        });
    }

    // The printout carries the assumptions, the summary and the chosen loan's years; the CSV the
    // summary and the years, with the engine's figures.
    void printAndCsvCarryTheProjection()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            window->findChild<QComboBox *>(QStringLiteral("loanChoice"))->setCurrentIndex(1);
            const Projection engine = engineProjection(window->record(), 1);
            QCOMPARE(int(engine.years.size()), 10);

            const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
            const QString printed = window->printableDocument(letter)->toPlainText();
            const QString projection = printed.mid(printed.indexOf(QStringLiteral("\nProjection\n")));
            for (const QString &expected :
                 {QStringLiteral("Holding period (years)"), QStringLiteral("Equity Multiple"),
                  formatMeasure(engine.irr, MeasureUnit::Fraction, QString()), formatCurrency(engine.npv.value, QString()),
                  QStringLiteral("Loan 2: Elm Credit Union, year by year"),
                  formatCurrency(engine.years.back().equity, QString()), formatCurrency(engine.years.front().rent, QString()),
                  formatMeasure(engine.years.back().irrIfSold, MeasureUnit::Fraction, QString())})
                QVERIFY2(projection.contains(expected), qPrintable(expected));

            const QString csv = fixture.m_documents.filePath(QStringLiteral("projection.csv"));
            fixture.m_prompt.setNextFileName(csv);
            window->findChild<QPushButton *>(QStringLiteral("projectionCsvButton"))->click();
            QVERIFY(fixture.m_prompt.m_messages.isEmpty());
            const QList<QByteArray> lines = readAll(csv).split('\n');
            QVERIFY(lines.at(0).startsWith("\xEF\xBB\xBFMeasure,Loan 1: First Savings Bank,Loan 2: Elm Credit Union,"));
            const auto lineOf = [&lines](const QByteArray &start) {
                for (const QByteArray &line : lines) {
                    if (line.startsWith(start))
                        return line.trimmed();
                }
                return QByteArray();
            };
            QCOMPARE(lineOf("IRR,").split(',').value(2), QByteArray::number(engine.irr.value, 'f', 6));
            // Loan 5 has no term: an empty cell.
            QCOMPARE(lineOf("IRR,").split(',').value(5), QByteArray());
            const QList<QByteArray> last = lineOf("10,").split(',');
            QCOMPARE(last.size(), 16);
            QCOMPARE(last.at(10), QByteArray::number(engine.years.back().equity, 'f', 2));
            QCOMPARE(last.at(14), QByteArray::number(engine.years.back().equityMultipleIfSold.value, 'f', 4));
            QCOMPARE(last.at(15), QByteArray("0.00")); // no refinance
            window->close();
            dlg.reject();
        });
    }

    // Five first-run offers are all compared; a lender typed on one makes it the only one
    // filled in, and the four untouched ones are left out, unchecked and not charted.
    void untouchedOffersAreLeftOut()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            fixture.m_prompt.setNextFileName(QStringLiteral(ZANT_EXAMPLES "/first-run.zant"));
            QVERIFY(trigger(dlg, "actionImport"));
            QVERIFY(activateAndWait(dlg));
            QTest::keyClick(editNamed(dlg, "editDescription"), Qt::Key_L, Qt::ControlModifier);
            auto *window = dlg.findChild<LoanAnalysisDialog *>();
            QVERIFY(window);
            const auto checked = [window] {
                QList<bool> boxes;
                for (int k = 1; k <= MAX_LOANS; ++k)
                    boxes << window->findChild<QCheckBox *>(QStringLiteral("compare%1").arg(k))->isChecked();
                return boxes;
            };
            QCOMPARE(checked(), QList<bool>(MAX_LOANS, true));

            QVERIFY(activateAndWait(dlg));
            QLineEdit *lender = editNamed(dlg, "editLender");
            lender->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(lender->hasFocus());
            QTest::keyClicks(lender, QStringLiteral("Harbor Bank"));
            QCOMPARE(checked(), (QList<bool>{true, false, false, false, false}));
            QStringList charted;
            for (QChartView *view : window->findChildren<QChartView *>()) {
                if (view->accessibleName() == QStringLiteral("Chart of the equity of each compared offer by year")) {
                    for (QAbstractSeries *series : view->chart()->series())
                        charted << series->name();
                }
            }
            QCOMPARE(charted, QStringList{QStringLiteral("Loan 1: Harbor Bank")});
            window->close();
            dlg.reject();
        });
    }

    // A falling market puts the equity under water: the chart's money axis reaches below 0 to
    // the lowest equity of the compared offers, and every offer's line has a point a year.
    void equityUnderWaterIsCharted()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            QVERIFY(showProjection(*window));
            typeInto(window->findChild<QLineEdit *>(QStringLiteral("editAppreciation")), QStringLiteral("-10"), Qt::Key_Return);
            double lowest = 0;
            for (int k = 0; k < MAX_LOANS; ++k) {
                for (const ProjectionYear &year : engineProjection(window->record(), k).years)
                    lowest = std::min(lowest, year.equity);
            }
            QVERIFY(lowest < 0);
            QChart *chart = nullptr;
            for (QChartView *view : window->findChildren<QChartView *>()) {
                if (view->accessibleName() == QStringLiteral("Chart of the equity of each compared offer by year"))
                    chart = view->chart();
            }
            QVERIFY(chart);
            auto *money = qobject_cast<QCategoryAxis *>(chart->axes(Qt::Vertical).value(0));
            QVERIFY(money);
            // Accounting money: "($50,000)" is -50,000.
            QString first = money->categoriesLabels().first();
            const bool negative = first.startsWith(QLatin1Char('('));
            first.remove(QRegularExpression(QStringLiteral("[$,()]")));
            bool ok = false;
            const double bottom = (negative ? -1 : 1) * first.toDouble(&ok);
            QVERIFY2(ok, qPrintable(money->categoriesLabels().first()));
            QVERIFY2(bottom <= lowest, qPrintable(money->categoriesLabels().join(QLatin1Char('|'))));
            QCOMPARE(money->min(), bottom);
            for (QAbstractSeries *series : chart->series())
                QCOMPARE(static_cast<QLineSeries *>(series)->count(), 10);
            window->close();
            dlg.reject();
        });
    }

    // Points and fees typed with the keys for two offers show what each costs: the APRs of a
    // lender's worked examples, the cash to close, the offer cheapest if the buyer leaves early
    // and when the points pay off (both against the loans' closed forms), the page's help, its
    // CSV and the profile after a restart.
    void loanCostsOfTypedPointsAndFees()
    {
        const QString deal = writtenDeal(QStringLiteral("buydown.zant"), RateBuyDownFile);
        QVERIFY(!deal.isEmpty());
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, deal);
            QVERIFY(window);
            QVERIFY(showProjection(*window));
            typeInto(window->findChild<QLineEdit *>(QStringLiteral("editPoints1")), QStringLiteral("1"), Qt::Key_Tab);
            // The offer's fees come next in the tab order.
            QLineEdit *fees = window->findChild<QLineEdit *>(QStringLiteral("editLenderFees1"));
            QTRY_VERIFY(fees->hasFocus());
            QTest::keyClicks(fees, QStringLiteral("1500"));
            QTest::keyClick(fees, Qt::Key_Tab);
            typeInto(window->findChild<QLineEdit *>(QStringLiteral("editLenderFees2")), QStringLiteral("1500"), Qt::Key_Return);

            QCOMPARE(comparisonCell(*window, QStringLiteral("APR"), 0), QStringLiteral("6.898%"));
            QCOMPARE(comparisonCell(*window, QStringLiteral("APR"), 1), QStringLiteral("7.050%"));
            QCOMPARE(comparisonCell(*window, QStringLiteral("Points"), 0), QStringLiteral("1.000%"));
            QCOMPARE(comparisonCell(*window, QStringLiteral("Cash to Close"), 0), QStringLiteral("$90,750.00"));
            QCOMPARE(comparisonCell(*window, QStringLiteral("Cash to Close"), 1), QStringLiteral("$87,750.00"));
            QVERIFY(cellIn(*window->findChild<QTableView *>(QStringLiteral("comparison")), QStringLiteral("APR"), 0).font().bold());

            auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabs"));
            QTest::keyClick(window->focusWidget(), Qt::Key_O, Qt::AltModifier);
            QCOMPARE(tabs->currentIndex(), 6);
            QTest::keyClick(window->focusWidget(), Qt::Key_F1);
            QVERIFY(fixture.m_shell.m_urls.last().endsWith(QStringLiteral("analysis.html#loan-cost")));
            // The buy-down costs more if repaid early and less once its lower payments have made
            // up the 3,000 of points: the first month from which it stays cheaper to month 360.
            const auto cost = [](int loan, int m) {
                return loan == 0 ? costIfRepaid(0.0675, 4500, m) : costIfRepaid(0.07, 1500, m);
            };
            int breakEven = 361;
            while (breakEven > 1 && cost(0, breakEven - 1) <= cost(1, breakEven - 1))
                --breakEven;
            QVERIFY(breakEven > 12 && breakEven < 120);
            const auto *pairs = window->findChild<QTableView *>(QStringLiteral("pointsBreakEven"))->model();
            QCOMPARE(pairs->rowCount(), 1);
            QCOMPARE(pairs->index(0, 0).data().toString(), QStringLiteral("Loan 1: Buy-down Bank"));
            QCOMPARE(pairs->index(0, 2).data().toString(),
                     QStringLiteral("Month %1 (year %2)").arg(breakEven).arg((breakEven - 1) / 12 + 1));
            auto &leaving = *window->findChild<QTableView *>(QStringLiteral("cheapestIfLeaving"));
            for (const QString &row : {QStringLiteral("After 1 year"), QStringLiteral("After 10 years (the hold)"),
                                       QStringLiteral("After 15 years")}) {
                const int months = 12 * row.split(QLatin1Char(' ')).at(1).toInt();
                const int cheaper = cost(0, months) < cost(1, months) ? 0 : 1;
                QVERIFY2(cellIn(leaving, row, cheaper).font().bold(), qPrintable(row));
                QVERIFY2(!cellIn(leaving, row, 1 - cheaper).font().bold(), qPrintable(row));
                QCOMPARE(cellIn(leaving, row, cheaper).text(), formatCurrency(cost(cheaper, months), QString()));
            }

            const QString csv = fixture.m_documents.filePath(QStringLiteral("loancost.csv"));
            fixture.m_prompt.setNextFileName(csv);
            window->findChild<QPushButton *>(QStringLiteral("loanCostCsvButton"))->click();
            const QList<QByteArray> lines = readAll(csv).split('\n');
            QVERIFY(lines.at(0).startsWith("\xEF\xBB\xBFMonth,Loan 1: Buy-down Bank,Loan 2: Plain Savings,"));
            QVERIFY(lines.at(1).endsWith(",Loan 2: Plain Savings\r"));
            QVERIFY(lines.at(360).endsWith(",Loan 1: Buy-down Bank\r"));
            QVERIFY(lines.contains(QStringLiteral("Loan 1: Buy-down Bank,Loan 2: Plain Savings,%1\r").arg(breakEven).toUtf8()));
            QVERIFY(fixture.m_prompt.m_messages.isEmpty());
            window->close();
            dlg.reject();
        });
        // The profile keeps what was typed.
        fixture.reopenProfile();
        fixture.run([&](MainDialog &dlg) {
            QVERIFY(trigger(dlg, "actionLoanAnalysis"));
            auto *window = dlg.findChild<LoanAnalysisDialog *>();
            QVERIFY(window);
            QCOMPARE(window->record().m_points[0].m_value, 1.0);
            QCOMPARE(window->record().m_lenderFees[1].m_value, 1500.0);
            QCOMPARE(comparisonCell(*window, QStringLiteral("APR"), 0), QStringLiteral("6.898%"));
            window->close();
            dlg.reject();
        });
    }

    // The tax assumptions typed with the keys change what each offer keeps after tax, as the
    // engine computes it; a share out of range is named and leaves the figures unknown; a land
    // share of 100 % leaves nothing to depreciate; the profile keeps what was typed.
    void afterTaxFollowsTypedTaxes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<double>("expected");
        QTest::newRow("en_US") << "en_US" << "32" << 32.0;
        QTest::newRow("de_DE") << "de_DE" << "32,5" << 32.5;
    }

    void afterTaxFollowsTypedTaxes()
    {
        QFETCH(QString, locale);
        QFETCH(QString, rate);
        QFETCH(double, expected);
        LocaleServices::pinLocale(locale);
        const auto restore = qScopeGuard([] { LocaleServices::pinLocale(QStringLiteral("en_US")); });
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabs"));
            QTest::keyClick(window->focusWidget(), Qt::Key_R, Qt::AltModifier);
            QCOMPARE(tabs->currentIndex(), 7);
            QTest::keyClick(window->focusWidget(), Qt::Key_F1);
            QVERIFY(fixture.m_shell.m_urls.last().endsWith(QStringLiteral("analysis.html#after-tax")));
            auto &summary = *window->findChild<QTableView *>(QStringLiteral("afterTaxSummary"));
            const auto shownIrr = [&] { return cellIn(summary, QStringLiteral("After-Tax IRR"), 0).text(); };
            const QString before = shownIrr();
            typeInto(window->findChild<QLineEdit *>(QStringLiteral("editIncomeTaxRate")), rate, Qt::Key_Tab);
            QCOMPARE(window->record().m_projection.m_incomeTaxRate.m_value, expected);
            const DealAnalysis engine = analyze(window->record());
            QCOMPARE(shownIrr(), formatMeasure(engine.loans[0].projection.afterTax.irr, MeasureUnit::Fraction, QString()));
            QVERIFY(shownIrr() != before);
            const QAbstractItemModel *years = window->findChild<QTableView *>(QStringLiteral("afterTaxYears"))->model();
            QCOMPARE(years->rowCount(), 10);

            QLineEdit *land = window->findChild<QLineEdit *>(QStringLiteral("editLandShare"));
            typeInto(land, QStringLiteral("150"), Qt::Key_Tab);
            auto *problem = window->findChild<QLabel *>(QStringLiteral("afterTaxProblem"));
            QCOMPARE(problem->text(), QStringLiteral("The land share must be 0 % to 100 %."));
            QVERIFY(problem->isVisible());
            QCOMPARE(shownIrr(), QStringLiteral("\u2014"));
            typeInto(land, QStringLiteral("100"), Qt::Key_Tab);
            QVERIFY(!problem->isVisible());
            QCOMPARE(years->index(0, 1).data().toString(), formatCurrency(0, window->record().m_currency));

            const QString csv = fixture.m_documents.filePath(QStringLiteral("aftertax.csv"));
            fixture.m_prompt.setNextFileName(csv);
            window->findChild<QPushButton *>(QStringLiteral("afterTaxCsvButton"))->click();
            QVERIFY(readAll(csv).startsWith("\xEF\xBB\xBFMeasure"));
            QVERIFY(fixture.m_prompt.m_messages.isEmpty());
            window->close();
            dlg.reject();
        });
        fixture.reopenProfile();
        fixture.run([&](MainDialog &dlg) {
            QVERIFY(trigger(dlg, "actionLoanAnalysis"));
            auto *window = dlg.findChild<LoanAnalysisDialog *>();
            QVERIFY(window);
            QCOMPARE(window->record().m_projection.m_incomeTaxRate.m_value, expected);
            QCOMPARE(window->record().m_projection.m_landShare.m_value, 100.0);
            window->close();
            dlg.reject();
        });
    }

    // F1 opens the help of the page shown: the Projection section on its tab.
    void helpOfThePageShown()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            LoanAnalysisDialog *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            QTest::keyClick(window->focusWidget(), Qt::Key_F1);
            QVERIFY(fixture.m_shell.m_urls.last().endsWith(QStringLiteral("analysis.html#loan-analysis")));
            QVERIFY(showProjection(*window));
            QLineEdit *hold = window->findChild<QLineEdit *>(QStringLiteral("editHoldYears"));
            hold->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(hold->hasFocus());
            QTest::keyClick(hold, Qt::Key_F1);
            QVERIFY2(fixture.m_shell.m_urls.last().endsWith(QStringLiteral("analysis.html#projection")),
                     qPrintable(fixture.m_shell.m_urls.last()));
            // Shift+F1 enters What's This here too; Escape leaves it and the window stays.
            QTest::keyClick(hold, Qt::Key_F1, Qt::ShiftModifier);
            QVERIFY(QWhatsThis::inWhatsThisMode());
            QTest::keyClick(hold, Qt::Key_Escape);
            QVERIFY(!QWhatsThis::inWhatsThisMode());
            QVERIFY(window->isVisible());
            window->close();
            dlg.reject();
        });
    }

private:
    // The deal file of that name in the test's folder, holding text; empty if it cannot be written.
    QString writtenDeal(const QString &name, const char *text)
    {
        const QString path = QDir(m_files.path()).filePath(name);
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text) == qint64(qstrlen(text)) ? path : QString();
    }

    QTemporaryDir m_files;
};

QTEST_MAIN(TestProjectionPage)
#include "tst_projectionpage.moc"
