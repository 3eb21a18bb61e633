#include "engine/analysis/machine_room.h"

#include <array>

namespace trevalo::engine {

namespace {

struct ShaftRow {
    double speed;
    double pitDepth;
    float headroom;
};

constexpr std::array<ShaftRow, 7> kShaft{{
    {1.75, 1.7, 4.9f},
    {2, 2.2, 4.9f},
    {2.5, 2.5, 5.2f},
    {3, 2.8, 5.5f},
    {3.5, 3.2, 6.0f},
    {4, 4.0, 6.5f},
    {5, 5.3, 7.2f},
}};

}  // namespace

MachineRoomFigures machineRoomFigures(double ratedLoad, double travel, double ratedSpeed,
                                      double finishingWeight)
{
    MachineRoomFigures figures;
    figures.ropeCount = ratedSpeed <= kFourRopeSpeed && ratedLoad <= kFourRopeLoad ? 4 : 6;
    // The car weighs twice its rated load plus its finishing; the counterweight
    // balances the car and half the rated load.
    figures.ratedLoad = ratedLoad;
    figures.finishingWeight = finishingWeight;
    figures.carWeight = 2 * ratedLoad + finishingWeight;
    figures.counterweight = figures.carWeight + kCounterweightShare * ratedLoad;
    // Each rope runs twice the travel.
    figures.ropeWeight = figures.ropeCount * (2 * travel) * kRopeWeightPer100m / 100;
    figures.structuralLoad =
        kStructuralLoadFactor *
        (kMachineWeight + 2 * (figures.carWeight + figures.ropeWeight + ratedLoad + figures.counterweight));
    figures.structuralForce = figures.structuralLoad * kStandardGravity / 1000;
    // Speeds between the tabulated ones have no determined pit depth or headroom.
    for (const ShaftRow& row : kShaft) {
        if (row.speed == ratedSpeed) {
            figures.pitDepth = row.pitDepth;
            figures.headroom = row.headroom;
        }
    }
    return figures;
}

}  // namespace trevalo::engine
