#pragma once

#include "engine/analysis/figures.h"

namespace trevalo::engine {

// The figures the structural load is worked from.
// The weight of the traction machine and its equipment on the floor, kg.
inline constexpr double kMachineWeight = 1500;
// The safety factor on the static load.
inline constexpr double kStructuralLoadFactor = 1.25;
// Standard gravity, m/s2: a load in kg times it is a force in N.
inline constexpr double kStandardGravity = 9.80665;
// The counterweight balances the car and this share of the rated load.
inline constexpr double kCounterweightShare = 0.5;
// Hoist rope weighs this much per 100 m, kg.
inline constexpr double kRopeWeightPer100m = 50;
// Four ropes carry a car up to this speed (m/s) and rated load (kg); six above either.
inline constexpr double kFourRopeSpeed = 2.5;
inline constexpr double kFourRopeLoad = 1300;

// Structural load on the machine-room floor, and pit depth and headroom for the
// rated speeds that the shaft table lists. The load is the rated load as entered.
MachineRoomFigures machineRoomFigures(double ratedLoad, double travel, double ratedSpeed,
                                      double finishingWeight);

}  // namespace trevalo::engine
