#pragma once

#include "project/project_file.h"
#include "wizard/navigator.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace trevalo {

// The program's one project: the entries of every form as a project file holds them, the
// path of the file last opened or saved (the windows' titles show its name, marked while
// the entries differ from the file's) and the folder the file dialogs start in. It is a
// child of the navigator and lives as long as the forms.
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
    // Loads the project as above as the file at path (none: a project without a file); its
    // entries then count as saved.
    void openProject(const project::Project& project, const QString& path);

    // The sizing entries of the opened project, saved back unless a provider is set; the
    // sizing form sets a provider that gives its current entries.
    std::optional<engine::SizingEntries> sizingEntries() const { return m_sizing; }
    void setSizingProvider(SizingProvider provider) { m_sizingProvider = std::move(provider); }

    // The same for the simulation form's entries and passenger list.
    std::optional<engine::SimulationEntries> simulationEntries() const { return m_simulation; }
    void setSimulationProvider(SimulationProvider provider) { m_simulationProvider = std::move(provider); }

    // What the sizing or simulation form showed when it started from its presets, the project
    // holding none of its entries: while the form still shows them, the project holds none,
    // so merely looking at a form is no change to save.
    void setSizingPresets(std::optional<engine::SizingEntries> shown) { m_sizingPresets = std::move(shown); }
    void setSimulationPresets(std::optional<engine::SimulationEntries> shown)
    {
        m_simulationPresets = std::move(shown);
    }

    QString filePath() const { return m_filePath; }
    // The project's file from now on, its entries as they stand counting as saved in it.
    void setFilePath(const QString& path);
    QString lastFolder() const { return m_lastFolder; }
    void setLastFolder(const QString& folder) { m_lastFolder = folder; }

    QByteArray currentJson() const { return project::projectToJson(currentProject()); }
    // The project has a file and its entries differ from those last saved or opened.
    bool hasUnsavedChanges() const;

signals:
    // A form asked to open or to save the project, by its button or its shortcut.
    void openRequested(QWidget* form);
    void saveRequested(QWidget* form);
    void saveAsRequested(QWidget* form);
    // The entries differ from those seen last, checked shortly after the user's input.
    void entriesChanged();
    void filePathChanged(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void formLoaded(FormId id, QWidget* form);
    void applyTitle(QWidget& form) const;
    void checkEntries();

    Navigator& m_navigator;
    std::optional<std::vector<std::string>> m_pendingFloors;
    std::optional<engine::ElevatorParameters> m_pendingElevator;
    std::optional<engine::SizingEntries> m_sizing;
    SizingProvider m_sizingProvider;
    std::optional<engine::SizingEntries> m_sizingPresets;
    std::optional<engine::SimulationEntries> m_simulation;
    SimulationProvider m_simulationProvider;
    std::optional<engine::SimulationEntries> m_simulationPresets;
    QString m_filePath;
    QString m_lastFolder;
    QByteArray m_savedJson;
    QByteArray m_seenJson;
    QTimer m_check;
};

}  // namespace trevalo
