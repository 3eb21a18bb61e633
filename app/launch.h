#pragma once

// Trevalo, the up-peak elevator traffic calculator, is layered in one direction:
//   engine/   the analysis: inputs, checks, traffic and machine-room figures (no Qt)
//   wizard/   notices, splash and the three input forms, and the navigator that
//             owns every form's lifetime
//   results/  the single result and load table forms (show figures, compute none);
//             they use the wizard's twips and form placement
//   export/   the workbook, laid out from a plain record of the entries, the result
//             captions and the analysis (it sees no widget)
//   project/  the project file: every entry as typed, in JSON (Qt Core, no widget)
//   app/      the assembly that wires the forms to the engine, the export and the
//             project file, the command line, and main
// launch() is defined by the assembly, the one place that knows every layer.

#include <QString>

namespace trevalo {

// Loads and shows the splash form; the wizard runs from there in the event loop. Given a
// project file, shows the building data form with that project opened instead.
void launch(const QString& projectPath = {});

}  // namespace trevalo
