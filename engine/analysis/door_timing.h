#pragma once

#include "engine/analysis_inputs.h"

namespace trevalo::engine {

struct DoorTiming {
    double doorTime;      // s per stop, before the reductions
    double transferTime;  // s per passenger
};

// Door and transfer times by door type and normalised opening width (mm). A four-panel
// door opens a given width with half its panels' travel, so it takes the two-panel
// centre-opening door time of its halved width.
DoorTiming doorTiming(DoorType type, double normalisedWidth);

// Opening widths come in steps of 50 mm up to 1000 mm and of 100 mm above.
double normaliseDoorWidth(double width);

}  // namespace trevalo::engine
