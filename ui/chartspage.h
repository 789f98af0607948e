#pragma once

#include <QWidget>

class AnalysisShown;
class QChart;

// The Loan Analysis window's Charts page: what is owed on each compared loan over the years, and
// the chosen loan's payments split into principal and interest per year.
class ChartsPage : public QWidget
{
    Q_OBJECT

public:
    explicit ChartsPage(const AnalysisShown &shown, QWidget *parent = nullptr);

    // Draws both charts from the analysis as it stands.
    void refresh();
    // Draws the chosen loan's principal and interest.
    void showChosenLoan();
    // Names the loans as the record now names them; the figures stay as they are.
    void showNames();

    // The charts the printout pictures.
    [[nodiscard]] QChart *balanceChart() const { return m_balanceChart; }
    [[nodiscard]] QChart *splitChart() const { return m_splitChart; }

private:
    void fillBalance();

    const AnalysisShown &m_shown;
    QChart *m_balanceChart = nullptr;
    QChart *m_splitChart = nullptr;
};
