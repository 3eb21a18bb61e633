#pragma once

#include "engine/analysis_inputs.h"

#include <string>
#include <vector>

namespace trevalo::engine {

// A building and its installation as a user types them on the three input forms; the load
// and number of cars are left to the sizing search.
struct SizingBuilding {
    BuildingType type = BuildingType::Residential;
    const char* floors = "10";
    const char* population = "500";  // for a per-floor spread: the stored total
    std::vector<std::string> perFloor = {};  // given: the population is spread per floor
    const char* travel = "30";
    const char* floorHeight = "3";
    DoorType door = DoorType::TwoPanelCentre;
    const char* width = "900";
    const char* loss = "5";
    const char* up = "30";
    const char* down = "20";
    const char* speed = "1.75";
};

inline AnalysisInputs sizingInputs(const SizingBuilding& b)
{
    AnalysisInputs inputs;
    const bool perFloor = !b.perFloor.empty();
    inputs.project = {"", b.type, b.floors, perFloor ? "" : b.population,
                      perFloor ? PopulationSpread::PerFloor : PopulationSpread::Even};
    inputs.floors = {b.perFloor, perFloor ? b.population : ""};
    ElevatorParameters& e = inputs.elevator;
    e.travel = b.travel;
    e.floorHeight = b.floorHeight;
    e.doorType = b.door;
    e.doorWidth = b.width;
    e.lossPercent = b.loss;
    e.upPercent = b.up;
    e.downPercent = b.down;
    e.ratedSpeed = b.speed;
    return inputs;
}

}  // namespace trevalo::engine
