#pragma once

#include "engine/figures.h"

#include <optional>

namespace trevalo::engine {

SpeedClass speedClass(double ratedSpeed);

// The motion law of one speed class. A and B give the run distance from the peak
// speed (A x^2 + B x), C and D the run time (C + D x); K, E, G and F the inverse, the
// peak speed from the run distance ((sqrt(K d + E) - G) / F). The constants are used
// exactly as published, not derived from each other: High's F differs from its D in
// the last digit.
struct MotionLaw {
    double a, b, c, d, k, e, g, f;
};

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
