#include "project/project_file.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace trevalo::project {

QString openFailureMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("无法打开项目文件“%1”：%2").arg(QDir::toNativeSeparators(path), reason);
}

ReadResult readProjectFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("无法读取文件（%1）").arg(file.errorString())};
    // One byte past the limit tells a file that is too large without reading it all.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, QStringLiteral("无法读取文件（%1）").arg(file.errorString())};
    if (bytes.size() > kMaxFileBytes)
        return {std::nullopt, QStringLiteral("文件超过 1 MB，不是项目文件")};
    return projectFromJson(bytes);
}

namespace {

constexpr const char* kProjectFileMember = "projectFile";

QString writeAtomically(const QString& path, const QByteArray& json)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(json) != json.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

}  // namespace

QString writeProjectFile(const QString& path, const Project& project)
{
    return writeAtomically(path, projectToJson(project));
}

QString writeRecoveryFile(const QString& path, const Project& project, const QString& projectFile)
{
    QJsonObject object = QJsonDocument::fromJson(projectToJson(project)).object();
    if (!projectFile.isEmpty())
        object.insert(QLatin1String(kProjectFileMember), projectFile);
    return writeAtomically(path, QJsonDocument(object).toJson());
}

QString recoveredProjectFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.read(kMaxFileBytes)).object().value(QLatin1String(kProjectFileMember)).toString();
}

}  // namespace trevalo::project
