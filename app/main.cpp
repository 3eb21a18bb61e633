#include "app/command_line.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    if (trevalo::runsWithoutWindows(argc, argv)) {
        QCoreApplication application(argc, argv);
        return trevalo::runCommandLine(application);
    }
    QApplication application(argc, argv);
    return trevalo::runCommandLine(application);
}
