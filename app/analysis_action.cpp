#include "app/analysis_action.h"

#include "app/project_session.h"

#include "engine/analysis/analysis.h"
#include "engine/display_text.h"
#include "engine/target_verdict.h"
#include "results/load_table_form.h"
#include "results/single_result_form.h"
#include "wizard/elevator_parameters_form.h"
#include "wizard/entry_marks.h"
#include "wizard/notices.h"

#include <variant>

namespace trevalo {

namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

// The result form is filled before it appears, so it never shows an earlier run's figures.
template <class ResultForm, class Outcome>
void showResult(Navigator& navigator, FormId id, const Outcome& outcome, const project::Project& project)
{
    const engine::AnalysisInputs inputs = engine::inputsInEffect(project);
    auto* form = qobject_cast<ResultForm*>(navigator.load(id));
    Q_ASSERT(form != nullptr);
    if constexpr (std::is_same_v<Outcome, engine::SingleResult>) {
        form->showFigures(outcome);
        form->showConfiguration(QString::fromStdString(engine::configurationText(outcome, inputs.elevator)));
        form->showTargetVerdict(engine::targetVerdict(inputs, project.sizing, outcome));
    } else {
        form->showTable(outcome);
    }
    navigator.hide(FormId::Form4);
    navigator.show(id);
}

}  // namespace

void runAnalysisFromForms(Navigator& navigator)
{
    const project::Project& project = ProjectSession::of(navigator)->project();
    const engine::AnalysisOutcome outcome = engine::runAnalysis(engine::inputsInEffect(project));
    std::visit(Overloaded{
                   [&navigator](const engine::Refusal& refusal) { showRefusal(navigator, refusal); },
                   [&navigator, &project](const engine::SingleResult& result) {
                       showResult<SingleResultForm>(navigator, FormId::Form5, result, project);
                   },
                   [&navigator, &project](const engine::LoadTable& table) {
                       showResult<LoadTableForm>(navigator, FormId::Form6, table, project);
                   },
               },
               outcome);
}

void showRefusal(Navigator& navigator, const engine::Refusal& refusal)
{
    auto* parameters = navigator.formAs<ElevatorParametersForm>(FormId::Form4);
    if (refusal.clearDoorWidth && parameters != nullptr) {
        // The notice first, then the width emptied and focused, then the mark on it.
        const QString reason = QString::fromStdString(refusal.reason);
        showNotice(refusal.notice, parameters, reason);
        parameters->clearAndFocusDoorWidth();
        if (auto* width = parameters->findChild<QWidget*>(QStringLiteral("Combo2")))
            markRefusedEntry(*width, reason, true);
        return;
    }
    showRefusalAndMark(navigator, refusal, parameters);
}

}  // namespace trevalo
