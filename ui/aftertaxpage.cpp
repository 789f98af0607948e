#include "ui/aftertaxpage.h"

#include "ui/analysisshown.h"
#include "ui/analysisviews.h"
#include "ui/figureedits.h"
#include "ui/offersmodel.h"
#include "ui/projectionyearsmodel.h"

#include "analysis/projectionexport.h"
#include "core/dealfields.h"
#include "core/measures.h"
#include "platform/help.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace AnalysisViews;

// The page's texts are the Loan Analysis window's and keep its translation context.

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(LoanAnalysisDialog)
};

} // namespace

AfterTaxPage::AfterTaxPage(const AnalysisShown &shown, FigureEdits &edits, QWidget *parent)
    : QWidget(parent), m_shown(shown), m_edits(edits)
{
    setProperty("helpContext", QVariant::fromValue(HelpTopic::AfterTax));
    auto *note = new QLabel(Text::tr("The taxes of an investor in the United States, simplified: the building is "
                                     "depreciated over 27.5 years, a loss saves tax at the income tax rate (other "
                                     "income absorbs it), and the sale taxes the depreciation taken at the recapture "
                                     "rate and the rest of the gain at the capital gains rate."), this);
    note->setWordWrap(true);

    auto *assumptions = new QGridLayout;
    int row = 0;
    for (const DealField &field : projectionFields()) {
        if (field.editedOn != EditedOn::AfterTaxPage)
            continue;
        auto *label = new QLabel(projectionText(field.label) + QLatin1Char(':'), this);
        QLineEdit *edit = m_edits.add(field, 0, this);
        label->setBuddy(edit);
        edit->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-100.00%")) * 3 / 2);
        assumptions->addWidget(label, row / 2, 3 * (row % 2));
        assumptions->addWidget(edit, row / 2, 3 * (row % 2) + 1);
        ++row;
    }
    assumptions->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 4);
    assumptions->setColumnStretch(5, 1);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("afterTaxProblem"));
    m_problem->setWordWrap(true);
    QPalette warning = m_problem->palette();
    warning.setColor(QPalette::WindowText, QColor(0xa0, 0x10, 0x10));
    m_problem->setPalette(warning);

    m_summaryModel = new OffersModel(this);
    m_summary = figuresTable("afterTaxSummary", Text::tr("What each offer returns after tax"), this);
    m_summary->setModel(m_summaryModel);
    m_summary->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_summary->horizontalHeader()->setMinimumSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("$000,000.00")) + 16);

    m_yearlyTitle = new QLabel(this);
    m_yearlyTitle->setObjectName(QStringLiteral("afterTaxYearlyTitle"));
    m_yearlyModel = new ProjectionYearsModel(this, afterTaxYearColumns());
    m_yearly = figuresTable("afterTaxYears", Text::tr("The chosen loan's taxes year by year"), this);
    m_yearly->setFocusPolicy(Qt::StrongFocus);
    m_yearly->setModel(m_yearlyModel);
    m_yearly->verticalHeader()->hide();
    m_yearly->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_yearly->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_yearly->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(assumptions);
    layout->addWidget(m_problem);
    layout->addWidget(m_summary);
    layout->addWidget(m_yearlyTitle);
    layout->addWidget(m_yearly);
    layout->addStretch();
}

void AfterTaxPage::refresh()
{
    const DealAnalysis &analysis = m_shown.analysis();
    const QString problem = analysis.assumptions.taxProblem();
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    // The IRR before tax first, to read the one after tax against.
    const ProjectionMeasure &irr = projectionMeasure(ProjectionMeasureId::Irr);
    std::vector<OfferRow> rows{figureRow(analysis, Text::tr("IRR before Tax"), projectionText(irr.definition),
                                         irr.unit, false, irr.get, irr.better)};
    for (const AfterTaxMeasure &measure : afterTaxMeasures()) {
        rows.push_back(figureRow(analysis, projectionText(measure.label), projectionText(measure.definition),
                                 measure.unit, measure.multiple, measure.get, measure.better));
    }
    m_summaryModel->setRows(rows, analysis, m_shown.compared(), m_shown.record().m_currency,
                            palette().brush(QPalette::Disabled, QPalette::Text));
    showOfferHeaders();
    showChosenLoan();
}

void AfterTaxPage::showOfferHeaders()
{
    m_summaryModel->setOfferHeaders(m_shown.offers().offerHeaders(), m_shown.offers().offerHeaderToolTips());
    fitTables();
}

void AfterTaxPage::showChosenLoan()
{
    const int k = m_shown.chosenLoan();
    const Projection &projection = m_shown.analysis().loans[std::size_t(k)].projection;
    const QString &reason = projection.afterTax.reason;
    m_yearlyTitle->setText(reason.isEmpty() ? Text::tr("%1, taxes year by year").arg(m_shown.loanName(k))
                                            : Text::tr("%1, taxes year by year: %2").arg(m_shown.loanName(k), reason));
    m_yearlyModel->show(reason.isEmpty() ? projection.years : std::vector<ProjectionYear>{}, m_shown.record().m_currency);
    m_yearlyModel->setHeaderTexts(yearColumnHeaders(afterTaxYearColumns(), m_yearly->horizontalHeader()->fontMetrics()));
    fitTables();
}

void AfterTaxPage::fitTables()
{
    fitToRows(m_summary);
    // Each column as wide as its wrapped header and figures (a German word can be long), and the
    // room left shared out.
    m_yearly->resizeColumnsToContents();
    QHeaderView *header = m_yearly->horizontalHeader();
    const int columns = m_yearlyModel->columnCount();
    const int room = m_yearly->viewport()->width() - header->length();
    for (int c = 0; room > columns && c < columns; ++c)
        header->resizeSection(c, header->sectionSize(c) + room / columns);
    // Room for a scroll bar across, which a narrow window needs.
    m_yearly->setFixedHeight(m_yearly->horizontalHeader()->sizeHint().height()
                             + m_yearly->verticalHeader()->defaultSectionSize() * m_yearlyModel->rowCount()
                             + m_yearly->horizontalScrollBar()->sizeHint().height() + 2 * m_yearly->frameWidth() + 2);
}

void AfterTaxPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The tables have their new widths once the layout has run.
    QTimer::singleShot(0, this, &AfterTaxPage::fitTables);
}

QString AfterTaxPage::printableHtml() const
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    QString html = QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"2\">").arg(escaped(Text::tr("After Tax")));
    for (const FigureEdits::Bound &bound : m_edits.all()) {
        if (bound.field->editedOn == EditedOn::AfterTaxPage)
            html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                        .arg(escaped(projectionText(bound.field->label)),
                             escaped(bound.field->figure(m_shown.record(), 0).format(m_shown.record().m_currency)));
    }
    html += QStringLiteral("</table>");
    if (!m_problem->text().isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(m_problem->text()));
    html += htmlTable(*m_summaryModel, true);
    html += QStringLiteral("<h4>%1</h4>").arg(escaped(m_yearlyTitle->text()));
    return html + htmlTable(*m_yearlyModel, false);
}

QByteArray AfterTaxPage::csv() const
{
    return ProjectionExport::afterTaxCsv(m_shown.record(), m_shown.analysis(), m_shown.chosenLoan());
}
