#include "ui/projectionyearsmodel.h"

#include "core/measures.h"

ProjectionYearsModel::ProjectionYearsModel(QObject *parent, const std::vector<ProjectionYearColumn> &columns)
    : QAbstractTableModel(parent), m_columns(columns)
{
}

void ProjectionYearsModel::show(std::vector<ProjectionYear> years, const QString &currency)
{
    beginResetModel();
    m_years = std::move(years);
    m_currency = currency;
    endResetModel();
}

void ProjectionYearsModel::setHeaderTexts(const QStringList &texts)
{
    m_headers = texts;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int ProjectionYearsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_years.size());
}

int ProjectionYearsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ProjectionYearsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const ProjectionYearColumn &column = m_columns[std::size_t(index.column())];
    const Measure figure = column.get(m_years[std::size_t(index.row())]);
    switch (role) {
    case Qt::DisplayRole:
        return formatProjectionFigure(figure, column.unit, column.multiple, m_currency);
    case Qt::ToolTipRole:
        return figure.isKnown() ? QVariant() : QVariant(figure.reason);
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ProjectionYearsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const ProjectionYearColumn &column = m_columns[std::size_t(section)];
    switch (role) {
    case Qt::DisplayRole:
        return section < m_headers.size() ? m_headers.at(section) : projectionText(column.label);
    case Qt::ToolTipRole:
        return projectionText(column.definition);
    default:
        return {};
    }
}
