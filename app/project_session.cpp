#include "app/project_session.h"

#include "results/load_table_form.h"
#include "results/simulation_form.h"
#include "results/single_result_form.h"
#include "results/sizing_form.h"
#include "wizard/building_data_form.h"
#include "wizard/elevator_parameters_form.h"
#include "wizard/floor_population_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>

#include <algorithm>

namespace trevalo {

namespace {

constexpr const char* kBaseTitle = "trevaloBaseTitle";
constexpr FormId kAllForms[] = {FormId::Form1, FormId::Form2, FormId::Form3, FormId::Form4,
                                FormId::Form5, FormId::Form6, FormId::Form7, FormId::Form8};

// Every form opens and saves by the usual keys; the building data form has a visible
// button to open, the elevator parameters form and both result forms one to save.
template <class Form>
void connectSaveButton(QWidget* form, ProjectSession& session)
{
    if (auto* typed = qobject_cast<Form*>(form))
        QObject::connect(typed, &Form::saveProjectRequested, &session, [&session, form] { emit session.saveRequested(form); });
}

project::Project untouchedProject()
{
    project::Project project;
    project.elevatorEntered = false;
    return project;
}

std::vector<std::string> shownFloorRows(const FloorPopulationForm& form)
{
    std::vector<std::string> rows = form.floorPopulation().floorPopulations;
    rows.resize(static_cast<std::size_t>(form.shownRows()));
    return rows;
}

bool anyTyped(const std::vector<std::string>& rows)
{
    return std::any_of(rows.begin(), rows.end(), [](const std::string& row) { return !row.empty(); });
}

}  // namespace

ProjectSession::ProjectSession(Navigator& navigator)
    : QObject(&navigator), m_navigator(navigator), m_project(untouchedProject()), m_saved(untouchedProject()),
      m_lastFolder(QDir::homePath())
{
    setObjectName(QStringLiteral("projectSession"));
    connect(&m_navigator, &Navigator::formLoaded, this, &ProjectSession::formLoaded);
    connect(&m_navigator, &Navigator::formUnloading, this, &ProjectSession::formUnloading);
    // The entries are compared whole, as JSON, a moment after the user's last input: a few
    // kilobytes, cheaper than following every control's signals.
    m_check.setSingleShot(true);
    m_check.setInterval(250);
    connect(&m_check, &QTimer::timeout, this, &ProjectSession::checkEntries);
    QCoreApplication::instance()->installEventFilter(this);
    m_seenJson = currentJson();
}

bool ProjectSession::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::Drop:
        m_check.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

ProjectSession* ProjectSession::of(const Navigator& navigator)
{
    return navigator.findChild<ProjectSession*>(QStringLiteral("projectSession"), Qt::FindDirectChildrenOnly);
}

void ProjectSession::writeFormsIntoProject() const
{
    if (const auto* building = m_navigator.formAs<BuildingDataForm>(FormId::Form2)) {
        m_project.inputs.project = building->projectData();
        m_dateCaption = building->dateCaption().toStdString();
        m_timeCaption = building->timeCaption().toStdString();
    }
    if (const auto* floors = m_navigator.formAs<FloorPopulationForm>(FormId::Form3))
        m_project.inputs.floors.floorPopulations = shownFloorRows(*floors);
    if (const auto* elevator = m_navigator.formAs<ElevatorParametersForm>(FormId::Form4)) {
        m_project.inputs.elevator = elevator->elevatorParameters();
        m_project.elevatorEntered = true;
    }
    if (const auto* sizing = m_navigator.formAs<SizingForm>(FormId::Form7))
        m_project.sizing = sizing->entries();
    if (const auto* simulation = m_navigator.formAs<SimulationForm>(FormId::Form8))
        m_project.simulation = simulation->entries();
}

const project::Project& ProjectSession::project() const
{
    writeFormsIntoProject();
    return m_project;
}

project::Project ProjectSession::projectToSave() const
{
    project::Project saved = project();
    // A form that started from its presets in a project without its entries, and still shows
    // them, adds nothing to the file.
    const project::Project untouched = engine::withoutUntouchedEntries(saved);
    if (!m_saved.sizing && !untouched.sizing)
        saved.sizing.reset();
    if (!m_saved.simulation && !untouched.simulation)
        saved.simulation.reset();
    return saved;
}

project::Project ProjectSession::projectToKeep() const
{
    project::Project kept = projectToSave();
    if (m_discardedFloors)
        kept.inputs.floors.floorPopulations = *m_discardedFloors;
    if (m_discardedElevator) {
        kept.inputs.elevator = *m_discardedElevator;
        kept.elevatorEntered = true;
    }
    return kept;
}

bool ProjectSession::hasUnsavedChanges() const
{
    const project::Project current = engine::withoutUntouchedEntries(projectToSave());
    if (m_filePath.isEmpty())
        return engine::holdsTypedEntries(current) || m_discardedFloors || m_discardedElevator;
    return current != engine::withoutUntouchedEntries(m_saved);
}

void ProjectSession::checkEntries()
{
    m_check.stop();
    withdrawStaleOffers();
    const bool modified = hasUnsavedChanges();
    for (FormId id : kAllForms) {
        if (QWidget* form = m_navigator.form(id))
            form->setWindowModified(modified);
    }
    const QByteArray json = project::projectToJson(projectToKeep());
    if (json != std::exchange(m_seenJson, json)) {
        m_workDiscarded = false;
        emit entriesChanged();
    }
}

void ProjectSession::withdrawStaleOffers()
{
    // The offer stands until the form shown afresh is changed; its own entries then count.
    if (m_discardedFloors) {
        auto* floors = m_navigator.formAs<FloorPopulationForm>(FormId::Form3);
        if (floors != nullptr && m_freshFloors && shownFloorRows(*floors) != *m_freshFloors) {
            m_discardedFloors.reset();
            floors->offerRestore(false);
        }
    }
    if (m_discardedElevator) {
        auto* elevator = m_navigator.formAs<ElevatorParametersForm>(FormId::Form4);
        if (elevator != nullptr && m_freshElevator && elevator->elevatorParameters() != *m_freshElevator) {
            m_discardedElevator.reset();
            elevator->offerRestore(false);
        }
    }
}

void ProjectSession::loadIntoForms(const project::Project& project)
{
    // As after 重新计算: no result form stays, and the later forms start afresh, from the
    // project's entries rather than from their defaults.
    m_loadingProject = true;
    for (FormId id : {FormId::Form1, FormId::Form3, FormId::Form4, FormId::Form5, FormId::Form6, FormId::Form7,
                      FormId::Form8})
        m_navigator.unload(id);
    m_loadingProject = false;
    m_project = project;
    m_discardedFloors.reset();
    m_discardedElevator.reset();

    auto* building = qobject_cast<BuildingDataForm*>(m_navigator.load(FormId::Form2));
    Q_ASSERT(building != nullptr);
    building->setProjectData(project.inputs.project);
    m_navigator.show(FormId::Form2);
    building->defaultButton()->click();
    auto* floors = m_navigator.formAs<FloorPopulationForm>(FormId::Form3);
    if (floors != nullptr && floors->isVisible())
        floors->defaultButton()->click();
    checkEntries();
}

void ProjectSession::openProject(const project::Project& project, const QString& path)
{
    // The title first, so the forms and notices of the road already name the file.
    setFilePath(path);
    loadIntoForms(project);
    m_saved = path.isEmpty() ? untouchedProject() : projectToSave();
    checkEntries();
}

void ProjectSession::openRecovered(const project::Project& project, const QString& path,
                                   const std::optional<project::Project>& saved)
{
    openProject(project, path);
    // The file's own entries are what was saved; without them every entry counts as unsaved.
    m_saved = saved.value_or(untouchedProject());
    checkEntries();
}

void ProjectSession::setFilePath(const QString& path)
{
    m_filePath = path;
    if (!path.isEmpty())
        m_lastFolder = QFileInfo(path).absolutePath();
    m_saved = projectToSave();
    for (FormId id : kAllForms) {
        if (QWidget* form = m_navigator.form(id))
            applyTitle(*form);
    }
    checkEntries();
    if (!path.isEmpty())
        emit filePathChanged(path);
}

void ProjectSession::applyTitle(QWidget& form) const
{
    if (!form.property(kBaseTitle).isValid())
        form.setProperty(kBaseTitle, form.windowTitle());
    const QString base = form.property(kBaseTitle).toString();
    if (m_filePath.isEmpty()) {
        // The mark alone: Qt shows nothing of "[*]" while the project is unchanged.
        form.setWindowTitle(base + QStringLiteral("[*]"));
        return;
    }
    // A "[*]" of the file's own name is doubled, so Qt shows it rather than taking it for the mark.
    const QString name = QFileInfo(m_filePath).fileName().replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    form.setWindowTitle(name + QStringLiteral("[*] - ") + base);
}

void ProjectSession::formUnloading(FormId id, QWidget* form)
{
    if (m_loadingProject || (id != FormId::Form3 && id != FormId::Form4))
        return;
    // 上一步 discards the form, which comes back with its defaults; what it held is kept,
    // to be offered back on the form shown afresh.
    writeFormsIntoProject();
    // Entries the form showed when it was shown are not the user's to get back.
    if (const auto* floors = qobject_cast<FloorPopulationForm*>(form)) {
        const std::vector<std::string> rows = shownFloorRows(*floors);
        if (anyTyped(rows) && rows != m_freshFloors)
            m_discardedFloors = rows;
        m_project.inputs.floors.floorPopulations.clear();
    }
    if (const auto* elevator = qobject_cast<ElevatorParametersForm*>(form)) {
        const engine::ElevatorParameters entries = elevator->elevatorParameters();
        if (entries != m_freshElevator)
            m_discardedElevator = entries;
        m_project.elevatorEntered = false;
        m_project.inputs.elevator = {};
    }
    QMetaObject::invokeMethod(this, &ProjectSession::checkEntries, Qt::QueuedConnection);
    emit entriesMoved();
}

void ProjectSession::restoreDiscarded(FormId id)
{
    if (id == FormId::Form3 && m_discardedFloors) {
        if (auto* floors = m_navigator.formAs<FloorPopulationForm>(FormId::Form3)) {
            floors->setFloorEntries(*std::exchange(m_discardedFloors, std::nullopt));
            floors->offerRestore(false);
        }
    }
    if (id == FormId::Form4 && m_discardedElevator) {
        if (auto* elevator = m_navigator.formAs<ElevatorParametersForm>(FormId::Form4)) {
            elevator->setElevatorParameters(*std::exchange(m_discardedElevator, std::nullopt));
            elevator->offerRestore(false);
        }
    }
    checkEntries();
    emit entriesMoved();
}

void ProjectSession::formLoaded(FormId id, QWidget* form)
{
    // A form loads with its defaults; the project's entries, when it holds them, go in their place.
    if (auto* building = qobject_cast<BuildingDataForm*>(form); building != nullptr && m_project.inputs.project != engine::ProjectData{})
        building->setProjectData(m_project.inputs.project);
    // What a form shows with its defaults is noted, to tell the user's entries from them.
    if (auto* floors = qobject_cast<FloorPopulationForm*>(form)) {
        const bool held = !m_project.inputs.floors.floorPopulations.empty();
        if (held)
            floors->setFloorEntries(m_project.inputs.floors.floorPopulations);
        m_freshFloors = held ? std::nullopt : std::optional(shownFloorRows(*floors));
        floors->offerRestore(m_discardedFloors.has_value());
    }
    if (auto* elevator = qobject_cast<ElevatorParametersForm*>(form)) {
        if (m_project.elevatorEntered)
            elevator->setElevatorParameters(m_project.inputs.elevator);
        m_freshElevator = m_project.elevatorEntered ? std::nullopt : std::optional(elevator->elevatorParameters());
        elevator->offerRestore(m_discardedElevator.has_value());
    }
    if (auto* wizardForm = qobject_cast<WizardForm*>(form))
        connect(wizardForm, &WizardForm::restoreRequested, this, [this, id] { restoreDiscarded(id); });
    applyTitle(*form);
    form->setWindowModified(hasUnsavedChanges());

    auto* open = new QShortcut(QKeySequence::Open, form);
    connect(open, &QShortcut::activated, this, [this, form] { emit openRequested(form); });
    auto* save = new QShortcut(QKeySequence::Save, form);
    connect(save, &QShortcut::activated, this, [this, form] { emit saveRequested(form); });
    auto* saveAs = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), form);
    connect(saveAs, &QShortcut::activated, this, [this, form] { emit saveAsRequested(form); });
    if (auto* building = qobject_cast<BuildingDataForm*>(form))
        connect(building, &BuildingDataForm::openProjectRequested, this, [this, form] { emit openRequested(form); });
    connectSaveButton<ElevatorParametersForm>(form, *this);
    connectSaveButton<SingleResultForm>(form, *this);
    connectSaveButton<LoadTableForm>(form, *this);
    // Once the action that loaded the form has put in what it shows.
    QMetaObject::invokeMethod(this, &ProjectSession::checkEntries, Qt::QueuedConnection);
}

}  // namespace trevalo
