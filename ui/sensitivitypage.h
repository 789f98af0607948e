#pragma once

#include "core/scenarios.h"

#include <QByteArray>
#include <QWidget>

#include <array>

class AnalysisShown;
class OneWayModel;
class QLabel;
class QTableView;
class SensitivityGridModel;

// The Loan Analysis window's Sensitivity page: how the chosen loan's IRR moves with the
// appreciation and the holding period, and with one figure at a time. The grid takes a few
// milliseconds, so it is worked out when the page shows, not on every edit.
class SensitivityPage : public QWidget
{
    Q_OBJECT

public:
    SensitivityPage(const AnalysisShown &shown, QWidget *parent = nullptr);

    // Works the sensitivity out anew and shows it.
    void refresh();
    // The record or the loan has changed: what the page shows is of an older one.
    void outdate() { m_outdated = true; }
    [[nodiscard]] bool isOutdated() const { return m_outdated; }

    // The chosen loan's sensitivity, computed now.
    [[nodiscard]] Sensitivity computed() const;
    // The page as the printout has it, worked out anew: the page shown may be of an older record.
    [[nodiscard]] QString printableHtml() const;
    [[nodiscard]] QByteArray csv() const;

private:
    // Fills a model with s, the figures as they stand now marked.
    void showGrid(SensitivityGridModel &model, const Sensitivity &s) const;
    void showOneWay(OneWayModel &model, std::size_t i, const Sensitivity &s) const;

    const AnalysisShown &m_shown;
    QLabel *m_title = nullptr;
    QTableView *m_grid = nullptr;
    SensitivityGridModel *m_gridModel = nullptr;
    QLabel *m_legend = nullptr;
    std::array<QTableView *, 4> m_oneWay{};
    std::array<OneWayModel *, 4> m_oneWayModels{};
    bool m_outdated = true;
};
