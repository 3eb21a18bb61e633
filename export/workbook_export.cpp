#include "export/workbook_export.h"

#include "engine/analysis.h"
#include "export/calculation_sheet.h"
#include "export/export_destination.h"
#include "export/workbook_opener.h"
#include "export/xlsx_writer.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <type_traits>
#include <filesystem>
#include <system_error>

namespace trevalo::workbook {

namespace {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Written beside the target under a working name that no other writer uses, then renamed
// over it, so the target is either the old file or the complete workbook.
bool writeWhole(const WorkbookLayout& layout, const QString& path, bool asTemplate)
{
    // Named by the process, so two exports to one folder never share a working file.
    const std::string workingName =
        QFile::encodeName(QStringLiteral("%1.%2.part").arg(path).arg(QCoreApplication::applicationPid())).toStdString();
    const bool written = asTemplate ? writeWorkbook(layout, workingName) : writePlainWorkbook(layout, workingName);
    std::error_code error;
    if (written)
        std::filesystem::rename(workingName, QFile::encodeName(path).toStdString(), error);
    const bool renamed = written && !error;
    if (!renamed)
        std::filesystem::remove(workingName, error);
    return renamed;
}

// A workbook in a new folder of its own; a failure leaves neither a partial file nor an
// empty folder.
QString writeNewWorkbook(const WorkbookLayout& layout, const std::string& projectName,
                         const QDateTime& moment)
{
    const QString folder = makeExportFolder();
    if (folder.isEmpty())
        return {};
    const QString path = QDir(folder).filePath(
        workbookFileName(QString::fromStdString(projectName), moment));
    if (writeWhole(layout, path, true))
        return path;
    QDir().rmdir(folder);
    return {};
}

// The layout of the result sheet with the calculation sheet dated at moment.
template <class Record>
WorkbookLayout completeLayout(const Record& record, WorkbookLayout (*layoutOf)(const Record&), const QDateTime& moment)
{
    const std::string shownMoment = moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    WorkbookLayout layout = layoutOf(record);
    if constexpr (!std::is_same_v<Record, SizingRecord>)
        layout.calculation = calculationSheet(calculationHeader(record.entered, shownMoment), record.analysis);
    setPrintedPages(layout, record.entered.inputs.project.projectName, shownMoment);
    return layout;
}

template <class Record>
void exportRecord(const std::optional<Record>& record, WorkbookLayout (*layoutOf)(const Record&),
                  QWidget* parent)
{
    QString path;
    {
        BusyCursor busy;
        if (record) {
            // The calculation sheet is dated with the moment that also names the file.
            const QDateTime moment = QDateTime::currentDateTime();
            path = writeNewWorkbook(completeLayout(*record, layoutOf, moment),
                                    record->entered.inputs.project.projectName, moment);
        }
        if (!path.isEmpty())
            openWorkbook(path, parent);
    }
    if (path.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("注意"), QStringLiteral("无法生成Excel表格"),
                        QMessageBox::Ok, parent);
        box.exec();
    }
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

bool writeSingleResultWorkbookTo(const SingleResultRecord& record, const QString& path)
{
    return writeRecordTo(record, &singleResultLayout, path);
}

bool writeLoadTableWorkbookTo(const LoadTableRecord& record, const QString& path)
{
    return writeRecordTo(record, &loadTableLayout, path);
}

void exportSingleResultWorkbook(const std::optional<SingleResultRecord>& record, QWidget* parentForMessages)
{
    exportRecord(record, &singleResultLayout, parentForMessages);
}

void exportLoadTableWorkbook(const std::optional<LoadTableRecord>& record, QWidget* parentForMessages)
{
    exportRecord(record, &loadTableLayout, parentForMessages);
}

void exportSizingWorkbook(const std::optional<SizingRecord>& record, QWidget* parentForMessages)
{
    exportRecord(record, &sizingLayout, parentForMessages);
}

}  // namespace trevalo::workbook
