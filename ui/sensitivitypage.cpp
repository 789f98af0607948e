#include "ui/sensitivitypage.h"

#include "ui/analysisshown.h"
#include "ui/analysisviews.h"
#include "ui/sensitivitymodels.h"

#include "analysis/projectionexport.h"
#include "core/localeservices.h"
#include "core/measures.h"
#include "platform/help.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace AnalysisViews;

// The page's texts are the Loan Analysis window's and keep its translation context.

namespace {

// The sensitivity's one-way tables: what is tried, and how a step is shown.
struct OneWayTable
{
    const char *title;
    const char *definition;
    const OneWaySensitivity Sensitivity::*table;
    MeasureUnit unit; // Money, or Fraction for a step in percent
};
const std::array<OneWayTable, 4> oneWayTables = {{
    {QT_TRANSLATE_NOOP("LoanAnalysisDialog", "Interest rate"),
     QT_TRANSLATE_NOOP("LoanAnalysisDialog", "The loan's interest rate, from 2 points below to 2 points above in half points; a rate below 0 % is not tried."),
     &Sensitivity::interestRate, MeasureUnit::Fraction},
    {QT_TRANSLATE_NOOP("LoanAnalysisDialog", "Monthly rent"),
     QT_TRANSLATE_NOOP("LoanAnalysisDialog", "The monthly rent, from 20 % below to 20 % above in steps of 5 %."),
     &Sensitivity::rent, MeasureUnit::Money},
    {QT_TRANSLATE_NOOP("LoanAnalysisDialog", "Vacancy"),
     QT_TRANSLATE_NOOP("LoanAnalysisDialog", "The vacancy, from 0 % to 20 % in steps of 2.5 points."),
     &Sensitivity::vacancy, MeasureUnit::Fraction},
    {QT_TRANSLATE_NOOP("LoanAnalysisDialog", "Purchase price"),
     QT_TRANSLATE_NOOP("LoanAnalysisDialog", "The purchase price, from 20 % below to 20 % above in steps of 5 %, the down payment kept as an amount."),
     &Sensitivity::price, MeasureUnit::Money},
}};


// The step that is the figure as it stands now, or -1.
int currentStep(const std::vector<double> &steps, double now)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (std::abs(steps[i] - now) <= 1e-9 * std::max(1.0, std::abs(now)))
            return int(i);
    }
    return -1;
}

} // namespace

SensitivityPage::SensitivityPage(const AnalysisShown &shown, QWidget *parent)
    : QWidget(parent), m_shown(shown)
{
    setProperty("helpContext", QVariant::fromValue(HelpTopic::Sensitivity));

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("sensitivityTitle"));
    m_title->setWordWrap(true);
    m_gridModel = new SensitivityGridModel(this);
    m_grid = new QTableView(this);
    m_grid->setModel(m_gridModel);
    m_grid->setObjectName(QStringLiteral("sensitivityGrid"));
    m_grid->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "IRR of the chosen loan by appreciation and holding period"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setTabKeyNavigation(false);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_legend = new QLabel(this);
    m_legend->setObjectName(QStringLiteral("sensitivityLegend"));
    m_legend->setWordWrap(true);

    auto *tables = new QHBoxLayout;
    for (std::size_t i = 0; i < oneWayTables.size(); ++i) {
        m_oneWayModels[i] = new OneWayModel(this);
        auto *table = new QTableView(this);
        table->setModel(m_oneWayModels[i]);
        table->setObjectName(QStringLiteral("oneWay%1").arg(i + 1));
        table->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "IRR by %1").arg(QCoreApplication::translate("LoanAnalysisDialog", oneWayTables[i].title)));
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setTabKeyNavigation(false);
        table->setFocusPolicy(Qt::NoFocus);
        table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        m_oneWay[i] = table;
        tables->addWidget(table);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_grid);
    layout->addWidget(m_legend);
    auto *oneWayTitle = new QLabel(QCoreApplication::translate("LoanAnalysisDialog", "The IRR at the hold with one figure changed, the others as they are:"), this);
    oneWayTitle->setWordWrap(true);
    layout->addWidget(oneWayTitle);
    layout->addLayout(tables);
    layout->addStretch();
}

Sensitivity SensitivityPage::computed() const
{
    return sensitivity(inputsOf(m_shown.record(), m_shown.chosenLoan()), m_shown.analysis().assumptions);
}

void SensitivityPage::refresh()
{
    m_outdated = false;
    const int loan = m_shown.chosenLoan();
    const Sensitivity s = computed();
    const QString currency = m_shown.record().m_currency;
    m_title->setText(QCoreApplication::translate("LoanAnalysisDialog", "%1: IRR by appreciation (rows) and holding period in years (columns)").arg(m_shown.loanName(loan)));

    const IrrScale scale(s);
    showGrid(*m_gridModel, s);
    m_grid->resizeColumnsToContents();
    m_grid->setFixedHeight(m_grid->horizontalHeader()->sizeHint().height()
                                      + m_grid->verticalHeader()->length()
                                      + 2 * m_grid->frameWidth()
                                      + m_grid->horizontalScrollBar()->sizeHint().height() + 2);

    // The legend: the scale with its ends, and what grey means.
    const auto swatch = [](const QColor &colour) {
        return QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>").arg(colour.name());
    };
    QString legend;
    if (!scale.sorted.empty()) {
        const auto shown = [&currency](double irr) {
            return formatMeasure(Measure::of(irr, {}), MeasureUnit::Fraction, currency).toHtmlEscaped();
        };
        QString swatches;
        for (int i = 0; i <= 8; ++i)
            swatches += swatch(scaleColor(i / 8.0));
        legend = QCoreApplication::translate("LoanAnalysisDialog", "Colours: %1 from red, the lowest IRR (%2), through yellow, the middle one (%3), to green, the highest (%4).")
                     .arg(swatches, shown(scale.sorted.front()), shown(scale.sorted[scale.sorted.size() / 2]),
                          shown(scale.sorted.back()));
    }
    legend += QLatin1Char(' ') + QCoreApplication::translate("LoanAnalysisDialog", "%1 Grey: no IRR; the cell's tooltip says why. Bold: the current appreciation and holding period.")
                                     .arg(swatch(unknownColor));
    m_legend->setText(legend.trimmed());

    for (std::size_t i = 0; i < oneWayTables.size(); ++i) {
        QTableView *shown = m_oneWay[i];
        showOneWay(*m_oneWayModels[i], i, s);
        shown->resizeRowsToContents();
        shown->setFixedHeight(shown->horizontalHeader()->sizeHint().height() + shown->verticalHeader()->length()
                              + 2 * shown->frameWidth() + 2);
    }
}

void SensitivityPage::showGrid(SensitivityGridModel &model, const Sensitivity &s) const
{
    const ProjectionAssumptions &assumptions = m_shown.analysis().assumptions;
    model.show(s, currentStep(s.appreciationPercent, 100 * assumptions.appreciation), assumptions.holdYears,
               m_shown.record().m_currency);
}

void SensitivityPage::showOneWay(OneWayModel &model, std::size_t i, const Sensitivity &s) const
{
    const ProjectionInputs inputs = inputsOf(m_shown.record(), m_shown.chosenLoan());
    const double now[] = {inputs.ratePercent, inputs.rent, 100 * m_shown.analysis().assumptions.vacancy,
                          inputs.price};
    const OneWaySensitivity &table = s.*(oneWayTables[i].table);
    model.show(table, oneWayTables[i].unit, currentStep(table.steps, now[i]),
               QCoreApplication::translate("LoanAnalysisDialog", oneWayTables[i].title),
               QCoreApplication::translate("LoanAnalysisDialog", oneWayTables[i].definition),
               m_shown.record().m_currency);
}

QString SensitivityPage::printableHtml() const
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    // The page shown may be of an older record: the printout works it out anew.
    const Sensitivity s = computed();
    QString html = QStringLiteral("<h3>%1</h3><p>%2</p>")
                       .arg(escaped(QCoreApplication::translate("LoanAnalysisDialog", "Sensitivity")),
                            escaped(QCoreApplication::translate("LoanAnalysisDialog", "%1: IRR by appreciation (rows) and holding period in years (columns)").arg(m_shown.loanName(m_shown.chosenLoan()))));
    SensitivityGridModel grid;
    showGrid(grid, s);
    // Thirty years do not fit a page's width: three tables of ten.
    for (int first = 0; first < grid.columnCount(); first += 10) {
        QList<int> columns;
        for (int c = first; c < std::min(grid.columnCount(), first + 10); ++c)
            columns << c;
        html += htmlTable(grid, true, 0, columns) + QStringLiteral("<p></p>");
    }
    html += QStringLiteral("<p>%1</p>").arg(escaped(
        QCoreApplication::translate("LoanAnalysisDialog", "Colours by rank: red, the lowest IRR; yellow, the middle one; green, the highest; grey, no IRR. Bold: the current appreciation and holding period.")));
    html += QStringLiteral("<table cellspacing=\"8\"><tr>");
    for (std::size_t i = 0; i < oneWayTables.size(); ++i) {
        OneWayModel oneWay;
        showOneWay(oneWay, i, s);
        html += QStringLiteral("<td valign=\"top\">%1</td>").arg(htmlTable(oneWay, false));
    }
    return html + QStringLiteral("</tr></table>");
}

QByteArray SensitivityPage::csv() const
{
    return ProjectionExport::sensitivityCsv(m_shown.record(), m_shown.chosenLoan(), computed());
}
