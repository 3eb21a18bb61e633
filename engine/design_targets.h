#pragma once

#include "engine/analysis_inputs.h"

#include <optional>
#include <string>
#include <vector>

namespace trevalo::engine {

// What a lift group must achieve in the up-peak: the group's five-minute handling
// capacity as a share of the population, the interval, and optionally the estimated
// average waiting time.
struct DesignTargets {
    double hcPercent = 0;        // at least, % of the population in five minutes
    double interval = 0;         // at most, s
    std::optional<double> awt;   // at most, s; not checked when empty
};

// Where a preset target comes from, in the words the forms and the workbook show.
struct TargetSources {
    std::string hcPercent;
    std::string interval;
};

// The targets design guides give each building type.
DesignTargets presetTargets(BuildingType type);
TargetSources presetSources(BuildingType type);

// Where the targets come from: a target equal to the building type's preset has the preset's
// source, any other target was set by the user ("用户设定").
TargetSources targetSources(BuildingType type, const DesignTargets& targets);

// The sizing search's entries as typed, as its form holds them and the project file keeps them.
struct SizingEntries {
    std::string hcPercent;
    std::string interval;
    std::string awt;      // empty: the waiting time is not a target
    std::string maxCars;
    std::vector<std::string> speeds;  // the rated speeds to try, as typed
    // Initialised, so that the entries can still be listed without them.
    std::string leastCars = {};  // empty: no least number of cars
    std::string leastLoad = {};  // kg; empty: no least rated load

    bool operator==(const SizingEntries&) const = default;
};

// The entries a search starts from: the building type's presets, up to 8 cars, at the
// rated speed entered for the installation, with the least cars and load given.
SizingEntries presetSizingEntries(BuildingType type, const std::string& ratedSpeed,
                                  std::optional<int> leastCars = std::nullopt,
                                  std::optional<double> leastLoad = std::nullopt);

// One configuration's figures against the targets, on their unrounded values. A margin is
// positive when the target is met with room to spare: HC above its target, interval and
// waiting time below theirs.
struct TargetCheck {
    bool hcMet = false;
    bool intervalMet = false;
    std::optional<bool> awtMet;        // empty: no waiting time target
    double hcMargin = 0;               // percentage points
    double intervalMargin = 0;         // s
    std::optional<double> awtMargin;   // s; empty without a target or where the estimate does not apply
    bool allMet() const { return hcMet && intervalMet && awtMet.value_or(true); }
};

// A configuration whose waiting time estimate does not apply fails a waiting time target.
TargetCheck checkTargets(const DesignTargets& targets, double groupPercent, double interval,
                         std::optional<double> awt);

}  // namespace trevalo::engine
