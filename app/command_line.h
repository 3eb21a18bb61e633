#pragma once

class QApplication;

namespace trevalo {

// Before the application is built: a command that needs no display (a calculation, an
// export, the help or the version) runs on the offscreen platform, chosen here, so that it
// works with no display at all; Qt's own warnings about that platform are then not printed.
void chooseCommandLinePlatform(int argc, char** argv);

// Does what the command line asks: runs a verb and returns its exit status, or shows the
// windows (with the project named on the command line opened) until the program ends.
int runCommandLine(QApplication& application);

}  // namespace trevalo
