#pragma once

#include "FileTree.h"
#include "GuiTest.h"

#include <QDateTime>
#include <QObject>
#include <memory>

// A fresh tree of files and a fresh window for every test function of a class that derives
// from this one, both gone after it. QtTest finds init() and cleanup() through the meta-object,
// inherited ones included, and never runs them as test functions.
class WindowTestFixture : public QObject
{
    Q_OBJECT

protected:
    // The window's clock reads now from the start; the system's clock while now is invalid.
    explicit WindowTestFixture(const QDateTime& now = {});

    GuiTest& gui() { return *m_gui; }
    FileTree& tree() { return *m_tree; }

    // What a test class adds once the tree and the window are there, and takes away before
    // they go. QtTest skips the test function when setting up fails, and its cleanup too.
    virtual void setUp() {}
    virtual void tearDown() {}
    // Keys go where the focus is, which needs the window active.
    void activateWindow();

    std::unique_ptr<FileTree> m_tree;
    std::unique_ptr<GuiTest> m_gui;

private Q_SLOTS:
    void init();
    void cleanup();

private:
    QDateTime m_now;
};
