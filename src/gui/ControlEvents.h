#pragma once

#include <functional>

class QCheckBox;
class QObject;
class QRadioButton;

// A check box or option button runs its click handler whenever its value changes, by a
// user's click or from code, so that handlers that set other controls cascade into theirs.
// The program relies on that cascade in these places:
// - ModeHandlers: Check1 unchecks Check2, whose handler empties the collection and lays the table
//   out afresh; Check2 unchecks Check1; a drop selects Option1, whose handler withdraws
//   文件衍生数; withdrawing 文件衍生数 unchecks ysq, whose handler reads the count again; the
//   start-up defaults select Check1 and Option1 and get their handlers' state with them.
// - RuleHandlers: a rule box set from code recomposes the new names as a click does.
// - MainWindow: Check4 widens the window whichever way it is set.
// A handler that must not run for a change it makes itself holds the box's signals back
// (QSignalBlocker), as ModeHandlers does for a refused 文件衍生数.
namespace ControlEvents {

void onClick(QCheckBox* box, QObject* context, std::function<void()> handler);
// Also runs when an already selected button is clicked again.
void onClick(QRadioButton* button, QObject* context, std::function<void()> handler);

} // namespace ControlEvents
