#pragma once

#include "core/measures.h"
#include "core/scenarios.h"

#include <QAbstractTableModel>
#include <QColor>

// The Sensitivity page's tables as models: the grid of IRRs by appreciation and holding period,
// and a one-way table of IRRs by one figure's steps. Their cells carry the roles of the page's
// marks: bold (Qt::FontRole) for the figure as it is now, the grid's scale colour as background.

// A step as its edit would show it: money in the deal's currency, a rate with its third decimal
// where it has one (6.875 %).
[[nodiscard]] QString stepText(double step, MeasureUnit unit, const QString &currency);

class SensitivityGridModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit SensitivityGridModel(QObject *parent = nullptr);

    // The grid of s; the row of the appreciation now and the holding period now are bold.
    void show(const Sensitivity &s, int currentRow, int holdYears, const QString &currency);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    [[nodiscard]] bool isCurrent(int row, int column) const;

    Sensitivity m_sensitivity;
    std::vector<std::vector<QColor>> m_colours;
    int m_currentRow = -1;
    int m_holdYears = 0;
    QString m_currency;
};

class OneWayModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit OneWayModel(QObject *parent = nullptr);

    // The steps of table with their IRR; the step now (current) is bold. title and definition
    // name the figure changed.
    void show(const OneWaySensitivity &table, MeasureUnit unit, int current, const QString &title,
              const QString &definition, const QString &currency);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    OneWaySensitivity m_table;
    MeasureUnit m_unit = MeasureUnit::Fraction;
    int m_current = -1;
    QString m_title;
    QString m_definition;
    QString m_currency;
};
