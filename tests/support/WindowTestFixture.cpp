#include "WindowTestFixture.h"

#include <QTest>

WindowTestFixture::WindowTestFixture(const QDateTime& now) : m_now(now) {}

void WindowTestFixture::activateWindow()
{
    gui().window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&gui().window()));
}

void WindowTestFixture::init()
{
    m_tree = std::make_unique<FileTree>();
    QVERIFY(m_tree->isValid());
    m_gui = std::make_unique<GuiTest>(m_now);
    setUp();
}

void WindowTestFixture::cleanup()
{
    tearDown();
    m_gui.reset();
    m_tree.reset();
}
