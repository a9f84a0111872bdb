#include "gui/PlatformServices.h"

QString PlatformServices::programTitle()
{
    return QStringLiteral("Renvora 批量改名");
}

void PlatformServices::tell(const QString& text)
{
    showMessage(text, programTitle(), Buttons::Ok, Icon::None);
}

QString PlatformServices::chooseFile(const QString& patterns)
{
    const QStringList chosen = chooseFiles(patterns);
    return chosen.isEmpty() ? QString() : chosen.first();
}
