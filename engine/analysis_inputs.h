#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trevalo::engine {

enum class BuildingType { Residential, OfficeAndHotel, OwnerOccupiedOffice };
enum class PopulationSpread { Even, PerFloor };
enum class DoorType { TwoPanelCentre, TwoPanelSide, FourPanelCentre };

// The building data form's entries, as its controls hold them.
struct ProjectData {
    std::string projectName;                     // Text2
    std::optional<BuildingType> buildingType;    // Option1 / Option2 / Option5
    std::string floorsServed;                    // N1
    std::string totalPopulation;                 // Text1
    std::optional<PopulationSpread> spread;      // Option3 / Option4

    bool operator==(const ProjectData&) const = default;
};

// The floor population form's entries: element i is served floor i + 1.
// A floor beyond the end of the list reads as an empty entry.
struct FloorPopulation {
    std::vector<std::string> floorPopulations;   // Text1(0) ...
    std::string storedTotal;                     // Text2, the rounded total stored by OK

    bool operator==(const FloorPopulation&) const = default;
};

// The elevator parameters form's entries.
struct ElevatorParameters {
    std::string travel;                          // TEXT1(0)
    std::string floorHeight;                     // TEXT1(1)
    bool expressZoneSet = false;                 // Check1
    std::string expressDistance;                 // TEXT1(2)
    std::optional<DoorType> doorType;            // Option1(0..2)
    std::string doorWidth;                       // Combo2
    bool advanceOpening = false;                 // Check2
    std::string lossPercent;                     // TEXT1(3)
    std::string upPercent;                       // TEXT1(4)
    std::string downPercent;                     // TEXT1(5)
    std::string ratedSpeed;                      // Combo1
    bool fixedConfiguration = false;             // Check3
    std::string ratedLoad;                       // Combo3
    std::string carCount;                        // TEXT1(7)
    bool machineRoomRequested = false;           // Check4
    std::string finishingWeight;                 // Text2

    bool operator==(const ElevatorParameters&) const = default;
};

struct AnalysisInputs {
    ProjectData project;
    FloorPopulation floors;
    ElevatorParameters elevator;

    bool operator==(const AnalysisInputs&) const = default;
};

}  // namespace trevalo::engine
