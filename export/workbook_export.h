#pragma once

#include "export/export_record.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace trevalo::workbook {

// What "生成Excel表格" writes for the record: a template in a new folder of its own under the
// export root, named and dated by moment. The path written, or empty when it cannot be
// written; a failure leaves neither a partial file nor an empty folder.
std::optional<QString> writeNewSingleResultWorkbook(const SingleResultRecord& record, const QDateTime& moment);
std::optional<QString> writeNewLoadTableWorkbook(const LoadTableRecord& record, const QDateTime& moment);
// The sizing form's workbook: its one sheet "选型", without a calculation sheet.
std::optional<QString> writeNewSizingWorkbook(const SizingRecord& record, const QDateTime& moment);
// The single result workbook with the sheet "仿真" after the others.
std::optional<QString> writeNewSimulationWorkbook(const SimulationRecord& record, const QDateTime& moment);

// The same workbook written to path (.xlsx a workbook, .xltx a template), dated now. The file
// at path is replaced only by a complete workbook; false, with nothing left behind, when it
// cannot be written or the name ends otherwise.
bool writeSingleResultWorkbookTo(const SingleResultRecord& record, const QString& path);
bool writeLoadTableWorkbookTo(const LoadTableRecord& record, const QString& path);
bool writeSizingWorkbookTo(const SizingRecord& record, const QString& path);

}  // namespace trevalo::workbook
