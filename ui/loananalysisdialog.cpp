#include "ui/loananalysisdialog.h"

#include "ui/analysisviews.h"
#include "ui/chartspage.h"
#include "ui/comparisonpage.h"
#include "ui/figureedits.h"
#include "ui/projectionpage.h"
#include "ui/schedulepage.h"
#include "ui/scenariospage.h"
#include "ui/sensitivitypage.h"

#include "textio/fileexception.h"
#include "platform/help.h"
#include "core/dealfields.h"
#include "core/localeservices.h"
#include "core/measures.h"
#include "ui/aftertaxpage.h"
#include "ui/loancostpage.h"
#include "ui/printlayout.h"
#include "ui/prompt.h"
#include "textio/savefile.h"
#include "core/value.h"
#include "ui/waitcursor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <algorithm>

using namespace AnalysisViews;

namespace {

// Indexes of the Projection, Scenarios and Sensitivity tabs.
constexpr int ProjectionTab = 3;
constexpr int ScenariosTab = 4;
constexpr int SensitivityTab = 5;
constexpr int LoanCostTab = 6;
constexpr int AfterTaxTab = 7;

} // namespace

LoanAnalysisDialog::LoanAnalysisDialog(DealRecord &record, IPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_record(record), m_prompt(prompt)
{
    setObjectName(QStringLiteral("loanAnalysis"));
    setProperty("helpContext", QVariant::fromValue(HelpTopic::LoanAnalysis));
    setWindowTitle(tr("Loan Analysis"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);

    m_bestOffer = new QLabel(this);
    m_bestOffer->setObjectName(QStringLiteral("bestOffer"));
    m_bestOffer->setWordWrap(true);
    m_bestOffer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_bestOffer->setAccessibleName(tr("Best offer"));

    m_loan = new QComboBox(this);
    m_loan->setObjectName(QStringLiteral("loanChoice"));
    m_loan->setAccessibleName(tr("Loan of the schedule and the payment chart"));
    auto *loanLabel = new QLabel(tr("&Loan:"), this);
    loanLabel->setBuddy(m_loan);
    auto *loanRow = new QHBoxLayout;
    loanRow->addWidget(loanLabel);
    loanRow->addWidget(m_loan, 1);

    m_figureEdits = new FigureEdits(m_record, this);
    connect(m_figureEdits, &FigureEdits::changed, this, &LoanAnalysisDialog::refresh);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setAccessibleName(tr("Views of the analysis"));
    m_comparison = new ComparisonPage(*this, this);
    m_tabs->addTab(m_comparison, tr("Co&mparison"));
    m_schedule = new SchedulePage(*this, this);
    m_tabs->addTab(m_schedule, tr("&Schedule"));
    m_charts = new ChartsPage(*this, this);
    m_tabs->addTab(m_charts, tr("C&harts"));
    // The long pages scroll. The keys move between a page's controls, and the page scrolls to the
    // one they reach.
    const auto scrolled = [this](const char *name) {
        auto *scroll = new QScrollArea(this);
        scroll->setObjectName(QLatin1String(name));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setFocusPolicy(Qt::NoFocus);
        return scroll;
    };
    QScrollArea *scroll = scrolled("projectionPage");
    m_projection = new ProjectionPage(*this, *m_figureEdits, scroll);
    scroll->setWidget(m_projection);
    m_tabs->addTab(scroll, tr("Pro&jection"));
    connect(m_comparison, &ComparisonPage::headersChanged, m_projection, &ProjectionPage::showOfferHeaders);
    connect(m_projection, &ProjectionPage::compareChosen, this, [this](int loan, bool on) {
        m_record.m_compare[std::size_t(loan)] = on;
        refresh();
    });
    scroll = scrolled("scenariosPage");
    m_scenarios = new ScenariosPage(*this, *m_figureEdits, scroll);
    connect(m_comparison, &ComparisonPage::headersChanged, m_scenarios, &ScenariosPage::showOfferHeaders);
    scroll->setWidget(m_scenarios);
    m_tabs->addTab(scroll, tr("Sce&narios"));
    scroll = scrolled("sensitivityPage");
    m_sensitivity = new SensitivityPage(*this, scroll);
    scroll->setWidget(m_sensitivity);
    m_tabs->addTab(scroll, tr("Sensi&tivity"));
    scroll = scrolled("loanCostPage");
    m_loanCost = new LoanCostPage(*this, scroll);
    connect(m_comparison, &ComparisonPage::headersChanged, m_loanCost, &LoanCostPage::showOfferHeaders);
    scroll->setWidget(m_loanCost);
    m_tabs->addTab(scroll, tr("Loan C&ost"));
    scroll = scrolled("afterTaxPage");
    m_afterTax = new AfterTaxPage(*this, *m_figureEdits, scroll);
    connect(m_comparison, &ComparisonPage::headersChanged, m_afterTax, &AfterTaxPage::showOfferHeaders);
    scroll->setWidget(m_afterTax);
    m_tabs->addTab(scroll, tr("Afte&r Tax"));
    // Shift+F1 explains the assumptions here as it explains the main window's figures there.
    addAction(QWhatsThis::createAction(this));
    // F1 opens the help of the page shown.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        const HelpTopic topic = tab == ProjectionTab    ? HelpTopic::Projection
                                : tab == ScenariosTab   ? HelpTopic::Scenarios
                                : tab == SensitivityTab ? HelpTopic::Sensitivity
                                : tab == LoanCostTab    ? HelpTopic::LoanCost
                                : tab == AfterTaxTab    ? HelpTopic::AfterTax
                                                        : HelpTopic::LoanAnalysis;
        setProperty("helpContext", QVariant::fromValue(topic));
        if (tab == SensitivityTab && m_sensitivity->isOutdated())
            m_sensitivity->refresh();
    });

    // The buttons in two rows, each page's CSV in reading order, so that the window keeps its
    // width in every language.
    auto *buttons = new QGridLayout;
    constexpr int PerRow = 5;
    int placed = 0;
    const auto addButton = [&](const QString &text, const char *name, void (LoanAnalysisDialog::*slot)()) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button, placed / PerRow, placed % PerRow);
        ++placed;
    };
    addButton(tr("&Print..."), "printButton", &LoanAnalysisDialog::onPrint);
    addButton(tr("Save P&DF..."), "pdfButton", &LoanAnalysisDialog::onSavePdf);
    addButton(tr("Comparison as &CSV..."), "comparisonCsvButton", &LoanAnalysisDialog::onExportComparison);
    addButton(tr("Schedule as C&SV..."), "scheduleCsvButton", &LoanAnalysisDialog::onExportSchedule);
    addButton(tr("Projection as CS&V..."), "projectionCsvButton", &LoanAnalysisDialog::onExportProjection);
    addButton(tr("Sc&enarios as CSV..."), "scenariosCsvButton", &LoanAnalysisDialog::onExportScenarios);
    addButton(tr("Sensitivit&y as CSV..."), "sensitivityCsvButton", &LoanAnalysisDialog::onExportSensitivity);
    addButton(tr("Lo&an cost as CSV..."), "loanCostCsvButton", &LoanAnalysisDialog::onExportLoanCost);
    addButton(tr("After ta&x as CSV..."), "afterTaxCsvButton", &LoanAnalysisDialog::onExportAfterTax);
    buttons->setColumnStretch(PerRow, 1);
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(close, 1, PerRow + 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bestOffer);
    layout->addLayout(loanRow);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    // Room for the comparison's rows and two charts that can be read; never beyond the screen.
    QSize size(1040, 780);
    if (const QScreen *shown = parent ? parent->screen() : screen())
        size = size.boundedTo(shown->availableSize());
    resize(size);

    connect(m_loan, &QComboBox::currentIndexChanged, this, [this] {
        m_schedule->refresh();
        m_charts->showChosenLoan();
        m_projection->showChosenLoan();
        m_afterTax->showChosenLoan();
        m_sensitivity->outdate();
        if (m_tabs->currentIndex() == SensitivityTab)
            m_sensitivity->refresh();
    });
    refresh();
    m_comparison->setFocus();
}

LoanAnalysisDialog::~LoanAnalysisDialog()
{
    // An edit that loses the focus as the window goes takes nothing into a record half gone.
    delete m_figureEdits;
}

void LoanAnalysisDialog::refresh()
{
    m_deal = analyze(m_record);
    m_compared = ::comparedOffers(m_record);
    const int chosen = std::max(0, m_loan->currentIndex());
    {
        const QSignalBlocker block(m_loan);
        m_loan->clear();
        for (int k = 0; k < MAX_LOANS; ++k)
            m_loan->addItem(loanName(k));
        m_loan->setCurrentIndex(chosen);
    }
    m_bestOffer->setText(bestOfferText());
    m_comparison->refresh();
    m_schedule->refresh();
    m_charts->refresh();
    showFigures();
    m_projection->refresh();
    m_scenarios->refresh();
    m_loanCost->refresh();
    m_afterTax->refresh();
    // The sensitivity is worked out for its page only, when it shows.
    m_sensitivity->outdate();
    if (m_tabs->currentIndex() == SensitivityTab)
        m_sensitivity->refresh();
}

void LoanAnalysisDialog::showNames()
{
    // A lender typed into an offer nobody had filled in brings it into the comparison.
    if (::comparedOffers(m_record) != m_compared) {
        refresh();
        return;
    }
    for (int k = 0; k < MAX_LOANS; ++k)
        m_loan->setItemText(k, loanName(k));
    m_bestOffer->setText(bestOfferText());
    m_comparison->showNames();
    m_charts->showNames();
    m_projection->showNames();
    m_loanCost->showNames();
    m_afterTax->showChosenLoan();
}

const OffersModel &LoanAnalysisDialog::offers() const
{
    return m_comparison->offers();
}

QString LoanAnalysisDialog::loanName(int loan) const
{
    const QString lender = m_record.m_lender[loan].trimmed();
    return lender.isEmpty() ? tr("Loan %1").arg(loan + 1)
                            : tr("Loan %1: %2").arg(QString::number(loan + 1), lender);
}

QString LoanAnalysisDialog::bestOfferText() const
{
    if (std::none_of(m_compared.begin(), m_compared.end(), [](bool on) { return on; }))
        return tr("Best offer: no offer is compared. Check \"Compare\" above an offer on the Projection page.");
    const auto names = [this](const std::vector<int> &loans) {
        QStringList texts;
        for (int k : loans)
            texts << loanName(k);
        return texts.join(tr(" and "));
    };
    const auto money = [this](double amount) {
        return inSentence(formatCurrency(amount, m_record.m_currency));
    };
    // The offer that earns most over the holding period, by the comparison's rule: none where
    // all compared offers earn alike. Beside it, what its first year brings in.
    QStringList parts;
    const std::vector<int> highest =
        bestLoans(m_deal, [](const LoanAnalysis &l) { return l.projection.irr; }, Better::Higher);
    if (highest.empty()) {
        parts << tr("Best offer by IRR: none stands out (no compared offer has an IRR, or all earn alike)");
    } else {
        const Projection &best = m_deal.loans[std::size_t(highest.front())].projection;
        const QString irr = inSentence(formatMeasure(best.irr, MeasureUnit::Fraction, m_record.m_currency),
                                       LocaleServices::Category::Numbers);
        const QString cashFlow = money(best.years.front().cashFlow);
        const int hold = m_deal.assumptions.holdYears;
        parts << (hold == 1 ? tr("Best offer by IRR over 1 year: %1 (IRR %2, year-1 cash flow %3)").arg(names(highest), irr, cashFlow)
                            : tr("Best offer by IRR over %1 years: %2 (IRR %3, year-1 cash flow %4)")
                                  .arg(QString::number(hold), names(highest), irr, cashFlow));
    }
    const std::vector<int> cheapest = bestLoans(m_deal, loanMeasure(LoanMeasureId::TotalInterest));
    if (!cheapest.empty())
        parts << tr("least interest: %1 (%2 in all)")
                     .arg(names(cheapest), money(m_deal.loans[std::size_t(cheapest.front())].totalInterest.value));
    return parts.join(tr("; ")) + QLatin1Char('.');
}

int LoanAnalysisDialog::chosenLoan() const
{
    return std::clamp(m_loan->currentIndex(), 0, MAX_LOANS - 1);
}

QString LoanAnalysisDialog::documentTitle() const
{
    const QString description = m_record.m_description.simplified();
    return description.isEmpty() ? windowTitle() : tr("Loan Analysis: %1").arg(description);
}

QString LoanAnalysisDialog::printableHtml() const
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    // What the analysis is of: the property, the figures it was computed from, and when.
    QString html = QStringLiteral("<h2>%1</h2>").arg(escaped(windowTitle()));
    if (!m_record.m_description.trimmed().isEmpty())
        html += QStringLiteral("<h3>%1</h3>").arg(escaped(m_record.m_description.simplified()));
    // The property's figures, as the deal's field table names them.
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (const DealField &field : dealFields()) {
        if (field.perLoan || field.isText())
            continue;
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                    .arg(escaped(QCoreApplication::translate("Report", field.exportLabel)),
                         escaped(field.figure(m_record, 0).format(m_record.m_currency)));
    }
    html += QStringLiteral("</table><p>%1</p>")
                .arg(escaped(tr("Printed on %1")
                                 .arg(inSentence(LocaleServices::formatShortDate(QDate::currentDate()),
                                                 LocaleServices::Category::Dates))));

    html += QStringLiteral("<p>%1</p>").arg(escaped(m_bestOffer->text()));
    html += m_comparison->printableHtml();
    html += printedChart(QStringLiteral("balance")) + printedChart(QStringLiteral("split"));
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(m_loan->currentText()));
    html += m_schedule->printableHtml(PrintedMonthsAtMost);

    html += m_projection->printableHtml();
    return html + m_scenarios->printableHtml() + m_sensitivity->printableHtml() + m_loanCost->printableHtml()
        + m_afterTax->printableHtml();
}

std::unique_ptr<QTextDocument> LoanAnalysisDialog::printableDocument(const QPageLayout &page) const
{
    auto document = std::make_unique<QTextDocument>();
    // Words are broken only where they may be: a column is never narrower than its longest word.
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(option);
    QFont font = document->defaultFont();
    font.setPointSizeF(9);
    document->setDefaultFont(font);
    // The page's printable width in the document's units (points at 96 per inch), so that the
    // layout is the printed one and can be checked before anything is printed.
    const QSizeF points = page.paintRect(QPageLayout::Point).size();
    document->setPageSize(points * (96.0 / 72.0));
    document->setDocumentMargin(0);
    document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:balance")),
                          picture(m_charts->balanceChart(), PrintedChart));
    document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:split")),
                          picture(m_charts->splitChart(), PrintedChart));
    document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:equity")),
                          picture(m_projection->chart(), PrintedChart));
    document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:scenarios")),
                          picture(m_scenarios->chart(), PrintedChart));
    document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:loanCost")),
                          picture(m_loanCost->chart(), PrintedChart));
    document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:loanCostAbove")),
                          picture(m_loanCost->aboveChart(), PrintedChart));
    document->setHtml(printableHtml());
    fitToPages(*document);
    return document;
}

void LoanAnalysisDialog::print(QPrinter &printer) const
{
    WaitCursor wait;
    printer.setDocName(documentTitle());
    printer.setCreator(QCoreApplication::applicationName());
    printableDocument(printer.pageLayout())->print(&printer);
}

void LoanAnalysisDialog::onPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(paperOfTheLocale());
    printer.setPageMargins(printMargins, QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Loan Analysis"));
    if (dialog.exec() == QDialog::Accepted)
        print(printer);
}

void LoanAnalysisDialog::onSavePdf()
{
    const QString path = m_prompt.getSaveFileName(tr("Save Loan Analysis as PDF"),
                                                  tr("PDF Files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    // The PDF is drawn into a temporary file of its own, away from the user's folder, and then
    // saved like every other file: the target is replaced only once the whole PDF is written,
    // and no file beside it is ever made or removed.
    QTemporaryFile drawn(QDir(QDir::tempPath()).filePath(QStringLiteral("zantoria-XXXXXX.pdf")));
    QByteArray pdf;
    if (drawn.open()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(paperOfTheLocale());
        printer.setPageMargins(printMargins, QPageLayout::Millimeter);
        printer.setOutputFileName(drawn.fileName());
        print(printer);
        if (printer.printerState() != QPrinter::Error)
            pdf = drawn.readAll();
    }
    if (pdf.isEmpty()) {
        m_prompt.warn(FileException(FileException::diskFull, drawn.fileName()).message());
        return;
    }
    QString error;
    if (!SaveFile::save(path, pdf, &error))
        m_prompt.warn(error);
}

void LoanAnalysisDialog::exportCsv(const QString &title, const QByteArray &csv)
{
    const QString path =
        m_prompt.getSaveFileName(title, tr("CSV Files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    QString error;
    if (!SaveFile::save(path, csv, &error))
        m_prompt.warn(error);
}

void LoanAnalysisDialog::onExportComparison()
{
    exportCsv(tr("Save Comparison as CSV"), m_comparison->csv());
}

void LoanAnalysisDialog::onExportSchedule()
{
    exportCsv(tr("Save Schedule as CSV"), m_schedule->csv());
}

void LoanAnalysisDialog::onExportProjection()
{
    exportCsv(tr("Save Projection as CSV"), m_projection->csv());
}

void LoanAnalysisDialog::onExportScenarios()
{
    exportCsv(tr("Save Scenarios as CSV"), m_scenarios->csv());
}

void LoanAnalysisDialog::onExportSensitivity()
{
    exportCsv(tr("Save Sensitivity as CSV"), m_sensitivity->csv());
}

void LoanAnalysisDialog::onExportLoanCost()
{
    exportCsv(tr("Save Loan Cost as CSV"), m_loanCost->csv());
}

void LoanAnalysisDialog::onExportAfterTax()
{
    exportCsv(tr("Save After Tax as CSV"), m_afterTax->csv());
}

void LoanAnalysisDialog::showFigures()
{
    m_figureEdits->show();
    m_projection->showCompared();
}

