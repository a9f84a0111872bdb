#pragma once

#include "ScriptedPlatform.h"

#include <QString>

class QWidget;

namespace Pictures {

// Lets the window lay itself out and paint what the last click changed.
void settle();
// The widget as it paints itself, saved as a PNG; false when it could not be written.
bool save(QWidget* widget, const QString& path);
// The window with the message box over it, as the user sees a run's report: the box is
// made as the desktop's message box is (title, icon, text, OK) from what the window showed.
bool saveWithMessage(QWidget* window, const ScriptedPlatform::Message& message, const QString& path);

} // namespace Pictures
