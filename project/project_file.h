#pragma once

#include "project/project_json.h"

#include <QString>

namespace trevalo::project {

// A project is a few kilobytes; anything beyond this is not one.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;

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
