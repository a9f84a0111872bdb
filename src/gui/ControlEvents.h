#pragma once

#include <functional>

class QCheckBox;
class QObject;
class QRadioButton;

// A check box or option button runs its click handler whenever its value changes, by a
// user's click or from code, so that handlers that set other controls cascade into theirs.
namespace ControlEvents {

void onClick(QCheckBox* box, QObject* context, std::function<void()> handler);
// Also runs when an already selected button is clicked again.
void onClick(QRadioButton* button, QObject* context, std::function<void()> handler);

} // namespace ControlEvents
