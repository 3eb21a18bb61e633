#include "app/simulation_action.h"

#include "app/export_record_collector.h"
#include "app/project_session.h"
#include "app/simulation_runner.h"
#include "app/workbook_actions.h"
#include "engine/analysis/analysis.h"
#include "engine/leading_number.h"
#include "engine/simulation/simulation_checks.h"
#include "engine/simulation/simulation_targets.h"
#include "engine/simulation/simulation_traffic.h"
#include "engine/target_verdict.h"
#include "project/passenger_csv.h"
#include "project/project_file.h"
#include "results/simulation_form.h"
#include "wizard/entry_marks.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

#include <cmath>
#include <optional>
#include <variant>

namespace trevalo {

namespace {

// What a finished run keeps for the export: the entries as typed and what the run made of them.
struct FinishedRun {
    engine::SimulationEntries entries;
    engine::SimulationSetup setup;
    engine::SimulationSummary summary;
    std::optional<double> awtTarget;
};

// The form's runner and its last finished run, as children of the form.
class SimulationSession : public SimulationRunner {
public:
    using SimulationRunner::SimulationRunner;
    std::optional<FinishedRun> lastRun;
};

SimulationSession* sessionOf(SimulationForm& form) { return form.findChild<SimulationSession*>(); }

// The demand and waiting time target empty entries take, and where they come from.
void showProjectTargets(SimulationForm& form, const project::Project& project)
{
    const engine::AnalysisInputs inputs = engine::inputsInEffect(project);
    const auto chosen = engine::chosenTargets(inputs.project.buildingType, project.sizing);
    form.setProjectTargets(engine::defaultDemandPercent(inputs, project.sizing),
                           engine::simulationAwtTarget(inputs, project.sizing),
                           chosen ? QString::fromStdString(chosen->sources.hcPercent) : QString());
}

// A list that was refused keeps its mark until it is read anew, cleared, or runs.
void clearListMark(SimulationForm& form)
{
    if (auto* list = form.findChild<QWidget*>(QStringLiteral("PassengerList")))
        clearRefusedMark(*list);
}

void startSimulation(Navigator& navigator, SimulationForm& form)
{
    SimulationSession* session = sessionOf(form);
    if (session->isRunning())
        return;
    const project::Project& project = ProjectSession::of(navigator)->project();
    const engine::AnalysisInputs inputs = engine::inputsInEffect(project);
    const engine::SimulationEntries entries = project.simulation.value_or(engine::SimulationEntries{});
    const double defaultDemand = engine::defaultDemandPercent(inputs, project.sizing);
    showProjectTargets(form, project);
    // One calculation gives the simulation's refusals of the figures and the calculated column.
    const engine::AnalysisOutcome outcome = engine::runAnalysis(inputs);
    auto setup = engine::checkSimulation(inputs, entries, defaultDemand, outcome);
    if (const auto* refusal = std::get_if<engine::Refusal>(&setup)) {
        form.clearSummary();
        showRefusalAndMark(navigator, *refusal, &form);
        return;
    }
    const auto* result = std::get_if<engine::SingleResult>(&outcome);
    if (result == nullptr)
        return;
    const engine::SingleResult calculated = *result;
    const engine::SimulationSetup checked = std::get<engine::SimulationSetup>(setup);
    // The target typed on the form, else the project's.
    const std::optional<double> target =
        checked.awtTarget ? checked.awtTarget : engine::simulationAwtTarget(inputs, project.sizing);
    const auto overload = engine::overloadNote(checked, calculated);
    const QString note = overload ? QString::fromStdString(*overload) : QString();
    clearListMark(form);
    form.setRunning(true);
    QPointer<SimulationForm> shown(&form);
    session->start(
        checked,
        [shown](int done, int total) {
            if (shown)
                shown->showProgress(done, total);
        },
        [shown, session, entries, checked, calculated, target, note](const engine::SimulationSummary& summary) {
            if (!shown)
                return;
            shown->setRunning(false);
            if (summary.cancelled) {
                shown->clearSummary(QStringLiteral("仿真已取消"));
                session->lastRun.reset();
                return;
            }
            shown->showSummary(summary, calculated, target, note);
            session->lastRun = FinishedRun{entries, checked, summary, target};
        });
}

const QString kFloorNumbering = QStringLiteral(
    "每行为“到达时间,目的楼层”或“到达时间,出发楼层,目的楼层”（秒，逗号分隔）。"
    "楼层 1 为首层以上第一个停靠层；三列时 0 为首层。");

void importPassengers(Navigator& navigator, SimulationForm& form)
{
    ProjectSession* project = ProjectSession::of(navigator);
    const QString path = QFileDialog::getOpenFileName(&form, QStringLiteral("导入客流"),
                                                      project != nullptr ? project->lastFolder() : QString(),
                                                      QStringLiteral("CSV 文件 (*.csv *.txt);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    // Floors are checked against the building as the file is read, so a bad one is named by its line.
    const double floors = engine::leadingNumber(project->project().inputs.project.floorsServed);
    const std::optional<int> served =
        floors >= 1 && floors <= 32767 && floors == std::floor(floors) ? std::optional(static_cast<int>(floors)) : std::nullopt;
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    const project::PassengerCsv read =
        opened ? project::readPassengerCsv(file.read(project::kMaxFileBytes * 4), served) : project::PassengerCsv{};
    const QString problem = opened ? read.problem : QStringLiteral("无法读取文件（%1）").arg(file.errorString());
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("注意"),
                        QStringLiteral("无法导入客流“%1”：%2").arg(QFileInfo(path).fileName(), problem), QMessageBox::Ok,
                        &form);
        box.setInformativeText(kFloorNumbering);
        box.exec();
        return;
    }
    form.setPassengers(read.passengers);
    clearListMark(form);
}

void exportSimulation(const Navigator& navigator, SimulationForm& form)
{
    const SimulationSession* session = sessionOf(form);
    std::optional<workbook::SimulationRecord> record;
    const auto single = collectSingleResultRecord(navigator);
    if (single && session->lastRun) {
        const FinishedRun& run = *session->lastRun;
        record = workbook::SimulationRecord{*single, run.entries, run.setup, run.summary, run.awtTarget};
    }
    exportSimulationWorkbook(record, &form);
}

}  // namespace

void openSimulationForm(Navigator& navigator)
{
    const ProjectSession& session = *ProjectSession::of(navigator);
    // A form shown for the first time starts from the project's entries, if any.
    const std::optional<engine::SimulationEntries> start =
        navigator.form(FormId::Form8) == nullptr ? session.project().simulation : std::nullopt;
    auto* form = qobject_cast<SimulationForm*>(navigator.load(FormId::Form8));
    if (start)
        form->setEntries(*start);
    showProjectTargets(*form, session.project());
    navigator.hide(FormId::Form5);
    navigator.show(FormId::Form8);
}

SimulationForm* wireSimulationForm(SimulationForm* form, Navigator& navigator)
{
    new SimulationSession(form);
    QObject::connect(form, &SimulationForm::startRequested, form, [&navigator, form] { startSimulation(navigator, *form); });
    QObject::connect(form, &SimulationForm::cancelRequested, form, [form] { sessionOf(*form)->cancel(); });
    QObject::connect(form, &SimulationForm::importRequested, form, [&navigator, form] { importPassengers(navigator, *form); });
    QObject::connect(form, &SimulationForm::passengersChanged, form, [form] { clearListMark(*form); });
    QObject::connect(form, &SimulationForm::exportRequested, form, [&navigator, form] { exportSimulation(navigator, *form); });
    QObject::connect(form, &SimulationForm::backRequested, form, [&navigator] {
        navigator.show(FormId::Form5);
        navigator.hide(FormId::Form8);
    });
    return form;
}

}  // namespace trevalo
