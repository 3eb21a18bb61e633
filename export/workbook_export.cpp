#include "export/workbook_export.h"

#include "export/calculation_sheet.h"
#include "export/export_destination.h"
#include "export/printed_pages.h"
#include "export/result_layouts.h"
#include "export/simulation_sheet.h"
#include "export/sizing_sheet.h"
#include "export/xlsx_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <filesystem>
#include <system_error>
#include <type_traits>

namespace trevalo::workbook {

namespace {

// Written beside the target under a working name that no other writer uses, then renamed
// over it, so the target is either the old file or the complete workbook.
bool writeWhole(const WorkbookLayout& layout, const QString& path, bool asTemplate)
{
    // Named by the process, so two exports to one folder never share a working file.
    const QString working = QStringLiteral("%1.%2.part").arg(path).arg(QCoreApplication::applicationPid());
    // The library reports a file it cannot create on standard error, in English; a folder that
    // takes no file is found here first, and the caller says so in its own words.
    if (QFile probe(working); !probe.open(QIODevice::WriteOnly))
        return false;
    const std::string workingName = QFile::encodeName(working).toStdString();
    const bool written = asTemplate ? writeWorkbook(layout, workingName) : writePlainWorkbook(layout, workingName);
    std::error_code error;
    if (written)
        std::filesystem::rename(workingName, QFile::encodeName(path).toStdString(), error);
    const bool renamed = written && !error;
    if (!renamed)
        std::filesystem::remove(workingName, error);
    return renamed;
}

std::optional<QString> writeNewWorkbook(const WorkbookLayout& layout, const std::string& projectName,
                                        const QDateTime& moment)
{
    const QString folder = makeExportFolder();
    if (folder.isEmpty())
        return std::nullopt;
    const QString path = QDir(folder).filePath(workbookFileName(QString::fromStdString(projectName), moment));
    if (writeWhole(layout, path, true))
        return path;
    QDir().rmdir(folder);
    return std::nullopt;
}

SheetModel calculationOf(const CalculationHeader& header, const SingleResultRecord& record)
{
    return calculationSheet(header, record.analysis, record.verdict);
}

SheetModel calculationOf(const CalculationHeader& header, const SimulationRecord& record)
{
    return calculationSheet(header, record.analysis, record.verdict, true);
}

SheetModel calculationOf(const CalculationHeader& header, const LoadTableRecord& record)
{
    return calculationSheet(header, record.analysis);
}

// The layout of the result sheet with the calculation sheet dated at moment.
template <class Record>
WorkbookLayout completeLayout(const Record& record, WorkbookLayout (*layoutOf)(const Record&), const QDateTime& moment)
{
    const std::string shownMoment = moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    WorkbookLayout layout = layoutOf(record);
    if constexpr (!std::is_same_v<Record, SizingRecord>)
        layout.calculation = calculationOf(calculationHeader(record.entered, shownMoment), record);
    setPrintedPages(layout, record.entered.inputs.project.projectName, shownMoment);
    return layout;
}

// The calculation sheet is dated with the moment that also names the file.
template <class Record>
std::optional<QString> writeNewRecord(const Record& record, WorkbookLayout (*layoutOf)(const Record&),
                                      const QDateTime& moment)
{
    return writeNewWorkbook(completeLayout(record, layoutOf, moment), record.entered.inputs.project.projectName,
                            moment);
}

// OUT as the command line names it: a template for .xltx, a workbook for .xlsx.
template <class Record>
bool writeRecordTo(const Record& record, WorkbookLayout (*layoutOf)(const Record&), const QString& path)
{
    const bool asTemplate = path.endsWith(QStringLiteral(".xltx"), Qt::CaseInsensitive);
    if (!asTemplate && !path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        return false;
    return writeWhole(completeLayout(record, layoutOf, QDateTime::currentDateTime()), path, asTemplate);
}

}  // namespace

std::optional<QString> writeNewSingleResultWorkbook(const SingleResultRecord& record, const QDateTime& moment)
{
    return writeNewRecord(record, &singleResultLayout, moment);
}

std::optional<QString> writeNewLoadTableWorkbook(const LoadTableRecord& record, const QDateTime& moment)
{
    return writeNewRecord(record, &loadTableLayout, moment);
}

std::optional<QString> writeNewSizingWorkbook(const SizingRecord& record, const QDateTime& moment)
{
    return writeNewRecord(record, &sizingLayout, moment);
}

std::optional<QString> writeNewSimulationWorkbook(const SimulationRecord& record, const QDateTime& moment)
{
    return writeNewRecord(record, &simulationLayout, moment);
}

bool writeSingleResultWorkbookTo(const SingleResultRecord& record, const QString& path)
{
    return writeRecordTo(record, &singleResultLayout, path);
}

bool writeLoadTableWorkbookTo(const LoadTableRecord& record, const QString& path)
{
    return writeRecordTo(record, &loadTableLayout, path);
}

bool writeSizingWorkbookTo(const SizingRecord& record, const QString& path)
{
    return writeRecordTo(record, &sizingLayout, path);
}

}  // namespace trevalo::workbook
