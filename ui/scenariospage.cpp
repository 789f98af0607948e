#include "ui/scenariospage.h"

#include "ui/analysisshown.h"
#include "ui/analysisviews.h"
#include "ui/figureedits.h"
#include "ui/offersmodel.h"
#include "ui/figuretext.h"

#include "analysis/projectionexport.h"
#include "core/dealfields.h"
#include "core/measures.h"
#include "platform/help.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace AnalysisViews;

// The page's texts are the Loan Analysis window's and keep its translation context.

namespace {

// The scenarios' names, in the order of Scenarios.
QString scenarioName(Scenario scenario)
{
    switch (scenario) {
    case Scenario::Bear:
        return QCoreApplication::translate("Projection", "Bear");
    case Scenario::Base:
        break;
    case Scenario::Bull:
        return QCoreApplication::translate("Projection", "Bull");
    }
    return QCoreApplication::translate("Projection", "Base");
}

QString scenarioDefinition(Scenario scenario)
{
    switch (scenario) {
    case Scenario::Bear:
        return QCoreApplication::translate("Projection", "A falling market: its appreciation, rent growth, expense growth and vacancy replace the base case's; every other assumption is kept.");
    case Scenario::Base:
        break;
    case Scenario::Bull:
        return QCoreApplication::translate("Projection", "A rising market: its appreciation, rent growth, expense growth and vacancy replace the base case's; every other assumption is kept.");
    }
    return QCoreApplication::translate("Projection", "The assumptions of the Projection page as they are.");
}


} // namespace

ScenariosPage::ScenariosPage(const AnalysisShown &shown, FigureEdits &edits, QWidget *parent)
    : QWidget(parent), m_shown(shown), m_edits(edits)
{
    setProperty("helpContext", QVariant::fromValue(HelpTopic::Scenarios));

    // The four market figures of each scenario: the base case's as the Projection page has
    // them, the bear's and the bull's edited here.
    auto *markets = new QGridLayout;
    const int columnOf[] = {1, 2, 3};
    for (Scenario scenario : Scenarios) {
        auto *title = new QLabel(QStringLiteral("<b>%1</b>").arg(scenarioName(scenario).toHtmlEscaped()), this);
        title->setAlignment(Qt::AlignRight | Qt::AlignVCenter | Qt::AlignAbsolute);
        title->setToolTip(scenarioDefinition(scenario));
        markets->addWidget(title, 0, columnOf[int(scenario)]);
    }
    std::vector<const DealField *> base, bear, bull;
    for (const DealField &field : projectionFields()) {
        if (field.perLoan)
            continue;
        if (field.market == MarketFigure::None)
            continue;
        switch (field.scenario) {
        case Scenario::Base:
            base.push_back(&field);
            break;
        case Scenario::Bear:
            bear.push_back(&field);
            break;
        case Scenario::Bull:
            bull.push_back(&field);
            break;
        }
    }
    const int editWidth = fontMetrics().horizontalAdvance(QStringLiteral("-100.00%")) * 3 / 2;
    for (std::size_t i = 0; i < base.size() && i < bear.size() && i < bull.size(); ++i) {
        const int row = int(i) + 1;
        auto *label = new QLabel(projectionText(base[i]->label) + QLatin1Char(':'), this);
        label->setToolTip(projectionText(base[i]->definition));
        markets->addWidget(label, row, 0);
        auto *shown = new QLabel(this);
        shown->setObjectName(QStringLiteral("base") + QLatin1String(base[i]->name));
        shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter | Qt::AlignAbsolute);
        shown->setToolTip(QCoreApplication::translate("LoanAnalysisDialog", "The base case is the Projection page's assumption; edit it there."));
        shown->setMinimumWidth(editWidth);
        m_baseMarket[i] = shown;
        markets->addWidget(shown, row, columnOf[int(Scenario::Base)]);
        QLineEdit *bearEdit = m_edits.add(*bear[i], 0, this);
        bearEdit->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "%1, bear market").arg(projectionText(bear[i]->label)));
        bearEdit->setMinimumWidth(editWidth);
        markets->addWidget(bearEdit, row, columnOf[int(Scenario::Bear)]);
        QLineEdit *bullEdit = m_edits.add(*bull[i], 0, this);
        bullEdit->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "%1, bull market").arg(projectionText(bull[i]->label)));
        bullEdit->setMinimumWidth(editWidth);
        markets->addWidget(bullEdit, row, columnOf[int(Scenario::Bull)]);
        label->setBuddy(bearEdit);
    }
    // Bear, then bull, each from top to bottom.
    QWidget *previous = nullptr;
    for (const FigureEdits::Bound &bound : m_edits.all()) {
        if (bound.field->scenario == Scenario::Base)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, bound.edit);
        previous = bound.edit;
    }

    // The target IRR and, in the table, the price each offer may cost to reach it.
    auto *target = new QGridLayout;
    for (const DealField &field : projectionFields()) {
        if (field.editedOn != EditedOn::ScenariosPage || field.scenario != Scenario::Base)
            continue;
        auto *label = new QLabel(projectionText(field.label) + QLatin1Char(':'), this);
        QLineEdit *edit = m_edits.add(field, 0, this);
        edit->setMinimumWidth(editWidth);
        label->setBuddy(edit);
        target->addWidget(label, 0, 0);
        target->addWidget(edit, 0, 1);
        if (previous)
            QWidget::setTabOrder(previous, edit);
    }
    auto *targetNote = new QLabel(QCoreApplication::translate("LoanAnalysisDialog", "The table's first row is the highest price at which each offer still reaches it."), this);
    targetNote->setWordWrap(true);
    target->addWidget(targetNote, 1, 0, 1, 3);
    target->setRowStretch(2, 1);
    target->setColumnStretch(2, 1);

    auto *top = new QHBoxLayout;
    top->addLayout(markets);
    top->addSpacing(fontMetrics().averageCharWidth() * 6);
    top->addLayout(target, 1);

    m_model = new OffersModel(this);
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setObjectName(QStringLiteral("scenarioTable"));
    m_table->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "What each offer earns in a bear, the base and a bull market"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->horizontalHeader()->setMinimumSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("$000,000.00")) + 16);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_chart = new QChart;
    m_chart->setTitle(QCoreApplication::translate("LoanAnalysisDialog", "IRR by offer and market"));
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    QChartView *chart = chartView(m_chart, QCoreApplication::translate("LoanAnalysisDialog", "Chart of the IRR of each compared offer in a bear, the base and a bull market"));
    chart->setMinimumHeight(320);
    m_notCharted = new QLabel(this);
    m_notCharted->setObjectName(QStringLiteral("notCharted"));
    m_notCharted->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table);
    layout->addWidget(chart);
    layout->addWidget(m_notCharted);
}

void ScenariosPage::refresh()
{
    // The base figures as the Projection page's edits show them.
    for (QLabel *shown : m_baseMarket) {
        for (const DealField &field : projectionFields()) {
            if (shown && shown->objectName() == QStringLiteral("base") + QLatin1String(field.name))
                shown->setText(shownFigure(field.figure(m_shown.record(), 0).format(m_shown.record().m_currency)));
        }
    }

    std::vector<OfferRow> rows;
    OfferRow price{projectionText(QT_TRANSLATE_NOOP("Projection", "Price to Offer")),
                   projectionText(QT_TRANSLATE_NOOP("Projection",
        "The highest purchase price at which the IRR at the hold still reaches the target IRR, everything else as typed: "
        "the down payment as an amount, the closing costs a share of the new price, the value growing from it, "
        "PMI's end loan-to-value of it. Searched between the down payment and ten times the price, to the cent; "
        "none where no price in that range reaches the target (the IRR may rise with the price as well as fall).")),
                   {}, MeasureUnit::Money};
    for (int k = 0; k < MAX_LOANS; ++k) {
        const Measure &offer = m_shown.analysis().loans[std::size_t(k)].priceToOffer;
        price.values[std::size_t(k)] = offer;
        // The search ends at ten times the price: a price there may be far from the highest.
        if (offer.isKnown() && offer.value >= 10 * inputsOf(m_shown.record(), k).price - 0.005)
            price.notes[std::size_t(k)] = QCoreApplication::translate("LoanAnalysisDialog", "The search stops at ten times the purchase price; a higher price would reach the target IRR too.");
    }
    rows.push_back(price);
    for (Scenario scenario : Scenarios) {
        const std::size_t s = std::size_t(scenario);
        for (const ProjectionMeasure &measure : projectionMeasures()) {
            if (!measure.ofScenario)
                continue;
            OfferRow row{QCoreApplication::translate("LoanAnalysisDialog", "%1: %2").arg(scenarioName(scenario), projectionText(measure.label)),
                         projectionText(measure.definition), {}, measure.unit, measure.multiple};
            for (int k = 0; k < MAX_LOANS; ++k)
                row.values[std::size_t(k)] = measure.ofScenario(m_shown.analysis().loans[std::size_t(k)].scenarios[s]);
            // The scenario's winner is the compared offer with the highest IRR in it.
            if (measure.namesScenarioWinner && m_shown.analysis().bestIrrByScenario[s] >= 0)
                row.best = {m_shown.analysis().bestIrrByScenario[s]};
            rows.push_back(row);
        }
    }
    m_model->setRows(rows, m_shown.analysis(), m_shown.compared(), m_shown.record().m_currency,
                     palette().brush(QPalette::Disabled, QPalette::Text));
    showOfferHeaders();
    m_table->resizeRowsToContents();
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height()
                                    + m_table->verticalHeader()->length()
                                    + 2 * m_table->frameWidth() + 2);
    fillChart();
}

void ScenariosPage::showOfferHeaders()
{
    m_model->setOfferHeaders(m_shown.offers().offerHeaders(), m_shown.offers().offerHeaderToolTips());
}

void ScenariosPage::fillChart()
{
    clearChart(m_chart);
    std::array<QBarSet *, 3> sets{};
    for (Scenario scenario : Scenarios)
        sets[std::size_t(scenario)] = new QBarSet(scenarioName(scenario));
    sets[std::size_t(Scenario::Bear)]->setColor(QColor(0xc0, 0x50, 0x4d));
    sets[std::size_t(Scenario::Base)]->setColor(QColor(0x4f, 0x81, 0xbd));
    sets[std::size_t(Scenario::Bull)]->setColor(QColor(0x9b, 0xbb, 0x59));
    QStringList offers;
    QStringList missing;
    double top = 0;
    double bottom = 0;
    for (int k = 0; k < MAX_LOANS; ++k) {
        if (!m_shown.compared()[std::size_t(k)])
            continue;
        const LoanAnalysis &loan = m_shown.analysis().loans[std::size_t(k)];
        QString reason;
        for (const ScenarioResult &result : loan.scenarios) {
            if (!result.irr.isKnown() && reason.isEmpty())
                reason = result.irr.reason;
        }
        if (!reason.isEmpty()) {
            missing << QCoreApplication::translate("LoanAnalysisDialog", "%1 (%2)").arg(m_shown.loanName(k), reason);
            continue;
        }
        offers << m_shown.loanName(k);
        for (Scenario scenario : Scenarios) {
            const double percent = 100 * loan.scenarios[std::size_t(scenario)].irr.value;
            *sets[std::size_t(scenario)] << percent;
            top = std::max(top, percent);
            bottom = std::min(bottom, percent);
        }
    }
    m_notCharted->setText(missing.isEmpty() ? QString() : QCoreApplication::translate("LoanAnalysisDialog", "Not charted, without an IRR: %1.").arg(missing.join(QCoreApplication::translate("LoanAnalysisDialog", "; "))));
    m_notCharted->setVisible(!missing.isEmpty());
    auto *series = new QBarSeries;
    for (QBarSet *set : sets)
        series->append(set);
    m_chart->addSeries(series);
    // Offer i's bars stand around i; the labels are the program's own texts, as on the other
    // charts.
    auto *categories = new QCategoryAxis;
    categories->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    categories->setStartValue(-0.5);
    for (int i = 0; i < int(offers.size()); ++i)
        categories->append(offers.at(i), i + 0.5);
    categories->setRange(-0.5, std::max<int>(1, int(offers.size())) - 0.5);
    const QString currency = m_shown.record().m_currency;
    QCategoryAxis *irr = roundAxis(top > 0 ? top : 1, 5, false, [currency](double percent) {
        return formatMeasure(Measure::of(percent / 100, {}), MeasureUnit::Fraction, currency);
    }, bottom);
    irr->setTitleText(QCoreApplication::translate("LoanAnalysisDialog", "IRR"));
    m_chart->addAxis(categories, Qt::AlignBottom);
    m_chart->addAxis(irr, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(irr);
}

QString ScenariosPage::printableHtml() const
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    QString html = QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"2\"><thead><tr><td></td>").arg(escaped(QCoreApplication::translate("LoanAnalysisDialog", "Scenarios")));
    for (Scenario scenario : Scenarios)
        html += QStringLiteral("<th align=\"right\">%1</th>").arg(escaped(scenarioName(scenario)));
    html += QStringLiteral("</tr></thead>");
    // A row per market figure, its bear, base and bull figures across.
    const auto shown = [this](const DealField &field) {
        return field.figure(m_shown.record(), 0).format(m_shown.record().m_currency);
    };
    for (const DealField &base : projectionFields()) {
        if (base.market == MarketFigure::None || base.scenario != Scenario::Base)
            continue;
        html += QStringLiteral("<tr><td>%1</td>").arg(escaped(projectionText(base.label)));
        for (Scenario scenario : Scenarios) {
            for (const DealField &field : projectionFields()) {
                if (field.market == base.market && field.scenario == scenario)
                    html += QStringLiteral("<td align=\"right\">%1</td>").arg(escaped(shown(field)));
            }
        }
        html += QStringLiteral("</tr>");
    }
    for (const DealField &field : projectionFields()) {
        if (field.editedOn == EditedOn::ScenariosPage && field.scenario == Scenario::Base)
            html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                        .arg(escaped(projectionText(field.label)), escaped(shown(field)));
    }
    html += QStringLiteral("</table>");
    html += htmlTable(*m_table->model(), true);
    html += printedChart(QStringLiteral("scenarios"));
    if (!m_notCharted->text().isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(m_notCharted->text()));
    return html;
}

QChart *ScenariosPage::chart() const
{
    return m_chart;
}

QByteArray ScenariosPage::csv() const
{
    return ProjectionExport::scenariosCsv(m_shown.record(), m_shown.analysis());
}
