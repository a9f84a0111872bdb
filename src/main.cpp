#include "base/CommandLine.h"
#include "base/LargeBlocks.h"
#include "gui/MainWindow.h"
#include "gui/QtPlatformServices.h"
#include "gui/Startup.h"

#include <QApplication>
#include <cstdio>

// The help, the version and a refusal are printed before any window exists: they need no display.
static int answer(const CommandLine& command)
{
    const bool refused = command.action() == CommandLine::Action::Refuse;
    const QByteArray text = command.text().toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), refused ? stderr : stdout);
    return refused ? 2 : 0;
}

int main(int argc, char* argv[])
{
    const CommandLine command = CommandLine::parse(argc, argv);
    if (command.action() != CommandLine::Action::Start)
        return answer(command);
    keepLargeBlocksApart();
    int qtArgumentCount = command.qtArgumentCount();
    QApplication app(qtArgumentCount, argv);
    prepareApplication(app);
    QtPlatformServices platform;
    MainWindow window(platform);
    platform.setOwner(&window);
    window.show();
    window.collectStartupPaths(command.paths());
    return app.exec();
}
