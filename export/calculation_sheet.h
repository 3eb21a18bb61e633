#pragma once

#include "engine/analysis/load_table.h"
#include "engine/analysis/single_result.h"
#include "engine/target_verdict.h"
#include "export/calculation_header.h"
#include "export/sheet_model.h"

#include <optional>

namespace trevalo::workbook {

// The sheet "计算书": the basis of the calculation, the inputs as the calculation used
// them with the motion-law coefficients and the door table row, every intermediate
// figure with its formula in the order the calculation reaches it, the results, a
// conclusion against the design targets, the notes on the entries, if any, and a block to sign.
// The single result adds the group figures, the machine-room derivation and two estimates
// beyond the up-peak calculation: the average waiting time and, for office buildings, the
// interval grade.
// The conclusion states the verdict the result form shows; none without targets. In a workbook
// that also holds the simulation, the average wait is the calculation's estimate, and the
// simulated verdict, on its own sheet, governs.
SheetModel calculationSheet(const CalculationHeader& header, const engine::SingleResult& result,
                            const std::optional<engine::TargetVerdict>& verdict, bool simulated = false);
// One value column per rated load the sweep evaluated; the label columns print on every page.
SheetModel calculationSheet(const CalculationHeader& header, const engine::LoadTable& table);

}  // namespace trevalo::workbook
