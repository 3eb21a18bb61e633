// Times one analysis run: a residential load sweep with an even spread over 30 floors,
// and a sweep with the population given for each of 129 floors; and the sizing search over
// those two buildings.
#include "engine/analysis/analysis.h"
#include "engine/sizing/sizing_search.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace trevalo::engine;

AnalysisInputs sweepInputs()
{
    AnalysisInputs inputs;
    inputs.project = {"", BuildingType::Residential, "30", "1500", PopulationSpread::Even};
    ElevatorParameters& e = inputs.elevator;
    e.travel = "90";
    e.floorHeight = "3";
    e.doorType = DoorType::TwoPanelCentre;
    e.doorWidth = "900";
    e.lossPercent = "5";
    e.upPercent = "30";
    e.downPercent = "20";
    e.ratedSpeed = "2.5";
    return inputs;
}

void evenSweepThirtyFloors(benchmark::State& state)
{
    const AnalysisInputs inputs = sweepInputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(runAnalysis(inputs));
}
BENCHMARK(evenSweepThirtyFloors);

AnalysisInputs perFloorInputs()
{
    AnalysisInputs inputs = sweepInputs();
    inputs.project.spread = PopulationSpread::PerFloor;
    inputs.project.floorsServed = "129";
    inputs.elevator.travel = "387";
    int total = 0;
    for (int floor = 0; floor < 129; ++floor) {
        const int persons = 20 + (floor * 37) % 41;  // unequal floors, no shortcut from repetition
        inputs.floors.floorPopulations.push_back(std::to_string(persons));
        total += persons;
    }
    inputs.floors.storedTotal = std::to_string(total);
    return inputs;
}

void perFloorSweep129Floors(benchmark::State& state)
{
    const AnalysisInputs inputs = perFloorInputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(runAnalysis(inputs));
}
BENCHMARK(perFloorSweep129Floors);

// A refused search would time nothing but its checks.
void timeSearch(benchmark::State& state, const AnalysisInputs& inputs, const SizingEntries& entries)
{
    if (!std::holds_alternative<SizingOutcome>(runSizingSearch(inputs, entries))) {
        state.SkipWithError("the search refused its entries");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(runSizingSearch(inputs, entries));
}

// 8 cars x 16 rated loads x the entered speed, 30 floors with an even spread.
void sizingEightCarsOneSpeed30Floors(benchmark::State& state)
{
    const AnalysisInputs inputs = sweepInputs();
    const SizingEntries entries{"6", "60", "", "8", {"2.5"}};
    timeSearch(state, inputs, entries);
}
BENCHMARK(sizingEightCarsOneSpeed30Floors);

// 16 cars x 16 rated loads x all 15 standard speeds, 129 floors given one by one.
void sizingSixteenCarsAllSpeeds129Floors(benchmark::State& state)
{
    const AnalysisInputs inputs = perFloorInputs();
    const SizingEntries entries{"6", "60", "20", "16", {"1", "1.5", "1.75", "2", "2.5", "3", "3.5", "4", "5", "6",
                                                       "7", "8", "9", "10", "11"}};
    timeSearch(state, inputs, entries);
}
BENCHMARK(sizingSixteenCarsAllSpeeds129Floors);

}  // namespace

BENCHMARK_MAIN();
