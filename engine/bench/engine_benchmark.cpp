// Times one analysis run: a residential load sweep with an even spread over 30 floors,
// and a sweep with the population given for each of 129 floors.
#include "engine/analysis.h"

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

void perFloorSweep129Floors(benchmark::State& state)
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
    for (auto _ : state)
        benchmark::DoNotOptimize(runAnalysis(inputs));
}
BENCHMARK(perFloorSweep129Floors);

}  // namespace

BENCHMARK_MAIN();
