#include "app/project_commands.h"

#include "app/project_session.h"
#include "project/project_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
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
    QString name = QString::fromStdString(session.project().inputs.project.projectName).trimmed();
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("Trevalo");
    return QDir(session.lastFolder()).filePath(name + QStringLiteral(".trevalo"));
}

QString askForPath(QWidget* parent, const ProjectSession& session, bool saving, const QString& suggested = {})
{
    QFileDialog dialog(parent, saving ? QStringLiteral("保存项目") : QStringLiteral("打开项目"),
                       saving ? (suggested.isEmpty() ? suggestedPath(session) : suggested) : session.lastFolder(),
                       projectFilter());
    dialog.setObjectName(QStringLiteral("projectDialog"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("trevalo"));
    // Replacing a file is confirmed below, in Chinese, and not for the project's own file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool isProjectFile(const ProjectSession& session, const QString& path)
{
    const QString own = QFileInfo(session.filePath()).canonicalFilePath();
    return !own.isEmpty() && QFileInfo(path).canonicalFilePath() == own;
}

// Asks a question with the buttons captioned: the first the default, the last the one that
// Escape and the close box press, any between them a discarding one. The answer is the
// caption of the button pressed.
QString ask(QWidget* parent, const QString& name, const QString& text, const QStringList& captions)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Trevalo"), text, QMessageBox::NoButton, parent);
    box.setObjectName(name);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const auto role = i == 0 ? QMessageBox::AcceptRole
                                 : (i + 1 == captions.size() ? QMessageBox::RejectRole : QMessageBox::DestructiveRole);
        QPushButton* button = box.addButton(captions[i], role);
        if (i == 0)
            box.setDefaultButton(button);
    }
    box.exec();
    return box.clickedButton() == nullptr ? QString() : box.clickedButton()->text();
}

// Asks where until a file is chosen that is new, is the project's own, or may be replaced.
bool saveProjectAs(ProjectSession& session, QWidget* form)
{
    QString path;
    for (;;) {
        path = askForPath(form, session, true, path);
        if (path.isEmpty())
            return false;
        if (!QFileInfo::exists(path) || isProjectFile(session, path))
            break;
        const QString text = QStringLiteral("文件“%1”已存在。是否替换？").arg(QDir::toNativeSeparators(path));
        if (ask(form, QStringLiteral("replaceQuestion"), text, {QStringLiteral("替换"), QStringLiteral("取消")}) ==
            QStringLiteral("替换"))
            break;
    }
    return saveProjectFile(session, path, form);
}

bool saveProject(ProjectSession& session, QWidget* form)
{
    return session.filePath().isEmpty() ? saveProjectAs(session, form)
                                         : saveProjectFile(session, session.filePath(), form);
}

// The form the user is at: the active one, or else any form shown.
QWidget* frontForm(const Navigator& navigator)
{
    QWidget* front = nullptr;
    for (int id = 0; id <= static_cast<int>(FormId::Form7); ++id) {
        QWidget* form = navigator.form(static_cast<FormId>(id));
        if (form != nullptr && form->isVisible() && (front == nullptr || form->isActiveWindow()))
            front = form;
    }
    return front;
}

}  // namespace

bool settleUnsavedChanges(ProjectSession& session, QWidget* parent)
{
    if (!session.hasUnsavedChanges())
        return true;
    QString text = QStringLiteral("项目“%1”已修改。是否保存修改？").arg(QFileInfo(session.filePath()).fileName());
    if (session.filePath().isEmpty()) {
        const QString name = QString::fromStdString(session.project().inputs.project.projectName).trimmed();
        text = QStringLiteral("项目“%1”尚未保存。是否保存？").arg(name.isEmpty() ? QStringLiteral("未命名") : name);
    }
    const QString answer = ask(parent, QStringLiteral("unsavedQuestion"), text,
                               {QStringLiteral("保存"), QStringLiteral("不保存"), QStringLiteral("取消")});
    if (answer == QStringLiteral("保存"))
        return saveProject(session, parent);
    if (answer != QStringLiteral("不保存"))
        return false;
    session.discardUnsavedWork();
    return true;
}

bool openProjectFile(ProjectSession& session, const QString& path, QWidget* parentForMessages)
{
    // Read and checked whole before any form is touched.
    const project::ReadResult read = project::readProjectFile(path);
    if (!read.project) {
        reportFailure(project::openFailureMessage(path, read.reason), parentForMessages);
        return false;
    }
    session.openProject(*read.project, QFileInfo(path).absoluteFilePath());
    return true;
}

bool saveProjectFile(ProjectSession& session, const QString& path, QWidget* parentForMessages)
{
    const QString problem = project::writeProjectFile(path, session.projectToSave());
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
        if (!settleUnsavedChanges(session, form))
            return;
        const QString path = askForPath(form, session, false);
        if (!path.isEmpty())
            openProjectFile(session, path, form);
    });
    QObject::connect(&session, &ProjectSession::saveRequested, &session,
                     [&session](QWidget* form) { saveProject(session, form); });
    QObject::connect(&session, &ProjectSession::saveAsRequested, &session,
                     [&session](QWidget* form) { saveProjectAs(session, form); });
    Navigator& navigator = session.navigator();
    navigator.setEndGuard([&session, &navigator] { return settleUnsavedChanges(session, frontForm(navigator)); });
}

}  // namespace trevalo
