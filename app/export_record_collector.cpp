#include "app/export_record_collector.h"

#include "app/project_session.h"
#include "engine/analysis/analysis.h"
#include "export/export_records.h"
#include "results/load_table_form.h"
#include "results/single_result_form.h"
#include "results/sizing_form.h"

namespace trevalo {

namespace {

// The project's entries, with the date and time the building data form shows.
workbook::EnteredData enteredData(const Navigator& navigator)
{
    const ProjectSession& session = *ProjectSession::of(navigator);
    const project::Project& project = session.project();
    return workbook::enteredData(engine::inputsInEffect(project), project.sizing, session.dateCaption(),
                                 session.timeCaption());
}

// A result form only becomes visible through an analysis of the entries, and the entries
// can only change while it is hidden; so analysing the entries read now gives again the
// outcome the form shows, and it belongs exactly to the entries the workbook lists. The
// analysis is pure and takes microseconds.
template <class Outcome>
std::optional<Outcome> analysisOf(const workbook::EnteredData& entered)
{
    const engine::AnalysisOutcome outcome = engine::runAnalysis(entered.inputs);
    const Outcome* result = std::get_if<Outcome>(&outcome);
    return result == nullptr ? std::nullopt : std::optional<Outcome>(*result);
}

}  // namespace

std::optional<workbook::SingleResultRecord> collectSingleResultRecord(const Navigator& navigator)
{
    workbook::EnteredData entered = enteredData(navigator);
    const auto analysis = analysisOf<engine::SingleResult>(entered);
    if (!analysis || navigator.formAs<SingleResultForm>(FormId::Form5) == nullptr)
        return std::nullopt;
    return workbook::singleResultRecord(std::move(entered), *analysis, ProjectSession::of(navigator)->project().sizing);
}

std::optional<workbook::LoadTableRecord> collectLoadTableRecord(const Navigator& navigator)
{
    workbook::EnteredData entered = enteredData(navigator);
    const auto analysis = analysisOf<engine::LoadTable>(entered);
    if (!analysis || navigator.formAs<LoadTableForm>(FormId::Form6) == nullptr)
        return std::nullopt;
    return workbook::loadTableRecord(std::move(entered), *analysis);
}

std::optional<workbook::SizingRecord> collectSizingRecord(const Navigator& navigator)
{
    // The sizing form, when loaded, has written its entries into the project.
    const std::optional<engine::SizingEntries> entries = ProjectSession::of(navigator)->project().sizing;
    if (navigator.formAs<SizingForm>(FormId::Form7) == nullptr || !entries)
        return std::nullopt;
    workbook::SizingRecord record;
    record.entered = enteredData(navigator);
    record.entries = *entries;
    const engine::SizingResult result = engine::runSizingSearch(record.entered.inputs, record.entries);
    const auto* outcome = std::get_if<engine::SizingOutcome>(&result);
    if (outcome == nullptr)
        return std::nullopt;
    record.analysis = *outcome;
    return record;
}

}  // namespace trevalo
