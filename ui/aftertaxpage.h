#pragma once

#include <QByteArray>
#include <QWidget>

class AnalysisShown;
class FigureEdits;
class OffersModel;
class ProjectionYearsModel;
class QLabel;
class QTableView;

// The Loan Analysis window's After Tax page: the tax assumptions (United States rules), what each
// offer returns after tax beside its IRR before tax, and the chosen loan's taxes year by year.
class AfterTaxPage : public QWidget
{
    Q_OBJECT

public:
    // The page's figures are edited through edits, which take them into the record.
    AfterTaxPage(const AnalysisShown &shown, FigureEdits &edits, QWidget *parent = nullptr);

    // Shows the analysis as it stands.
    void refresh();
    // Names the offers as the comparison's headers do, and the chosen loan.
    void showOfferHeaders();
    void showChosenLoan();

    [[nodiscard]] QString printableHtml() const;
    [[nodiscard]] QByteArray csv() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitTables();

    const AnalysisShown &m_shown;
    FigureEdits &m_edits;
    QLabel *m_problem = nullptr;
    OffersModel *m_summaryModel = nullptr;
    QTableView *m_summary = nullptr;
    QLabel *m_yearlyTitle = nullptr;
    ProjectionYearsModel *m_yearlyModel = nullptr;
    QTableView *m_yearly = nullptr;
};
