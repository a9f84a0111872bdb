#include "gui/Form1.h"

#include "gui/PlatformServices.h"

void Form1::tell(const QString& text) const
{
    platform->showMessage(text, title(), PlatformServices::Buttons::Ok, PlatformServices::Icon::None);
}
