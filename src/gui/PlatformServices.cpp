#include "gui/PlatformServices.h"

QString PlatformServices::programTitle()
{
    return QStringLiteral("Renvora 批量改名");
}

void PlatformServices::tell(const QString& text)
{
    showMessage(text, programTitle(), Buttons::Ok, Icon::None);
}
