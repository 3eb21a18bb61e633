#pragma once

#include "engine/analysis_inputs.h"

#include <optional>
#include <string>
#include <vector>

namespace trevalo::engine {

// The entries as a user types them; the defaults are the worked case of a residential
// building with the load and number of cars decided.
struct Entries {
    BuildingType type = BuildingType::Residential;
    std::optional<PopulationSpread> spread = PopulationSpread::Even;
    const char* floors = "10";
    // The building data form's total; with a per-floor spread the analysis takes the total
    // of the rows instead, so the rows of a per-floor building add up to it.
    const char* population = "500";
    std::vector<std::string> perFloor = {};
    const char* travel = "30";
    const char* floorHeight = "3";
    const char* express = nullptr;  // the express zone is set when a distance is given
    std::optional<DoorType> door = DoorType::TwoPanelCentre;
    const char* width = "900";
    bool advance = false;
    const char* loss = "5";
    const char* up = "30";
    const char* down = "20";
    const char* speed = "1.75";
    bool fixed = true;
    const char* load = "1000";
    const char* cars = "2";
    const char* finishing = nullptr;  // the machine room is requested when a weight is given
};

inline AnalysisInputs inputsOf(const Entries& x)
{
    AnalysisInputs inputs;
    inputs.project = {"", x.type, x.floors, x.population, x.spread};
    inputs.floors = {x.perFloor, ""};
    inputs.elevator = {x.travel,  x.floorHeight, x.express != nullptr, x.express ? x.express : "",
                       x.door,    x.width,       x.advance,            x.loss,
                       x.up,      x.down,        x.speed,              x.fixed,
                       x.load,    x.cars,        x.finishing != nullptr, x.finishing ? x.finishing : ""};
    return inputs;
}

inline constexpr auto kOffice = BuildingType::OfficeAndHotel;
inline constexpr auto kOwner = BuildingType::OwnerOccupiedOffice;
inline constexpr auto kCentre = DoorType::TwoPanelCentre;
inline constexpr auto kSide = DoorType::TwoPanelSide;
inline constexpr auto kFour = DoorType::FourPanelCentre;

inline constexpr auto kPerFloor = PopulationSpread::PerFloor;

}  // namespace trevalo::engine
