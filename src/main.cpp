#include "gui/MainWindow.h"
#include "gui/QtPlatformServices.h"
#include "gui/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    QtPlatformServices platform;
    MainWindow window(platform);
    platform.setOwner(&window);
    window.show();
    return app.exec();
}
