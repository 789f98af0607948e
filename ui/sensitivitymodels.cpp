#include "ui/sensitivitymodels.h"

#include "ui/analysisviews.h"

#include "core/value.h"

#include <QCoreApplication>
#include <QFont>

using namespace AnalysisViews;

namespace {

QFont boldFont()
{
    QFont font;
    font.setBold(true);
    return font;
}

} // namespace

QString stepText(double step, MeasureUnit unit, const QString &currency)
{
    if (unit == MeasureUnit::Money)
        return formatCurrency(step, currency);
    PercentValue percent;
    percent.m_value = step;
    return percent.format(currency);
}

SensitivityGridModel::SensitivityGridModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void SensitivityGridModel::show(const Sensitivity &s, int currentRow, int holdYears, const QString &currency)
{
    beginResetModel();
    m_sensitivity = s;
    m_currentRow = currentRow;
    m_holdYears = holdYears;
    m_currency = currency;
    const IrrScale scale(s);
    m_colours.clear();
    for (const auto &row : s.grid) {
        std::vector<QColor> colours;
        for (const Measure &irr : row)
            colours.push_back(scale.colour(irr));
        m_colours.push_back(colours);
    }
    endResetModel();
}

int SensitivityGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_sensitivity.grid.size());
}

int SensitivityGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_sensitivity.holdYears.size());
}

bool SensitivityGridModel::isCurrent(int row, int column) const
{
    return row == m_currentRow || m_sensitivity.holdYears[std::size_t(column)] == m_holdYears;
}

QVariant SensitivityGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Measure &irr = m_sensitivity.grid[std::size_t(index.row())][std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return formatMeasure(irr, MeasureUnit::Fraction, m_currency);
    case Qt::ToolTipRole:
        return irr.isKnown() ? QVariant() : QVariant(irr.reason);
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
    case ScaleRole:
        return m_colours[std::size_t(index.row())][std::size_t(index.column())];
    case Qt::ForegroundRole:
        return QColor(Qt::black); // dark text on the light scale in every theme
    case Qt::FontRole:
        return isCurrent(index.row(), index.column()) ? QVariant(boldFont()) : QVariant();
    case CurrentRole:
        return isCurrent(index.row(), index.column());
    default:
        return {};
    }
}

QVariant SensitivityGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0 || section >= (orientation == Qt::Horizontal ? columnCount() : rowCount()))
        return {};
    const bool current = orientation == Qt::Horizontal
        ? m_sensitivity.holdYears[std::size_t(section)] == m_holdYears
        : section == m_currentRow;
    switch (role) {
    case Qt::DisplayRole:
        return orientation == Qt::Horizontal
            ? QString::number(m_sensitivity.holdYears[std::size_t(section)])
            : stepText(m_sensitivity.appreciationPercent[std::size_t(section)], MeasureUnit::Fraction, m_currency);
    case Qt::ToolTipRole:
        return orientation == Qt::Vertical
            ? QVariant(QCoreApplication::translate("LoanAnalysisDialog", "Appreciation"))
            : QVariant();
    case Qt::FontRole:
        return current ? QVariant(boldFont()) : QVariant();
    case CurrentRole:
        return current;
    default:
        return {};
    }
}

OneWayModel::OneWayModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void OneWayModel::show(const OneWaySensitivity &table, MeasureUnit unit, int current,
                       const QString &title, const QString &definition, const QString &currency)
{
    beginResetModel();
    m_table = table;
    m_unit = unit;
    m_current = current;
    m_title = title;
    m_definition = definition;
    m_currency = currency;
    endResetModel();
}

int OneWayModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.steps.size());
}

int OneWayModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant OneWayModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const std::size_t row = std::size_t(index.row());
    const bool current = index.row() == m_current;
    const bool isStep = index.column() == 0;
    switch (role) {
    case Qt::DisplayRole:
        return isStep ? stepText(m_table.steps[row], m_unit, m_currency)
                      : formatMeasure(m_table.irr[row], MeasureUnit::Fraction, m_currency);
    case Qt::ToolTipRole:
        if (!isStep && !m_table.irr[row].isKnown())
            return m_table.irr[row].reason;
        return current ? QVariant(QCoreApplication::translate("LoanAnalysisDialog", "as it is now")) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        return current ? QVariant(boldFont()) : QVariant();
    case CurrentRole:
        return current;
    default:
        return {};
    }
}

QVariant OneWayModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section > 1)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return section == 0 ? m_title : QCoreApplication::translate("LoanAnalysisDialog", "IRR");
    case Qt::ToolTipRole:
        return section == 0 ? QVariant(m_definition) : QVariant();
    default:
        return {};
    }
}
