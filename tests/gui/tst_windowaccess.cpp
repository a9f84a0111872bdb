#include "WindowTestFixture.h"

#include "table/Sheet.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

// The window without a mouse, and as a screen reader reads it.
class WindowAccessTest : public WindowTestFixture
{
    Q_OBJECT

    void setUp() override { activateWindow(); }

    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus() ? focus() : &m_gui->window(), Qt::Key(key), modifiers);
    }
    // Ctrl+Tab until the control of that name has the focus, as a user steps through them.
    bool reach(const QString& name)
    {
        for (int step = 0; step < 80; ++step) {
            if (focus() && focus()->objectName() == name)
                return true;
            key(Qt::Key_Tab, Qt::ControlModifier);
        }
        return false;
    }
    void typeText(const QString& text) { QTest::keyClicks(focus(), text); }

private Q_SLOTS:
    // Collect, number, edit a cell, run, undo and export, by key events alone.
    void aWholeBatchByKeyboard()
    {
        m_tree->files({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
        m_gui->platform.nextFolders << m_tree->path();
        // A mnemonic presses its button as a click does, a moment later.
        key(Qt::Key_D, Qt::AltModifier); // 选择目录
        QTRY_COMPARE(m_gui->usedRows(), 4);

        QVERIFY(reach(u"Check3"_s));
        key(Qt::Key_Space); // 自动编号
        QVERIFY(reach(u"bianhaoqian"_s));
        QCOMPARE(m_gui->cell(2, Sheet::C), u"01a"_s);
        typeText(u"n"_s);
        key(Qt::Key_Return); // Enter does what its ">>" does
        QCOMPARE(m_gui->cell(2, Sheet::C), u"n01a"_s);

        QVERIFY(reach(u"sp1"_s));
        key(Qt::Key_Home, Qt::ControlModifier);
        for (int move : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right}) // from A1 to C3
            key(move);
        key(Qt::Key_F2);
        typeText(u"middle"_s);
        key(Qt::Key_Return);
        // The editor hands its text over once the event loop runs.
        QTRY_COMPARE(m_gui->cell(3, Sheet::C), u"middle"_s);
        QTRY_COMPARE(focus(), m_gui->control("sp1"));
        key(Qt::Key_Escape); // the focus leaves the grid
        QVERIFY(focus() != m_gui->control("sp1"));

        key(Qt::Key_F5);
        QCOMPARE(m_tree->snapshot().keys(), (QStringList{u"middle.txt"_s, u"n01a.txt"_s, u"n03c.txt"_s}));
        key(Qt::Key_U, Qt::AltModifier); // 撤销改名
        QTRY_COMPARE(m_tree->snapshot().keys(), (QStringList{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s}));

        m_gui->platform.fixedExportFolder = m_tree->path();
        key(Qt::Key_E, Qt::AltModifier); // 导出Excel
        QTRY_COMPARE(m_gui->platform.openedFiles.size(), 1);
    }

    void ctrlTabLeavesTheGridBothWays()
    {
        QVERIFY(reach(u"sp1"_s));
        key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QWidget* before = focus();
        QVERIFY(before && before->objectName() != u"sp1"_s);
        key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(focus()->objectName(), u"sp1"_s);
        key(Qt::Key_Tab); // Tab stays in the grid, moving between cells
        QCOMPARE(focus()->objectName(), u"sp1"_s);
    }

    // What a screen reader user hears for the controls a label or a box names.
    void namesAsAScreenReaderReadsThem_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("find field") << u"findtxt"_s << u"查找内容"_s;
        QTest::newRow("replace field") << u"reptxt"_s << u"替换为"_s;
        QTest::newRow("a rule's field") << u"qianzhuitxt"_s << u"文件名前 文本"_s;
        QTest::newRow("a rule's >>") << u"Command8"_s << u"应用 文件名前"_s;
        QTest::newRow("numbering's >>") << u"Command6"_s << u"应用 自动编号"_s;
        QTest::newRow("batch mode box") << u"Check1"_s << u"批量模式"_s;
        QTest::newRow("file list") << u"List1"_s << u"已选择的文件列表"_s;
        QTest::newRow("status line") << u"Text3"_s << u"状态栏"_s;
        QTest::newRow("grid") << u"sp1"_s << u"改名表格"_s;
        QTest::newRow("progress") << u"PBar1"_s << u"进度"_s;
    }

    void namesAsAScreenReaderReadsThem()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget* widget = m_gui->window().findChild<QWidget*>(control);
        QVERIFY(widget);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    // No field, button or list a user can reach is nameless to a screen reader.
    void everyControlHasAName()
    {
        m_gui->click("Command12"); // the advanced panel too
        QStringList nameless;
        for (QWidget* widget : m_gui->window().findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                                 qobject_cast<QComboBox*>(widget) || widget->objectName() == u"sp1"_s;
            // Parts of a compound control (the grid's corner, a box's field) have no names of their own.
            if (!control || !widget->isVisible() || widget->objectName().isEmpty() ||
                widget->objectName().startsWith(u"qt_"_s))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
                nameless << widget->objectName() + u'/' +
                                QString::fromLatin1(widget->metaObject()->className());
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u", "_s)));
    }

    void aDropOutsideTheListCollects()
    {
        m_tree->files({u"a.txt"_s, u"b.txt"_s});
        QMimeData data;
        data.setUrls(
            {QUrl::fromLocalFile(m_tree->path(u"a.txt"_s)), QUrl::fromLocalFile(m_tree->path(u"b.txt"_s))});
        QWidget* rules = m_gui->control("Frame4");
        const QPoint at = rules->mapTo(&m_gui->window(), rules->rect().center());
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&m_gui->window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&m_gui->window(), &dropped);
        QCOMPARE(m_gui->usedRows(), 3);
    }
};

QTEST_MAIN(WindowAccessTest)
#include "tst_windowaccess.moc"
