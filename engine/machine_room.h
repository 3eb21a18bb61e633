#pragma once

#include "engine/figures.h"

namespace trevalo::engine {

// Structural load on the machine-room floor, and pit depth and headroom for the
// rated speeds that the shaft table lists. The load is the rated load as entered.
MachineRoomFigures machineRoomFigures(double ratedLoad, double travel, double ratedSpeed,
                                      double finishingWeight);

}  // namespace trevalo::engine
