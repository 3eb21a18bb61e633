#pragma once

class QCoreApplication;

namespace trevalo {

// Before the application is built: whether the command line asks for something that needs
// no window (a calculation, an export, the help or the version). Such a run gets a
// QCoreApplication, which loads no platform plugin, so it works with no display at all.
bool runsWithoutWindows(int argc, char** argv);

// Does what the command line asks: runs a verb and returns its exit status, or shows the
// windows (with the project named on the command line opened) until the program ends; the
// windows need the application to be a QApplication.
int runCommandLine(QCoreApplication& application);

}  // namespace trevalo
