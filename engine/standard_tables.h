#pragma once

#include "engine/analysis_inputs.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::engine {

// The building types whose lifts serve offices: office buildings and hotels, and
// owner-occupied offices. They share the office door and transfer rules and start their
// standard loads one step up.
bool isOfficeType(BuildingType type);

// "2CO", "2SO" or "4CO".
const char* doorTypeName(DoorType type);

// The load table row of the lightest standard rated load a building type uses: office cars
// start one row up, at 750 kg.
int firstStandardRow(BuildingType type);

// The rated loads the elevator parameters form's list offers (kg): every standard load from
// 675 to 1800 kg but 975 kg, which is typed rather than picked.
const std::vector<std::string>& ratedLoadListTexts();
// The rated speeds of the speed list, "1" to "11" m/s.
const std::vector<std::string>& ratedSpeedListTexts();
// The opening widths of the door width list (mm).
const std::vector<std::string>& doorWidthListTexts();

// The shares of car capacity travelling up and down that the elevator parameters form
// proposes for a building type, and its proposed loss allowance.
struct DefaultShares {
    std::string_view upPercent;
    std::string_view downPercent;
};
DefaultShares defaultShares(std::optional<BuildingType> type);
inline constexpr std::string_view kDefaultLossPercent = "5";

// The elevator parameters form's entries before anything is typed, for a building type.
ElevatorParameters defaultElevatorParameters(std::optional<BuildingType> type);

}  // namespace trevalo::engine
