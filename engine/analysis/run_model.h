#pragma once

#include "engine/analysis/figures.h"

#include <optional>

namespace trevalo::engine {

SpeedClass speedClass(double ratedSpeed);

const MotionLaw& motionLaw(double ratedSpeed);

// Length (m) of a run that accelerates to peak speed x (m/s) and stops.
double runDistance(double ratedSpeed, double peak);
// Duration (s) of such a run.
double runTime(double ratedSpeed, double peak);
// Peak speed reached on a run of length d; the caller guarantees K d + E > 0.
double peakSpeed(double ratedSpeed, double distance);
// The shortest run that reaches the rated speed, and its duration.
double fullSpeedDistance(double ratedSpeed);
double fullSpeedTime(double ratedSpeed);

// Whether a run of this length has a duration: a run shorter than the full-speed
// distance needs K d + E > 0, which fails only for inconsistent (negative) distances.
bool runIsPossible(double ratedSpeed, double distance);

// Duration of one run of length d; empty when the run is not possible.
std::optional<double> runDuration(double ratedSpeed, double distance);

}  // namespace trevalo::engine
