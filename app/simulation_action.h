#pragma once

#include "wizard/navigator.h"

namespace trevalo {

class SimulationForm;

// Form5's 交通仿真…: the simulation form over the result, with the project's entries the
// first time it opens and the project's handling capacity target as the demand's default.
void openSimulationForm(Navigator& navigator);

// Wires a new simulation form: 开始仿真 checks the entries with the input forms as they stand
// (a refusal shows its notice and marks the entry) and runs the simulation off the interface's
// thread, 取消 stops it, 导入客流… reads a CSV file into the passenger list, 上一步 returns to
// the result form and 生成Excel表格 writes the result workbook with the sheet "仿真". The
// project being saved keeps the form's entries.
SimulationForm* wireSimulationForm(SimulationForm* form, Navigator& navigator);

}  // namespace trevalo
