#include "export/workbook_export.h"

#include "engine/analysis.h"
#include "export/calculation_sheet.h"
#include "export/export_destination.h"
#include "export/form_reading.h"
#include "export/xlsx_writer.h"
#include "results/load_table_form.h"
#include "results/single_result_form.h"
#include "wizard/navigator.h"
#include "wizard/wizard_state.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QUrl>

namespace trevalo {

namespace {

void tellUser(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QStringLiteral("注意"), text, QMessageBox::Ok, parent);
    box.exec();
}

// Writes under a working name and gives the workbook its name only when it is
// complete, so a failure leaves neither a partial file nor an empty folder.
QString writeNewWorkbook(const workbook::WorkbookLayout& layout, const std::string& projectName)
{
    const QString folder = workbook::makeExportFolder();
    if (folder.isEmpty())
        return {};
    const QString path = QDir(folder).filePath(workbook::workbookFileName(
        QString::fromStdString(projectName), QDateTime::currentDateTime()));
    const QString working = path + QStringLiteral(".part");
    if (workbook::writeWorkbook(layout, QFile::encodeName(working).toStdString()) &&
        QFile::rename(working, path))
        return path;
    QFile::remove(working);
    QDir().rmdir(folder);
    return {};
}

void exportLayout(const workbook::WorkbookLayout& layout, const std::string& projectName,
                  QWidget* parent)
{
    const QString path = writeNewWorkbook(layout, projectName);
    if (path.isEmpty()) {
        tellUser(parent, QMessageBox::Warning, QStringLiteral("无法生成Excel表格"));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        tellUser(parent, QMessageBox::Information,
                 QStringLiteral("Excel表格已生成，但无法自动打开。文件保存在：\n%1")
                     .arg(QDir::toNativeSeparators(path)));
    }
}

// The calculation sheet from the entries the result form was computed from: a result
// form stands only after a run on the entries as they are now.
template <typename Result>
void addCalculation(workbook::WorkbookLayout& layout, const WizardState& state)
{
    const engine::AnalysisOutcome analysis = engine::runAnalysis(state.inputs);
    const QString moment = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (const auto* result = std::get_if<Result>(&analysis))
        layout.calculation = workbook::calculationSheet(workbook::calculationHeader(state, moment.toStdString()), *result);
}

}  // namespace

void exportSingleResultWorkbook(const Navigator& navigator, QWidget* parentForMessages)
{
    const WizardState state = readWizardState(navigator);
    const workbook::SingleResultCaptions form =
        workbook::readSingleResultForm(navigator.formAs<SingleResultForm>(FormId::Form5));
    workbook::WorkbookLayout layout = workbook::singleResultLayout(state, form);
    addCalculation<engine::SingleResult>(layout, state);
    exportLayout(layout, state.inputs.project.projectName, parentForMessages);
}

void exportLoadTableWorkbook(const Navigator& navigator, QWidget* parentForMessages)
{
    const WizardState state = readWizardState(navigator);
    const workbook::LoadTableCaptions form =
        workbook::readLoadTableForm(navigator.formAs<LoadTableForm>(FormId::Form6));
    workbook::WorkbookLayout layout = workbook::loadTableLayout(state, form);
    addCalculation<engine::LoadTable>(layout, state);
    exportLayout(layout, state.inputs.project.projectName, parentForMessages);
}

}  // namespace trevalo
