#pragma once

#include "engine/notice.h"
#include "project/project_file.h"
#include "wizard/navigator.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace trevalo {

// Exit statuses of the verbs that calculate without the windows.
inline constexpr int kExitResult = 0;
inline constexpr int kExitUnreadable = 1;  // the file cannot be read, or the workbook not written
inline constexpr int kExitNotice = 2;

// Takes the project into the forms of the assembled program as opening it does. A notice is
// collected instead of shown and ends the road; empty when the elevator parameters form stands.
std::optional<engine::Notice> openProjectInForms(Navigator& navigator, const project::Project& project);

// The same, and then 确定: empty when a result form stands.
std::optional<engine::Notice> runProjectThroughForms(Navigator& navigator, const project::Project& project);

// What the forms show after that, as one JSON object: the notice, or the shown result
// form's captions keyed by their control names (a hidden row absent, or null in the table).
QByteArray outcomeJson(const Navigator& navigator, std::optional<engine::Notice> notice);

// --calculate FILE: the JSON on standard output, the reason a file is refused on standard error.
int printCalculation(const QString& file);
// --export FILE -o OUT: the workbook that 生成Excel表格 writes, as OUT, opened by nothing.
int exportCalculation(const QString& file, const QString& out);
// --size FILE: the sizing search on the project's entries and its sizing entries (or the
// building type's presets at the entered speed), as JSON on standard output.
int printSizing(const QString& file);

}  // namespace trevalo
