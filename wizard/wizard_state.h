#pragma once

#include "engine/analysis_inputs.h"

#include <string>
#include <vector>

namespace trevalo {

class Navigator;

// Every entry of the input forms as they stand now, in UTF-8. A form that is not
// loaded contributes empty texts and no choices.
struct WizardState {
    engine::AnalysisInputs inputs;
    std::string dateCaption;               // Form2 Label1
    std::string timeCaption;               // Form2 Label7
};

WizardState readWizardState(const Navigator& navigator);

// The analysis inputs alone: readWizardState(navigator).inputs.
engine::AnalysisInputs gatherInputs(const Navigator& navigator);

}  // namespace trevalo
