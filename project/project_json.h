#pragma once

#include "engine/project_entries.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace trevalo::project {

// The version this program writes; a file of a higher version is refused.
inline constexpr int kFormatVersion = 1;
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

}  // namespace trevalo::project
