#include "engine/simulation/simulation_entry_table.h"

#include <cmath>
#include <limits>

namespace trevalo::engine {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Any whole number that a 64-bit integer holds.
constexpr double kSeedLow = -0x1p63;
constexpr double kSeedHigh = 0x1p63;

using E = SimulationEntries;

const std::array<SimulationEntryRow, kSimulationEntryCount> kRows{{
    {&E::demandPercent, EntryId::DemandPercent, "客流需求", "%（5分钟内到达人数占总人数）", std::nullopt, 0, false, kInfinity, false, false, "客流需求应大于 0%"},
    {&E::minutes, EntryId::Minutes, "仿真时长", "分钟", 60, 10, true, 240, true, false, "模拟时长应在 10 至 240 分钟之间"},
    {&E::loadingLimit, EntryId::LoadingLimit, "装载上限", "%（额定人数）", 80, 0, false, 100, true, false, "装载上限应大于 0% 且不超过 100%"},
    {&E::dwell, EntryId::Dwell, "停留时间", "秒（首位乘客上车后保持开门的时间）", 10, 0, true, 120, true, false, "停留时间应在 0 至 120 秒之间"},
    {&E::replications, EntryId::Replications, "重复次数", "次", 10, 1, true, 1000, true, true, "重复次数应为 1 至 1000 之间的整数"},
    {&E::seed, EntryId::Seed, "随机种子", "（整数）", 1, kSeedLow, true, kSeedHigh, false, true, "随机种子应为整数"},
}};

}  // namespace

const std::array<SimulationEntryRow, kSimulationEntryCount>& simulationEntryRows() { return kRows; }

const SimulationEntryRow& simulationEntryRow(SimulationEntry entry) { return kRows[static_cast<std::size_t>(entry)]; }

bool accepts(const SimulationEntryRow& row, double value)
{
    const bool aboveLow = row.lowIncluded ? value >= row.low : value > row.low;
    const bool belowHigh = row.highIncluded ? value <= row.high : value < row.high;
    return aboveLow && belowHigh && (!row.whole || value == std::floor(value));
}

}  // namespace trevalo::engine
