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

QByteArray emptyJson()
{
    project::Project empty;
    empty.elevatorEntered = false;
    return project::projectToJson(empty);
}

// The most programs that keep their entries at the same time; beyond them a run keeps none.
constexpr int kRecoverySlots = 16;

QString recoveryName(int slot)
{
    return slot == 1 ? QStringLiteral("recovery.trevalo") : QStringLiteral("recovery-%1.trevalo").arg(slot);
}

}  // namespace

ProjectMemory::ProjectMemory(ProjectSession& session, const QString& dataFolder)
    : QObject(&session), m_session(session), m_dataFolder(dataFolder), m_emptyJson(emptyJson())
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
        if (read.project && project::projectToJson(*read.project) != m_emptyJson)
            m_offered = std::move(read.project);
    }

    m_keep.setSingleShot(true);
    m_keep.setInterval(1000);
    connect(&m_keep, &QTimer::timeout, this, [this] { keepEntries(false); });
    connect(&session, &ProjectSession::entriesChanged, &m_keep, qOverload<>(&QTimer::start));
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
    keepEntries(true);
}

void ProjectMemory::keepEntries(bool ending)
{
    m_keep.stop();
    const QByteArray json = m_session.currentJson();
    // At the end a project with a file has been settled by the user (saved, or the changes
    // given up); until then its unsaved changes are kept as well.
    const bool keep = json != m_emptyJson &&
                      (m_session.filePath().isEmpty() || (!ending && m_session.hasUnsavedChanges()));
    if (m_recoveryPath.isEmpty())
        return;
    if (keep) {
        // A failure to write is not the user's concern while the work is still on screen.
        m_ownsRecovery = project::writeProjectFile(recoveryPath(), m_session.currentProject()).isEmpty();
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
    keepEntries(false);
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
    offerEverywhere();
    // The file holds what is now this run's entries.
    m_ownsRecovery = true;
    m_session.openProject(offered, QString());
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
