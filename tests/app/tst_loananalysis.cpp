#include "apptestsupport.h"
#include "ui/loananalysisdialog.h"
#include "core/localeservices.h"
#include "platform/profilestore.h"
#include "testfiles.h"
#include "platform/translations.h"
#include "core/measures.h"
#include "core/value.h"
#include "exchange/exchangefile.h"
#include "ui/maindialog.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLegend>
#include <QLegendMarker>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStyle>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QTextFrame>
#include <QTranslator>
#include <QPageLayout>
#include <QPageSize>

#include <cmath>

namespace {

QString cellOf(const QTableView &table, const QString &measure, int loan)
{
    const ShownCell cell = cellIn(table, measure, loan);
    return cell.index.isValid() ? cell.text() : QStringLiteral("(no row %1)").arg(measure);
}

// The printed comparison: for the row of a measure, whether each loan's cell is in bold type.
QList<bool> printedBold(const QTextDocument &document, const QString &measure)
{
    const auto textOf = [](const QTextTableCell &cell) {
        QTextCursor cursor = cell.firstCursorPosition();
        cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return cursor.selectedText();
    };
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        const auto *table = qobject_cast<QTextTable *>(frame);
        for (int r = 0; table && r < table->rows(); ++r) {
            if (textOf(table->cellAt(r, 0)) != measure)
                continue;
            QList<bool> bold;
            for (int c = 1; c < table->columns(); ++c) {
                const QTextBlock block = table->cellAt(r, c).firstCursorPosition().block();
                bold << (block.begin().fragment().charFormat().fontWeight() >= QFont::Bold);
            }
            return bold;
        }
    }
    return {};
}

ShownCell itemOf(const QTableView &table, const QString &measure, int loan)
{
    return cellIn(table, measure, loan);
}

// The figure of an axis label: its digits, with the en_US grouping and point.
double labelValue(QString label)
{
    label.remove(QLatin1Char('$')).remove(QLatin1Char(','));
    bool ok = false;
    const double value = label.toDouble(&ok);
    return ok ? value : qQNaN();
}

// True when step is 1, 2, 2.5 or 5 times a power of ten.
bool isRoundStep(double step)
{
    if (!(step > 0))
        return false;
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    for (double round : {1.0, 2.0, 2.5, 5.0}) {
        if (std::abs(mantissa - round) < 1e-9)
            return true;
    }
    return false;
}

// Checks that an axis is labelled 0, step, 2 step... at round steps up to at least top.
void verifyRoundAxis(QAbstractAxis *axis, double top, const QString &prefix)
{
    auto *labelled = qobject_cast<QCategoryAxis *>(axis);
    QVERIFY(labelled);
    const QStringList labels = labelled->categoriesLabels();
    QVERIFY2(labels.size() >= 3 && labels.size() <= 12, qPrintable(labels.join(QLatin1Char('|'))));
    const double step = labelValue(labels.at(1));
    QVERIFY2(isRoundStep(step), qPrintable(labels.join(QLatin1Char('|'))));
    for (int i = 0; i < labels.size(); ++i) {
        QVERIFY2(labels.at(i).startsWith(prefix), qPrintable(labels.at(i)));
        QCOMPARE(labelValue(labels.at(i)), i * step);
        QCOMPARE(labelled->endValue(labels.at(i)), i * step);
    }
    QVERIFY(labelValue(labels.last()) >= top);
    QVERIFY(labelValue(labels.last()) - step < top);
}

} // namespace

class TestLoanAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    // Ctrl+L opens the window on the five offers; it follows the main dialog's figures as a
    // field is left, and its schedule, PDF and CSV come from the same figures.
    void followsTheDealAndWritesItsFiles()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            fixture.m_prompt.setNextFileName(QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(trigger(dlg, "actionImport"));
            QVERIFY(activateAndWait(dlg));
            QTest::keyClick(editNamed(dlg, "editDescription"), Qt::Key_L, Qt::ControlModifier);
            auto *window = dlg.findChild<LoanAnalysisDialog *>();
            QVERIFY(window && window->isVisible());
            QCOMPARE(window->windowTitle(), QStringLiteral("Loan Analysis"));
            auto &table = *window->findChild<QTableView *>(QStringLiteral("comparison"));

            QCOMPARE(cellOf(table, QStringLiteral("Total Interest"), 0), QStringLiteral("$251,116.02"));
            QCOMPARE(cellOf(table, QStringLiteral("Principal and Interest"), 3), QStringLiteral("$500.00"));
            QCOMPARE(cellOf(table, QStringLiteral("Total Interest"), 4), QStringLiteral("\u2014"));
            QCOMPARE(itemOf(table, QStringLiteral("Total Interest"), 4).toolTip(),
                     QStringLiteral("The loan has no monthly payment: its term is 0 years."));
            QCOMPARE(cellOf(table, QStringLiteral("Cap Rate (Year 1)"), 0), QStringLiteral("8.10%"));
            QVERIFY(itemOf(table, QStringLiteral("Safety Cash Flow"), 2).font().bold());
            QVERIFY(!itemOf(table, QStringLiteral("Safety Cash Flow"), 0).font().bold());
            // The offer with the highest IRR is the engine's, named with its IRR.
            const DealAnalysis engine = analyze(window->record());
            QCOMPARE(engine.bestIrr, 3);
            // Year 1 of loan 4: 16,200 of net operating income less 12 × 500 of payments.
            QCOMPARE(window->findChild<QLabel *>(QStringLiteral("bestOffer"))->text(),
                     QStringLiteral("Best offer by IRR over 10 years: Loan 4: Family loan, no interest "
                                    "(IRR %1, year-1 cash flow $10,200.00); least interest: Loan 3: "
                                    "Cash purchase and Loan 4: Family loan, no interest ($0.00 in all).")
                         .arg(formatMeasure(engine.loans[3].projection.irr, MeasureUnit::Fraction, QString())));
            // The cash purchase has no highest offer; its total cost is its price.
            QCOMPARE(cellOf(table, QStringLiteral("Highest Offer (Year 1)"), 2), QStringLiteral("\u2014"));
            QCOMPARE(cellOf(table, QStringLiteral("Total Cost"), 2),
                     QStringLiteral("$200,000.00"));
            QCOMPARE(cellOf(table, QStringLiteral("Total of Payments"), 2), QStringLiteral("$0.00"));
            // Loans that share the best value are all marked.
            QVERIFY(itemOf(table, QStringLiteral("Total Interest"), 3).font().bold());
            // The printed table marks the cells the window marks, and only those.
            {
                const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
                const std::unique_ptr<QTextDocument> printed = window->printableDocument(letter);
                for (const QString &measure : {QStringLiteral("Safety Cash Flow"), QStringLiteral("Total Interest"),
                                               QStringLiteral("Loan Amount")}) {
                    QList<bool> shown;
                    for (int k = 0; k < 5; ++k)
                        shown << itemOf(table, measure, k).font().bold();
                    QCOMPARE(printedBold(*printed, measure), shown);
                }
                QVERIFY(printedBold(*printed, QStringLiteral("Total Interest")).contains(true));
            }

            // A new rate typed into the main dialog shows once the field is left.
            QVERIFY(activateAndWait(dlg));
            QLineEdit *rate = editNamed(dlg, "editInterestRate");
            rate->setFocus(Qt::TabFocusReason);
            rate->selectAll();
            QTest::keyClicks(rate, QStringLiteral("6"));
            QCOMPARE(cellOf(table, QStringLiteral("Principal and Interest"), 0), QStringLiteral("$1,197.54"));
            QTest::keyClick(rate, Qt::Key_Tab);
            QCOMPARE(cellOf(table, QStringLiteral("Principal and Interest"), 0), QStringLiteral("$1,079.19"));

            // Ctrl+L again brings the same window forward.
            QTest::keyClick(editNamed(dlg, "editDescription"), Qt::Key_L, Qt::ControlModifier);
            QCOMPARE(dlg.findChildren<LoanAnalysisDialog *>().size(), 1);

            auto *loan = window->findChild<QComboBox *>(QStringLiteral("loanChoice"));
            auto *period = window->findChild<QComboBox *>(QStringLiteral("periodChoice"));
            loan->setCurrentIndex(1);
            period->setCurrentIndex(1);
            const QAbstractItemModel *schedule = window->findChild<QTableView *>(QStringLiteral("schedule"))->model();
            QCOMPARE(schedule->rowCount(), 15);
            QCOMPARE(schedule->index(14, 4).data().toString(), QStringLiteral("$0.00"));

            const QString pdf = fixture.m_documents.filePath(QStringLiteral("analysis.pdf"));
            // A file of the user's beside the PDF, named as a half-written copy could be, stays.
            const QString part = pdf + QStringLiteral(".part");
            {
                QFile own(part);
                QVERIFY(own.open(QIODevice::WriteOnly) && own.write("mine") == 4);
            }
            const QStringList before = QDir(fixture.m_documents.path()).entryList(QDir::Files);
            fixture.m_prompt.setNextFileName(pdf);
            window->onSavePdf();
            QVERIFY(fixture.m_prompt.m_messages.isEmpty());
            QCOMPARE(readAll(part), QByteArray("mine"));
            QStringList expected = QStringList(before) << QStringLiteral("analysis.pdf");
            expected.sort();
            QCOMPARE(QDir(fixture.m_documents.path()).entryList(QDir::Files), expected);
            const QByteArray bytes = readAll(pdf);
            QVERIFY(bytes.startsWith("%PDF-"));
            static const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
            const QRegularExpressionMatch page = mediaBox.match(QString::fromLatin1(bytes));
            QVERIFY(page.hasMatch());
            // US Letter in en_US: 8.5 by 11 inches of 72 points.
            QCOMPARE(qRound(page.captured(1).toDouble()), 612);
            QCOMPARE(qRound(page.captured(2).toDouble()), 792);

            // Enter presses the button that has the focus.
            const QString csv = fixture.m_documents.filePath(QStringLiteral("schedule.csv"));
            fixture.m_prompt.setNextFileName(csv);
            QVERIFY(activateAndWait(*window));
            auto *exportSchedule = window->findChild<QPushButton *>(QStringLiteral("scheduleCsvButton"));
            exportSchedule->setFocus(Qt::TabFocusReason);
            QTest::keyClick(exportSchedule, Qt::Key_Return);
            QVERIFY(window->isVisible());
            const QList<QByteArray> lines = readAll(csv).split('\n');
            QCOMPARE(lines.size(), 2 + 15 + 1);
            QCOMPARE(lines.at(0), QByteArray("\xEF\xBB\xBFLoan 2: Elm Credit Union,,,,\r"));
            QCOMPARE(lines.at(1), QByteArray("Year,Payment,Principal,Interest,Balance\r"));
            QVERIFY(fixture.m_prompt.m_messages.isEmpty());

            // The comparison carries what was typed beside the measures.
            const QString comparison = fixture.m_documents.filePath(QStringLiteral("comparison.csv"));
            fixture.m_prompt.setNextFileName(comparison);
            window->findChild<QPushButton *>(QStringLiteral("comparisonCsvButton"))->click();
            const QByteArray compared = readAll(comparison);
            QVERIFY(compared.startsWith("\xEF\xBB\xBFMeasure,Loan 1,Loan 2,"));
            QVERIFY(compared.contains("\r\nDescription,\"Four-unit building, 12 Elm Street\","));
            QVERIFY(compared.contains("\r\nTerm (Years),30,15,"));
            QVERIFY(compared.contains("\r\nInterest Rate,0.060000,"));
            QVERIFY(fixture.m_prompt.m_messages.isEmpty());

            // A file that cannot be saved is told once, as every file of the program is.
            const QString taken = fixture.m_documents.filePath(QStringLiteral("taken.csv"));
            QVERIFY(QDir().mkdir(taken));
            fixture.m_prompt.setNextFileName(taken);
            window->findChild<QPushButton *>(QStringLiteral("comparisonCsvButton"))->click();
            QCOMPARE(fixture.m_prompt.m_messages.size(), 1);
            QCOMPARE(fixture.m_prompt.m_messages.constLast().text,
                     QStringLiteral("Access to %1 was denied.").arg(taken));
            QCOMPARE(fixture.m_prompt.m_messages.constLast().icon, IPrompt::Icon::Warning);
            QVERIFY(QFileInfo(taken).isDir());
            const QString nowhere = fixture.m_documents.filePath(QStringLiteral("no/such/analysis.pdf"));
            fixture.m_prompt.setNextFileName(nowhere);
            window->onSavePdf();
            QCOMPARE(fixture.m_prompt.m_messages.size(), 2);
            QCOMPARE(fixture.m_prompt.m_messages.constLast().text,
                     nowhere + QStringLiteral(" contains an incorrect path."));
            fixture.m_prompt.m_messages.clear();

            // Every control a screen reader reaches has a name.
            for (QWidget *w : window->findChildren<QWidget *>()) {
                if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window)
                    || qobject_cast<QAbstractButton *>(w) || w->inherits("QTabBar"))
                    continue;
                const bool named = !w->accessibleName().isEmpty();
                bool labelled = false;
                for (QLabel *label : window->findChildren<QLabel *>())
                    labelled = labelled || label->buddy() == w;
                QVERIFY2(named || labelled || !w->isVisible(), qPrintable(w->metaObject()->className()));
            }
            window->close();
            dlg.reject();
        });
    }

    // A lender typed into the main dialog names its loan in the window at once, in the headers,
    // the loan choice and the files, without leaving the edit.
    void typedLenderReachesTheWindowAtOnce()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            auto *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(window);
            auto &table = *window->findChild<QTableView *>(QStringLiteral("comparison"));
            const QString figureBefore = table.model()->index(0, 4).data().toString();

            QVERIFY(activateAndWait(dlg));
            for (int i = 0; i < 4; ++i)
                QTest::mouseClick(button(dlg, "btnNext"), Qt::LeftButton);
            QLineEdit *lender = editNamed(dlg, "editLender");
            lender->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(lender->hasFocus());
            lender->selectAll();
            QTest::keyClicks(lender, QStringLiteral("Alpha Lending"));

            QCOMPARE(columnHeader(table, 4), QStringLiteral("Loan 5\nAlpha Lending"));
            QCOMPARE(columnHeader(table, 4, Qt::ToolTipRole), QStringLiteral("Loan 5: Alpha Lending"));
            QCOMPARE(window->findChild<QComboBox *>(QStringLiteral("loanChoice"))->itemText(4),
                     QStringLiteral("Loan 5: Alpha Lending"));
            QCOMPARE(table.model()->index(0, 4).data().toString(), figureBefore);

            const QString csv = fixture.m_documents.filePath(QStringLiteral("comparison.csv"));
            fixture.m_prompt.setNextFileName(csv);
            window->onExportComparison();
            QVERIFY(readAll(csv).contains("Alpha Lending"));

            // The description typed names the printout and the PDF at once too.
            QLineEdit *description = editNamed(dlg, "editDescription");
            description->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(description->hasFocus());
            description->selectAll();
            QTest::keyClicks(description, QStringLiteral("7 Oak Lane"));
            QCOMPARE(window->documentTitle(), QStringLiteral("Loan Analysis: 7 Oak Lane"));
            const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter);
            const QString printed = window->printableDocument(letter)->toPlainText();
            QVERIFY(printed.startsWith(QStringLiteral("Loan Analysis\n7 Oak Lane\n")));
            QVERIFY(printed.contains(QStringLiteral("Alpha Lending")));
            window->close();
            dlg.reject();
        });
    }

    // At the window's first size every loan's header shows whole, with the whole name as its
    // tooltip, and the charts are tall enough to read, with years and money on round steps and
    // every loan's name beside the balances.
    void headersAndChartsCanBeRead()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            fixture.m_prompt.setNextFileName(QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(trigger(dlg, "actionImport"));
            editNamed(dlg, "editLender")->setText(QStringLiteral("Harbor Savings Bank (25% down)"));
            QVERIFY(trigger(dlg, "actionLoanAnalysis"));
            auto *window = dlg.findChild<LoanAnalysisDialog *>();
            QVERIFY(window && QTest::qWaitForWindowExposed(window));
            // The offscreen screen is 800 pixels wide; a desktop's holds the window's first size.
            if (window->width() < 1040)
                window->resize(1040, 780);
            QTRY_COMPARE(window->width(), 1040);

            auto &table = *window->findChild<QTableView *>(QStringLiteral("comparison"));
            QHeaderView *header = table.horizontalHeader();
            const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int k = 0; k < table.model()->columnCount(); ++k) {
                const QString text = columnHeader(table, k);
                for (const QString &line : text.split(QLatin1Char('\n')))
                    QVERIFY2(header->fontMetrics().horizontalAdvance(line) + 2 * margin <= header->sectionSize(k),
                             qPrintable(line));
                QVERIFY(!text.contains(QChar(0x2026)));
            }
            QCOMPARE(columnHeader(table, 0, Qt::ToolTipRole), QStringLiteral("Loan 1: Harbor Savings Bank (25% down)"));
            QVERIFY(header->length() <= table.viewport()->width());

            window->findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentIndex(2);
            // The balances and the split, beside the Projection page's equity, the Scenarios
            // page's IRR and the Loan Cost page's two of the cost if repaid.
            const QList<QChartView *> views = window->findChildren<QChartView *>();
            QCOMPARE(views.size(), 6);
            const auto chartNamed = [&views](const QString &name) -> QChart * {
                for (QChartView *view : views) {
                    if (view->accessibleName() == name)
                        return view->chart();
                }
                return nullptr;
            };
            QChart *balance = chartNamed(QStringLiteral("Chart of the balance of each loan over the years"));
            QChart *split = chartNamed(QStringLiteral("Chart of the chosen loan's principal and interest per year"));
            QVERIFY(balance && split);
            QTRY_VERIFY(balance->plotArea().height() >= 150);
            QTRY_VERIFY(split->plotArea().height() >= 150);

            verifyRoundAxis(balance->axes(Qt::Horizontal).value(0), 30, QString());
            verifyRoundAxis(balance->axes(Qt::Vertical).value(0), 180000, QStringLiteral("$"));
            // Loan 1 pays $14,370.48 a year.
            verifyRoundAxis(split->axes(Qt::Vertical).value(0), 14370.48, QStringLiteral("$"));

            const QRectF legend = balance->legend()->geometry();
            const QFontMetrics metrics(balance->legend()->font());
            const QList<QLegendMarker *> markers = balance->legend()->markers();
            QCOMPARE(markers.size(), 5);
            for (QLegendMarker *marker : markers)
                QVERIFY2(metrics.horizontalAdvance(marker->label()) < legend.width() - metrics.height(),
                         qPrintable(marker->label()));

            // A thousand years are labelled at round years, not every one of them.
            editNamed(dlg, "editTerm")->setText(QStringLiteral("1000"));
            dlg.updateRecord();
            auto *years = qobject_cast<QCategoryAxis *>(split->axes(Qt::Horizontal).value(0));
            QVERIFY(years);
            QVERIFY(years->categoriesLabels().size() <= 11);
            QVERIFY(years->categoriesLabels().contains(QStringLiteral("1000")));
            window->close();
            dlg.reject();
        });
    }

    // Every printed table fits the page's width (in a smaller type where it must), repeats its
    // header on each page it runs to; no heading, and no table's first rows, stand alone at the
    // bottom of a page; charts are laid out at their printed size, their text as on screen.
    void printoutFitsItsPages_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("paper");
        QTest::newRow("German on A4") << "de_DE" << int(QPageSize::A4);
        QTest::newRow("English on Letter") << "en_US" << int(QPageSize::Letter);
    }

    void printoutFitsItsPages()
    {
        QFETCH(QString, locale);
        QFETCH(int, paper);
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/zantoria_de.qm")));
        if (locale.startsWith(QLatin1String("de")))
            QCoreApplication::installTranslator(&german);
        LocaleServices::pinLocale(locale);
        const auto restore = qScopeGuard([&german] {
            QCoreApplication::removeTranslator(&german);
            LocaleServices::pinLocale(QStringLiteral("en_US"));
        });
        DealRecord record = ProfileStore::firstRunRecord();
        QVERIFY(ExchangeFile::read(record, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), nullptr));
        record.m_lender[0] = QStringLiteral("Midwest Community Credit Union");
        record.m_lender[1] = QStringLiteral("First Coastal Bank of the Carolinas");
        record.m_projection.m_holdYears.m_value = 30;
        ScriptedPrompt prompt;
        LoanAnalysisDialog window(record, prompt);
        window.refresh();
        const QPageLayout page(QPageSize(QPageSize::PageSizeId(paper)), QPageLayout::Portrait,
                               QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        const std::unique_ptr<QTextDocument> document = window.printableDocument(page);
        QVERIFY(document->pageCount() > 3);
        QAbstractTextDocumentLayout *layout = document->documentLayout();
        const QSizeF pageSize = document->pageSize();
        const auto pageOf = [&pageSize](double y) { return int(y / pageSize.height()); };
        int tables = 0;
        QTextFrame *root = document->rootFrame();
        for (QTextFrame::iterator it = root->begin(); !it.atEnd(); ++it) {
            QTextFrame::iterator next = it;
            ++next;
            if (auto *table = qobject_cast<QTextTable *>(it.currentFrame())) {
                ++tables;
                const QRectF rect = layout->frameBoundingRect(table);
                QVERIFY2(rect.width() <= pageSize.width() + 0.5,
                         qPrintable(QStringLiteral("table %1: %2 wide on a page of %3").arg(tables).arg(rect.width()).arg(pageSize.width())));
                if (pageOf(rect.top()) != pageOf(rect.bottom()) && table->rows() > 2)
                    QVERIFY2(table->format().headerRowCount() >= 1, qPrintable(QString::number(tables)));
                // Its first row begins on the page the table begins on.
                const QRectF first = layout->blockBoundingRect(document->findBlock(table->cellAt(0, 0).firstPosition()));
                QCOMPARE(pageOf(rect.top()), pageOf(rect.top() + first.height()));
            }
            const QTextBlock block = it.currentBlock();
            if (block.isValid() && block.blockFormat().headingLevel() > 0 && !next.atEnd()) {
                const QRectF heading = layout->blockBoundingRect(block);
                const QRectF following = next.currentFrame() ? layout->frameBoundingRect(next.currentFrame())
                                                             : layout->blockBoundingRect(next.currentBlock());
                QVERIFY2(pageOf(heading.top()) == pageOf(following.top() + std::min(following.height(), 30.0)),
                         qPrintable(block.text()));
            }
        }
        QVERIFY(tables >= 8);
        for (const char *name : {"balance", "split", "equity", "scenarios"}) {
            const QImage chart = document->resource(QTextDocument::ImageResource,
                                                    QUrl(QStringLiteral("chart:") + QLatin1String(name))).value<QImage>();
            QCOMPARE(chart.deviceIndependentSize().toSize(), QSize(640, 360));
        }
        for (QChartView *view : window.findChildren<QChartView *>()) {
            for (QAbstractAxis *axis : view->chart()->axes())
                QVERIFY2(axis->labelsFont().pointSizeF() >= 8, qPrintable(view->accessibleName()));
        }
    }

    // The printout opens with the property, its figures and the date, carries a title, and
    // breaks no German word where it has no hyphen; a thousand-year loan prints per year.
    void printoutNamesThePropertyAndKeepsWordsWhole()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/zantoria_de.qm")));
        QCoreApplication::installTranslator(&german);
        LocaleServices::pinLocale(QStringLiteral("de_DE"));
        const auto restore = qScopeGuard([&german] {
            QCoreApplication::removeTranslator(&german);
            LocaleServices::pinLocale(QStringLiteral("en_US"));
        });
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            fixture.m_prompt.setNextFileName(QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(trigger(dlg, "actionImport"));
            QVERIFY(trigger(dlg, "actionLoanAnalysis"));
            auto *window = dlg.findChild<LoanAnalysisDialog *>();
            QVERIFY(window);
            const QPageLayout page(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                 QPageLayout::Millimeter);
            std::unique_ptr<QTextDocument> document = window->printableDocument(page);
            const QString text = document->toPlainText();
            const QString opening = text.left(text.indexOf(QStringLiteral("Bestes Angebot")));
            for (const QString &expected :
                 {QStringLiteral("Four-unit building, 12 Elm Street"), QStringLiteral("Kaufpreis"),
                  QStringLiteral("200.000,00"), QStringLiteral("2.000,00"),
                  QStringLiteral("250,00"), QStringLiteral("100,00"), QStringLiteral("10,00"),
                  LocaleServices::formatShortDate(QDate::currentDate())})
                QVERIFY2(opening.contains(expected), qPrintable(expected + QStringLiteral(" in ") + opening));
            QCOMPARE(window->documentTitle(), QStringLiteral("Darlehensanalyse: Four-unit building, 12 Elm Street"));

            // Every line that does not end its paragraph ends between words or at a hyphen.
            QVERIFY(document->pageCount() > 1); // lays the document out
            for (QTextBlock block = document->begin(); block != document->end(); block = block.next()) {
                const QTextLayout *layout = block.layout();
                const QString blockText = block.text();
                for (int i = 0; i + 1 < layout->lineCount(); ++i) {
                    const QTextLine line = layout->lineAt(i);
                    const int end = line.textStart() + line.textLength();
                    const QChar last = blockText.at(end - 1);
                    QVERIFY2(last.isSpace() || last == QLatin1Char('-') || last == QChar(0x00AD)
                                 || !blockText.at(end).isLetterOrNumber() || !last.isLetterOrNumber(),
                             qPrintable(blockText.left(end) + QLatin1Char('|') + blockText.mid(end)));
                }
            }

            const QString pdf = fixture.m_documents.filePath(QStringLiteral("analysis.pdf"));
            fixture.m_prompt.setNextFileName(pdf);
            window->onSavePdf();
            QByteArray title("\xfe\xff");
            for (QChar c : window->documentTitle())
                title += char(c.unicode() >> 8), title += char(c.unicode() & 0xff);
            QVERIFY(readAll(pdf).contains(title));

            // A thousand years of months: one row a year, with a note, and a file of modest size.
            QVERIFY(activateAndWait(dlg));
            editNamed(dlg, "editTerm")->setText(QStringLiteral("1000"));
            dlg.updateRecord();
            QCOMPARE(window->findChild<QTableView *>(QStringLiteral("schedule"))->model()->rowCount(), 12000);
            const QString printed = window->printableDocument(page)->toPlainText();
            QVERIFY(printed.contains(QStringLiteral("12000")));
            QVERIFY(!printed.contains(QStringLiteral("\n1001\n")));
            fixture.m_prompt.setNextFileName(pdf);
            window->onSavePdf();
            QVERIFY(QFileInfo(pdf).size() < 1500 * 1024);
            QVERIFY(fixture.m_prompt.m_messages.isEmpty());
            window->close();
            dlg.reject();
        });
    }

    // ar_EG writes money with right-to-left marks: every figure edit still stands at the right,
    // money reads one way everywhere (left to right, as in the tables: the edits, a sentence, the
    // charts), and the charts use the Latin digits of the tables.
    void rightToLeftFiguresKeepTheirPlace()
    {
        LocaleServices::pinLocale(QStringLiteral("ar_EG"));
        const auto restore = qScopeGuard([] { LocaleServices::pinLocale(QStringLiteral("en_US")); });
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            fixture.m_prompt.setNextFileName(QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
            QVERIFY(trigger(dlg, "actionImport"));
            const QString price = editNamed(dlg, "editPurchasePrice")->text();
            QCOMPARE(price, QChar(0x200E) + dlg.record().m_purchasePrice.format(dlg.record().m_currency));
            QVERIFY(!price.isRightToLeft());
            for (const char *name : {"editPurchasePrice", "editRentalIncome", "editEscrow", "editOtherFees",
                                     "editSafetyMargin", "editDownPayment", "editInterestRate", "editTerm",
                                     "editPmi"}) {
                // What the edit does with a right-to-left text's alignment.
                QLineEdit *edit = editNamed(dlg, name);
                QCOMPARE(QStyle::visualAlignment(Qt::RightToLeft, edit->alignment()) & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute,
                         Qt::AlignRight);
            }
            QVERIFY(trigger(dlg, "actionLoanAnalysis"));
            auto *window = dlg.findChild<LoanAnalysisDialog *>();
            QVERIFY(window);
            const QString best = window->findChild<QLabel *>(QStringLiteral("bestOffer"))->text();
            const QString cashFlow = formatCurrency(10200, dlg.record().m_currency);
            QVERIFY2(best.contains(QChar(0x2066) + cashFlow + QChar(0x2069)), qPrintable(best));
            for (QChartView *view : window->findChildren<QChartView *>()) {
                for (QAbstractAxis *axis : view->chart()->axes()) {
                    auto *labelled = qobject_cast<QCategoryAxis *>(axis);
                    QVERIFY(labelled);
                    for (const QString &label : labelled->categoriesLabels()) {
                        QVERIFY2(label.contains(QRegularExpression(QStringLiteral("[0-9]"))), qPrintable(label));
                        QVERIFY2(!label.isRightToLeft(), qPrintable(label));
                        for (QChar c : label)
                            QVERIFY2(!c.isDigit() || c.unicode() < 0x80, qPrintable(label));
                    }
                }
            }
            window->close();
            dlg.reject();
        });
    }

    // Two deals of different currencies, each in a window of its own at the same time: every
    // amount of a window, in its table, schedule, sentence and printout, is in its own deal's
    // currency.
    void twoDealsInTwoCurrenciesSideBySide()
    {
        LocaleServices::pinLocale(QStringLiteral("de_DE"));
        const auto restore =
            qScopeGuard([] { LocaleServices::pinLocale(QStringLiteral("en_US")); });
        DealRecord dollars = ProfileStore::firstRunRecord();
        dollars.m_currency = QStringLiteral("USD");
        DealRecord euros = dollars;
        euros.m_currency = QStringLiteral("EUR");
        ScriptedPrompt prompt;
        LoanAnalysisDialog dollarWindow(dollars, prompt);
        LoanAnalysisDialog euroWindow(euros, prompt);
        dollarWindow.refresh();
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        const struct
        {
            LoanAnalysisDialog &window;
            QString loanAmount; // the first-run price of 200,000 less the down payment of 20,000
            QString price;
            QString otherSign;
        } shown[] = {{dollarWindow, QStringLiteral("180.000,00\u00a0$"),
                      QStringLiteral("200.000,00\u00a0$"), QStringLiteral("\u20ac")},
                     {euroWindow, QStringLiteral("180.000,00\u00a0\u20ac"),
                      QStringLiteral("200.000,00\u00a0\u20ac"), QStringLiteral("$")}};
        for (const auto &each : shown) {
            auto &table = *each.window.findChild<QTableView *>(QStringLiteral("comparison"));
            QCOMPARE(cellOf(table, QStringLiteral("Loan Amount"), 0), each.loanAmount);
            // The first month's balance, in the deal's currency.
            const auto &schedule = *each.window.findChild<QTableView *>(QStringLiteral("schedule"));
            const QString balance = schedule.model()->index(0, 4).data().toString();
            QVERIFY2(balance.endsWith(each.loanAmount.right(2)), qPrintable(balance));
            const QString best =
                each.window.findChild<QLabel *>(QStringLiteral("bestOffer"))->text();
            // The plain text of a document gives a no-break space as a space.
            const QString printed = each.window.printableDocument(a4)->toPlainText();
            QVERIFY2(printed.contains(QString(each.price).replace(QChar(0xA0), QLatin1Char(' '))),
                     qPrintable(printed));
            for (const QString &text : {best, printed})
                QVERIFY2(!text.contains(each.otherSign), qPrintable(text));
        }
    }

    // Pictures of the window's comparison and charts and the PDF it saves, in the locale named
    // by ZANT_TEST_LOCALE (en_US by default), for a person to look at.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("ZANT_TEST_ARTIFACTS");
        if (folder.isEmpty())
            QSKIP("ZANT_TEST_ARTIFACTS is not set");
        QDir().mkpath(folder);
        const QString locale = qEnvironmentVariable("ZANT_TEST_LOCALE", QStringLiteral("en_US"));
        const QString deal = qEnvironmentVariable("ZANT_TEST_DEAL", QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"));
        LocaleServices::pinLocale(locale);
        QLocale::setDefault(QLocale(locale));
        installTranslations(*qApp);
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            fixture.m_prompt.setNextFileName(deal);
            QVERIFY(trigger(dlg, "actionImport"));
            QVERIFY(trigger(dlg, "actionLoanAnalysis"));
            auto *window = dlg.findChild<LoanAnalysisDialog *>();
            QVERIFY(window && QTest::qWaitForWindowExposed(window));
            auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabs"));
            const QString suffix = QLatin1Char('-') + locale;
            for (int tab : {0, 2}) {
                tabs->setCurrentIndex(tab);
                QTest::qWait(50);
                QVERIFY(window->grab().save(QDir(folder).filePath(
                    (tab == 0 ? QStringLiteral("analysis") : QStringLiteral("charts")) + suffix + QStringLiteral(".png"))));
            }
            fixture.m_prompt.setNextFileName(QDir(folder).filePath(QStringLiteral("analysis") + suffix + QStringLiteral(".pdf")));
            window->onSavePdf();
            QVERIFY(fixture.m_prompt.m_messages.isEmpty());
            window->close();
            dlg.reject();
        });
    }

    // Five loans alike: the window says no offer stands out, as the JSON does for the same
    // file, and marks none.
    void fiveAlikeLoansNoneStandsOut()
    {
        AppFixture fixture;
        fixture.run([&](MainDialog &dlg) {
            auto *window = openAnalysis(fixture, dlg, QStringLiteral(ZANT_EXAMPLES "/first-run.zant"));
            QVERIFY(window);
            QCOMPARE(window->findChild<QLabel *>(QStringLiteral("bestOffer"))->text(),
                     QStringLiteral("Best offer by IRR: none stands out (no compared offer has an "
                                    "IRR, or all earn alike)."));
            auto &table = *window->findChild<QTableView *>(QStringLiteral("comparison"));
            for (int k = 0; k < 5; ++k)
                QVERIFY(!itemOf(table, QStringLiteral("Safety Cash Flow"), k).font().bold());
            window->close();
            dlg.reject();
        });
    }
};

QTEST_MAIN(TestLoanAnalysis)
#include "tst_loananalysis.moc"
