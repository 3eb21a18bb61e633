#pragma once

#include "engine/analysis_inputs.h"
#include "engine/design_targets.h"

#include <optional>
#include <string>

namespace trevalo::engine {

// What building codes ask of a building's lifts beyond the traffic targets, with the clause
// each comes from:
// - a residential building of twelve storeys or more (the served floors and the main floor) has
//   at least two lifts, one able to carry a stretcher (GB 50096-2011 6.4.2);
// - a building above the fire-lift height (travel over 33 m residential, over 32 m for the
//   office types, GB 50016-2014 7.3.1) has a fire lift of at least 800 kg that runs from the
//   main floor to the top in at most 60 s (GB 50016-2014 7.3.8).
// A group of identical cars meets them when every car does.
struct SizingMinimums {
    std::optional<int> cars;
    std::string carsSource;
    std::optional<double> load;  // kg
    std::string loadSource;
    std::optional<double> fireLiftRunTime;  // s, the longest run from the main floor to the top
    std::string runTimeSource;
};

SizingMinimums presetMinimums(BuildingType type, double floorsServed, double travel);
// The same, from the entries as typed (the floors served and the travel read as numbers).
SizingMinimums presetMinimums(const AnalysisInputs& inputs);

// The entries a search starts from for a building: the building type's presets at the rated
// speed entered, with the building's least cars and load.
SizingEntries presetSizingEntries(const AnalysisInputs& inputs);

// Whether a car at this rated speed runs the whole travel within the fire lift's time; true
// when no fire lift is needed.
bool runsWithinFireLiftTime(const SizingMinimums& minimums, double ratedSpeed, double travel);

// Where each sizing entry comes from, read from the entries as typed, for the sizing form and
// the 选型 sheet alike: an entry equal to its preset has the preset's source, any other was set
// by the user ("用户设定"). A least entry left empty where the building asks for none has no
// source.
struct SizingSources {
    std::string hcPercent;
    std::string interval;
    std::string leastCars;
    std::string leastLoad;
};
SizingSources sizingSources(BuildingType type, const SizingEntries& entries, const SizingMinimums& minimums);

}  // namespace trevalo::engine
