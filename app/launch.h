#pragma once

// Trevalo, the elevator traffic calculator, is layered in one direction:
//   engine/   the project's entries and every rule about them: the checks, the round trip
//             analysis and load table, the machine-room figures, the sizing search and the
//             passenger simulation, their tables and their JSON reports (no Qt); the
//             analysis, the sizing search and the simulation each have a folder of their
//             own beside the entries, checks and tables they share
//   project/  the project file and imported passenger lists: entries as typed, in JSON or
//             CSV (Qt Core, no widget)
//   wizard/   notices, splash and the three input forms, and the navigator that owns every
//             form's lifetime
//   results/  the result, load table, sizing and simulation forms (show figures, compute
//             none); they use the wizard's twips and form placement
//   export/   the workbooks, laid out from plain records of the entries and the engine's
//             results (it sees no widget)
//   app/      the assembly: the one project the forms write into and every action reads,
//             the project commands and memory, the command line, and main
// launch() is defined by the assembly, the one place that knows every layer.

#include <QString>

namespace trevalo {

// Loads and shows the splash form; the wizard runs from there in the event loop. Given a
// project file, shows the building data form with that project opened instead.
void launch(const QString& projectPath = {});

}  // namespace trevalo
