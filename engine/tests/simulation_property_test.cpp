#include "engine/leading_number.h"
#include "engine/simulation/simulation.h"
#include "engine/simulation/simulation_checks.h"
#include "engine/simulation/simulation_replication.h"
#include "engine/simulation/simulation_report.h"

#include "engine/display_text.h"
#include "engine/tests/case_name.h"
#include "engine/tests/random_building.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace trevalo::engine {
namespace {

SimulationSetup setupOf(const Entries& building, const SimulationEntries& entries)
{
    const auto result = checkSimulation(inputsOf(building), entries, 12);
    if (const auto* refusal = std::get_if<Refusal>(&result)) {
        ADD_FAILURE() << "refused: " << refusal->entry.path() << ' ' << refusal->reason;
        return {};
    }
    return std::get<SimulationSetup>(result);
}

// The loads of the trace: a car's passengers in a row, until one boards after the car has
// delivered an earlier one (it has been away and back).
std::size_t largestLoad(const std::vector<TraceRow>& trace)
{
    std::size_t largest = 0;
    std::size_t load = 0;
    double firstDelivery = 0;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        const TraceRow& row = trace[i];
        const bool sameLoad = i > 0 && trace[i - 1].replication == row.replication && trace[i - 1].car == row.car &&
                              row.boardingStart < firstDelivery;
        load = sameLoad ? load + 1 : 1;
        firstDelivery = sameLoad ? std::min(firstDelivery, row.destinationTime) : row.destinationTime;
        largest = std::max(largest, load);
    }
    return largest;
}

void expectPassengerWaysHold(const SimulationSetup& setup, const SimulationSummary& summary)
{
    EXPECT_LE(largestLoad(summary.trace), static_cast<std::size_t>(setup.boardingLimit));
    for (std::size_t i = 0; i < summary.trace.size(); ++i) {
        const TraceRow& row = summary.trace[i];
        ASSERT_GE(row.boardingStart, row.arrival) << "passenger " << row.passenger;
        ASSERT_GT(row.destinationTime, row.boardingStart + setup.transferTime) << "passenger " << row.passenger;
        ASSERT_TRUE(row.car >= 1 && row.car <= setup.cars && row.floor >= 1 &&
                    row.floor <= static_cast<int>(setup.levels.size()));
        if (i > 0 && summary.trace[i - 1].replication == row.replication) {
            ASSERT_GE(row.boardingStart, summary.trace[i - 1].boardingStart) << "boarding follows arrival order";
        }
    }
}

// The longest queue of one replication within [300 s, T), counted from the trace at W and at each
// arrival: the passengers arrived by then less those whose boarding has begun.
double longestQueueOfTrace(const std::vector<TraceRow>& trace, int replication, double duration)
{
    std::vector<double> arrivals;
    std::vector<double> boardings;
    for (const TraceRow& row : trace) {
        if (row.replication == replication) {
            arrivals.push_back(row.arrival);
            boardings.push_back(row.boardingStart);
        }
    }
    std::sort(boardings.begin(), boardings.end());
    auto queueAt = [&](double t) {
        return std::upper_bound(arrivals.begin(), arrivals.end(), t) - arrivals.begin() -
               (std::upper_bound(boardings.begin(), boardings.end(), t) - boardings.begin());
    };
    auto longest = queueAt(300);
    for (double t : arrivals)
        if (t >= 300 && t < duration)
            longest = std::max(longest, queueAt(t));
    return static_cast<double>(longest);
}

// The counted waits read back from the trace, against the summary's figures.
void expectWaitFiguresOfTheTrace(const SimulationSetup& setup, const SimulationSummary& summary)
{
    std::vector<double> waits;
    std::array<std::size_t, kWaitBins> histogram{};
    for (const TraceRow& row : summary.trace) {
        if (row.arrival < 300 || row.arrival >= setup.duration)
            continue;
        waits.push_back(row.boardingStart - row.arrival);
        ++histogram[std::min<std::size_t>(static_cast<std::size_t>(waits.back() / 5), 24)];
    }
    ASSERT_EQ(summary.passengers, waits.size());
    EXPECT_EQ(summary.histogram, histogram);
    if (waits.empty())
        return;
    std::sort(waits.begin(), waits.end());
    const double mean = std::accumulate(waits.begin(), waits.end(), 0.0) / static_cast<double>(waits.size());
    EXPECT_NEAR(*summary.awt, mean, 1e-9 * (1 + mean));
    EXPECT_EQ(*summary.maxWait, waits.back());
    EXPECT_EQ(*summary.p90, waits[static_cast<std::size_t>(std::ceil(0.9 * static_cast<double>(waits.size()) - 1e-9)) - 1]);

    double sum = 0;
    double squares = 0;
    for (std::size_t r = 0; r < summary.perReplication.size(); ++r) {
        const ReplicationFigures& figures = summary.perReplication[r];
        EXPECT_EQ(figures.maxQueue, longestQueueOfTrace(summary.trace, static_cast<int>(r) + 1, setup.duration));
        if (!figures.awt)
            return;  // a replication without passengers: no half width to work out here
        sum += *figures.awt;
        squares += *figures.awt * *figures.awt;
    }
    const auto replications = static_cast<double>(summary.perReplication.size());
    const double variance = (squares - sum * sum / replications) / (replications - 1);
    // Student's t at 97.5 % for 1, 2 and 3 degrees of freedom, from the printed tables.
    const double t = std::array{12.7062, 4.3027, 3.1824}.at(summary.perReplication.size() - 2);
    EXPECT_NEAR(*summary.awtHalfWidth, t * std::sqrt(variance / replications), 1e-4 * (1 + *summary.awt));
}

// The group's figures are the replications' averages, over those that have them.
void expectAveragesOfTheReplications(const SimulationSummary& summary)
{
    using Figure = std::optional<double> ReplicationFigures::*;
    const std::pair<Figure, const std::optional<double>*> figures[] = {
        {&ReplicationFigures::averageLoad, &summary.averageLoad},
        {&ReplicationFigures::interval, &summary.interval},
        {&ReplicationFigures::rtt, &summary.rtt},
        {&ReplicationFigures::handlingCapacity, &summary.handlingCapacity},
        {&ReplicationFigures::maxQueue, &summary.maxQueue}};
    for (const auto& [figure, average] : figures) {
        double sum = 0;
        int count = 0;
        for (const ReplicationFigures& replication : summary.perReplication) {
            if (replication.*figure) {
                sum += *(replication.*figure);
                ++count;
            }
        }
        ASSERT_EQ(average->has_value(), count > 0);
        EXPECT_NEAR(average->value_or(0), count > 0 ? sum / count : 0, 1e-9 * (1 + sum));
    }
}

TEST(SimulationProperties, HoldOverRandomBuildingsAndEntries)
{
    RandomBuildings random(20261208);
    for (int trial = 0; trial < 40; ++trial) {
        SCOPED_TRACE(trial);
        const Entries building = random.building();
        const SimulationEntries entries{figureText(random.real(1, 30)), std::to_string(random.whole(10, 20)),
                                        figureText(random.real(30, 100)), figureText(random.real(0, 30)),
                                        std::to_string(random.whole(2, 4)), std::to_string(random.whole(-99, 99))};
        const SimulationSetup setup = setupOf(building, entries);
        const SimulationSummary summary = simulate(setup, true);
        expectPassengerWaysHold(setup, summary);
        expectWaitFiguresOfTheTrace(setup, summary);
        expectAveragesOfTheReplications(summary);
        for (const ReplicationFigures& figures : summary.perReplication)
            EXPECT_LE(figures.averageLoad.value_or(0), static_cast<double>(setup.boardingLimit));
        EXPECT_EQ(simulationJson(simulate(setup)), simulationJson(summary)) << "the same seed, the same figures";
        // Each replication and each seed draws arrivals of its own.
        const auto secondReplication = std::find_if(summary.trace.begin(), summary.trace.end(),
                                                    [](const TraceRow& row) { return row.replication == 2; });
        if (secondReplication != summary.trace.end()) {
            EXPECT_NE(secondReplication->arrival, summary.trace.front().arrival);
        }
        SimulationSetup reseeded = setup;
        ++reseeded.seed;
        EXPECT_NE(simulationJson(simulate(reseeded)), simulationJson(summary));
    }
}

// Arrivals drawn over 5 replications of 60 minutes, against their expectations within five
// standard deviations: the count, lambda T R, and each floor's share, U_i / sum U.
struct SpreadCase {
    const char* name;
    Entries building;
    std::vector<double> shares;  // floor by floor
};

class ArrivalSpread : public testing::TestWithParam<SpreadCase> {};

TEST_P(ArrivalSpread, FollowsTheDemandAndTheFloorsPopulations)
{
    const SpreadCase& row = GetParam();
    const SimulationSetup setup = setupOf(row.building, {.demandPercent = "10", .replications = "5"});
    const SimulationSummary summary = simulate(setup, true);
    // 10 % of the population in five minutes, over an hour: 1.2 U a replication.
    const double expected = 1.2 * leadingNumber(row.building.population) * 5;
    EXPECT_NEAR(static_cast<double>(summary.trace.size()), expected, 5 * std::sqrt(expected));
    std::vector<double> counts(row.shares.size(), 0);
    for (const TraceRow& r : summary.trace)
        ++counts[static_cast<std::size_t>(r.floor - 1)];
    const auto n = static_cast<double>(summary.trace.size());
    for (std::size_t floor = 0; floor < counts.size(); ++floor) {
        const double share = row.shares[floor];
        EXPECT_NEAR(counts[floor], share * n, 5 * std::sqrt(n * share * (1 - share)) + 1e-9) << "floor " << floor + 1;
    }
}

const SpreadCase kSpreads[] = {
    {"even", {.floors = "4", .population = "2000", .travel = "12", .cars = "4"}, {0.25, 0.25, 0.25, 0.25}},
    {"perFloor",
     {.spread = kPerFloor, .floors = "4", .population = "2000", .perFloor = {"0", "500", "1500", "0"},
      .travel = "12", .cars = "4"},
     {0, 0.25, 0.75, 0}},
};
INSTANTIATE_TEST_SUITE_P(Simulation, ArrivalSpread, testing::ValuesIn(kSpreads), CaseName());

// Eight cars for a trickle of passengers (one a minute): a passenger finds a car loading with
// its doors open and boards on arrival, unless it comes in the t_d = 4.5 s between the doors
// closing and the car leaving: about lambda t_d^2 / 2 = 0.17 s on average. Far beyond the
// group's capacity the queue only grows.
TEST(SimulationProperties, WaitsVanishAtLowDemandAndGrowBeyondCapacity)
{
    const Entries building{.population = "1000", .cars = "8"};
    const SimulationSummary trickle = simulate(setupOf(building, {.demandPercent = "0.5", .replications = "3"}));
    ASSERT_GT(trickle.passengers, 100u);
    EXPECT_LT(*trickle.awt, 0.5);
    const SimulationSummary flood =
        simulate(setupOf({.population = "1000", .cars = "1"}, {.demandPercent = "40", .replications = "2"}));
    EXPECT_GT(*flood.awt, 600);
    EXPECT_GT(*flood.maxQueue, 1000);
}

// Eight cars carry all who come: the handling capacity is the demand, 10 % of the population in
// five minutes, within a few per cent over 5 replications of about 1,100 counted passengers.
TEST(SimulationProperties, CarryTheDemandWhenTheGroupHasRoom)
{
    const SimulationSummary summary = simulate(
        setupOf({.population = "1000", .cars = "8"}, {.demandPercent = "10", .replications = "5"}));
    EXPECT_NEAR(*summary.hcPercent, 10, 0.5);
    EXPECT_NEAR(*summary.handlingCapacity, 100, 5);
}

TEST(SimulationProgress, ReportsEachReplicationAndStopsWhenCancelled)
{
    const SimulationSetup setup = setupOf({}, {.minutes = "10", .replications = "6"});
    std::vector<int> reported;
    const SimulationSummary summary =
        simulate(setup, false, nullptr, [&](int done, int total) { reported.push_back(done * 10 + total); });
    EXPECT_FALSE(summary.cancelled);
    EXPECT_EQ(summary.replications, 6);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), 66);
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));

    const std::atomic<bool> cancel{true};
    const SimulationSummary stopped = simulate(setup, false, &cancel);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.awt.has_value());
    // A replication under way stops as well.
    EXPECT_TRUE(runReplication(setup, randomArrivals(setup, 0), &cancel).cancelled);

    // A single replication is reported too.
    reported.clear();
    simulate(setupOf({}, {.minutes = "10", .replications = "1"}), false, nullptr,
             [&](int done, int total) { reported.push_back(done * 10 + total); });
    EXPECT_EQ(reported, std::vector<int>{11});
}

}  // namespace
}  // namespace trevalo::engine
