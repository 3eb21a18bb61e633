#pragma once

#include "engine/analysis_inputs.h"
#include "engine/design_targets.h"
#include "export/export_record.h"

#include <string>

namespace trevalo::workbook {

// What the calculation sheet states besides the engine's worked figures: the heading
// and the choices of the entry that the figures do not carry.
struct CalculationHeader {
    std::string projectName;
    std::string buildingType;  // as the input block writes it, e.g. "住宅"
    std::string exportMoment;  // "2026-12-07 10:30:05"
    bool officeBuilding = false;
    bool perFloorSpread = false;
    bool expressZoneSet = false;
    std::string doorType;  // "2CO", "2SO", "4CO"
    bool advanceOpening = false;
    double lossPercent = 0;
    double upPercent = 0;
    double downPercent = 0;
    double cars = 0;  // L; single result only
    // What the conclusion checks the figures against, and where the targets come from.
    engine::DesignTargets targets;
    engine::TargetSources targetSources;
};

// The header of the entries, with the targets the entered data carries.
CalculationHeader calculationHeader(const EnteredData& entered, std::string exportMoment);
CalculationHeader calculationHeader(const engine::AnalysisInputs& inputs, std::string exportMoment);

}  // namespace trevalo::workbook
