#include "ui/projectionpage.h"

#include "ui/analysisshown.h"
#include "ui/analysisviews.h"
#include "ui/figureedits.h"
#include "ui/offersmodel.h"
#include "ui/projectionyearsmodel.h"

#include "analysis/projectionexport.h"
#include "core/dealfields.h"
#include "core/measures.h"
#include "platform/help.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace AnalysisViews;

// The page's texts are the Loan Analysis window's and keep its translation context.

namespace {

// The summary of the projection: the offers' "Compare" boxes, then what is typed for each offer
// (extra payment, points, lender fees), then the figures.
constexpr int CompareRow = 0;
constexpr int FirstTypedRow = 1;

// How the printout shows a typed figure under its edit: money as money, points as a rate.
MeasureUnit typedUnit(const DealField &field)
{
    return field.kind == FieldKind::Money ? MeasureUnit::Money : MeasureUnit::Rate;
}

double typedValue(const DealField &field, const DealRecord &record, int k)
{
    const double typed = field.figure(record, k).m_value;
    return field.kind == FieldKind::Percent ? typed / 100.0 : typed;
}

QString compareDefinition()
{
    return QCoreApplication::translate("LoanAnalysisDialog", "An offer left out is greyed, marked best nowhere and not charted.");
}

} // namespace

ProjectionPage::ProjectionPage(const AnalysisShown &shown, FigureEdits &edits, QWidget *parent)
    : QWidget(parent), m_shown(shown), m_edits(edits)
{
    setProperty("helpContext", QVariant::fromValue(HelpTopic::Projection));

    m_problems = new QLabel(this);
    m_problems->setObjectName(QStringLiteral("projectionProblems"));
    m_problems->setWordWrap(true);
    m_problems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette warning = m_problems->palette();
    warning.setColor(QPalette::WindowText, QColor(0xa0, 0x10, 0x10));
    m_problems->setPalette(warning);

    // The assumptions in three columns of label and figure, above the summary; the target IRR is
    // set on the Scenarios page, beside the prices it gives. The refinance's below them.
    // One grid, so that the refinance's columns stand under the others.
    auto *assumptions = new QGridLayout;
    int row = addAssumptions(*assumptions, EditedOn::ProjectionPage, 0);
    auto *refinanceTitle = new QLabel(QStringLiteral("<b>%1</b>").arg(QCoreApplication::translate("LoanAnalysisDialog", "Refinance within the hold").toHtmlEscaped()), this);
    assumptions->addWidget(refinanceTitle, row++, 0, 1, -1);
    addAssumptions(*assumptions, EditedOn::Refinance, row);

    // The summary, a column per offer; above the figures, whether the offer is compared and its
    // extra payment.
    m_summaryModel = new OffersModel(this);
    m_summaryModel->setRows(summaryRows(), m_shown.analysis(), m_shown.compared(),
                            m_shown.record().m_currency, QBrush());
    m_summary = new QTableView(this);
    m_summary->setModel(m_summaryModel);
    m_summary->setObjectName(QStringLiteral("projectionSummary"));
    m_summary->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "What each offer earns over the holding period"));
    m_summary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summary->setTabKeyNavigation(false);
    m_summary->setFocusPolicy(Qt::NoFocus);
    m_summary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_summary->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_summary->horizontalHeader()->setMinimumSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("$000,000.00")) + 16);
    m_summary->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QWidget *previous = nullptr;
    for (int k = 0; k < MAX_LOANS; ++k) {
        auto *box = new QCheckBox(QCoreApplication::translate("LoanAnalysisDialog", "Compare"));
        box->setObjectName(QStringLiteral("compare%1").arg(k + 1));
        box->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "Compare loan %1").arg(k + 1));
        box->setToolTip(compareDefinition());
        connect(box, &QCheckBox::toggled, this, [this, k](bool on) { emit compareChosen(k, on); });
        auto *holder = new QWidget;
        auto *centred = new QHBoxLayout(holder);
        centred->setContentsMargins(4, 0, 4, 0);
        centred->addWidget(box, 0, Qt::AlignCenter);
        m_summary->setIndexWidget(m_summaryModel->index(CompareRow, k), holder);
        m_compare[std::size_t(k)] = box;
        // Across the offers, each one's box and then what is typed for it.
        if (previous)
            QWidget::setTabOrder(previous, box);
        previous = box;
        int row = FirstTypedRow;
        for (const DealField *field : offerSummaryFields()) {
            QLineEdit *edit = m_edits.add(*field, k, nullptr);
            edit->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "%1 of loan %2")
                                        .arg(projectionText(field->label)).arg(k + 1));
            m_summary->setIndexWidget(m_summaryModel->index(row++, k), edit);
            QWidget::setTabOrder(previous, edit);
            previous = edit;
        }
    }

    m_yearlyTitle = new QLabel(this);
    m_yearlyTitle->setObjectName(QStringLiteral("yearlyTitle"));
    m_yearlyModel = new ProjectionYearsModel(this);
    m_yearly = new QTableView(this);
    m_yearly->setObjectName(QStringLiteral("projectionYears"));
    m_yearly->setAccessibleName(QCoreApplication::translate("LoanAnalysisDialog", "The chosen loan's projection year by year"));
    m_yearly->setModel(m_yearlyModel);
    m_yearly->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_yearly->setTabKeyNavigation(false);
    m_yearly->verticalHeader()->hide();
    // Every year shows at once, in rows as close as the summary's: the page scrolls, the table
    // never does up and down, and the chart below it is one scroll away, not two.
    m_yearly->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_yearly->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_yearly->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_yearly->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    m_chart = new QChart;
    m_chart->setTitle(QCoreApplication::translate("LoanAnalysisDialog", "Equity by year"));
    m_chart->legend()->setAlignment(Qt::AlignRight);
    m_chart->legend()->setShowToolTips(true);
    QChartView *equity = chartView(m_chart, QCoreApplication::translate("LoanAnalysisDialog", "Chart of the equity of each compared offer by year"));
    equity->setMinimumHeight(320);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_problems);
    layout->addLayout(assumptions);
    layout->addWidget(m_summary);
    layout->addWidget(m_yearlyTitle);
    layout->addWidget(m_yearly);
    layout->addWidget(equity);
}

int ProjectionPage::addAssumptions(QGridLayout &grid, EditedOn editedOn, int firstRow)
{
    std::vector<const DealField *> fields;
    for (const DealField &field : projectionFields()) {
        if (field.editedOn == editedOn)
            fields.push_back(&field);
    }
    constexpr int Columns = 3;
    const int perColumn = int(fields.size() + Columns - 1) / Columns;
    for (int i = 0; i < int(fields.size()); ++i) {
        const DealField &field = *fields[std::size_t(i)];
        auto *label = new QLabel(projectionText(field.label) + QLatin1Char(':'), this);
        QLineEdit *edit = m_edits.add(field, 0, this);
        label->setBuddy(edit);
        edit->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-100.00%")) * 3 / 2);
        const int column = 3 * (i / perColumn);
        grid.addWidget(label, firstRow + i % perColumn, column);
        grid.addWidget(edit, firstRow + i % perColumn, column + 1);
    }
    for (int gap = 1; gap < Columns; ++gap)
        grid.setColumnMinimumWidth(3 * gap - 1, fontMetrics().averageCharWidth() * 4);
    grid.setColumnStretch(3 * Columns - 1, 1);
    return firstRow + perColumn;
}

QString ProjectionPage::problems() const
{
    QStringList reasons;
    bool alike = true;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const QString &reason = m_shown.analysis().loans[std::size_t(k)].projection.reason;
        reasons << reason;
        alike = alike && reason == reasons.front();
    }
    QStringList lines;
    // An assumption out of range stops every offer alike: said once.
    for (int k = 0; k < MAX_LOANS; ++k) {
        if (!reasons.at(k).isEmpty() && !(alike && k > 0))
            lines << (alike ? reasons.at(k) : m_shown.loanName(k) + QStringLiteral(": ") + reasons.at(k));
    }
    // A refinance left out is left out of every offer alike.
    for (const LoanAnalysis &loan : m_shown.analysis().loans) {
        if (!loan.projection.refinance.ignored.isEmpty()) {
            lines << loan.projection.refinance.ignored;
            break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void ProjectionPage::refresh()
{
    const QString problems = this->problems();
    m_problems->setText(problems);
    m_problems->setVisible(!problems.isEmpty());
    fillSummary();
    showChosenLoan();
    fillEquityChart();
}

std::vector<OfferRow> ProjectionPage::summaryRows() const
{
    const DealAnalysis &analysis = m_shown.analysis();
    std::vector<OfferRow> rows(FirstTypedRow);
    rows[CompareRow].label = QCoreApplication::translate("LoanAnalysisDialog", "Compare");
    rows[CompareRow].definition = compareDefinition();
    rows[CompareRow].forWidgets = true;
    // The typed figures lie under their edits, for the printout.
    for (const DealField *field : offerSummaryFields()) {
        OfferRow typed{projectionText(field->label), projectionText(field->definition), {}, typedUnit(*field)};
        typed.underWidgets = true;
        for (int k = 0; k < MAX_LOANS; ++k)
            typed.values[std::size_t(k)] = Measure::of(typedValue(*field, m_shown.record(), k), {});
        rows.push_back(typed);
    }
    for (const ProjectionMeasure &measure : projectionMeasures()) {
        if (measure.ofRefinance && !analysis.assumptions.refinances())
            continue;
        rows.push_back(figureRow(analysis, projectionText(measure.label), projectionText(measure.definition),
                                 measure.unit, measure.multiple, measure.get, measure.better));
    }
    return rows;
}

void ProjectionPage::fillSummary()
{
    m_summaryModel->setRows(summaryRows(), m_shown.analysis(), m_shown.compared(),
                            m_shown.record().m_currency, palette().brush(QPalette::Disabled, QPalette::Text));
    showOfferHeaders();
    // Tall enough for every row: the page scrolls, not the table.
    m_summary->resizeRowsToContents();
    m_summary->setFixedHeight(m_summary->horizontalHeader()->sizeHint().height()
                              + m_summary->verticalHeader()->length() + 2 * m_summary->frameWidth() + 2);
}

QStringList ProjectionPage::yearlyHeaders() const
{
    return yearColumnHeaders(projectionYearColumns(), m_yearly->horizontalHeader()->fontMetrics());
}

void ProjectionPage::showChosenLoan()
{
    const int k = m_shown.chosenLoan();
    const Projection &projection = m_shown.analysis().loans[std::size_t(k)].projection;
    m_yearlyTitle->setText(projection.isKnown() ? QCoreApplication::translate("LoanAnalysisDialog", "%1, year by year").arg(m_shown.loanName(k))
                                                : QCoreApplication::translate("LoanAnalysisDialog", "%1, year by year: %2").arg(m_shown.loanName(k), projection.reason));
    m_yearlyModel->show(projection.years, m_shown.record().m_currency);
    m_yearlyModel->setHeaderTexts(yearlyHeaders());
    // Each column as wide as its figures and every line of its header, which the header's own
    // sizing elides by a few pixels.
    m_yearly->resizeColumnsToContents();
    QHeaderView *header = m_yearly->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 8;
    for (int c = 0; c < m_yearlyModel->columnCount(); ++c) {
        int widest = 0;
        for (const QString &line : m_yearlyModel->headerData(c, Qt::Horizontal).toString().split(QLatin1Char('\n')))
            widest = std::max(widest, header->fontMetrics().horizontalAdvance(line));
        header->resizeSection(c, std::max(header->sectionSize(c), widest + margins));
    }
    // Room for a scroll bar across, which a narrow window needs.
    m_yearly->setFixedHeight(m_yearly->horizontalHeader()->sizeHint().height()
                             + m_yearly->verticalHeader()->defaultSectionSize() * m_yearlyModel->rowCount()
                             + m_yearly->horizontalScrollBar()->sizeHint().height()
                             + 2 * m_yearly->frameWidth() + 2);
}

void ProjectionPage::fillEquityChart()
{
    clearChart(m_chart);
    double top = 0;
    double bottom = 0;
    int longest = 1;
    QList<QLineSeries *> equities;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const Projection &projection = m_shown.analysis().loans[std::size_t(k)].projection;
        if (!m_shown.compared()[std::size_t(k)] || !projection.isKnown())
            continue;
        auto *series = new QLineSeries;
        series->setName(m_shown.loanName(k));
        series->setProperty("loan", k);
        for (const ProjectionYear &year : projection.years) {
            series->append(year.year, year.equity);
            top = std::max(top, year.equity);
            bottom = std::min(bottom, year.equity);
        }
        longest = std::max(longest, int(projection.years.size()));
        equities << series;
    }
    QCategoryAxis *years = roundAxis(longest, 10, true, [](double year) { return QString::number(qRound(year)); });
    years->setTitleText(QCoreApplication::translate("LoanAnalysisDialog", "Year"));
    const QString currency = m_shown.record().m_currency;
    QCategoryAxis *equity = roundAxis(top > 0 ? top : 1, 5, false,
                                      [currency](double money) { return axisMoney(money, currency); }, bottom);
    equity->setTitleText(QCoreApplication::translate("LoanAnalysisDialog", "Equity"));
    m_chart->addAxis(years, Qt::AlignBottom);
    m_chart->addAxis(equity, Qt::AlignLeft);
    for (QLineSeries *series : equities) {
        m_chart->addSeries(series);
        series->attachAxis(years);
        series->attachAxis(equity);
    }
}

QString ProjectionPage::printableHtml() const
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    // The assumptions, what each offer earns, and the chosen loan year by year.
    QString html = QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"2\">").arg(escaped(QCoreApplication::translate("LoanAnalysisDialog", "Projection")));
    for (const FigureEdits::Bound &bound : m_edits.all()) {
        if (bound.field->editedOn != EditedOn::ProjectionPage && bound.field->editedOn != EditedOn::Refinance)
            continue;
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                    .arg(escaped(projectionText(bound.field->label)),
                         escaped(bound.field->figure(m_shown.record(), 0).format(m_shown.record().m_currency)));
    }
    html += QStringLiteral("</table>");
    if (!m_problems->text().isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(m_problems->text()).replace(QLatin1Char('\n'), QStringLiteral("<br/>")));
    QStringList leftOut;
    for (int k = 0; k < MAX_LOANS; ++k) {
        if (!m_shown.compared()[std::size_t(k)])
            leftOut << m_shown.loanName(k);
    }
    if (!leftOut.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(QCoreApplication::translate("LoanAnalysisDialog", "Left out of the comparison: %1.").arg(leftOut.join(QCoreApplication::translate("LoanAnalysisDialog", " and ")))));
    html += htmlTable(*m_summary->model(), true, FirstTypedRow);
    html += printedChart(QStringLiteral("equity"));
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(m_yearlyTitle->text()));
    // Fifteen columns do not fit a page's width, in German least of all: the year's income and
    // debt service, its cash flow and what the property is worth, then what a sale would bring,
    // each under the year.
    const auto columns = [this](int first, int last) {
        QList<int> shown = {0};
        for (int c = first; c <= last; ++c)
            shown << c;
        return htmlTable(*m_yearlyModel, false, 0, shown);
    };
    const int lastCount = m_yearlyModel->columnCount() - 1;
    const int groups = 3;
    const int perGroup = (lastCount + groups - 1) / groups;
    for (int first = 1; first <= lastCount; first += perGroup)
        html += columns(first, std::min(lastCount, first + perGroup - 1)) + QStringLiteral("<p></p>");
    return html;
}

void ProjectionPage::showCompared()
{
    for (int k = 0; k < MAX_LOANS; ++k) {
        const QSignalBlocker block(m_compare[std::size_t(k)]);
        m_compare[std::size_t(k)]->setChecked(m_shown.compared()[std::size_t(k)]);
    }
}

void ProjectionPage::showNames()
{
    for (QAbstractSeries *series : m_chart->series())
        series->setName(m_shown.loanName(series->property("loan").toInt()));
    showChosenLoan();
}

void ProjectionPage::showOfferHeaders()
{
    m_summaryModel->setOfferHeaders(m_shown.offers().offerHeaders(), m_shown.offers().offerHeaderToolTips());
}

QChart *ProjectionPage::chart() const
{
    return m_chart;
}

QByteArray ProjectionPage::csv() const
{
    return ProjectionExport::projectionCsv(m_shown.record(), m_shown.analysis(), m_shown.chosenLoan());
}
