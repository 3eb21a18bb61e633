#pragma once

#include <QString>

class QWidget;

namespace trevalo {

class ProjectSession;

// The forms' open, save and save-as commands: a file dialog with the project filter,
// starting in the folder last used, then the file read into the forms or the forms written
// to the file. A save writes to the project's own file without asking, save-as always asks.
// Opening, and ending the program, first offer to save unsaved changes.
void wireProjectCommands(ProjectSession& session);

// Reads the project at path into the forms. A file that cannot be read leaves every entry as
// it was and is reported in a message box over parentForMessages; false then.
bool openProjectFile(ProjectSession& session, const QString& path, QWidget* parentForMessages);
// Writes the forms' entries to path, replacing the file only when complete. A failure is
// reported in a message box over parentForMessages; false then.
bool saveProjectFile(ProjectSession& session, const QString& path, QWidget* parentForMessages);

// With unsaved changes, asks 保存 / 不保存 / 取消 over parent; true when the caller may go
// on (saved, or the changes given up), false to leave everything as it was.
bool settleUnsavedChanges(ProjectSession& session, QWidget* parent);

}  // namespace trevalo
