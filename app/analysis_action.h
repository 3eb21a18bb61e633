#pragma once

#include "wizard/navigator.h"

class QWidget;

namespace trevalo {

// The elevator parameters form's OK: reads the input forms as they stand, runs the analysis
// and either shows its notice over the elevator parameters form (which stays as it was, but
// for an emptied door width) or hides that form and shows the filled result form.
void runAnalysisFromForms(Navigator& navigator);

// The result forms' export buttons.
void exportSingleResult(const Navigator& navigator, QWidget* parentForMessages);
void exportLoadTable(const Navigator& navigator, QWidget* parentForMessages);

}  // namespace trevalo
