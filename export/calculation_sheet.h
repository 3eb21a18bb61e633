#pragma once

#include "engine/analysis.h"
#include "engine/design_targets.h"
#include "engine/target_verdict.h"
#include "export/export_record.h"
#include "export/sheet_model.h"

#include <optional>
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

// The sheet "计算书": the basis of the calculation, the inputs as the calculation used
// them with the motion-law coefficients and the door table row, every intermediate
// figure with its formula in the order the calculation reaches it, the results, a
// conclusion against the design targets, the notes on the entries, if any, and a block to sign.
// The single result adds the group figures, the machine-room derivation and two estimates
// beyond the up-peak calculation: the average waiting time and, for office buildings, the
// interval grade.
// The conclusion states the verdict the result form shows; none without targets.
SheetModel calculationSheet(const CalculationHeader& header, const engine::SingleResult& result,
                            const std::optional<engine::TargetVerdict>& verdict);
// One value column per rated load the sweep evaluated; the label columns print on every page.
SheetModel calculationSheet(const CalculationHeader& header, const engine::LoadTable& table);

}  // namespace trevalo::workbook
