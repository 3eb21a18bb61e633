#pragma once

#include "project/project_json.h"
#include "wizard/navigator.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <string>
#include <vector>

namespace trevalo {

// The program's one project: every entry as typed (engine::ProjectEntries), the file it was
// last opened from or saved to (the windows' titles show its name, marked while the project
// holds unsaved work) and the folder the file dialogs start in. Each form shown writes its
// entries into the project as they change; every action takes the project from here, so a
// form that leaves the screen takes none of them along. It is a child of the navigator and
// lives as long as the forms.
class ProjectSession : public QObject {
    Q_OBJECT
public:
    explicit ProjectSession(Navigator& navigator);
    static ProjectSession* of(const Navigator& navigator);

    Navigator& navigator() const { return m_navigator; }

    // The project as it stands, the entries of the forms shown written in first.
    const project::Project& project() const;
    // The date and time the building data form shows, for a workbook.
    std::string dateCaption() const { return m_dateCaption; }
    std::string timeCaption() const { return m_timeCaption; }

    // What a save writes: the project, without the sizing or simulation entries that only
    // repeat the presets a form started from in a project that held none.
    project::Project projectToSave() const;
    // What the recovery file keeps: the project to save, with the entries 上一步 discarded
    // while the form shown afresh still offers them back.
    project::Project projectToKeep() const;
    QByteArray currentJson() const { return project::projectToJson(projectToSave()); }

    // Puts the project into the forms as if the user typed it and pressed OK: the result
    // forms go, the building data form is filled and its OK pressed; on the per-floor road
    // the floor rows are filled and that form's OK pressed too. A form that loads later
    // (after a notice stopped the road) receives its entries when it loads, in place of
    // its defaults.
    void loadIntoForms(const project::Project& project);
    // Loads the project as above as the file at path (none: a project without a file); its
    // entries then count as saved.
    void openProject(const project::Project& project, const QString& path);
    // Loads recovered entries: they count as unsaved work, of the file they came from if any
    // (whose own entries, when it can still be read, are the saved ones).
    void openRecovered(const project::Project& project, const QString& path,
                       const std::optional<project::Project>& saved);

    QString filePath() const { return m_filePath; }
    // The project's file from now on, its entries as they stand counting as saved in it.
    void setFilePath(const QString& path);
    QString lastFolder() const { return m_lastFolder; }
    void setLastFolder(const QString& folder) { m_lastFolder = folder; }

    // Work that would be lost: a project with a file whose entries differ from the file's,
    // or a project without a file that holds anything typed. Forms merely looked at count
    // for nothing.
    bool hasUnsavedChanges() const;
    // The user chose to give up the unsaved work (不保存): nothing of it is kept.
    void discardUnsavedWork() { m_workDiscarded = true; }
    bool workDiscarded() const { return m_workDiscarded; }

signals:
    // A form asked to open or to save the project, by its button or its shortcut.
    void openRequested(QWidget* form);
    void saveRequested(QWidget* form);
    void saveAsRequested(QWidget* form);
    // The entries differ from those seen last, checked shortly after the user's input.
    void entriesChanged();
    // A form came or went: what the program keeps should follow at once.
    void entriesMoved();
    void filePathChanged(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The one reader of the forms: writes the entries of every form loaded into the project.
    void writeFormsIntoProject() const;
    void formLoaded(FormId id, QWidget* form);
    void formUnloading(FormId id, QWidget* form);
    void restoreDiscarded(FormId id);
    void withdrawStaleOffers();
    void applyTitle(QWidget& form) const;
    void checkEntries();

    Navigator& m_navigator;
    // Mutable: reading the project first brings in what the forms hold now.
    mutable project::Project m_project;
    mutable std::string m_dateCaption;
    mutable std::string m_timeCaption;
    project::Project m_saved;  // as last opened or saved; untouched for a new project
    // What 上一步 discarded from the floor and elevator forms, offered back until the form
    // shown afresh is changed, with what that form showed when it was shown.
    std::optional<std::vector<std::string>> m_discardedFloors;
    std::optional<engine::ElevatorParameters> m_discardedElevator;
    std::optional<std::vector<std::string>> m_freshFloors;
    std::optional<engine::ElevatorParameters> m_freshElevator;
    bool m_loadingProject = false;
    bool m_workDiscarded = false;
    QString m_filePath;
    QString m_lastFolder;
    QByteArray m_seenJson;
    QTimer m_check;
};

}  // namespace trevalo
