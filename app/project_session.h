#pragma once

#include "project/project_file.h"
#include "wizard/navigator.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace trevalo {

// The program's one project: the entries of every form as a project file holds them, the
// path of the file last opened or saved (the windows' titles show its name) and the folder
// the file dialogs start in. It is a child of the navigator and lives as long as the forms.
class ProjectSession : public QObject {
    Q_OBJECT
public:
    using SizingProvider = std::function<std::optional<engine::SizingEntries>()>;
    using SimulationProvider = std::function<std::optional<engine::SimulationEntries>()>;

    explicit ProjectSession(Navigator& navigator);
    static ProjectSession* of(const Navigator& navigator);

    Navigator& navigator() const { return m_navigator; }

    // The entries of every form as they stand; a form not loaded gives the entries a
    // project opened for it still holds, or none.
    project::Project currentProject() const;

    // Puts the project into the forms as if the user typed it and pressed OK: the result
    // forms go, the building data form is filled and its OK pressed; on the per-floor road
    // the floor rows are filled and that form's OK pressed too. A form that loads later
    // (after a notice stopped the road) receives its entries when it loads, in place of
    // its defaults.
    void loadIntoForms(const project::Project& project);

    // The sizing entries of the opened project, saved back unless a provider is set; the
    // sizing form sets a provider that gives its current entries.
    std::optional<engine::SizingEntries> sizingEntries() const { return m_sizing; }
    void setSizingProvider(SizingProvider provider) { m_sizingProvider = std::move(provider); }

    // The same for the simulation form's entries and passenger list.
    std::optional<engine::SimulationEntries> simulationEntries() const { return m_simulation; }
    void setSimulationProvider(SimulationProvider provider) { m_simulationProvider = std::move(provider); }

    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& path);
    QString lastFolder() const { return m_lastFolder; }

signals:
    // A form asked to open or to save the project, by its button or its shortcut.
    void openRequested(QWidget* form);
    void saveRequested(QWidget* form);

private:
    void formLoaded(FormId id, QWidget* form);
    void applyTitle(QWidget& form) const;

    Navigator& m_navigator;
    std::optional<std::vector<std::string>> m_pendingFloors;
    std::optional<engine::ElevatorParameters> m_pendingElevator;
    std::optional<engine::SizingEntries> m_sizing;
    SizingProvider m_sizingProvider;
    std::optional<engine::SimulationEntries> m_simulation;
    SimulationProvider m_simulationProvider;
    QString m_filePath;
    QString m_lastFolder;
};

}  // namespace trevalo
