#include "app/MainWindow.h"
#include "app/QtPlatformServices.h"
#include "app/Startup.h"

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
