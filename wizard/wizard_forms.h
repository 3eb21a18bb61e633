#pragma once

namespace trevalo {

class Navigator;

// Registers the factories of the splash and the three input forms (Form1..Form4).
void registerWizardForms(Navigator& navigator);

}  // namespace trevalo
