#pragma once

#include <QByteArray>
#include <QWidget>

#include <array>

class AnalysisShown;
class FigureEdits;
class QChart;
class QLabel;
class OffersModel;
class QTableView;

// The Loan Analysis window's Scenarios page: the bear and the bull market's figures edited beside
// the base case's, the target IRR, and what each offer earns in each market with the price it may
// cost to reach the target, in a table and a chart.
class ScenariosPage : public QWidget
{
    Q_OBJECT

public:
    // The page's figures are edited through edits, which take them into the record.
    ScenariosPage(const AnalysisShown &shown, FigureEdits &edits, QWidget *parent = nullptr);

    // Shows the analysis as it stands.
    void refresh();
    // Names the offers as the comparison's headers do.
    void showOfferHeaders();

    [[nodiscard]] QString printableHtml() const;
    // The chart the printout pictures where printableHtml() names "chart:scenarios".
    [[nodiscard]] QChart *chart() const;
    [[nodiscard]] QByteArray csv() const;

private:
    void fillChart();

    const AnalysisShown &m_shown;
    FigureEdits &m_edits;
    QTableView *m_table = nullptr;
    OffersModel *m_model = nullptr;
    std::array<QLabel *, 4> m_baseMarket{}; // the base case's four market figures, read only
    QChart *m_chart = nullptr;
    QLabel *m_notCharted = nullptr;
};
