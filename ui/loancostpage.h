#pragma once

#include <QByteArray>
#include <QWidget>

class AnalysisShown;
class OffersModel;
class QChart;
class QLabel;
class QStandardItemModel;
class QTableView;

// The Loan Analysis window's Loan Cost page: what each compared offer has cost if it is repaid
// after any month (the buyer sells or refinances), charted over the months with the months where
// another offer becomes the cheapest marked; the cheapest offer if the buyer leaves after a few
// chosen years and after the hold; and when an offer's higher points and fees pay off against
// each other offer.
class LoanCostPage : public QWidget
{
    Q_OBJECT

public:
    explicit LoanCostPage(const AnalysisShown &shown, QWidget *parent = nullptr);

    // Shows the analysis as it stands.
    void refresh();
    // Names the offers as the comparison's headers do.
    void showOfferHeaders();
    // Names the chart's lines and the pairs as the record now names the loans.
    void showNames();

    [[nodiscard]] QString printableHtml() const;
    // The charts the printout pictures where printableHtml() names "chart:loanCost" and
    // "chart:loanCostAbove".
    [[nodiscard]] QChart *chart() const { return m_chart; }
    [[nodiscard]] QChart *aboveChart() const { return m_aboveChart; }
    [[nodiscard]] QByteArray csv() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fillLeaving();
    void fillPairs();
    void fillCharts();

    const AnalysisShown &m_shown;
    OffersModel *m_leavingModel = nullptr;
    QTableView *m_leaving = nullptr;
    QStandardItemModel *m_pairsModel = nullptr;
    QTableView *m_pairs = nullptr;
    QChart *m_chart = nullptr;
    QChart *m_aboveChart = nullptr;
};
