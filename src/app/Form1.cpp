#include "app/Form1.h"

#include "app/PlatformServices.h"

void Form1::tell(const QString& text) const
{
    platform->showMessage(text, title(), PlatformServices::Buttons::Ok, PlatformServices::Icon::None);
}
