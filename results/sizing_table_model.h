#pragma once

#include "engine/sizing/sizing_search.h"

#include <QAbstractTableModel>

namespace trevalo {

// The ranked configurations of a sizing search as rows of texts, written like the result forms'
// figures. The office types add the interval grade; a search that meets nothing adds the
// margin of each target. Each row's tooltip explains it against the targets.
class SizingTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the rows; an empty outcome leaves the table empty.
    void setOutcome(const engine::SizingOutcome* outcome, bool officeBuilding);

    const engine::SizingCandidate* candidate(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    enum class Column { Cars, Load, Speed, Rtt, Interval, Hc, Awt, Grade, HcMargin, IntervalMargin, AwtMargin };
    Column columnAt(int section) const;
    QString text(const engine::SizingCandidate& c, Column column) const;

    std::vector<engine::SizingCandidate> m_rows;
    engine::DesignTargets m_targets;
    std::vector<Column> m_columns;
};

}  // namespace trevalo
