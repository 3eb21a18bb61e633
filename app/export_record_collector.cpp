#include "app/export_record_collector.h"

#include "app/sizing_action.h"
#include "engine/target_verdict.h"

#include "engine/population_model.h"
#include "results/load_table_form.h"
#include "results/single_result_form.h"
#include "results/sizing_form.h"
#include "wizard/floor_population_form.h"
#include "wizard/wizard_state.h"

#include <algorithm>

namespace trevalo {

namespace {

using workbook::EnteredData;

// The per-floor list shows the floors the analysis counts, up to the rows the floor
// population form has.
std::vector<workbook::FloorListRow> floorList(const WizardState& state)
{
    if (state.inputs.project.spread != engine::PopulationSpread::PerFloor)
        return {};
    const double served = engine::leadingNumber(state.inputs.project.floorsServed);
    const int floors = engine::floorCount(std::min(served, double{FloorPopulationForm::kRows}));
    const auto element = [](const std::vector<std::string>& texts, std::size_t i) {
        return i < texts.size() ? texts[i] : std::string();
    };
    std::vector<workbook::FloorListRow> rows;
    for (std::size_t i = 0; i < static_cast<std::size_t>(floors); ++i)
        rows.push_back({element(state.floorLabels, i), element(state.inputs.floors.floorPopulations, i)});
    return rows;
}

EnteredData enteredData(const Navigator& navigator)
{
    WizardState state = readWizardState(navigator);
    EnteredData entered;
    entered.floorList = floorList(state);
    entered.inputs = std::move(state.inputs);
    entered.dateCaption = std::move(state.dateCaption);
    entered.timeCaption = std::move(state.timeCaption);
    if (const auto chosen = engine::chosenTargets(entered.inputs.project.buildingType, savedSizingEntries(navigator))) {
        entered.targets = chosen->targets;
        entered.targetSources = chosen->sources;
    }
    return entered;
}

// A result form only becomes visible through an analysis of the entries, and the entries
// can only change while it is hidden; so analysing the entries read now gives again the
// outcome the form shows, and it belongs exactly to the entries the workbook lists. The
// analysis is pure and takes microseconds.
template <class Outcome>
std::optional<Outcome> analysisOf(const EnteredData& entered)
{
    const engine::AnalysisOutcome outcome = engine::runAnalysis(entered.inputs);
    const Outcome* result = std::get_if<Outcome>(&outcome);
    return result == nullptr ? std::nullopt : std::optional<Outcome>(*result);
}

}  // namespace

std::optional<workbook::SingleResultRecord> collectSingleResultRecord(const Navigator& navigator)
{
    workbook::SingleResultRecord record;
    record.entered = enteredData(navigator);
    const auto analysis = analysisOf<engine::SingleResult>(record.entered);
    const auto* form = navigator.formAs<SingleResultForm>(FormId::Form5);
    if (!analysis || form == nullptr)
        return std::nullopt;
    record.analysis = *analysis;
    for (std::size_t i = 0; i < record.form.valueTexts.size(); ++i)
        record.form.valueTexts[i] = form->valueText(static_cast<int>(i)).toStdString();
    record.form.structuralLoadVisible = form->structuralLoadRowVisible();
    record.form.pitDepthVisible = form->pitDepthRowVisible();
    return record;
}

std::optional<workbook::LoadTableRecord> collectLoadTableRecord(const Navigator& navigator)
{
    workbook::LoadTableRecord record;
    record.entered = enteredData(navigator);
    const auto analysis = analysisOf<engine::LoadTable>(record.entered);
    const auto* form = navigator.formAs<LoadTableForm>(FormId::Form6);
    if (!analysis || form == nullptr)
        return std::nullopt;
    record.analysis = *analysis;
    for (int array = 1; array <= workbook::kTableArrays; ++array) {
        auto& column = record.form.cellTexts[static_cast<std::size_t>(array - 1)];
        for (int row = 0; row < engine::kLoadTableRows; ++row)
            column[static_cast<std::size_t>(row)] = form->cellText(array, row).toStdString();
    }
    record.form.rowZeroHidden = !form->rowVisible(0);
    return record;
}

std::optional<workbook::SizingRecord> collectSizingRecord(const Navigator& navigator)
{
    const auto* form = navigator.formAs<SizingForm>(FormId::Form7);
    if (form == nullptr)
        return std::nullopt;
    workbook::SizingRecord record;
    record.entered = enteredData(navigator);
    record.entries = form->entries();
    const engine::SizingResult result = engine::runSizingSearch(record.entered.inputs, record.entries);
    const auto* outcome = std::get_if<engine::SizingOutcome>(&result);
    if (outcome == nullptr)
        return std::nullopt;
    record.analysis = *outcome;
    return record;
}

}  // namespace trevalo
