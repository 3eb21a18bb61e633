#include "engine/analysis/group_size.h"

#include <cmath>

namespace trevalo::engine {

namespace {

constexpr int kMostCars = 100;

}  // namespace

CaseResult groupFigures(double roundTripTime, double handlingCapacity, double handlingPercent, double cars)
{
    CaseResult figures;
    figures.roundTripTime = roundTripTime;
    figures.interval = roundTripTime / cars;
    figures.handlingCapacity = handlingCapacity;
    figures.groupCapacity = cars * handlingCapacity;
    figures.handlingPercent = handlingPercent;
    figures.groupPercent = cars * handlingPercent;
    figures.cars = cars;
    return figures;
}

std::optional<int> carsForHandlingTarget(double handlingPercent, double targetPercent)
{
    if (!(handlingPercent > 0) || !std::isfinite(targetPercent))
        return std::nullopt;
    const double estimate = std::ceil(targetPercent / handlingPercent);
    if (!(estimate <= kMostCars))
        return std::nullopt;
    int cars = estimate < 1 ? 1 : static_cast<int>(estimate);
    // The division may land a hair off the whole number; the product decides, as the
    // group figure L x HC(P) % is formed.
    while (cars > 1 && (cars - 1) * handlingPercent >= targetPercent)
        --cars;
    while (cars * handlingPercent < targetPercent)
        ++cars;
    return cars;
}

}  // namespace trevalo::engine
