#include "export/export_destination.h"

#include <QDir>
#include <QTemporaryDir>

namespace trevalo::workbook {

namespace {

// Room for the time stamp and extension within the 255-byte file name limit
// even when every character of the name takes three bytes in UTF-8.
constexpr qsizetype kMaximumNameLength = 60;

QString& rootOverride()
{
    static QString folder;
    return folder;
}

bool forbiddenInFileName(QChar c)
{
    return c.unicode() < 0x20 || c == QChar(0x7F) || QStringLiteral("\\/:*?\"<>|").contains(c);
}

}  // namespace

QString exportRootFolder()
{
    return rootOverride().isEmpty() ? QDir::tempPath() : rootOverride();
}

ExportRootOverride::ExportRootOverride(QString folder) : m_previous(rootOverride())
{
    rootOverride() = std::move(folder);
}

ExportRootOverride::~ExportRootOverride()
{
    rootOverride() = m_previous;
}

QString workbookFileName(const QString& projectName, const QDateTime& moment)
{
    QString name;
    for (const QChar c : projectName)
        name += forbiddenInFileName(c) ? QChar('_') : c;
    name = name.trimmed().left(kMaximumNameLength);
    // Leading dots would hide the file; trailing dots and blanks are dropped by Windows.
    while (name.startsWith('.'))
        name.remove(0, 1);
    while (name.endsWith('.') || name.endsWith(' '))
        name.chop(1);
    if (name.isEmpty())
        name = QStringLiteral("Trevalo");
    return name + ' ' + moment.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) + ".xltx";
}

QString makeExportFolder()
{
    QTemporaryDir folder(QDir(exportRootFolder()).filePath(QStringLiteral("trevalo-XXXXXX")));
    if (!folder.isValid())
        return {};
    folder.setAutoRemove(false);
    return folder.path();
}

}  // namespace trevalo::workbook
