#pragma once

#include <QDateTime>
#include <QString>

namespace trevalo::workbook {

// The folder under which every export makes a new folder of its own: the system's
// temporary folder unless an ExportRootOverride is alive.
QString exportRootFolder();

// Points the exports at another root folder while it lives (tests use it for an
// unwritable place); restores the previous root when it goes.
class ExportRootOverride {
public:
    explicit ExportRootOverride(QString folder);
    ~ExportRootOverride();
    ExportRootOverride(const ExportRootOverride&) = delete;
    ExportRootOverride& operator=(const ExportRootOverride&) = delete;

private:
    QString m_previous;
};

// "办公楼A座 2026-12-06 18-30-05.xltx": the project name (or "Trevalo" when it has
// nothing printable) with characters that file names cannot hold replaced, and the moment.
QString workbookFileName(const QString& projectName, const QDateTime& moment);

// A new, empty folder under the root, kept after the export; empty when it cannot be made.
QString makeExportFolder();

}  // namespace trevalo::workbook
