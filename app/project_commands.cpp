#include "app/project_commands.h"

#include "app/project_session.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace trevalo {

namespace {

QString projectFilter() { return QStringLiteral("Trevalo 项目 (*.trevalo)"); }

void reportFailure(const QString& message, QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Trevalo"), message, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("projectFailure"));
    box.exec();
}

// The file last used, or the project's name in the folder last used.
QString suggestedPath(const ProjectSession& session)
{
    if (!session.filePath().isEmpty())
        return session.filePath();
    QString name = QString::fromStdString(session.currentProject().inputs.project.projectName).trimmed();
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("Trevalo");
    return QDir(session.lastFolder()).filePath(name + QStringLiteral(".trevalo"));
}

QString askForPath(QWidget* parent, const ProjectSession& session, bool saving)
{
    QFileDialog dialog(parent, saving ? QStringLiteral("保存项目") : QStringLiteral("打开项目"),
                       saving ? suggestedPath(session) : session.lastFolder(), projectFilter());
    dialog.setObjectName(QStringLiteral("projectDialog"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("trevalo"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

bool openProjectFile(ProjectSession& session, const QString& path, QWidget* parentForMessages)
{
    // Read and checked whole before any form is touched.
    const project::ReadResult read = project::readProjectFile(path);
    if (!read.project) {
        reportFailure(project::openFailureMessage(path, read.reason), parentForMessages);
        return false;
    }
    session.setFilePath(QFileInfo(path).absoluteFilePath());
    session.loadIntoForms(*read.project);
    return true;
}

bool saveProjectFile(ProjectSession& session, const QString& path, QWidget* parentForMessages)
{
    const QString problem = project::writeProjectFile(path, session.currentProject());
    if (!problem.isEmpty()) {
        reportFailure(QStringLiteral("无法保存项目文件“%1”：%2").arg(QDir::toNativeSeparators(path), problem),
                      parentForMessages);
        return false;
    }
    session.setFilePath(QFileInfo(path).absoluteFilePath());
    return true;
}

void wireProjectCommands(ProjectSession& session)
{
    QObject::connect(&session, &ProjectSession::openRequested, &session, [&session](QWidget* form) {
        const QString path = askForPath(form, session, false);
        if (!path.isEmpty())
            openProjectFile(session, path, form);
    });
    QObject::connect(&session, &ProjectSession::saveRequested, &session, [&session](QWidget* form) {
        const QString path = askForPath(form, session, true);
        if (!path.isEmpty())
            saveProjectFile(session, path, form);
    });
}

}  // namespace trevalo
