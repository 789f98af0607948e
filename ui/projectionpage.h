#pragma once

#include "core/dealfields.h"

#include "core/dealrecord.h"

#include <QByteArray>
#include <QWidget>

#include <array>
#include <vector>

class AnalysisShown;
class FigureEdits;
class OffersModel;
struct OfferRow;
class ProjectionYearsModel;
class QChart;
class QCheckBox;
class QGridLayout;
class QLabel;
class QTableView;

// The Loan Analysis window's Projection page: the assumptions, edited here into the record; what
// each offer earns over the holding period, with whether it is compared and its extra payment;
// the chosen loan year by year and a chart of each compared offer's equity.
class ProjectionPage : public QWidget
{
    Q_OBJECT

public:
    // The page's figures are edited through edits, which take them into the record.
    ProjectionPage(const AnalysisShown &shown, FigureEdits &edits, QWidget *parent = nullptr);

    // Shows the analysis as it stands.
    void refresh();
    // Checks the "Compare" boxes of the offers compared.
    void showCompared();
    // Shows the chosen loan year by year.
    void showChosenLoan();
    // Names the offers as the record now names them; the figures stay as they are.
    void showNames();
    // Repeats the comparison's offer headers above the summary.
    void showOfferHeaders();

    [[nodiscard]] QString printableHtml() const;
    // The chart the printout pictures where printableHtml() names "chart:equity".
    [[nodiscard]] QChart *chart() const;
    [[nodiscard]] QByteArray csv() const;

signals:
    // The user has checked or cleared the offer's "Compare".
    void compareChosen(int loan, bool on);

private:
    // The edits of the assumptions typed at editedOn, in three columns of label and figure from
    // firstRow of grid on; gives the row after them.
    int addAssumptions(QGridLayout &grid, EditedOn editedOn, int firstRow);
    [[nodiscard]] QString problems() const;
    void fillSummary();
    // The summary's rows: the offers' boxes and extra payments, then the projection's figures.
    [[nodiscard]] std::vector<OfferRow> summaryRows() const;
    // The year table's headers, wrapped to the width of a figure.
    [[nodiscard]] QStringList yearlyHeaders() const;
    void fillEquityChart();

    const AnalysisShown &m_shown;
    FigureEdits &m_edits;
    std::array<QCheckBox *, MAX_LOANS> m_compare{};
    QLabel *m_problems = nullptr;
    QTableView *m_summary = nullptr;
    OffersModel *m_summaryModel = nullptr;
    QLabel *m_yearlyTitle = nullptr;
    QTableView *m_yearly = nullptr;
    ProjectionYearsModel *m_yearlyModel = nullptr;
    QChart *m_chart = nullptr;
};
