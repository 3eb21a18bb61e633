#pragma once

#include "export/export_record.h"
#include "export/workbook_layout.h"

namespace trevalo::workbook {

// The single result's sheets and the sheet "仿真": the simulation's entries, its figures beside
// the calculation's, each replication's figures and the waiting times in a table and a chart.
WorkbookLayout simulationLayout(const SimulationRecord& record);

}  // namespace trevalo::workbook
