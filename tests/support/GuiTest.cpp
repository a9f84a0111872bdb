#include "GuiTest.h"

#include "collect/FileListModel.h"
#include "gui/collect/FileListView.h"
#include "table/SheetModel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

namespace {

QtMessageHandler testLogHandler = nullptr;

// The offscreen platform warns about a feature it lacks each time a window is shown.
void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QStringLiteral("does not support propagateSizeHints")))
        return;
    testLogHandler(type, context, message);
}

} // namespace

GuiTest::GuiTest()
{
    open();
}

GuiTest::GuiTest(const QDateTime& now)
{
    platform.fixedNow = now;
    open();
}

void GuiTest::open()
{
    if (!testLogHandler)
        testLogHandler = qInstallMessageHandler(dropPlatformNoise);
    m_window = std::make_unique<MainWindow>(platform);
    m_window->show();
    (void)QTest::qWaitForWindowExposed(m_window.get());
}

GuiTest::~GuiTest() = default;

template <typename T> T* GuiTest::required(const char* name) const
{
    T* found = control<T>(name);
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

QCheckBox* GuiTest::checkBox(const char* name) const
{
    return required<QCheckBox>(name);
}

QRadioButton* GuiTest::option(const char* name) const
{
    return required<QRadioButton>(name);
}

QLineEdit* GuiTest::field(const char* name) const
{
    return required<QLineEdit>(name);
}

void GuiTest::click(const char* name)
{
    auto* button = control<QAbstractButton>(name);
    if (!button)
        qFatal("no button named %s", name);
    click(button);
}

void GuiTest::click(QAbstractButton* button)
{
    QPoint at = button->rect().center();
    // In a wide layout the middle of a check box lies outside its clickable area.
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const auto element =
            qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator;
        at = button->style()->subElementRect(element, &option, button).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void GuiTest::type(const char* name, const QString& text)
{
    auto* field = control<QLineEdit>(name);
    if (!field)
        qFatal("no field named %s", name);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    // QTest types Latin-1 only; other characters arrive as the text of a key without a code.
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(field, char(ch.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

bool GuiTest::drop(const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    return drop(data);
}

bool GuiTest::drop(QMimeData& data)
{
    return dropOn(required<FileListView>("List1")->viewport(), data);
}

bool GuiTest::dropOn(QWidget* viewport, QMimeData& data)
{
    const QPoint at = viewport->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &dropped);
    return enter.isAccepted();
}

QString GuiTest::shownCell(qsizetype row, int column) const
{
    const SheetModel& model = m_window->table();
    return model.data(model.index(int(row - 1), column - 1), Qt::DisplayRole).toString();
}

QString GuiTest::cell(qsizetype row, int column) const
{
    return m_window->table().sheet().text(row, column);
}

qsizetype GuiTest::usedRows() const
{
    return m_window->table().sheet().usedRowCount();
}
