#pragma once

#include "engine/analysis_inputs.h"
#include "engine/design_targets.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace trevalo::project {

// The version this program writes; a file of a higher version is refused.
inline constexpr int kFormatVersion = 1;
// A project is a few kilobytes; anything beyond this is not one.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;

// A project: every entry as typed. The floor form's stored total is not kept, because its
// OK recomputes it from the floor entries.
struct Project {
    engine::AnalysisInputs inputs;
    // False when the elevator parameters were never entered (no "elevator" member): the
    // form then opens with its own defaults rather than with empty boxes.
    bool elevatorEntered = true;
    std::optional<engine::SizingEntries> sizing;  // empty: the file has no sizing entries
};

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
// Writes the file atomically: on failure the file at path is left as it was. Empty on
// success, otherwise why it failed, in Chinese.
QString writeProjectFile(const QString& path, const Project& project);

}  // namespace trevalo::project
