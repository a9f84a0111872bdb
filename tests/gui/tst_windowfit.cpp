#include "GuiTest.h"

#include "gui/table/SheetView.h"

#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

using namespace Qt::StringLiterals;

// The window on a laptop's screen and at twice the scale: it never opens larger than the
// screen, and every control can be brought into view. Run on each screen in turn.
class WindowFitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void staysWithinTheScreen_data()
    {
        QTest::addColumn<bool>("wide");
        QTest::newRow("narrow") << false;
        QTest::newRow("with the advanced panel") << true;
    }

    void staysWithinTheScreen()
    {
        QFETCH(bool, wide);
        GuiTest gui;
        MainWindow& window = gui.window();
        if (wide)
            gui.click("Command12");
        const QRect available = window.screen()->availableGeometry();
        QVERIFY2(available.contains(window.frameGeometry()),
                 qPrintable(u"%1x%2 on %3x%4"_s.arg(window.frameGeometry().width())
                                .arg(window.frameGeometry().height())
                                .arg(available.width())
                                .arg(available.height())));

        auto* scroller = window.findChild<QScrollArea*>(u"windowScroller"_s);
        QVERIFY(scroller);
        for (const char* name : {"Command3", "cmdUndo", "Command15", "Command16", "Text3", "Command5",
                                 "Command14", wide ? "yss2" : "Text2"}) {
            QWidget* control = gui.control(name);
            scroller->ensureWidgetVisible(control);
            const QRect shown(control->mapTo(&window, QPoint()), control->size());
            QVERIFY2(window.rect().contains(shown), name);
        }
    }

    void aMaximizedGridShowsTenRows()
    {
        GuiTest gui;
        gui.window().showMaximized();
        QTRY_VERIFY(gui.window().isMaximized());
        QTRY_VERIFY(gui.window().height() > gui.window().screen()->availableGeometry().height() * 9 / 10);
        auto* grid = gui.control<SheetView>("sp1");
        QVERIFY2(grid->viewport()->height() >= 10 * grid->verticalHeader()->defaultSectionSize(),
                 qPrintable(QString::number(grid->viewport()->height())));
    }
};

QTEST_MAIN(WindowFitTest)
#include "tst_windowfit.moc"
