#pragma once

#include "core/measures.h"
#include "core/projection.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// One loan's projection year by year: a row per year, a column per figure of a year column table
// (projectionYearColumns(), or the after-tax afterTaxYearColumns()), each as the user's locale shows it in the deal's currency. A
// figure that cannot be given says why in its tooltip. The view sets the headers' text, wrapped to
// the width it gives the columns; their tooltips are the figures' definitions.
class ProjectionYearsModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ProjectionYearsModel(QObject *parent = nullptr,
                                  const std::vector<ProjectionYearColumn> &columns = projectionYearColumns());

    // Shows these years; money in currency (ISO 4217).
    void show(std::vector<ProjectionYear> years, const QString &currency);
    // The headers' texts, one for each column; a text may hold line breaks.
    void setHeaderTexts(const QStringList &texts);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    const std::vector<ProjectionYearColumn> &m_columns;
    std::vector<ProjectionYear> m_years;
    QString m_currency;
    QStringList m_headers;
};
