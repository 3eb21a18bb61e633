#include "app/program.h"

#include "app/analysis_action.h"
#include "app/export_record_collector.h"
#include "app/project_commands.h"
#include "app/project_memory.h"
#include "app/project_session.h"
#include "app/simulation_action.h"
#include "app/sizing_action.h"
#include "app/workbook_actions.h"
#include "results/load_table_form.h"
#include "results/simulation_form.h"
#include "results/single_result_form.h"
#include "results/sizing_form.h"
#include "wizard/artwork.h"
#include "wizard/elevator_parameters_form.h"
#include "wizard/fonts.h"
#include "app/launch.h"
#include "wizard/wizard_forms.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace trevalo {

namespace {

using ExportAction = void (*)(const Navigator&, QWidget*);

void exportSingleResult(const Navigator& navigator, QWidget* form)
{
    exportSingleResultWorkbook(collectSingleResultRecord(navigator), form);
}

void exportLoadTable(const Navigator& navigator, QWidget* form)
{
    exportLoadTableWorkbook(collectLoadTableRecord(navigator), form);
}

// Back shows the elevator parameters form with its entries before the result form leaves;
// recalculate discards the result form so the next analysis loads it afresh.
template <class ResultForm>
QWidget* wireResultForm(ResultForm* form, Navigator& navigator, FormId id, ExportAction exportAction)
{
    QObject::connect(form, &ResultForm::backRequested, form, [&navigator, id] {
        navigator.show(FormId::Form4);
        navigator.hide(id);
    });
    QObject::connect(form, &ResultForm::recalculateRequested, form, [&navigator, id] {
        navigator.unload(id);
        navigator.show(FormId::Form2);
    });
    QObject::connect(form, &ResultForm::endRequested, form, [&navigator] { navigator.end(); });
    QObject::connect(form, &ResultForm::exportRequested, form,
                     [&navigator, form, exportAction] { exportAction(navigator, form); });
    return form;
}

}  // namespace

std::unique_ptr<Navigator> assembleProgram()
{
    auto navigator = std::make_unique<Navigator>();
    registerWizardForms(*navigator);
    navigator->registerForm(FormId::Form5, [](Navigator& owner) {
        auto* form = new SingleResultForm;
        QObject::connect(form, &SingleResultForm::simulateRequested, form, [&owner] { openSimulationForm(owner); });
        return wireResultForm(form, owner, FormId::Form5, &exportSingleResult);
    });
    navigator->registerForm(FormId::Form6, [](Navigator& owner) {
        return wireResultForm(new LoadTableForm, owner, FormId::Form6, &exportLoadTable);
    });
    navigator->registerForm(FormId::Form7,
                            [](Navigator& owner) -> QWidget* { return wireSizingForm(new SizingForm, owner); });
    navigator->registerForm(FormId::Form8,
                            [](Navigator& owner) -> QWidget* { return wireSimulationForm(new SimulationForm, owner); });

    Navigator* owner = navigator.get();
    QObject::connect(owner, &Navigator::formLoaded, owner, [owner](FormId id, QWidget* form) {
        auto* parameters = qobject_cast<ElevatorParametersForm*>(form);
        if (id != FormId::Form4 || parameters == nullptr)
            return;
        QObject::connect(parameters, &ElevatorParametersForm::analysisRequested, parameters,
                         [owner] { runAnalysisFromForms(*owner); });
        QObject::connect(parameters, &ElevatorParametersForm::sizingRequested, parameters,
                         [owner] { runSizingFromForms(*owner); });
    });
    wireProjectCommands(*new ProjectSession(*owner));
    return navigator;
}

void prepareApplication(QApplication& application)
{
    useCjkFont(application);
    // The interface is Chinese whatever the desktop's language, so Qt's own texts (the
    // notices' button, the text boxes' context menu) are loaded in Chinese as well.
    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
    QApplication::setWindowIcon(trevaloIcon());
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TREVALO_APPLICATION_ID));
}

void launch(const QString& projectPath)
{
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance()))
        prepareApplication(*application);
    QCoreApplication::setOrganizationName(QStringLiteral("Trevalo"));
    // The forms must go before the QApplication does, so the program is dropped as the
    // event loop ends, after its memory has settled what to keep of the entries.
    Navigator* navigator = assembleProgram().release();
    ProjectSession& session = *ProjectSession::of(*navigator);
    rememberProjects(session);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, navigator, [navigator, &session] {
        ProjectMemory::of(session)->finish();
        delete navigator;
    });
    if (projectPath.isEmpty()) {
        navigator->show(FormId::Form1);
        return;
    }
    // A project named on the command line opens at once, without the splash.
    navigator->show(FormId::Form2);
    openProjectFile(session, projectPath, navigator->form(FormId::Form2));
}

}  // namespace trevalo
