#pragma once

#include <QByteArray>
#include <QTableView>

class AnalysisShown;
class OffersModel;

// The Loan Analysis window's Comparison page: the offers side by side on the measures an investor
// compares them by, the best of each row marked, an offer left out greyed. Its column headers
// name the offers, which the other pages' tables of offers repeat.
class ComparisonPage : public QTableView
{
    Q_OBJECT

public:
    explicit ComparisonPage(const AnalysisShown &shown, QWidget *parent = nullptr);

    // Fills the table from the analysis as it stands.
    void refresh();
    // Names the offers in the headers as the record now names them; the figures stay as they are.
    void showNames();
    [[nodiscard]] const OffersModel &offers() const { return *m_model; }

    [[nodiscard]] QString printableHtml() const;
    [[nodiscard]] QByteArray csv() const;

signals:
    // The offers' headers are new.
    void headersChanged();

protected:
    // The headers are wrapped to the columns' width, which follows the table's.
    bool viewportEvent(QEvent *event) override;

private:
    [[nodiscard]] int figuresWidth(int column) const;
    void fitColumns();

    const AnalysisShown &m_shown;
    OffersModel *m_model = nullptr;
};
