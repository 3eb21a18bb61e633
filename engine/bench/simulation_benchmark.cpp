// Times the simulation: an office of 20 floors over an hour in its up-peak (about 23,000
// passengers in ten replications) and at lunchtime (about 25,000), 129 floors given one by one
// over four hours, a hundred replications of an up-peak beyond the group's capacity (about 3.6
// million passengers), and a lunchtime of 50 floors, a hundred replications (about 470,000).
#include "engine/simulation/simulation.h"
#include "engine/simulation/simulation_checks.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace trevalo::engine;

AnalysisInputs officeInputs()
{
    AnalysisInputs inputs;
    inputs.project = {"", BuildingType::OfficeAndHotel, "20", "1600", PopulationSpread::Even};
    ElevatorParameters& e = inputs.elevator;
    e.travel = "80";
    e.floorHeight = "4";
    e.doorType = DoorType::TwoPanelCentre;
    e.doorWidth = "1100";
    e.lossPercent = "5";
    e.upPercent = "80";
    e.downPercent = "10";
    e.ratedSpeed = "3.5";
    e.fixedConfiguration = true;
    e.ratedLoad = "1350";
    e.carCount = "8";
    return inputs;
}

AnalysisInputs towerInputs()
{
    AnalysisInputs inputs = officeInputs();
    inputs.project.floorsServed = "129";
    inputs.project.spread = PopulationSpread::PerFloor;
    inputs.elevator.travel = "520";
    inputs.elevator.ratedSpeed = "6";
    inputs.elevator.ratedLoad = "1800";
    inputs.elevator.carCount = "16";
    int total = 0;
    for (int floor = 0; floor < 128; ++floor) {
        const int persons = 19 + (floor * 37) % 39;  // unequal floors
        inputs.floors.floorPopulations.push_back(std::to_string(persons));
        total += persons;
    }
    inputs.floors.floorPopulations.push_back(std::to_string(5000 - total));  // the top floor makes 5,000
    inputs.floors.storedTotal = "5000";
    return inputs;
}

AnalysisInputs fiftyFloorInputs()
{
    AnalysisInputs inputs = officeInputs();
    inputs.project.floorsServed = "50";
    inputs.project.totalPopulation = "3000";
    inputs.elevator.travel = "175";
    inputs.elevator.floorHeight = "3.5";
    inputs.elevator.ratedSpeed = "4";
    inputs.elevator.ratedLoad = "1600";
    inputs.elevator.carCount = "12";
    return inputs;
}

// The lunchtime of BCO 2014: 13 % in five minutes, 45 % incoming, 45 % outgoing, 10 % interfloor.
SimulationEntries lunch(const char* replications)
{
    return {.demandPercent = "13", .minutes = "60", .replications = replications, .incomingPercent = "45",
            .outgoingPercent = "45", .interfloorPercent = "10", .traffic = "lunch"};
}

void timeSimulation(benchmark::State& state, const AnalysisInputs& inputs, const SimulationEntries& entries)
{
    const auto setup = checkSimulation(inputs, entries, 12);
    if (!std::holds_alternative<SimulationSetup>(setup)) {
        state.SkipWithError("the simulation refused its entries");
        return;
    }
    std::size_t passengers = 0;
    for (auto _ : state) {
        const SimulationSummary summary = simulate(std::get<SimulationSetup>(setup));
        passengers = summary.passengers;
        benchmark::DoNotOptimize(summary);
    }
    state.counters["countedPassengers"] = static_cast<double>(passengers);
}

void officeTwentyFloorsOneHour(benchmark::State& state)
{
    timeSimulation(state, officeInputs(), {"12", "60", "", "", "10", "", {}});
}
BENCHMARK(officeTwentyFloorsOneHour)->Unit(benchmark::kMillisecond)->UseRealTime();

void officeTwentyFloorsLunch(benchmark::State& state) { timeSimulation(state, officeInputs(), lunch("10")); }
BENCHMARK(officeTwentyFloorsLunch)->Unit(benchmark::kMillisecond)->UseRealTime();

void fiftyFloorsLunch(benchmark::State& state) { timeSimulation(state, fiftyFloorInputs(), lunch("100")); }
BENCHMARK(fiftyFloorsLunch)->Unit(benchmark::kMillisecond)->UseRealTime();

void tower129FloorsFourHours(benchmark::State& state)
{
    timeSimulation(state, towerInputs(), {"15", "240", "", "", "100", "", {}});
}
BENCHMARK(tower129FloorsFourHours)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
