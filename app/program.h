#pragma once

#include "wizard/navigator.h"

#include <memory>

class QApplication;

namespace trevalo {

// Every form registered with its factory and wired: the elevator parameters form's OK runs
// the analysis and leads to a notice or a result form; the result forms' buttons navigate
// and export. Nothing is shown yet.
std::unique_ptr<Navigator> assembleProgram();

// The application-wide look: a font that writes Chinese, Qt's own texts in Chinese and the
// program's icon.
void prepareApplication(QApplication& application);

}  // namespace trevalo
