#include "loananalysisdlg.h"

#include "analysisexport.h"
#include "fileexception.h"
#include "help.h"
#include "localeservices.h"
#include "measures.h"
#include "prompt.h"
#include "savefile.h"
#include "value.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QStackedBarSeries>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTabWidget>
#include <QTextDocument>
#include <QValueAxis>
#include <QVBoxLayout>

namespace {

const QColor BestColor(198, 239, 206);

// Letter where the user's numbers come from a country that prints on it, A4 elsewhere.
QPageSize PaperOfTheLocale()
{
    const QLocale locale(CLocaleServices::LocaleName(CLocaleServices::Category::Numbers));
    static const QList<QLocale::Territory> letter = {
        QLocale::UnitedStates, QLocale::Canada,   QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia, QLocale::Venezuela, QLocale::PuertoRico};
    return QPageSize(letter.contains(locale.territory()) ? QPageSize::Letter : QPageSize::A4);
}

QTableWidgetItem *Cell(const CMeasure &measure, MeasureUnit unit)
{
    auto *item = new QTableWidgetItem(FormatMeasure(measure, unit));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (!measure.IsKnown())
        item->setToolTip(measure.reason);
    return item;
}

void MarkBest(QTableWidgetItem *item)
{
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    item->setBackground(BestColor);
    const QString best = QCoreApplication::translate("CLoanAnalysisDlg", "best of the five");
    item->setToolTip(best);
    item->setData(Qt::AccessibleTextRole, item->text() + QStringLiteral(", ") + best);
}

// The chart as a picture, whether or not its view is on screen.
QImage Picture(QChart *chart, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    const QSizeF shown = chart->size();
    chart->resize(size);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        chart->scene()->render(&painter, QRectF(QPointF(0, 0), size), chart->sceneBoundingRect());
    }
    chart->resize(shown);
    return image;
}

QString HtmlTable(const QAbstractItemModel &model, bool withRowHeaders)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    if (withRowHeaders)
        html += QStringLiteral("<th></th>");
    for (int c = 0; c < model.columnCount(); ++c)
        html += QStringLiteral("<th>%1</th>").arg(model.headerData(c, Qt::Horizontal).toString().toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int r = 0; r < model.rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        if (withRowHeaders)
            html += QStringLiteral("<th align=\"left\">%1</th>").arg(model.headerData(r, Qt::Vertical).toString().toHtmlEscaped());
        for (int c = 0; c < model.columnCount(); ++c) {
            const QModelIndex index = model.index(r, c);
            const bool best = index.data(Qt::BackgroundRole).value<QBrush>().color() == BestColor;
            html += QStringLiteral("<td align=\"right\"%1>%2</td>")
                        .arg(best ? QStringLiteral(" bgcolor=\"#c6efce\"") : QString(),
                             (best ? QStringLiteral("<b>%1</b>") : QStringLiteral("%1"))
                                 .arg(index.data().toString().toHtmlEscaped()));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// Takes the series and axes off the chart and deletes them: a removed axis is the caller's.
void ClearChart(QChart *chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

QChartView *ChartView(QChart *chart, const QString &name)
{
    auto *view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(name);
    view->setFocusPolicy(Qt::NoFocus);
    view->setMinimumHeight(220);
    return view;
}

} // namespace

CLoanAnalysisDlg::CLoanAnalysisDlg(const CDealRecord &record, IPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_record(record), m_prompt(prompt)
{
    setObjectName(QStringLiteral("loanAnalysis"));
    setProperty("helpContext", HelpContexts::LoanAnalysis);
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

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setAccessibleName(tr("Views of the analysis"));
    BuildComparisonTab();
    BuildScheduleTab();
    BuildChartsTab();

    auto *buttons = new QHBoxLayout;
    const auto addButton = [&](const QString &text, const char *name, void (CLoanAnalysisDlg::*slot)()) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    };
    addButton(tr("&Print..."), "printButton", &CLoanAnalysisDlg::OnPrint);
    addButton(tr("Save P&DF..."), "pdfButton", &CLoanAnalysisDlg::OnSavePdf);
    addButton(tr("Comparison as &CSV..."), "comparisonCsvButton", &CLoanAnalysisDlg::OnExportComparison);
    addButton(tr("Schedule as C&SV..."), "scheduleCsvButton", &CLoanAnalysisDlg::OnExportSchedule);
    buttons->addStretch();
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bestOffer);
    layout->addLayout(loanRow);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    resize(980, 680);

    connect(m_loan, &QComboBox::currentIndexChanged, this, [this] {
        FillSchedule();
        FillSplitChart();
    });
    connect(m_period, &QComboBox::currentIndexChanged, this, &CLoanAnalysisDlg::FillSchedule);
    Refresh();
    m_comparison->setFocus();
}

CLoanAnalysisDlg::~CLoanAnalysisDlg() = default;

void CLoanAnalysisDlg::BuildComparisonTab()
{
    m_comparison = new QTableWidget(this);
    m_comparison->setObjectName(QStringLiteral("comparison"));
    m_comparison->setAccessibleName(tr("Comparison of the five loans"));
    m_comparison->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_comparison->setTabKeyNavigation(false);
    m_comparison->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tabs->addTab(m_comparison, tr("Co&mparison"));
}

void CLoanAnalysisDlg::BuildScheduleTab()
{
    auto *page = new QWidget(this);
    m_period = new QComboBox(page);
    m_period->setObjectName(QStringLiteral("periodChoice"));
    m_period->addItems({tr("Monthly"), tr("Yearly")});
    m_period->setAccessibleName(tr("Schedule by month or by year"));
    auto *periodLabel = new QLabel(tr("Sho&w:"), page);
    periodLabel->setBuddy(m_period);
    m_scheduleModel = new QStandardItemModel(this);
    m_schedule = new QTableView(page);
    m_schedule->setObjectName(QStringLiteral("schedule"));
    m_schedule->setAccessibleName(tr("Amortization schedule"));
    m_schedule->setModel(m_scheduleModel);
    m_schedule->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_schedule->setTabKeyNavigation(false);
    m_schedule->verticalHeader()->hide();
    m_schedule->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto *row = new QHBoxLayout;
    row->addWidget(periodLabel);
    row->addWidget(m_period);
    row->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(m_schedule, 1);
    m_tabs->addTab(page, tr("&Schedule"));
}

void CLoanAnalysisDlg::BuildChartsTab()
{
    auto *page = new QWidget(this);
    m_balanceChart = new QChart;
    m_balanceChart->setTitle(tr("Balance over time"));
    m_splitChart = new QChart;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(ChartView(m_balanceChart, tr("Chart of the balance of each loan over the years")), 1);
    layout->addWidget(ChartView(m_splitChart, tr("Chart of the chosen loan's principal and interest per year")), 1);
    m_tabs->addTab(page, tr("C&harts"));
}

void CLoanAnalysisDlg::Refresh()
{
    m_deal = Analyze(m_record);
    const int chosen = std::max(0, m_loan->currentIndex());
    {
        const QSignalBlocker block(m_loan);
        m_loan->clear();
        for (int k = 0; k < MAX_LOANS; ++k)
            m_loan->addItem(LoanName(k));
        m_loan->setCurrentIndex(chosen);
    }
    m_bestOffer->setText(BestOfferText());
    FillComparison();
    FillSchedule();
    FillBalanceChart();
    FillSplitChart();
}

void CLoanAnalysisDlg::ShowNames()
{
    for (int k = 0; k < MAX_LOANS; ++k)
        m_loan->setItemText(k, LoanName(k));
    m_bestOffer->setText(BestOfferText());
    SetLoanHeaders();
    const QList<QAbstractSeries *> balances = m_balanceChart->series();
    for (int k = 0; k < MAX_LOANS && k < balances.size(); ++k)
        balances.at(k)->setName(LoanName(k));
    m_splitChart->setTitle(tr("%1: principal and interest per year").arg(LoanName(ChosenLoan())));
}

QString CLoanAnalysisDlg::LoanName(int loan) const
{
    const QString lender = m_record.m_strLender[loan].trimmed();
    return lender.isEmpty() ? tr("Loan %1").arg(loan + 1)
                            : tr("Loan %1: %2").arg(QString::number(loan + 1), lender);
}

QString CLoanAnalysisDlg::BestOfferText() const
{
    const auto names = [this](const std::vector<int> &loans) {
        QStringList texts;
        for (int k : loans)
            texts << LoanName(k);
        return texts.join(tr(" and "));
    };
    const std::vector<int> safest = BestLoans(m_deal, LoanMeasure("safety_cash_flow"));
    const std::vector<int> cheapest = BestLoans(m_deal, LoanMeasure("total_interest"));
    if (m_deal.mostSafetyCashFlow < 0 && m_deal.leastInterest < 0)
        return tr("Best offer: none of the loans can be computed.");
    // Offers that leave and cost the same are no choice.
    if (safest.empty() && cheapest.empty())
        return tr("Best offer: the loans leave the same safety cash flow and pay the same interest.");
    QStringList parts;
    if (!safest.empty())
        parts << tr("most safety cash flow: %1 (%2 a month)")
                     .arg(names(safest), FormatCurrency(m_deal.loans[std::size_t(safest.front())].safetyCashFlow.value));
    if (!cheapest.empty())
        parts << tr("least interest: %1 (%2 in all)")
                     .arg(names(cheapest), FormatCurrency(m_deal.loans[std::size_t(cheapest.front())].totalInterest.value));
    return tr("Best offer, %1.").arg(parts.join(tr("; ")));
}

void CLoanAnalysisDlg::FillComparison()
{
    const auto &loanRows = LoanMeasures();
    const auto &propertyRows = PropertyMeasures();
    m_comparison->clear();
    m_comparison->setColumnCount(MAX_LOANS);
    m_comparison->setRowCount(int(loanRows.size() + propertyRows.size()));
    SetLoanHeaders();
    int row = 0;
    for (const CLoanMeasure &measure : loanRows) {
        auto *header = new QTableWidgetItem(MeasureText(measure.label));
        header->setToolTip(MeasureText(measure.definition));
        m_comparison->setVerticalHeaderItem(row, header);
        const std::vector<int> best = BestLoans(m_deal, measure);
        for (int k = 0; k < MAX_LOANS; ++k) {
            QTableWidgetItem *cell = Cell(measure.get(m_deal.loans[std::size_t(k)]), measure.unit);
            if (std::find(best.begin(), best.end(), k) != best.end())
                MarkBest(cell);
            m_comparison->setItem(row, k, cell);
        }
        ++row;
    }
    // The property's measures are the same for every loan: one cell across the five.
    for (const CPropertyMeasure &measure : propertyRows) {
        auto *header = new QTableWidgetItem(MeasureText(measure.label));
        header->setToolTip(MeasureText(measure.definition));
        m_comparison->setVerticalHeaderItem(row, header);
        QTableWidgetItem *cell = Cell(measure.get(m_deal.property), measure.unit);
        cell->setTextAlignment(Qt::AlignCenter);
        m_comparison->setItem(row, 0, cell);
        m_comparison->setSpan(row, 0, 1, MAX_LOANS);
        ++row;
    }
}

void CLoanAnalysisDlg::SetLoanHeaders()
{
    for (int k = 0; k < MAX_LOANS; ++k) {
        // The lender under the loan's number, so that a long name needs no wide column.
        const QString lender = m_record.m_strLender[k].trimmed();
        auto *header = new QTableWidgetItem(lender.isEmpty() ? tr("Loan %1").arg(k + 1)
                                                             : tr("Loan %1").arg(k + 1) + QLatin1Char('\n') + lender);
        header->setToolTip(LoanName(k));
        m_comparison->setHorizontalHeaderItem(k, header);
    }
}

int CLoanAnalysisDlg::ChosenLoan() const
{
    return std::clamp(m_loan->currentIndex(), 0, MAX_LOANS - 1);
}

bool CLoanAnalysisDlg::Yearly() const
{
    return m_period->currentIndex() == 1;
}

void CLoanAnalysisDlg::FillSchedule()
{
    const std::vector<CScheduleRow> &months = m_deal.loans[std::size_t(ChosenLoan())].schedule;
    const std::vector<CScheduleRow> rows = Yearly() ? YearlySummary(months) : months;
    m_scheduleModel->clear();
    m_scheduleModel->setHorizontalHeaderLabels(
        {Yearly() ? tr("Year") : tr("Month"), tr("Payment"), tr("Principal"), tr("Interest"), tr("Balance")});
    for (const CScheduleRow &r : rows) {
        QList<QStandardItem *> items = {new QStandardItem(QString::number(r.month))};
        for (double money : {r.payment, r.principal, r.interest, r.balance})
            items << new QStandardItem(FormatCurrency(money));
        for (QStandardItem *item : items)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_scheduleModel->appendRow(items);
    }
}

void CLoanAnalysisDlg::FillBalanceChart()
{
    ClearChart(m_balanceChart);
    auto *years = new QValueAxis;
    years->setTitleText(tr("Years"));
    years->setLabelFormat(QStringLiteral("%d"));
    auto *owed = new QValueAxis;
    owed->setLabelFormat(QStringLiteral("%.0f"));
    m_balanceChart->addAxis(years, Qt::AlignBottom);
    m_balanceChart->addAxis(owed, Qt::AlignLeft);
    double top = 0;
    int longest = 1;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const CLoanAnalysis &loan = m_deal.loans[std::size_t(k)];
        auto *series = new QLineSeries;
        series->setName(LoanName(k));
        if (!loan.schedule.empty()) {
            series->append(0, loan.loanAmount.value);
            for (const CScheduleRow &year : YearlySummary(loan.schedule))
                series->append(year.month, year.balance);
            top = std::max(top, loan.loanAmount.value);
            longest = std::max(longest, int(YearlySummary(loan.schedule).size()));
        }
        m_balanceChart->addSeries(series);
        series->attachAxis(years);
        series->attachAxis(owed);
    }
    years->setRange(0, longest);
    years->setTickCount(std::min(longest, 10) + 1);
    owed->setRange(0, top > 0 ? top : 1);
    m_balanceChart->setLocalizeNumbers(true);
    m_balanceChart->setLocale(QLocale(CLocaleServices::LocaleName(CLocaleServices::Category::Numbers)));
}

void CLoanAnalysisDlg::FillSplitChart()
{
    ClearChart(m_splitChart);
    const int k = ChosenLoan();
    m_splitChart->setTitle(tr("%1: principal and interest per year").arg(LoanName(k)));
    auto *principal = new QBarSet(tr("Principal"));
    auto *interest = new QBarSet(tr("Interest"));
    QStringList categories;
    for (const CScheduleRow &year : YearlySummary(m_deal.loans[std::size_t(k)].schedule)) {
        *principal << year.principal;
        *interest << year.interest;
        categories << QString::number(year.month);
    }
    auto *series = new QStackedBarSeries;
    series->append(principal);
    series->append(interest);
    m_splitChart->addSeries(series);
    auto *years = new QBarCategoryAxis;
    years->append(categories);
    years->setTitleText(tr("Year"));
    auto *paid = new QValueAxis;
    paid->setLabelFormat(QStringLiteral("%.0f"));
    m_splitChart->addAxis(years, Qt::AlignBottom);
    m_splitChart->addAxis(paid, Qt::AlignLeft);
    series->attachAxis(years);
    series->attachAxis(paid);
    m_splitChart->setLocalizeNumbers(true);
    m_splitChart->setLocale(QLocale(CLocaleServices::LocaleName(CLocaleServices::Category::Numbers)));
}

QString CLoanAnalysisDlg::PrintableHtml(QPrinter &printer) const
{
    Q_UNUSED(printer);
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p>")
                       .arg(windowTitle().toHtmlEscaped(), m_bestOffer->text().toHtmlEscaped());
    html += HtmlTable(*m_comparison->model(), true);
    html += QStringLiteral("<p><img src=\"chart:balance\" width=\"640\"/></p>"
                           "<p><img src=\"chart:split\" width=\"640\"/></p>");
    html += QStringLiteral("<h3>%1</h3>").arg(m_loan->currentText().toHtmlEscaped());
    html += HtmlTable(*m_scheduleModel, false);
    return html;
}

void CLoanAnalysisDlg::Print(QPrinter &printer) const
{
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:balance")),
                         Picture(m_balanceChart, QSize(1280, 640)));
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:split")),
                         Picture(m_splitChart, QSize(1280, 640)));
    document.setHtml(PrintableHtml(printer));
    document.print(&printer);
}

void CLoanAnalysisDlg::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(PaperOfTheLocale());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Loan Analysis"));
    if (dialog.exec() == QDialog::Accepted)
        Print(printer);
}

void CLoanAnalysisDlg::OnSavePdf()
{
    const QString path = m_prompt.GetSaveFileName(tr("Save Loan Analysis as PDF"),
                                                  tr("PDF Files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    // The PDF is made beside the target and takes its place only once it is whole.
    QSaveFile file(path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(PaperOfTheLocale());
    bool written = false;
    if (file.open(QIODevice::WriteOnly)) {
        printer.setOutputFileName(file.fileName() + QStringLiteral(".part"));
        Print(printer);
        QFile part(printer.outputFileName());
        written = printer.printerState() != QPrinter::Error && part.open(QIODevice::ReadOnly)
            && file.write(part.readAll()) == part.size() && part.size() > 0 && file.commit();
        part.remove();
    }
    if (!written)
        CFileException(CFileException::accessDenied, path).ReportError(m_prompt);
}

void CLoanAnalysisDlg::ExportCsv(const QString &title, const QByteArray &csv)
{
    const QString path =
        m_prompt.GetSaveFileName(title, tr("CSV Files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    try {
        const std::unique_ptr<QSaveFile> file = SaveFile::Open(path);
        SaveFile::WriteAndCommit(*file, csv);
    } catch (const CFileException &exception) {
        exception.ReportError(m_prompt);
    }
}

void CLoanAnalysisDlg::OnExportComparison()
{
    ExportCsv(tr("Save Comparison as CSV"), AnalysisExport::ComparisonCsv(m_record, m_deal));
}

void CLoanAnalysisDlg::OnExportSchedule()
{
    const std::vector<CScheduleRow> &months = m_deal.loans[std::size_t(ChosenLoan())].schedule;
    ExportCsv(tr("Save Schedule as CSV"),
              AnalysisExport::ScheduleCsv(Yearly() ? YearlySummary(months) : months, Yearly()));
}
