#include "app/launch.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    trevalo::launch();
    return QApplication::exec();
}
