#pragma once

#include "core/loananalysis.h"
#include "core/measures.h"

#include <QAbstractTableModel>
#include <QBrush>

#include <array>
#include <vector>

// One figure of the five offers: a row of a table with a column per offer.
struct OfferRow
{
    QString label;
    QString definition; // the row header's tooltip
    std::array<Measure, MAX_LOANS> values{};
    MeasureUnit unit = MeasureUnit::Money;
    bool multiple = false;     // a ratio read as times the cash invested ("1.85×")
    std::vector<int> best{};   // the offers marked best of the row
    bool acrossOffers = false; // one figure for all five (the property's), in the first column
    bool forWidgets = false;   // a row the view fills with widgets of its own: no text
    bool underWidgets = false; // the figures lie under the view's widgets: for the printout only
    std::array<QString, MAX_LOANS> notes{}; // a known figure's tooltip, where it needs one
};

// The row of a figure each offer has, read from its analysis by get, the best marked by better.
[[nodiscard]] OfferRow figureRow(const DealAnalysis &analysis, const QString &label, const QString &definition,
                                 MeasureUnit unit, bool multiple, Measure (*get)(const LoanAnalysis &),
                                 Better better);

// The offers × figures tables of the Loan Analysis window (the comparison, the projection's
// summary, the scenarios) as a model: each cell the figure as the locale shows it, the best of
// a row bold on green (BestRole), an offer left out of the comparison greyed with the reason as
// its tooltip. The column headers are the offers' names as the view wraps them.
class OffersModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit OffersModel(QObject *parent = nullptr);

    // The rows; figures in currency (ISO 4217). compared and reasons say which offers take part,
    // and why the others do not; leftOut is the text colour of those.
    void setRows(std::vector<OfferRow> rows, const DealAnalysis &analysis,
                 const ComparedOffers &compared, const QString &currency, const QBrush &leftOut);
    // The offers' headers and their tooltips.
    void setOfferHeaders(const std::array<QString, MAX_LOANS> &texts,
                         const std::array<QString, MAX_LOANS> &toolTips);

    [[nodiscard]] const OfferRow &row(int row) const { return m_rows[std::size_t(row)]; }
    [[nodiscard]] const std::array<QString, MAX_LOANS> &offerHeaders() const { return m_headers; }
    [[nodiscard]] const std::array<QString, MAX_LOANS> &offerHeaderToolTips() const { return m_headerToolTips; }
    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    [[nodiscard]] bool isBest(int row, int loan) const;
    [[nodiscard]] QString text(int row, int loan) const;
    [[nodiscard]] QString toolTip(int row, int loan) const;

    std::vector<OfferRow> m_rows;
    ComparedOffers m_compared{};
    std::array<QString, MAX_LOANS> m_leftOutReasons;
    QString m_currency;
    QBrush m_leftOut;
    std::array<QString, MAX_LOANS> m_headers;
    std::array<QString, MAX_LOANS> m_headerToolTips;
};
