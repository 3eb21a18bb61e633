#include "app/project_memory.h"

#include "app/project_commands.h"
#include "app/project_session.h"
#include "wizard/building_data_form.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace trevalo {

namespace {

QSettings settings() { return QSettings(QStringLiteral("Trevalo"), QStringLiteral("trevalo")); }

// The most programs that keep their entries at the same time; beyond them a run keeps none.
constexpr int kRecoverySlots = 16;

QString recoveryName(int slot)
{
    return slot == 1 ? QStringLiteral("recovery.trevalo") : QStringLiteral("recovery-%1.trevalo").arg(slot);
}

}  // namespace

ProjectMemory::ProjectMemory(ProjectSession& session, const QString& dataFolder)
    : QObject(&session), m_session(session), m_dataFolder(dataFolder)
{
    setObjectName(QStringLiteral("projectMemory"));
    const QString folder = settings().value(QStringLiteral("lastFolder")).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        session.setLastFolder(folder);
    // The first recovery file no running program holds (a crashed one's lock is stale),
    // preferring one that a run left entries in, so that they are offered.
    if (QDir().mkpath(m_dataFolder)) {
        for (const bool leftEntries : {true, false}) {
            for (int slot = 1; slot <= kRecoverySlots && m_recoveryPath.isEmpty(); ++slot) {
                const QString path = QDir(m_dataFolder).filePath(recoveryName(slot));
                if (leftEntries && !QFileInfo::exists(path))
                    continue;
                auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
                // Held for the whole run: only a holder no longer running makes it stale.
                lock->setStaleLockTime(0);
                if (lock->tryLock(0)) {
                    m_recoveryLock = std::move(lock);
                    m_recoveryPath = path;
                }
            }
        }
    }
    if (!m_recoveryPath.isEmpty() && QFileInfo::exists(recoveryPath())) {
        project::ReadResult read = project::readProjectFile(recoveryPath());
        if (read.project && engine::holdsTypedEntries(*read.project)) {
            m_offered = std::move(read.project);
            m_offeredFile = project::recoveredProjectFile(recoveryPath());
        }
    }

    m_keep.setSingleShot(true);
    m_keep.setInterval(1000);
    connect(&m_keep, &QTimer::timeout, this, &ProjectMemory::keepEntries);
    connect(&session, &ProjectSession::entriesChanged, &m_keep, qOverload<>(&QTimer::start));
    // A form that comes or goes (上一步 discarding one) is kept at once, not a second later.
    connect(&session, &ProjectSession::entriesMoved, this, &ProjectMemory::keepEntries);
    connect(&session, &ProjectSession::filePathChanged, this, &ProjectMemory::rememberFile);
    connect(&session.navigator(), &Navigator::formLoaded, this, [this](FormId, QWidget* form) { offerOn(form); });
    offerEverywhere();
}

ProjectMemory* ProjectMemory::of(const ProjectSession& session)
{
    return session.findChild<ProjectMemory*>(QStringLiteral("projectMemory"), Qt::FindDirectChildrenOnly);
}

QString ProjectMemory::recoveryPath() const
{
    return m_recoveryPath;
}

QStringList ProjectMemory::recentProjects() const
{
    return settings().value(QStringLiteral("recentProjects")).toStringList();
}

void ProjectMemory::finish()
{
    keepEntries();
}

void ProjectMemory::keepEntries()
{
    m_keep.stop();
    if (m_recoveryPath.isEmpty())
        return;
    // Unsaved work is kept, whatever way the program ends, until the user gives it up (不保存)
    // or it is in its file.
    if (m_session.hasUnsavedChanges() && !m_session.workDiscarded()) {
        // A failure to write is not the user's concern while the work is still on screen.
        m_ownsRecovery =
            project::writeRecoveryFile(recoveryPath(), m_session.projectToKeep(), m_session.filePath()).isEmpty();
    } else if (m_ownsRecovery) {
        // Nothing of this run to keep; the last run's entries stay offered until a run has its own.
        QFile::remove(recoveryPath());
        m_ownsRecovery = false;
    }
}

void ProjectMemory::rememberFile(const QString& path)
{
    QSettings stored = settings();
    stored.setValue(QStringLiteral("lastFolder"), QFileInfo(path).absolutePath());
    QStringList recent = recentProjects();
    recent.removeAll(path);
    recent.prepend(path);
    stored.setValue(QStringLiteral("recentProjects"), recent.mid(0, kRecentCount));
    stored.sync();
    offerEverywhere();
    keepEntries();
}

void ProjectMemory::recentChosen(const QString& path, QWidget* form)
{
    if (!QFileInfo::exists(path)) {
        QStringList recent = recentProjects();
        recent.removeAll(path);
        settings().setValue(QStringLiteral("recentProjects"), recent);
        offerEverywhere();
        QMessageBox box(QMessageBox::Information, QStringLiteral("Trevalo"),
                        QStringLiteral("项目文件“%1”已不存在，已从最近项目中移除。").arg(QDir::toNativeSeparators(path)),
                        QMessageBox::Ok, form);
        box.exec();
        return;
    }
    if (settleUnsavedChanges(m_session, form))
        openProjectFile(m_session, path, form);
}

void ProjectMemory::recover(QWidget* form)
{
    if (!m_offered || !settleUnsavedChanges(m_session, form))
        return;
    const project::Project offered = *std::exchange(m_offered, std::nullopt);
    const QString file = std::exchange(m_offeredFile, QString());
    offerEverywhere();
    // The file holds what is now this run's entries.
    m_ownsRecovery = true;
    std::optional<project::Project> saved;
    if (!file.isEmpty())
        saved = project::readProjectFile(file).project;
    m_session.openRecovered(offered, file, saved);
}

void ProjectMemory::offerOn(QWidget* form)
{
    auto* building = qobject_cast<BuildingDataForm*>(form);
    if (building == nullptr)
        return;
    building->offerRecovery(m_offered.has_value());
    building->setRecentProjects(recentProjects());
    if (building->property("trevaloRemembers").toBool())
        return;
    building->setProperty("trevaloRemembers", true);
    connect(building, &BuildingDataForm::recentProjectRequested, this,
            [this, building](const QString& path) { recentChosen(path, building); });
    connect(building, &BuildingDataForm::recoveryRequested, this, [this, building] { recover(building); });
}

void ProjectMemory::offerEverywhere()
{
    if (QWidget* building = m_session.navigator().form(FormId::Form2))
        offerOn(building);
}

void rememberProjects(ProjectSession& session)
{
    new ProjectMemory(session, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

}  // namespace trevalo
