#include "engine/simulation/simulation_checks.h"

#include "engine/analysis/analysis.h"
#include "engine/analysis/run_model.h"
#include "engine/analysis_checks.h"
#include "engine/leading_number.h"
#include "engine/simulation/simulation_entry_table.h"
#include "engine/simulation/simulation_traffic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string>

namespace trevalo::engine {

namespace {

// The forms hold whole numbers as 16-bit integers; no building has more floors or cars.
constexpr double kMostWhole = 32767;
// Arrivals of all replications together that the simulation keeps in memory at the most.
constexpr double kMostExpectedPassengers = 5e7;

Refusal refuse(EntryId entry, std::string reason)
{
    return Refusal{Notice::InputError, false, entry, std::move(reason)};
}

bool isWhole(double value) { return std::isfinite(value) && value == std::floor(value); }

// An entry read as a number: its default when empty, nothing when it holds no number.
std::optional<double> entryValue(const std::string& text, double fallback)
{
    if (text.empty())
        return fallback;
    if (!hasLeadingNumber(text))
        return std::nullopt;
    return leadingNumber(text);
}

std::optional<Refusal> readEntries(const SimulationEntries& entries, double defaultDemandPercent,
                                   double defaultLimit, SimulationSetup& setup)
{
    std::array<double, kSimulationEntryCount> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const SimulationEntryRow& row = simulationEntryRows()[i];
        const std::string& text = entries.*row.text;
        const auto entry = static_cast<SimulationEntry>(i);
        // The demand takes the project's handling capacity target, the loading limit its up share.
        const double fallback = entry == SimulationEntry::Demand         ? defaultDemandPercent
                                : entry == SimulationEntry::LoadingLimit ? defaultLimit
                                                                         : row.fallback.value_or(0);
        const auto value = entryValue(text, fallback);
        // Only the random arrivals need a demand; a typed one is checked all the same.
        const bool needed = entry != SimulationEntry::Demand || entries.passengers.empty() ||
                            !text.empty();
        if (needed && !(value && accepts(row, *value)))
            return refuse(row.id, row.reason);
        values[i] = value.value_or(0);
    }
    const auto taken = [&values](SimulationEntry entry) { return values[static_cast<std::size_t>(entry)]; };
    setup.demandPercent = taken(SimulationEntry::Demand);
    setup.duration = taken(SimulationEntry::Minutes) * 60;
    setup.loadingLimit = taken(SimulationEntry::LoadingLimit);
    setup.dwell = taken(SimulationEntry::Dwell);
    setup.replications = static_cast<int>(taken(SimulationEntry::Replications));
    setup.seed = static_cast<std::uint64_t>(static_cast<std::int64_t>(taken(SimulationEntry::Seed)));
    return std::nullopt;
}

std::optional<Refusal> readPassengerList(const std::vector<PassengerEntry>& list, SimulationSetup& setup)
{
    const auto floors = static_cast<double>(setup.levels.size());
    for (std::size_t row = 0; row < list.size(); ++row) {
        const PassengerEntry& entry = list[row];
        const std::string rowName = "第 " + std::to_string(row + 1) + " 行：";
        const std::string top = std::to_string(setup.levels.size());
        if (!(entry.arrival >= 0 && std::isfinite(entry.arrival)))
            return refuse(EntryId::Passengers, rowName + "到达时间不应小于零");
        const bool fromMainFloor = entry.origin == 0;
        if (!(isWhole(entry.origin) && entry.origin >= 0 && entry.origin <= floors))
            return refuse(EntryId::Passengers, rowName + "出发楼层应为 0 至 " + top + " 之间的整数");
        if (fromMainFloor && !(isWhole(entry.floor) && entry.floor >= 1 && entry.floor <= floors))
            return refuse(EntryId::Passengers, rowName + "目的楼层应为 1 至 " + top + " 之间的整数");
        if (!(isWhole(entry.floor) && entry.floor >= 0 && entry.floor <= floors))
            return refuse(EntryId::Passengers, rowName + "目的楼层应为 0 至 " + top + " 之间的整数");
        if (entry.floor == entry.origin)
            return refuse(EntryId::Passengers, rowName + "出发楼层与目的楼层不应相同");
        setup.passengerList.push_back({entry.arrival, static_cast<int>(entry.floor), static_cast<int>(entry.origin)});
    }
    std::stable_sort(setup.passengerList.begin(), setup.passengerList.end(),
                     [](const Arrival& a, const Arrival& b) { return a.time < b.time; });
    setup.replications = setup.passengerList.empty() ? setup.replications : 1;
    return std::nullopt;
}

// The served floors' levels and the car's timings, as the round trip takes them.
std::optional<Refusal> deriveBuilding(const CheckedEntries& checked, SimulationSetup& setup)
{
    const Installation& installation = checked.installation;
    const double expressDistance = expressDistanceOf(installation);
    const int floors = static_cast<int>(installation.floorsServed);
    setup.levels.resize(static_cast<std::size_t>(floors));
    for (int i = 0; i < floors; ++i)
        setup.levels[static_cast<std::size_t>(i)] = expressDistance + i * installation.floorHeight;
    setup.ratedSpeed = installation.ratedSpeed;
    const bool levelsFinite = std::all_of(setup.levels.begin(), setup.levels.end(),
                                          [](double level) { return std::isfinite(level); });
    const auto longest = runDuration(setup.ratedSpeed, std::abs(setup.levels.back() - setup.levels.front()) +
                                                           std::abs(setup.levels.front()));
    if (!levelsFinite || !std::isfinite(setup.ratedSpeed) || !longest || !std::isfinite(*longest))
        return refuse(EntryId::Travel, "行程、层高或速度超出可模拟的范围");

    const DoorTimes doors = doorTimesOf(installation);
    setup.doorTime = std::max(0.0, doors.perStop);
    setup.transferTime = doors.transferPerPassenger;
    setup.cars = static_cast<int>(checked.cars);
    setup.persons = std::floor(checked.ratedLoad / kPersonMass);
    setup.population = checked.population.total;
    if (checked.population.spread == PopulationSpread::PerFloor)
        setup.floorWeights = checked.population.floorValues;
    return std::nullopt;
}

}  // namespace

std::variant<Refusal, SimulationSetup> checkSimulation(const AnalysisInputs& inputs,
                                                       const SimulationEntries& entries,
                                                       double defaultDemandPercent)
{
    return checkSimulation(inputs, entries, defaultDemandPercent, runAnalysis(inputs));
}

std::variant<Refusal, SimulationSetup> checkSimulation(const AnalysisInputs& inputs,
                                                       const SimulationEntries& entries,
                                                       double defaultDemandPercent, const AnalysisOutcome& analysis)
{
    const auto checkedEntries = checkEntries(inputs, true);
    if (const auto* refusal = std::get_if<Refusal>(&checkedEntries))
        return *refusal;
    const CheckedEntries& checked = std::get<CheckedEntries>(checkedEntries);
    if (!inputs.elevator.fixedConfiguration)
        return refuse(EntryId::FixedConfiguration, "模拟需要确定的额定载重和电梯台数");
    // The calculation's own refusals of its figures (a run with no duration, a figure that
    // cannot be formed) hold for the simulation too.
    if (const auto* refusal = std::get_if<Refusal>(&analysis))
        return *refusal;
    if (!isWhole(checked.installation.floorsServed))
        return refuse(EntryId::FloorsServed, "服务层数应为整数");
    if (!(isWhole(checked.cars) && checked.cars <= kMostWhole))
        return refuse(EntryId::CarCount, "电梯台数应为不超过 32767 的整数");

    SimulationSetup setup;
    if (auto refusal = readEntries(entries, defaultDemandPercent, defaultLoadingLimit(inputs), setup))
        return *refusal;
    if (auto refusal = deriveBuilding(checked, setup))
        return *refusal;
    if (auto refusal = readTrafficEntries(entries, setup))
        return *refusal;
    if (auto refusal = readPassengerList(entries.passengers, setup))
        return *refusal;

    // Whole persons: a car always takes at least one passenger, and never needs a limit
    // beyond any queue the simulation can hold.
    const double limit = std::floor(setup.persons * setup.loadingLimit / 100);
    setup.boardingLimit = static_cast<std::int64_t>(std::clamp(limit, 1.0, kMostExpectedPassengers));
    if (setup.hasPassengerList())
        return setup;

    setup.arrivalRate = setup.demandPercent / 100 * setup.population / 300;
    const double expected = setup.arrivalRate * setup.duration * setup.replications;
    if (!(expected <= kMostExpectedPassengers))
        return refuse(EntryId::DemandPercent, "需求过大：模拟的乘客人数超出上限");
    const double weightSum = std::accumulate(setup.floorWeights.begin(), setup.floorWeights.end(), 0.0);
    if (!setup.floorWeights.empty() && !(weightSum > 0 && std::isfinite(weightSum)))
        return refuse(EntryId::FloorPopulations, "各层人数之和应大于零");
    return setup;
}

}  // namespace trevalo::engine
