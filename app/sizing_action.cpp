#include "app/sizing_action.h"

#include "app/analysis_action.h"
#include "app/export_record_collector.h"
#include "app/project_session.h"
#include "app/workbook_actions.h"
#include "engine/display_text.h"
#include "engine/sizing/sizing_minimums.h"
#include "engine/sizing/sizing_search.h"
#include "results/sizing_form.h"
#include "wizard/elevator_parameters_form.h"

#include <QPointer>

namespace trevalo {

namespace {

engine::BuildingType buildingTypeOf(const engine::AnalysisInputs& inputs)
{
    // Without a building type the checks refuse the search before any target is read.
    return inputs.project.buildingType.value_or(engine::BuildingType::Residential);
}

void adopt(Navigator& navigator, const engine::SizingCandidate& candidate)
{
    auto* parameters = navigator.formAs<ElevatorParametersForm>(FormId::Form4);
    if (parameters == nullptr)
        return;
    parameters->enterDecidedConfiguration(QString::fromStdString(engine::figureText(candidate.load)),
                                          QString::number(candidate.cars),
                                          QString::fromStdString(engine::figureText(candidate.speed)));
    // From the parameters form, so that a notice (the entries changed meanwhile) stands over it.
    navigator.show(FormId::Form4);
    navigator.hide(FormId::Form7);
    runAnalysisFromForms(navigator);
}

bool isSizingEntry(const engine::Refusal& refusal)
{
    const auto id = refusal.entry.id();
    return id && engine::entryInfo(*id).section == engine::EntrySection::Sizing;
}

// The search on the project as it stands, with these sizing entries.
engine::SizingResult runSizingWithEntries(const Navigator& navigator, const engine::SizingEntries& entries)
{
    return engine::runSizingSearch(engine::inputsInEffect(ProjectSession::of(navigator)->project()), entries);
}

}  // namespace

void runSizingFromForms(Navigator& navigator)
{
    const project::Project& project = ProjectSession::of(navigator)->project();
    const engine::AnalysisInputs inputs = engine::inputsInEffect(project);
    auto* sizing = navigator.formAs<SizingForm>(FormId::Form7);
    const engine::SizingEntries presets = engine::presetSizingEntries(inputs);
    // A form shown for the first time starts from the project's entries, if any.
    const engine::SizingEntries start = sizing != nullptr ? presets : project.sizing.value_or(presets);
    // The button checks the input forms; targets the sizing form holds that it refuses are
    // its own to show, so they are not what keeps it closed.
    engine::SizingEntries entries = sizing != nullptr && project.sizing ? *project.sizing : start;
    if (!engine::readSizingEntries(entries))
        entries = presets;
    // A refusal of the sizing entries themselves (every chosen speed too slow for the fire
    // lift) is for the form to show beside them, where they can be changed.
    const engine::SizingResult result = engine::runSizingSearch(inputs, entries);
    if (const auto* refusal = std::get_if<engine::Refusal>(&result); refusal != nullptr && !isSizingEntry(*refusal)) {
        showRefusal(navigator, *refusal);
        return;
    }
    // The form keeps its entries between visits, unless the building type changed since: its
    // presets and sources then no longer belong to the building.
    const bool fresh = sizing == nullptr || sizing->buildingType() != buildingTypeOf(inputs);
    sizing = qobject_cast<SizingForm*>(navigator.load(FormId::Form7));
    sizing->setBuildingType(buildingTypeOf(inputs), engine::presetMinimums(inputs));
    if (fresh)
        sizing->setEntries(start);
    else
        sizing->refresh();
    navigator.hide(FormId::Form4);
    navigator.show(FormId::Form7);
}

SizingForm* wireSizingForm(SizingForm* form, Navigator& navigator)
{
    form->setSearch(
        [&navigator](const engine::SizingEntries& entries) { return runSizingWithEntries(navigator, entries); });
    QObject::connect(form, &SizingForm::adoptRequested, form,
                     [&navigator](const engine::SizingCandidate& candidate) { adopt(navigator, candidate); });
    QObject::connect(form, &SizingForm::backRequested, form, [&navigator] {
        navigator.show(FormId::Form4);
        navigator.hide(FormId::Form7);
    });
    QObject::connect(form, &SizingForm::endRequested, form, [&navigator] { navigator.end(); });
    QObject::connect(form, &SizingForm::exportRequested, form, [&navigator, form] {
        exportSizingWorkbook(collectSizingRecord(navigator), form);
    });
    return form;
}

}  // namespace trevalo
