#include "export/export_records.h"

#include "engine/analysis/load_table_text.h"
#include "engine/analysis/population_model.h"
#include "engine/entry_checks.h"
#include "engine/leading_number.h"

#include <algorithm>
#include <utility>

namespace trevalo::workbook {

namespace {

// The per-floor list shows the floors the analysis counts, up to the rows the floor
// population form has.
std::vector<FloorListRow> floorList(const engine::AnalysisInputs& inputs)
{
    if (inputs.project.spread != engine::PopulationSpread::PerFloor)
        return {};
    const double served = engine::leadingNumber(inputs.project.floorsServed);
    const int floors = engine::floorCount(std::min(served, double{engine::kFloorRows}));
    const std::vector<std::string>& populations = inputs.floors.floorPopulations;
    std::vector<FloorListRow> rows;
    for (int i = 0; i < floors; ++i) {
        const auto at = static_cast<std::size_t>(i);
        rows.push_back({engine::floorRowCaption(i), at < populations.size() ? populations[at] : std::string()});
    }
    return rows;
}

}  // namespace

EnteredData enteredData(const engine::AnalysisInputs& inputs, const std::optional<engine::SizingEntries>& sizing,
                        std::string dateCaption, std::string timeCaption)
{
    EnteredData entered;
    entered.floorList = floorList(inputs);
    entered.inputs = inputs;
    // The total the floor population form stores, recomputed from the rows as its OK does: a
    // project read from a file has no stored total of its own.
    if (inputs.project.spread == engine::PopulationSpread::PerFloor) {
        const auto total = engine::checkFloorPopulation(inputs.project, inputs.floors.floorPopulations);
        if (const auto* sum = std::get_if<std::int32_t>(&total))
            entered.inputs.floors.storedTotal = std::to_string(*sum);
    }
    entered.dateCaption = std::move(dateCaption);
    entered.timeCaption = std::move(timeCaption);
    if (const auto chosen = engine::chosenTargets(inputs.project.buildingType, sizing)) {
        entered.targets = chosen->targets;
        entered.targetSources = chosen->sources;
    }
    return entered;
}

SingleResultRecord singleResultRecord(EnteredData entered, const engine::SingleResult& result,
                                      const std::optional<engine::SizingEntries>& sizing)
{
    SingleResultRecord record;
    record.verdict = engine::targetVerdict(entered.inputs, sizing, result);
    record.entered = std::move(entered);
    record.analysis = result;
    record.form.valueTexts = result.valueTexts;
    record.form.structuralLoadVisible = result.structuralLoadShown;
    record.form.pitDepthVisible = result.pitAndHeadroomShown;
    return record;
}

LoadTableRecord loadTableRecord(EnteredData entered, const engine::LoadTable& table)
{
    LoadTableRecord record;
    record.entered = std::move(entered);
    record.analysis = table;
    for (int row = 0; row < engine::kLoadTableRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        record.form.cellTexts[0][r] = engine::loadTableRowKey(row);
        for (std::size_t column = 0; column < engine::kLoadTableFigureColumns; ++column)
            record.form.cellTexts[column + 1][r] = table.cellTexts[r][column];
    }
    record.form.rowZeroHidden = !table.rowZeroShown;
    return record;
}

}  // namespace trevalo::workbook
