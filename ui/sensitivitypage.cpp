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
    const int hold = m_shown.analysis().assumptions.holdYears;
    m_title->setText(QCoreApplication::translate("LoanAnalysisDialog", "%1: IRR by appreciation (rows) and holding period in years (columns)").arg(m_shown.loanName(loan)));

    const IrrScale scale(s);
    const int currentRow = currentStep(s.appreciationPercent, 100 * m_shown.analysis().assumptions.appreciation);
    m_gridModel->show(s, currentRow, hold, currency);
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

    const double now[] = {inputsOf(m_shown.record(), loan).ratePercent, inputsOf(m_shown.record(), loan).rent,
                          100 * m_shown.analysis().assumptions.vacancy, inputsOf(m_shown.record(), loan).price};
    for (std::size_t i = 0; i < oneWayTables.size(); ++i) {
        const OneWaySensitivity &table = s.*(oneWayTables[i].table);
        QTableView *shown = m_oneWay[i];
        m_oneWayModels[i]->show(table, oneWayTables[i].unit, currentStep(table.steps, now[i]),
                                QCoreApplication::translate("LoanAnalysisDialog", oneWayTables[i].title),
                                QCoreApplication::translate("LoanAnalysisDialog", oneWayTables[i].definition),
                                currency);
        shown->resizeRowsToContents();
        shown->setFixedHeight(shown->horizontalHeader()->sizeHint().height() + shown->verticalHeader()->length()
                              + 2 * shown->frameWidth() + 2);
    }
}

QString SensitivityPage::printableHtml() const
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    // The page shown may be of an older record: the printout works it out anew.
    const Sensitivity s = computed();
    const QString currency = m_shown.record().m_currency;
    const int hold = m_shown.analysis().assumptions.holdYears;
    const IrrScale scale(s);
    QString html = QStringLiteral("<h3>%1</h3><p>%2</p>")
                       .arg(escaped(QCoreApplication::translate("LoanAnalysisDialog", "Sensitivity")),
                            escaped(QCoreApplication::translate("LoanAnalysisDialog", "%1: IRR by appreciation (rows) and holding period in years (columns)").arg(m_shown.loanName(m_shown.chosenLoan()))));
    // Thirty years do not fit a page's width: three tables of ten.
    const int currentRow = currentStep(s.appreciationPercent, 100 * m_shown.analysis().assumptions.appreciation);
    for (int first = 0; first < int(s.holdYears.size()); first += 10) {
        const int last = std::min(int(s.holdYears.size()), first + 10);
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><thead><tr><th></th>");
        for (int c = first; c < last; ++c) {
            const QString year = QString::number(s.holdYears[std::size_t(c)]);
            html += QStringLiteral("<th>%1</th>").arg(s.holdYears[std::size_t(c)] == hold ? QStringLiteral("<b>%1</b>").arg(year) : year);
        }
        html += QStringLiteral("</tr></thead>");
        for (int r = 0; r < int(s.grid.size()); ++r) {
            const QString appreciation = escaped(stepText(s.appreciationPercent[std::size_t(r)], MeasureUnit::Fraction, currency));
            html += QStringLiteral("<tr><th align=\"right\">%1</th>").arg(r == currentRow ? QStringLiteral("<b>%1</b>").arg(appreciation) : appreciation);
            for (int c = first; c < last; ++c) {
                const Measure &irr = s.grid[std::size_t(r)][std::size_t(c)];
                const QColor colour = scale.colour(irr);
                const QString text = escaped(formatMeasure(irr, MeasureUnit::Fraction, currency));
                const bool bold = r == currentRow || s.holdYears[std::size_t(c)] == hold;
                html += QStringLiteral("<td align=\"right\" bgcolor=\"%1\">%2</td>")
                            .arg(colour.name(), bold ? QStringLiteral("<b>%1</b>").arg(text) : text);
            }
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table><p></p>");
    }
    html += QStringLiteral("<p>%1</p>").arg(escaped(
        QCoreApplication::translate("LoanAnalysisDialog", "Colours by rank: red, the lowest IRR; yellow, the middle one; green, the highest; grey, no IRR. Bold: the current appreciation and holding period.")));
    const double now[] = {inputsOf(m_shown.record(), m_shown.chosenLoan()).ratePercent, inputsOf(m_shown.record(), m_shown.chosenLoan()).rent,
                          100 * m_shown.analysis().assumptions.vacancy, inputsOf(m_shown.record(), m_shown.chosenLoan()).price};
    html += QStringLiteral("<table cellspacing=\"8\"><tr>");
    for (std::size_t i = 0; i < oneWayTables.size(); ++i) {
        const OneWaySensitivity &table = s.*(oneWayTables[i].table);
        const int current = currentStep(table.steps, now[i]);
        html += QStringLiteral("<td valign=\"top\"><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><thead><tr><th>%1</th><th>%2</th></tr></thead>")
                    .arg(escaped(QCoreApplication::translate("LoanAnalysisDialog", oneWayTables[i].title)), escaped(QCoreApplication::translate("LoanAnalysisDialog", "IRR")));
        for (int r = 0; r < int(table.steps.size()); ++r) {
            QString step = escaped(stepText(table.steps[std::size_t(r)], oneWayTables[i].unit, currency));
            QString irr = escaped(formatMeasure(table.irr[std::size_t(r)], MeasureUnit::Fraction, currency));
            if (r == current) {
                step = QStringLiteral("<b>%1</b>").arg(step);
                irr = QStringLiteral("<b>%1</b>").arg(irr);
            }
            html += QStringLiteral("<tr><td align=\"right\">%1</td><td align=\"right\">%2</td></tr>").arg(step, irr);
        }
        html += QStringLiteral("</table></td>");
    }
    return html + QStringLiteral("</tr></table>");
}

QByteArray SensitivityPage::csv() const
{
    return ProjectionExport::sensitivityCsv(m_shown.record(), m_shown.chosenLoan(), computed());
}
