#pragma once

#include "engine/analysis_inputs.h"
#include "engine/entry_ids.h"
#include "engine/analysis/figures.h"
#include "engine/analysis/load_table.h"
#include "engine/notice.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace trevalo::engine {

// A run that ended with a notice; no figure of it is shown anywhere.
struct Refusal {
    Notice notice = Notice::InputError;
    bool clearDoorWidth = false;  // the door width entry is emptied and focused
    // The entry at fault and one short sentence on what is wrong with it; both empty when no
    // single entry is at fault.
    EntryRef entry;
    std::string reason;
};

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

// What the load table form shows. Table row r belongs to the rated load tableRowLoad(r).
struct LoadTable {
    // Every member starts from its own initial value; a provided constructor spares the
    // table (large with its steps) being zero-filled first on each sweep.
    LoadTable() {}
    std::array<std::optional<LoadTableRow>, kLoadTableRows> rows;  // empty: not evaluated
    std::array<std::optional<CalculationSteps>, kLoadTableRows> steps;  // indexed like rows
    // Texts of the figure columns of each filled row, in column order.
    std::array<std::array<std::string, kLoadTableFigureColumns>, kLoadTableRows> cellTexts;
    // Down share above up share: the first two figure headers and the stops header
    // swap their labels (the cells below them keep their figures).
    bool directionRelabelled = false;
    bool rowZeroShown = true;
    std::vector<std::string> notes;  // on entries that look mistyped; shown beside the figures
    std::array<std::string, 3> relabelledHeaders() const;  // up, down, stops headers
};

using AnalysisOutcome = std::variant<Refusal, SingleResult, LoadTable>;

// One analysis run: the checks in their fixed order, then the figures of one
// configuration or of the whole load sweep.
AnalysisOutcome runAnalysis(const AnalysisInputs& inputs);

}  // namespace trevalo::engine
