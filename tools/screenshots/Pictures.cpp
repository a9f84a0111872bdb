#include "Pictures.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace Pictures {

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

bool save(QWidget* widget, const QString& path)
{
    settle();
    return widget->grab().save(path, "PNG");
}

namespace {

QMessageBox::Icon iconOf(PlatformServices::Icon icon)
{
    switch (icon) {
    case PlatformServices::Icon::Information:
        return QMessageBox::Information;
    case PlatformServices::Icon::Critical:
        return QMessageBox::Critical;
    case PlatformServices::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The box with a plain title bar drawn over it: a virtual display has no window manager to
// draw one.
QPixmap messageBox(QWidget* owner, const ScriptedPlatform::Message& message)
{
    QMessageBox box(iconOf(message.icon), message.title, message.text,
                    message.buttons == PlatformServices::Buttons::OkCancel
                        ? QMessageBox::Ok | QMessageBox::Cancel
                        : QMessageBox::Ok,
                    owner);
    box.show();
    settle();
    const QPixmap content = box.grab();
    box.hide();

    const int titleHeight = box.fontMetrics().height() + 10;
    QPixmap framed(content.width() + 2, content.height() + titleHeight + 1);
    framed.fill(QColor(120, 120, 120));
    QPainter painter(&framed);
    const QRect title(1, 1, content.width(), titleHeight - 1);
    painter.fillRect(title, QColor(225, 228, 234));
    painter.setFont(box.font());
    painter.drawText(title.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, message.title);
    painter.drawPixmap(1, titleHeight, content);
    return framed;
}

} // namespace

bool saveWithMessage(QWidget* window, const ScriptedPlatform::Message& message, const QString& path)
{
    settle();
    QPixmap picture = window->grab();
    const QPixmap box = messageBox(window, message);
    QPainter painter(&picture);
    // Low in the window, so that the marked rows at the top of the grid stay in view.
    const QPoint at((picture.width() - box.width()) / 2, std::max(0, picture.height() - box.height() - 60));
    painter.fillRect(QRect(at + QPoint(4, 4), box.size()), QColor(0, 0, 0, 60)); // a shadow
    painter.drawPixmap(at, box);
    painter.end();
    return picture.save(path, "PNG");
}

} // namespace Pictures
