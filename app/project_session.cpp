#include "app/project_session.h"

#include "results/load_table_form.h"
#include "results/single_result_form.h"
#include "wizard/building_data_form.h"
#include "wizard/elevator_parameters_form.h"
#include "wizard/floor_population_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>

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

}  // namespace

ProjectSession::ProjectSession(Navigator& navigator)
    : QObject(&navigator), m_navigator(navigator), m_lastFolder(QDir::homePath())
{
    setObjectName(QStringLiteral("projectSession"));
    connect(&m_navigator, &Navigator::formLoaded, this, &ProjectSession::formLoaded);
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

bool ProjectSession::hasUnsavedChanges() const
{
    return !m_filePath.isEmpty() && currentJson() != m_savedJson;
}

void ProjectSession::checkEntries()
{
    m_check.stop();
    const QByteArray json = currentJson();
    const bool modified = !m_filePath.isEmpty() && json != m_savedJson;
    for (FormId id : kAllForms) {
        if (QWidget* form = m_navigator.form(id))
            form->setWindowModified(modified);
    }
    if (json != std::exchange(m_seenJson, json))
        emit entriesChanged();
}

ProjectSession* ProjectSession::of(const Navigator& navigator)
{
    return navigator.findChild<ProjectSession*>(QStringLiteral("projectSession"), Qt::FindDirectChildrenOnly);
}

project::Project ProjectSession::currentProject() const
{
    project::Project project;
    if (const auto* building = m_navigator.formAs<BuildingDataForm>(FormId::Form2))
        project.inputs.project = building->projectData();
    if (const auto* floors = m_navigator.formAs<FloorPopulationForm>(FormId::Form3)) {
        std::vector<std::string> entries = floors->floorPopulation().floorPopulations;
        entries.resize(static_cast<std::size_t>(floors->shownRows()));
        project.inputs.floors.floorPopulations = std::move(entries);
    } else if (m_pendingFloors) {
        project.inputs.floors.floorPopulations = *m_pendingFloors;
    }
    if (const auto* elevator = m_navigator.formAs<ElevatorParametersForm>(FormId::Form4))
        project.inputs.elevator = elevator->elevatorParameters();
    else if (m_pendingElevator)
        project.inputs.elevator = *m_pendingElevator;
    else
        project.elevatorEntered = false;
    std::optional<engine::SizingEntries> provided = m_sizingProvider ? m_sizingProvider() : std::nullopt;
    if (!m_sizing && provided == m_sizingPresets)
        provided.reset();
    project.sizing = provided ? std::move(provided) : m_sizing;
    std::optional<engine::SimulationEntries> simulation = m_simulationProvider ? m_simulationProvider() : std::nullopt;
    if (!m_simulation && simulation == m_simulationPresets)
        simulation.reset();
    project.simulation = simulation ? std::move(simulation) : m_simulation;
    return project;
}

void ProjectSession::loadIntoForms(const project::Project& project)
{
    // As after 重新计算: no result form stays, and the later forms start afresh.
    for (FormId id : {FormId::Form1, FormId::Form3, FormId::Form4, FormId::Form5, FormId::Form6, FormId::Form7,
                      FormId::Form8})
        m_navigator.unload(id);
    m_pendingFloors = project.inputs.floors.floorPopulations;
    m_pendingElevator = project.elevatorEntered ? std::optional(project.inputs.elevator) : std::nullopt;
    m_sizing = project.sizing;
    m_simulation = project.simulation;
    m_sizingPresets.reset();
    m_simulationPresets.reset();

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
    m_savedJson = currentJson();
    checkEntries();
}

void ProjectSession::setFilePath(const QString& path)
{
    m_filePath = path;
    if (!path.isEmpty())
        m_lastFolder = QFileInfo(path).absolutePath();
    m_savedJson = currentJson();
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
        form.setWindowTitle(base);
        return;
    }
    // A "[*]" of the file's own name is doubled, so Qt shows it rather than taking it for the mark.
    const QString name = QFileInfo(m_filePath).fileName().replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    form.setWindowTitle(name + QStringLiteral("[*] - ") + base);
}

void ProjectSession::formLoaded(FormId id, QWidget* form)
{
    if (id == FormId::Form3 && m_pendingFloors) {
        if (auto* floors = qobject_cast<FloorPopulationForm*>(form))
            floors->setFloorEntries(*std::exchange(m_pendingFloors, std::nullopt));
    }
    if (id == FormId::Form4 && m_pendingElevator) {
        if (auto* elevator = qobject_cast<ElevatorParametersForm*>(form))
            elevator->setElevatorParameters(*std::exchange(m_pendingElevator, std::nullopt));
    }
    if (!m_filePath.isEmpty()) {
        applyTitle(*form);
        form->setWindowModified(hasUnsavedChanges());
    }

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
}

}  // namespace trevalo
