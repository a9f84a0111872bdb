#include "gui/ControlEvents.h"

#include <QCheckBox>
#include <QRadioButton>

namespace ControlEvents {

void onClick(QCheckBox* box, QObject* context, std::function<void()> handler)
{
    QObject::connect(box, &QCheckBox::toggled, context, [handler](bool) { handler(); });
}

void onClick(QRadioButton* button, QObject* context, std::function<void()> handler)
{
    QObject::connect(button, &QRadioButton::toggled, context, [handler](bool selected) {
        if (selected)
            handler();
    });
    // A click on a selected button changes nothing, so toggled stays silent: remember the
    // state at the press to tell that click apart.
    auto selectedAtPress = std::make_shared<bool>(false);
    QObject::connect(button, &QRadioButton::pressed, context,
                     [button, selectedAtPress] { *selectedAtPress = button->isChecked(); });
    QObject::connect(button, &QRadioButton::clicked, context, [handler, selectedAtPress] {
        if (std::exchange(*selectedAtPress, false))
            handler();
    });
}

} // namespace ControlEvents
