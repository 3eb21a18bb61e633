#pragma once

#include <QString>

class QWidget;

namespace trevalo {

class ProjectSession;

// The forms' open and save commands: a file dialog with the project filter, starting in the
// folder last used, then the file read into the forms or the forms written to the file.
void wireProjectCommands(ProjectSession& session);

// Reads the project at path into the forms. A file that cannot be read leaves every entry as
// it was and is reported in a message box over parentForMessages; false then.
bool openProjectFile(ProjectSession& session, const QString& path, QWidget* parentForMessages);
// Writes the forms' entries to path, replacing the file only when complete. A failure is
// reported in a message box over parentForMessages; false then.
bool saveProjectFile(ProjectSession& session, const QString& path, QWidget* parentForMessages);

}  // namespace trevalo
