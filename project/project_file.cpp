#include "project/project_file.h"

#include <QDir>
#include <QFile>
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

QString writeProjectFile(const QString& path, const Project& project)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray json = projectToJson(project);
    if (file.write(json) != json.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

}  // namespace trevalo::project
