#pragma once

#include "engine/analysis/single_result.h"
#include "engine/target_verdict.h"
#include "export/calculation_builder.h"
#include "export/calculation_header.h"

#include <optional>
#include <string>
#include <vector>

namespace trevalo::workbook {

// The sections every calculation sheet has, in the order they stand.
void writeBasis(SheetBuilder& sheet, const CalculationHeader& header);
void writeInputs(SheetBuilder& sheet, const CalculationHeader& header, const Steps& steps);
const std::vector<Figure>& doorFigures();

// The single result's sections after its figures, and the load table's conclusion.
void writeMachineRoom(SheetBuilder& sheet, const engine::SingleResult& result, bool structuralLoadRequested);
void writeEstimates(SheetBuilder& sheet, const CalculationHeader& header, const engine::SingleResult& result);
void writeConclusion(SheetBuilder& sheet, const engine::SingleResult& result,
                     const std::optional<engine::TargetVerdict>& verdict, bool simulated);
void writeConclusion(SheetBuilder& sheet, const CalculationHeader& header, const std::vector<const Steps*>& loads);
// The notes on entries that look mistyped, under their own heading; nothing without notes.
void writeNotes(SheetBuilder& sheet, const std::vector<std::string>& notes);

}  // namespace trevalo::workbook
