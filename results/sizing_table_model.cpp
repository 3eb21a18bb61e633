#include "results/sizing_table_model.h"

#include "engine/analysis/waiting_time.h"
#include "engine/display_text.h"
#include "engine/sizing/sizing_text.h"

namespace trevalo {

namespace {

QString figure(double value) { return QString::fromStdString(engine::figureText(value)); }

QString margin(double value, const char* unit) { return QString::fromStdString(engine::marginText(value, unit)); }

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
    case Column::HcMargin: return margin(c.check.hcMargin, "%");
    case Column::IntervalMargin: return margin(c.check.intervalMargin, "秒");
    case Column::AwtMargin: return c.check.awtMargin ? margin(*c.check.awtMargin, "秒") : QStringLiteral("不适用");
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
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= columnCount() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    // Short captions keep every column readable at the form's width; the tooltip names the
    // figure and its unit.
    const bool caption = role == Qt::DisplayRole;
    switch (columnAt(section)) {
    case Column::Cars: return caption ? QStringLiteral("台数") : QStringLiteral("电梯数量（台）");
    case Column::Load: return caption ? QStringLiteral("载重/人数") : QStringLiteral("额定载重（kg）/ 人数");
    case Column::Speed: return caption ? QStringLiteral("速度") : QStringLiteral("额定速度（M/S）");
    case Column::Rtt: return caption ? QStringLiteral("RTT") : QStringLiteral("总行程时间（秒）");
    case Column::Interval: return caption ? QStringLiteral("间隔") : QStringLiteral("平均间隔 = RTT / 台数（秒）");
    case Column::Hc: return caption ? QStringLiteral("HC(%)") : QStringLiteral("5分钟总运载人数占总人数百分比");
    case Column::Awt:
        return caption ? QStringLiteral("AWT 估算") : QStringLiteral("平均候梯时间估算（秒），CIBSE Guide D（Barney）");
    case Column::Grade: return caption ? QStringLiteral("间隔评级") : QStringLiteral("办公楼间隔评级");
    case Column::HcMargin:
        return caption ? QStringLiteral("HC 差距") : QStringLiteral("HC(%) − 目标（百分点）：余量为正，不足为负");
    case Column::IntervalMargin:
        return caption ? QStringLiteral("间隔差距") : QStringLiteral("目标 − 间隔（秒）：余量为正，不足为负");
    case Column::AwtMargin:
        return caption ? QStringLiteral("AWT 差距") : QStringLiteral("目标 − AWT 估算（秒）：余量为正，不足为负");
    }
    return {};
}

}  // namespace trevalo
