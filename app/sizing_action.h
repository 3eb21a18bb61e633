#pragma once

#include "engine/sizing/sizing_search.h"
#include "wizard/navigator.h"

namespace trevalo {

class SizingForm;

// The elevator parameters form's "电梯选型": the checks of the search on the input forms as
// they stand; a refusal shows its notice over the elevator parameters form, which stays as it
// was; otherwise that form hides and the sizing form shows the ranked list. A sizing form
// shown for the first time starts from the building type's presets at the entered speed.
void runSizingFromForms(Navigator& navigator);

// Wires a new sizing form: its search reads the input forms anew at every change, 采用 fills
// the elevator parameters form as a user would and presses its OK, 上一步 returns to that form,
// 结束 ends the program and 生成Excel表格 writes the sizing workbook.
SizingForm* wireSizingForm(SizingForm* form, Navigator& navigator);

}  // namespace trevalo
