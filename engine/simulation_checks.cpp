#include "engine/simulation.h"

#include "engine/analysis_checks.h"
#include "engine/run_model.h"
#include "engine/simulation_traffic.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

namespace trevalo::engine {

namespace {

// The forms hold whole numbers as 16-bit integers; no building has more floors or cars.
constexpr double kMostWhole = 32767;
// Arrivals of all replications together that the simulation keeps in memory at the most.
constexpr double kMostExpectedPassengers = 5e7;

Refusal refuse(const char* entry, std::string reason)
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

std::optional<double> inRange(const std::string& text, double fallback, double low, double high)
{
    const auto value = entryValue(text, fallback);
    if (!value || !(*value >= low && *value <= high))
        return std::nullopt;
    return value;
}

std::optional<Refusal> readEntries(const SimulationEntries& entries, double defaultDemandPercent,
                                   double defaultLimit, SimulationSetup& setup)
{
    const auto demand = entryValue(entries.demandPercent, defaultDemandPercent);
    // Only the random arrivals need a demand; a typed one is checked all the same.
    const bool demandNeeded = entries.passengers.empty() || !entries.demandPercent.empty();
    if (demandNeeded && !(demand && *demand > 0 && std::isfinite(*demand)))
        return refuse("simulation.demandPercent", "客流需求应大于 0%");
    setup.demandPercent = demand.value_or(0);
    const auto minutes = inRange(entries.minutes, 60, 10, 240);
    if (!minutes)
        return refuse("simulation.minutes", "模拟时长应在 10 至 240 分钟之间");
    setup.duration = *minutes * 60;
    const auto limit = inRange(entries.loadingLimit, defaultLimit, 0, 100);
    if (!limit || *limit == 0)
        return refuse("simulation.loadingLimit", "装载上限应大于 0% 且不超过 100%");
    setup.loadingLimit = *limit;
    const auto dwell = inRange(entries.dwell, 10, 0, 120);
    if (!dwell)
        return refuse("simulation.dwell", "停留时间应在 0 至 120 秒之间");
    setup.dwell = *dwell;
    const auto replications = inRange(entries.replications, 10, 1, 1000);
    if (!replications || !isWhole(*replications))
        return refuse("simulation.replications", "重复次数应为 1 至 1000 之间的整数");
    setup.replications = static_cast<int>(*replications);
    // Any whole number that a 64-bit integer holds.
    const auto seed = inRange(entries.seed, 1, -0x1p63, 0x1p63);
    if (!seed || !isWhole(*seed) || *seed == 0x1p63)
        return refuse("simulation.seed", "随机种子应为整数");
    setup.seed = static_cast<std::uint64_t>(static_cast<std::int64_t>(*seed));
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
            return refuse("simulation.passengers", rowName + "到达时间不应小于零");
        const bool fromMainFloor = entry.origin == 0;
        if (!(isWhole(entry.origin) && entry.origin >= 0 && entry.origin <= floors))
            return refuse("simulation.passengers", rowName + "出发楼层应为 0 至 " + top + " 之间的整数");
        if (fromMainFloor && !(isWhole(entry.floor) && entry.floor >= 1 && entry.floor <= floors))
            return refuse("simulation.passengers", rowName + "目的楼层应为 1 至 " + top + " 之间的整数");
        if (!(isWhole(entry.floor) && entry.floor >= 0 && entry.floor <= floors))
            return refuse("simulation.passengers", rowName + "目的楼层应为 0 至 " + top + " 之间的整数");
        if (entry.floor == entry.origin)
            return refuse("simulation.passengers", rowName + "出发楼层与目的楼层不应相同");
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
        return refuse("elevator.travel", "行程、层高或速度超出可模拟的范围");

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
    const auto checkedEntries = checkEntries(inputs, true);
    if (const auto* refusal = std::get_if<Refusal>(&checkedEntries))
        return *refusal;
    const CheckedEntries& checked = std::get<CheckedEntries>(checkedEntries);
    if (!inputs.elevator.fixedConfiguration)
        return refuse("elevator.fixedConfiguration", "模拟需要确定的额定载重和电梯台数");
    // The calculation's own refusals of its figures (a run with no duration, a figure that
    // cannot be formed) hold for the simulation too.
    if (const auto analysis = runAnalysis(inputs); const auto* refusal = std::get_if<Refusal>(&analysis))
        return *refusal;
    if (!isWhole(checked.installation.floorsServed))
        return refuse("building.floorsServed", "服务层数应为整数");
    if (!(isWhole(checked.cars) && checked.cars <= kMostWhole))
        return refuse("elevator.carCount", "电梯台数应为不超过 32767 的整数");

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
        return refuse("simulation.demandPercent", "需求过大：模拟的乘客人数超出上限");
    const double weightSum = std::accumulate(setup.floorWeights.begin(), setup.floorWeights.end(), 0.0);
    if (!setup.floorWeights.empty() && !(weightSum > 0 && std::isfinite(weightSum)))
        return refuse("floorPopulations", "各层人数之和应大于零");
    return setup;
}

}  // namespace trevalo::engine
