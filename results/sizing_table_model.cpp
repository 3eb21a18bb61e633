#include "results/sizing_table_model.h"

#include "engine/display_text.h"
#include "engine/sizing_text.h"
#include "engine/waiting_time.h"

namespace trevalo {

namespace {

QString figure(double value) { return QString::fromStdString(engine::figureText(value)); }

}  // namespace

void SizingTableModel::setOutcome(const engine::SizingOutcome* outcome, bool officeBuilding)
{
    beginResetModel();
    m_rows.clear();
    m_columns = {Column::Cars, Column::Load, Column::Speed, Column::Rtt, Column::Interval, Column::Hc, Column::Awt};
    if (officeBuilding)
        m_columns.push_back(Column::Grade);
    if (outcome != nullptr) {
        m_rows = outcome->listed;
        m_targets = outcome->targets.targets;
        if (!outcome->met) {
            m_columns.push_back(Column::HcMargin);
            m_columns.push_back(Column::IntervalMargin);
            if (m_targets.awt)
                m_columns.push_back(Column::AwtMargin);
        }
    }
    endResetModel();
}

const engine::SizingCandidate* SizingTableModel::candidate(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return nullptr;
    return &m_rows[static_cast<std::size_t>(row)];
}

int SizingTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SizingTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

SizingTableModel::Column SizingTableModel::columnAt(int section) const
{
    return m_columns[static_cast<std::size_t>(section)];
}

QString SizingTableModel::text(const engine::SizingCandidate& c, Column column) const
{
    switch (column) {
    case Column::Cars: return QString::number(c.cars);
    case Column::Load: return figure(c.load) + QLatin1Char('/') + figure(c.persons);
    case Column::Speed: return figure(c.speed);
    case Column::Rtt: return figure(c.roundTripTime);
    case Column::Interval: return figure(c.interval);
    case Column::Hc: return figure(c.groupPercent);
    case Column::Awt: return c.awt ? figure(*c.awt) : QStringLiteral("不适用");
    case Column::Grade: return QString::fromStdString(engine::intervalGradeText(engine::intervalGrade(c.interval)));
    case Column::HcMargin: return figure(c.check.hcMargin);
    case Column::IntervalMargin: return figure(c.check.intervalMargin);
    case Column::AwtMargin: return c.check.awtMargin ? figure(*c.check.awtMargin) : QStringLiteral("不适用");
    }
    return {};
}

QVariant SizingTableModel::data(const QModelIndex& index, int role) const
{
    const engine::SizingCandidate* c = candidate(index.row());
    if (c == nullptr || index.column() < 0 || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return text(*c, columnAt(index.column()));
    if (role == Qt::ToolTipRole)
        return QString::fromStdString(engine::candidateExplanation(*c, m_targets));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

QVariant SizingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
        return {};
    switch (columnAt(section)) {
    case Column::Cars: return QStringLiteral("台数");
    case Column::Load: return QStringLiteral("载重/人数");
    case Column::Speed: return QStringLiteral("速度 (M/S)");
    case Column::Rtt: return QStringLiteral("RTT (秒)");
    case Column::Interval: return QStringLiteral("间隔 (秒)");
    case Column::Hc: return QStringLiteral("HC (%)");
    case Column::Awt: return QStringLiteral("AWT 估算 (秒)");
    case Column::Grade: return QStringLiteral("间隔评级");
    case Column::HcMargin: return QStringLiteral("HC 差距");
    case Column::IntervalMargin: return QStringLiteral("间隔差距 (秒)");
    case Column::AwtMargin: return QStringLiteral("AWT 差距 (秒)");
    }
    return {};
}

}  // namespace trevalo
