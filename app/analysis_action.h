#pragma once

#include "engine/refusal.h"
#include "wizard/navigator.h"

namespace trevalo {

// The elevator parameters form's OK: reads the input forms as they stand, runs the analysis
// and either shows its notice over the elevator parameters form (which stays as it was, but
// for an emptied door width) or hides that form and shows the filled result form.
void runAnalysisFromForms(Navigator& navigator);

// A refused run's notice over the elevator parameters form, which stays as it was but for
// an emptied and focused door width when the width is refused.
void showRefusal(Navigator& navigator, const engine::Refusal& refusal);

}  // namespace trevalo
