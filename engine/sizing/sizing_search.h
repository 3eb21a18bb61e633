#pragma once

#include "engine/analysis_inputs.h"
#include "engine/design_targets.h"
#include "engine/refusal.h"
#include "engine/sizing/sizing_minimums.h"

#include <optional>
#include <variant>
#include <vector>

namespace trevalo::engine {

// The sizing entries as the search reads them.
struct SizingTargets {
    DesignTargets targets;
    int maxCars = 8;
    std::vector<double> speeds;  // ascending, each once
    std::optional<int> leastCars = {};
    std::optional<double> leastLoad = {};  // kg
};

// The largest group the search considers.
constexpr int kMostSizingCars = 16;

// Reads and checks the entries: targets above zero (an empty waiting time is no target),
// a whole number of cars from 1 to 16, at least one rated speed, each above zero, and the
// least cars (a whole number from 1 to the most) and least load (from zero to the largest
// standard load), each empty for none.
// Empty when an entry is refused.
std::optional<SizingTargets> readSizingEntries(const SizingEntries& entries);
// The same, with the refused entry named ("sizing.maxCars") and what is wrong with it.
std::variant<Refusal, SizingTargets> checkSizingEntries(const SizingEntries& entries);

// One configuration: cars of one rated load at one rated speed, with the figures the single
// result shows for it, unrounded, and how they stand against the targets.
struct SizingCandidate {
    int cars = 0;
    double load = 0;        // kg
    double persons = 0;     // rated persons, 75 kg each
    double speed = 0;       // m/s
    double roundTripTime = 0;
    double interval = 0;
    double groupPercent = 0;           // % of the population in five minutes
    std::optional<double> awt;         // s; empty where the estimate does not apply
    TargetCheck check;
};

struct SizingOutcome {
    SizingTargets targets;
    // What the building's codes ask, with their sources; the fire lift's run time decides
    // which chosen speeds are too slow to be tried.
    SizingMinimums minimums;
    std::vector<double> tooSlowSpeeds;
    bool met = false;  // some configuration within the maximum meets every target
    // Every configuration evaluated (none below the least cars and load, none too slow for the
    // fire lift), ranked: fewest cars, then smallest load, then lowest speed.
    std::vector<SizingCandidate> evaluated;
    // The ones that meet the targets, in rank order; when none does, the closest ones
    // (smallest worst shortfall first).
    std::vector<SizingCandidate> listed;
    // The first listed configuration with one car fewer: what it misses. Empty when the
    // targets are not met or the first one has a single car.
    std::optional<SizingCandidate> oneCarFewer;
};

using SizingResult = std::variant<Refusal, SizingOutcome>;

// The configurations that serve the building: the checks of an analysis run (all but the
// rated load and number of cars, which the search chooses) and of the sizing entries, then
// every number of cars up to the maximum, every standard rated load of the building type and
// every chosen speed, on the same calculation as the single result. Refused when the fire lift's
// run time rules out every chosen speed.
SizingResult runSizingSearch(const AnalysisInputs& inputs, const SizingEntries& entries);

// How far a configuration falls short of the targets, as a share of each target: the largest
// of the shares by which it misses one (0 when it meets them all). A waiting time estimate
// that does not apply misses its target by a whole target.
double worstShortfall(const SizingCandidate& candidate, const DesignTargets& targets);

}  // namespace trevalo::engine
