#pragma once

#include <QString>

namespace trevalo {

// Exit statuses of the verbs that calculate without the windows.
inline constexpr int kExitResult = 0;
inline constexpr int kExitUnreadable = 1;  // the file cannot be read, or the workbook not written
inline constexpr int kExitNotice = 2;

// The verbs run the project file through the engine as the forms would, and build no widget.
// --calculate FILE: the JSON on standard output, the reason a file is refused on standard error.
int printCalculation(const QString& file);
// --export FILE -o OUT: the workbook that 生成Excel表格 writes, as OUT, opened by nothing.
int exportCalculation(const QString& file, const QString& out);
// --size FILE: the sizing search on the project's entries and its sizing entries (or the
// building type's presets at the entered speed), as JSON on standard output.
int printSizing(const QString& file);
// --size FILE -o OUT: the workbook the sizing form's 生成Excel表格 writes for that search, as OUT.
int exportSizing(const QString& file, const QString& out);

}  // namespace trevalo
