#pragma once

#include "wizard/navigator.h"

namespace trevalo {

// The elevator parameters form's OK: reads the input forms as they stand, runs the analysis
// and either shows its notice over the elevator parameters form (which stays as it was, but
// for an emptied door width) or hides that form and shows the filled result form.
void runAnalysisFromForms(Navigator& navigator);

}  // namespace trevalo
