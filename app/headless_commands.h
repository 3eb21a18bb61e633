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
// --simulate FILE [--trace OUT.csv]: the up-peak simulation on the project's entries and its
// simulation entries, the demand defaulting to the project's handling capacity target; the
// figures as JSON on standard output and, with a trace, each passenger's way as CSV in OUT.
int printSimulation(const QString& file, const QString& traceOut);

}  // namespace trevalo
