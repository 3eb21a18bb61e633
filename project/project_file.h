#pragma once

#include "engine/project_entries.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace trevalo::project {

// The version this program writes; a file of a higher version is refused.
inline constexpr int kFormatVersion = 1;
// A project is a few kilobytes; anything beyond this is not one.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;

// A project as the file keeps it: the engine's record of every entry as typed.
using Project = engine::ProjectEntries;

// A file that was read, or why it was refused (in Chinese, without the file's name).
struct ReadResult {
    std::optional<Project> project;
    QString reason;
};

// The file's JSON text, UTF-8.
QByteArray projectToJson(const Project& project);
ReadResult projectFromJson(const QByteArray& json);

// Reads the file at path: at most kMaxFileBytes, then projectFromJson.
ReadResult readProjectFile(const QString& path);
// "无法打开项目文件“…”：reason", the message of a file that is refused.
QString openFailureMessage(const QString& path, const QString& reason);

// Writes the file atomically: on failure the file at path is left as it was. Empty on
// success, otherwise why it failed, in Chinese.
QString writeProjectFile(const QString& path, const Project& project);

// A recovery file: a project file that also names the project file its entries belong to
// (none for a project without a file), so recovered entries are of that file again.
QString writeRecoveryFile(const QString& path, const Project& project, const QString& projectFile);
// The project file a recovery file names, or none.
QString recoveredProjectFile(const QString& path);

}  // namespace trevalo::project
