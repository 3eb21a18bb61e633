#include "engine/analysis/run_model.h"

#include <cmath>

namespace trevalo::engine {

namespace {

constexpr MotionLaw kLow{1.26984, 0.7, 2.4, 2.53968, 5.07936, 0.49, 0.7, 2.53968};
constexpr MotionLaw kMiddle{1.111111, 1.25, 2.5, 2.22222, 4.44444, 1.5625, 1.25, 2.22222};
constexpr MotionLaw kHigh{1.05556, 0.89583, 1.49167, 2.11111, 4.22224, 0.80251, 0.89583, 2.11112};

}  // namespace

SpeedClass speedClass(double ratedSpeed)
{
    if (ratedSpeed <= 2)
        return SpeedClass::Low;
    if (ratedSpeed < 5)
        return SpeedClass::Middle;
    return SpeedClass::High;
}

const MotionLaw& motionLaw(double ratedSpeed)
{
    switch (speedClass(ratedSpeed)) {
    case SpeedClass::Low:
        return kLow;
    case SpeedClass::Middle:
        return kMiddle;
    case SpeedClass::High:
        break;
    }
    return kHigh;
}

double runDistance(double ratedSpeed, double peak)
{
    const MotionLaw& law = motionLaw(ratedSpeed);
    return law.a * peak * peak + law.b * peak;
}

double runTime(double ratedSpeed, double peak)
{
    const MotionLaw& law = motionLaw(ratedSpeed);
    return law.c + law.d * peak;
}

double peakSpeed(double ratedSpeed, double distance)
{
    const MotionLaw& law = motionLaw(ratedSpeed);
    return (std::sqrt(law.k * distance + law.e) - law.g) / law.f;
}

double fullSpeedDistance(double ratedSpeed) { return runDistance(ratedSpeed, ratedSpeed); }

double fullSpeedTime(double ratedSpeed) { return runTime(ratedSpeed, ratedSpeed); }

bool runIsPossible(double ratedSpeed, double distance)
{
    if (distance >= fullSpeedDistance(ratedSpeed))
        return true;
    const MotionLaw& law = motionLaw(ratedSpeed);
    return law.k * distance + law.e > 0;
}

std::optional<double> runDuration(double ratedSpeed, double distance)
{
    const double fullDistance = fullSpeedDistance(ratedSpeed);
    if (distance >= fullDistance)
        return fullSpeedTime(ratedSpeed) + (distance - fullDistance) / ratedSpeed;
    if (!runIsPossible(ratedSpeed, distance))
        return std::nullopt;
    return runTime(ratedSpeed, peakSpeed(ratedSpeed, distance));
}

}  // namespace trevalo::engine
