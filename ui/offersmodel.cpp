#include "ui/offersmodel.h"

#include "ui/analysisviews.h"

#include <QCoreApplication>
#include <QFont>

#include <algorithm>

using namespace AnalysisViews;

OfferRow figureRow(const DealAnalysis &analysis, const QString &label, const QString &definition,
                   MeasureUnit unit, bool multiple, Measure (*get)(const LoanAnalysis &), Better better)
{
    OfferRow row{label, definition, {}, unit, multiple};
    for (int k = 0; k < MAX_LOANS; ++k)
        row.values[std::size_t(k)] = get(analysis.loans[std::size_t(k)]);
    row.best = bestLoans(analysis, get, better);
    return row;
}

OffersModel::OffersModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void OffersModel::setRows(std::vector<OfferRow> rows, const DealAnalysis &analysis,
                          const ComparedOffers &compared, const QString &currency,
                          const QBrush &leftOut)
{
    // The same rows with new figures keep the widgets a view set into them.
    const bool sameShape = rows.size() == m_rows.size();
    if (!sameShape)
        beginResetModel();
    m_rows = std::move(rows);
    m_compared = compared;
    for (int k = 0; k < MAX_LOANS; ++k)
        m_leftOutReasons[std::size_t(k)] = analysis.loans[std::size_t(k)].notCompared;
    m_currency = currency;
    m_leftOut = leftOut;
    if (!sameShape) {
        endResetModel();
    } else if (!m_rows.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
}

void OffersModel::setOfferHeaders(const std::array<QString, MAX_LOANS> &texts,
                                  const std::array<QString, MAX_LOANS> &toolTips)
{
    m_headers = texts;
    m_headerToolTips = toolTips;
    emit headerDataChanged(Qt::Horizontal, 0, MAX_LOANS - 1);
}

int OffersModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int OffersModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MAX_LOANS;
}

bool OffersModel::isBest(int row, int loan) const
{
    const std::vector<int> &best = m_rows[std::size_t(row)].best;
    return std::find(best.begin(), best.end(), loan) != best.end();
}

QString OffersModel::text(int row, int loan) const
{
    const OfferRow &r = m_rows[std::size_t(row)];
    if (r.forWidgets || (r.acrossOffers && loan > 0))
        return {};
    return formatProjectionFigure(r.values[std::size_t(loan)], r.unit, r.multiple, m_currency);
}

QString OffersModel::toolTip(int row, int loan) const
{
    const OfferRow &r = m_rows[std::size_t(row)];
    if (r.forWidgets)
        return {};
    const Measure &value = r.values[std::size_t(loan)];
    const bool best = isBest(row, loan);
    if (r.underWidgets)
        return {};
    const QString &note = r.notes[std::size_t(loan)];
    if (!r.acrossOffers && !m_compared[std::size_t(loan)]
        && ((value.isKnown() && note.isEmpty()) || best))
        return m_leftOutReasons[std::size_t(loan)];
    if (!value.isKnown())
        return value.reason;
    if (best)
        return QCoreApplication::translate("LoanAnalysisDialog", "best of the five");
    return note;
}

QVariant OffersModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int loan = index.column();
    const OfferRow &r = m_rows[std::size_t(row)];
    const bool best = isBest(row, loan);
    switch (role) {
    case Qt::DisplayRole:
        return text(row, loan);
    case Qt::ToolTipRole: {
        const QString tip = toolTip(row, loan);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::TextAlignmentRole:
        return r.acrossOffers ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole: {
        if (!best)
            return {};
        QFont font;
        font.setBold(true);
        return font;
    }
    case Qt::BackgroundRole:
        return best ? QVariant(bestColor) : QVariant();
    case Qt::ForegroundRole:
        if (r.underWidgets)
            return QColor(Qt::transparent);
        return !r.acrossOffers && !m_compared[std::size_t(loan)] ? QVariant(m_leftOut) : QVariant();
    case Qt::AccessibleTextRole:
        return best ? text(row, loan) + QStringLiteral(", ")
                          + QCoreApplication::translate("LoanAnalysisDialog", "best of the five")
                    : text(row, loan);
    case BestRole:
        return best;
    default:
        return {};
    }
}

QVariant OffersModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= rowCount())
            return {};
        const OfferRow &r = m_rows[std::size_t(section)];
        if (role == Qt::DisplayRole)
            return r.label;
        if (role == Qt::ToolTipRole)
            return r.definition.isEmpty() ? QVariant() : QVariant(r.definition);
        return {};
    }
    if (section < 0 || section >= MAX_LOANS)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_headers[std::size_t(section)];
    case Qt::ToolTipRole:
        return m_headerToolTips[std::size_t(section)];
    case Qt::ForegroundRole:
        return m_compared[std::size_t(section)] ? QVariant() : QVariant(m_leftOut);
    default:
        return {};
    }
}
