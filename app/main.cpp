#include "app/command_line.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    trevalo::chooseCommandLinePlatform(argc, argv);
    QApplication application(argc, argv);
    return trevalo::runCommandLine(application);
}
