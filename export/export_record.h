#pragma once

#include "engine/analysis/load_table.h"
#include "engine/analysis/single_result.h"
#include "engine/analysis_inputs.h"
#include "engine/design_targets.h"
#include "engine/simulation/simulation_entries.h"
#include "engine/simulation/simulation_types.h"
#include "engine/sizing/sizing_search.h"
#include "engine/target_verdict.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::workbook {

// One row of the per-floor list: the floor's label and its population as typed.
struct FloorListRow {
    std::string label;
    std::string population;
};

// What the user entered, as the input forms hold it when the export is asked for.
struct EnteredData {
    engine::AnalysisInputs inputs;
    std::string dateCaption;  // as the building data form shows it
    std::string timeCaption;
    // The floors the per-floor list shows; empty unless the population was given per floor.
    std::vector<FloorListRow> floorList;
    // The targets the calculation sheet's conclusion checks the figures against, with
    // where they come from.
    engine::DesignTargets targets;
    engine::TargetSources targetSources;
};

// What the single result form shows, as the engine gives it: the value captions Label7(0..8)
// and the visibility of its two optional groups.
struct SingleResultCaptions {
    std::array<std::string, 9> valueTexts;
    bool structuralLoadVisible = false;  // Label7(6)
    bool pitDepthVisible = false;        // Label6(2), also decides the headroom row
};

// The load key column Label1 and the figure columns Label2 .. Label8.
constexpr int kTableArrays = 1 + engine::kLoadTableFigureColumns;

// What the load table form shows, as the engine gives it: cellTexts[array - 1][row].
struct LoadTableCaptions {
    std::array<std::array<std::string, engine::kLoadTableRows>, kTableArrays> cellTexts;
    // Row 0 hidden (office buildings): its figures are not exported.
    bool rowZeroHidden = false;
};

// Everything one export writes: the entries, the result form's captions, and the
// analysis of those entries.
struct SingleResultRecord {
    EnteredData entered;
    SingleResultCaptions form;
    engine::SingleResult analysis;
    // The figures against the targets, as the result form judges them; empty without targets.
    std::optional<engine::TargetVerdict> verdict;
};

struct LoadTableRecord {
    EnteredData entered;
    LoadTableCaptions form;
    engine::LoadTable analysis;
};

// The sizing search: the entries, the sizing form's entries as typed, and the search of them.
struct SizingRecord {
    EnteredData entered;
    engine::SizingEntries entries;
    engine::SizingOutcome analysis;
};

// A simulation run with the single result it is set beside: the entries as typed, what the
// run took them as, its figures, and the waiting time target (empty when none is set).
struct SimulationRecord : SingleResultRecord {
    engine::SimulationEntries entries;
    engine::SimulationSetup setup;
    engine::SimulationSummary summary;
    std::optional<double> awtTarget;
};

}  // namespace trevalo::workbook
