#pragma once

#include "engine/analysis/figures.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::engine {

// What the single result form shows. valueTexts[i] is the caption of value label i:
// 0 round trip time, 1 interval, 2 and 3 handling capacity of one car and of the
// group, 4 and 5 the same as percentages, 6 structural load, 7 pit depth, 8 headroom.
// A text of a hidden row is empty.
struct SingleResult {
    CaseResult figures;
    CalculationSteps steps;
    MachineRoomFigures machineRoom;
    // The average waiting time estimated from the interval, s; empty where the estimate does
    // not apply (the car leaves the main floor more than 80 % full).
    std::optional<double> awt;
    std::array<std::string, 9> valueTexts;
    bool structuralLoadShown = false;
    bool pitAndHeadroomShown = false;
    // Whether value i is shown: the six traffic figures always, the structural load when it
    // was asked for, pit depth and headroom when the shaft table lists the speed.
    bool valueShown(std::size_t i) const { return i < 6 || (i == 6 ? structuralLoadShown : pitAndHeadroomShown); }
    std::vector<std::string> notes;  // on entries that look mistyped; shown beside the figures
};

}  // namespace trevalo::engine
