#include "app/forms_outcome.h"

#include "app/export_record_collector.h"
#include "app/program.h"
#include "app/project_commands.h"
#include "app/project_session.h"
#include "app/sizing_action.h"
#include "engine/sizing_report.h"
#include "export/workbook_export.h"
#include "results/load_table_form.h"
#include "results/single_result_form.h"
#include "wizard/elevator_parameters_form.h"
#include "wizard/notices.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <memory>

namespace trevalo {

namespace {

QByteArray compact(const QJsonValue& value)
{
    const QJsonDocument document = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    return document.toJson(QJsonDocument::Compact);
}

QByteArray singleResultJson(const SingleResultForm& form)
{
    QJsonObject values;
    for (int i = 0; i < SingleResultForm::kValueCount; ++i) {
        const bool hidden = (i == 6 && !form.structuralLoadRowVisible()) || (i >= 7 && !form.pitDepthRowVisible());
        if (!hidden)
            values[QString::number(i)] = form.valueText(i);
    }
    return R"({"result": "single", "Label7": )" + compact(values) + "}";
}

QByteArray loadTableJson(const LoadTableForm& form)
{
    QJsonArray headers;
    for (int i = 0; i < LoadTableForm::kColumns; ++i)
        headers.append(form.headerText(i));
    QJsonArray rows;
    for (int row = 0; row < LoadTableForm::kRows; ++row) {
        if (!form.rowVisible(row)) {
            rows.append(QJsonValue::Null);
            continue;
        }
        QJsonArray cells;
        for (int array = 1; array <= LoadTableForm::kColumns; ++array)
            cells.append(form.cellText(array, row));
        rows.append(cells);
    }
    return R"({"result": "table", "headers": )" + compact(headers) + R"(, "rows": )" + compact(rows) + "}";
}

// The program assembled offscreen with the project read from file and taken to its outcome
// (with 确定, or only opened); empty, with the reason printed, when the file cannot be read.
struct OffscreenRun {
    std::unique_ptr<Navigator> navigator;
    std::optional<engine::Notice> notice;
    project::Project project;
};

std::optional<OffscreenRun> runFile(const QString& file, bool pressOk = true)
{
    const project::ReadResult read = project::readProjectFile(file);
    if (!read.project) {
        std::fprintf(stderr, "trevalo: %s\n", qPrintable(openFailureMessage(file, read.reason)));
        return std::nullopt;
    }
    OffscreenRun run{assembleProgram(), std::nullopt, *read.project};
    run.notice = pressOk ? runProjectThroughForms(*run.navigator, run.project)
                         : openProjectInForms(*run.navigator, run.project);
    return run;
}

QByteArray noticeJson(engine::Notice notice)
{
    return R"({"result": "notice", "notice": )" + compact(QJsonArray{noticeText(notice)}).mid(1).chopped(1) + "}";
}

void printLine(const QByteArray& json)
{
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    std::fputc('\n', stdout);
}

}  // namespace

namespace {

// Runs a step of the forms with its notices collected: the first one, if any.
template <class Step>
std::optional<engine::Notice> firstNoticeOf(Step step)
{
    std::optional<engine::Notice> first;
    const NoticeRedirect redirect([&first](engine::Notice notice) {
        if (!first)
            first = notice;
    });
    step();
    return first;
}

}  // namespace

std::optional<engine::Notice> openProjectInForms(Navigator& navigator, const project::Project& project)
{
    ProjectSession* session = ProjectSession::of(navigator);
    Q_ASSERT(session != nullptr);
    return firstNoticeOf([&] { session->loadIntoForms(project); });
}

std::optional<engine::Notice> runProjectThroughForms(Navigator& navigator, const project::Project& project)
{
    if (const auto notice = openProjectInForms(navigator, project))
        return notice;
    auto* parameters = navigator.formAs<ElevatorParametersForm>(FormId::Form4);
    if (parameters == nullptr || !parameters->isVisible())
        return std::nullopt;
    return firstNoticeOf([parameters] { parameters->defaultButton()->click(); });
}

QByteArray outcomeJson(const Navigator& navigator, std::optional<engine::Notice> notice)
{
    if (notice)
        return noticeJson(*notice);
    const auto* single = navigator.formAs<SingleResultForm>(FormId::Form5);
    if (single != nullptr && single->isVisible())
        return singleResultJson(*single);
    const auto* table = navigator.formAs<LoadTableForm>(FormId::Form6);
    if (table != nullptr && table->isVisible())
        return loadTableJson(*table);
    return {};
}

int printCalculation(const QString& file)
{
    std::optional<OffscreenRun> run = runFile(file);
    if (!run)
        return kExitUnreadable;
    printLine(outcomeJson(*run->navigator, run->notice));
    return run->notice ? kExitNotice : kExitResult;
}

int exportCalculation(const QString& file, const QString& out)
{
    std::optional<OffscreenRun> run = runFile(file);
    if (!run)
        return kExitUnreadable;
    if (run->notice) {
        printLine(noticeJson(*run->notice));
        return kExitNotice;
    }
    const Navigator& navigator = *run->navigator;
    bool written = false;
    if (const auto* single = navigator.formAs<SingleResultForm>(FormId::Form5); single && single->isVisible()) {
        if (const auto record = collectSingleResultRecord(navigator))
            written = workbook::writeSingleResultWorkbookTo(*record, out);
    } else if (const auto record = collectLoadTableRecord(navigator)) {
        written = workbook::writeLoadTableWorkbookTo(*record, out);
    }
    if (!written) {
        std::fprintf(stderr, "trevalo: 无法生成Excel表格“%s”（文件名须以 .xlsx 或 .xltx 结尾，所在文件夹须可写）\n",
                     qPrintable(out));
        return kExitUnreadable;
    }
    return kExitResult;
}

int printSizing(const QString& file)
{
    std::optional<OffscreenRun> run = runFile(file, false);
    if (!run)
        return kExitUnreadable;
    if (run->notice) {
        printLine(noticeJson(*run->notice));
        return kExitNotice;
    }
    const engine::SizingResult result = runSizingWithEntries(*run->navigator, sizingEntriesInEffect(*run->navigator));
    if (const auto* refusal = std::get_if<engine::Refusal>(&result)) {
        printLine(noticeJson(refusal->notice));
        return kExitNotice;
    }
    // The report ends its own last line.
    printLine(QByteArray::fromStdString(engine::sizingReportJson(std::get<engine::SizingOutcome>(result))).trimmed());
    return kExitResult;
}

}  // namespace trevalo
