#include "app/Application.h"

#include <QApplication>
#include <QMainWindow>

namespace app {

int runApplication(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    return application.exec();
}

} // namespace app
