#pragma once

#include <QByteArray>
#include <QWidget>

class AnalysisShown;
class QComboBox;
class QStandardItemModel;
class QTableView;

// The Loan Analysis window's Schedule page: the chosen loan's amortization schedule, monthly or
// per year.
class SchedulePage : public QWidget
{
    Q_OBJECT

public:
    explicit SchedulePage(const AnalysisShown &shown, QWidget *parent = nullptr);

    // Shows the chosen loan's schedule as the analysis has it now.
    void refresh();
    [[nodiscard]] bool yearly() const;

    // The schedule as printed: a monthly one longer than printedMonthsAtMost months per year.
    [[nodiscard]] QString printableHtml(int printedMonthsAtMost) const;
    // The schedule as shown, monthly or per year.
    [[nodiscard]] QByteArray csv() const;

private:
    void fillModel(QStandardItemModel &model, bool yearly) const;

    const AnalysisShown &m_shown;
    QComboBox *m_period = nullptr;
    QTableView *m_table = nullptr;
    QStandardItemModel *m_model = nullptr;
};
