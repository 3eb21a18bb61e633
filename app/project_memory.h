#pragma once

#include "project/project_file.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

namespace trevalo {

class ProjectSession;

// What the windowed program keeps between runs. Entries not saved to a file are written,
// a second after each change, to a recovery file in the program's data folder; after a run
// that left such entries, the building data form offers 恢复上次输入. The settings keep the
// folder last used and the eight projects last opened or saved, which 打开项目… offers.
// Only the windowed program turns it on: the command line reads and writes neither.
// Programs running at the same time each keep their own recovery file (recovery.trevalo, then
// recovery-2.trevalo, ...), held by a lock while they run, so that one never overwrites the
// entries another still has on screen; a run offers what the last run of its file left.
class ProjectMemory : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentCount = 8;

    // dataFolder holds the recovery file; organisation and application name the settings.
    ProjectMemory(ProjectSession& session, const QString& dataFolder);
    static ProjectMemory* of(const ProjectSession& session);

    // This run's recovery file; empty when every one is held by a running program.
    QString recoveryPath() const;
    QStringList recentProjects() const;

    // The program ends: unsaved work the user did not give up stays for the next run.
    void finish();

private:
    void keepEntries();
    void rememberFile(const QString& path);
    void recentChosen(const QString& path, QWidget* form);
    void recover(QWidget* form);
    void offerOn(QWidget* form);
    void offerEverywhere();

    ProjectSession& m_session;
    QString m_dataFolder;
    QString m_recoveryPath;
    std::unique_ptr<QLockFile> m_recoveryLock;
    std::optional<project::Project> m_offered;  // the last run's entries, until restored
    QString m_offeredFile;                       // the project file they belong to, if any
    bool m_ownsRecovery = false;                 // this run's entries are in the file
    QTimer m_keep;
};

// The program's memory, in the data folder and settings of the running application.
void rememberProjects(ProjectSession& session);

}  // namespace trevalo
