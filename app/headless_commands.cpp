#include "app/headless_commands.h"

#include "app/outcome_json.h"
#include "engine/analysis/analysis.h"
#include "engine/simulation/simulation.h"
#include "engine/simulation/simulation_checks.h"
#include "engine/simulation/simulation_report.h"
#include "engine/simulation/simulation_targets.h"
#include "engine/sizing/sizing_minimums.h"
#include "engine/sizing/sizing_report.h"
#include "export/export_records.h"
#include "export/workbook_export.h"
#include "project/project_file.h"
#include "wizard/clock_captions.h"

#include <QDateTime>
#include <QSaveFile>

#include <cstdio>
#include <optional>
#include <variant>

namespace trevalo {

namespace {

// The entries the search uses, as the command always took them from the forms: the project's
// sizing entries as they are (a refused one refuses the search), or the building type's
// presets at the rated speed entered.
engine::SizingEntries sizingEntriesInEffect(const project::Project& project, const engine::AnalysisInputs& inputs)
{
    if (project.sizing)
        return *project.sizing;
    return engine::presetSizingEntries(inputs);
}

std::optional<project::Project> readFile(const QString& file)
{
    project::ReadResult read = project::readProjectFile(file);
    if (!read.project)
        std::fprintf(stderr, "trevalo: %s\n", qPrintable(project::openFailureMessage(file, read.reason)));
    return std::move(read.project);
}

void printLine(const QByteArray& json)
{
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    std::fputc('\n', stdout);
}

// The date and time as the building data form would show them now.
workbook::EnteredData enteredNow(const engine::AnalysisInputs& inputs, const std::optional<engine::SizingEntries>& sizing)
{
    const ClockCaptions now = clockCaptions(QDateTime::currentDateTime());
    return workbook::enteredData(inputs, sizing, now.date.toStdString(), now.time.toStdString());
}

int writtenStatus(bool written, const QString& out)
{
    if (written)
        return kExitResult;
    std::fprintf(stderr, "trevalo: 无法生成Excel表格“%s”（文件名须以 .xlsx 或 .xltx 结尾，所在文件夹须可写）\n",
                 qPrintable(out));
    return kExitUnreadable;
}

}  // namespace

int printCalculation(const QString& file)
{
    const std::optional<project::Project> project = readFile(file);
    if (!project)
        return kExitUnreadable;
    const engine::AnalysisInputs inputs = engine::inputsInEffect(*project);
    const engine::AnalysisOutcome outcome = engine::runAnalysis(inputs);
    printLine(outcomeJson(inputs, outcome, project->sizing));
    return std::holds_alternative<engine::Refusal>(outcome) ? kExitNotice : kExitResult;
}

int exportCalculation(const QString& file, const QString& out)
{
    const std::optional<project::Project> project = readFile(file);
    if (!project)
        return kExitUnreadable;
    const engine::AnalysisInputs inputs = engine::inputsInEffect(*project);
    const engine::AnalysisOutcome outcome = engine::runAnalysis(inputs);
    if (const auto* refusal = std::get_if<engine::Refusal>(&outcome)) {
        printLine(refusalJson(*refusal));
        return kExitNotice;
    }
    const bool written =
        std::holds_alternative<engine::SingleResult>(outcome)
            ? workbook::writeSingleResultWorkbookTo(
                  workbook::singleResultRecord(enteredNow(inputs, project->sizing),
                                               std::get<engine::SingleResult>(outcome), project->sizing),
                  out)
            : workbook::writeLoadTableWorkbookTo(
                  workbook::loadTableRecord(enteredNow(inputs, project->sizing), std::get<engine::LoadTable>(outcome)),
                  out);
    return writtenStatus(written, out);
}

int printSizing(const QString& file)
{
    const std::optional<project::Project> project = readFile(file);
    if (!project)
        return kExitUnreadable;
    const engine::AnalysisInputs inputs = engine::inputsInEffect(*project);
    const engine::SizingResult result = engine::runSizingSearch(inputs, sizingEntriesInEffect(*project, inputs));
    if (const auto* refusal = std::get_if<engine::Refusal>(&result)) {
        printLine(refusalJson(*refusal));
        return kExitNotice;
    }
    // The report ends its own last line.
    printLine(QByteArray::fromStdString(engine::sizingReportJson(std::get<engine::SizingOutcome>(result))).trimmed());
    return kExitResult;
}

int exportSizing(const QString& file, const QString& out)
{
    const std::optional<project::Project> project = readFile(file);
    if (!project)
        return kExitUnreadable;
    workbook::SizingRecord record;
    record.entered = enteredNow(engine::inputsInEffect(*project), project->sizing);
    record.entries = sizingEntriesInEffect(*project, record.entered.inputs);
    const engine::SizingResult result = engine::runSizingSearch(record.entered.inputs, record.entries);
    if (const auto* refusal = std::get_if<engine::Refusal>(&result)) {
        printLine(refusalJson(*refusal));
        return kExitNotice;
    }
    record.analysis = std::get<engine::SizingOutcome>(result);
    return writtenStatus(workbook::writeSizingWorkbookTo(record, out), out);
}

int printSimulation(const QString& file, const QString& traceOut)
{
    const std::optional<project::Project> project = readFile(file);
    if (!project)
        return kExitUnreadable;
    const engine::AnalysisInputs inputs = engine::inputsInEffect(*project);
    const engine::SimulationEntries entries = project->simulation.value_or(engine::SimulationEntries{});
    const engine::AnalysisOutcome analysis = engine::runAnalysis(inputs);
    const auto setup =
        engine::checkSimulation(inputs, entries, engine::defaultDemandPercent(inputs, project->sizing), analysis);
    if (const auto* refusal = std::get_if<engine::Refusal>(&setup)) {
        printLine(refusalJson(*refusal));
        return kExitNotice;
    }
    const auto& checked = std::get<engine::SimulationSetup>(setup);
    // A simulation is only checked through for a single configuration.
    const auto* calculation = std::get_if<engine::SingleResult>(&analysis);
    const engine::SimulationTerms terms =
        calculation ? engine::simulationTerms(checked, entries, engine::simulationAwtTarget(inputs, project->sizing), *calculation)
                    : engine::SimulationTerms{};
    const engine::SimulationSummary summary = engine::simulate(checked, !traceOut.isEmpty());
    if (!traceOut.isEmpty()) {
        QSaveFile trace(traceOut);
        const std::string csv = engine::traceCsv(summary.trace);
        if (!trace.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            trace.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
            !trace.commit()) {
            std::fprintf(stderr, "trevalo: 无法写入文件“%s”\n", qPrintable(traceOut));
            return kExitUnreadable;
        }
    }
    // The report ends its own last line.
    printLine(QByteArray::fromStdString(engine::simulationJson(summary, terms)).trimmed());
    return kExitResult;
}

}  // namespace trevalo
