// Makes the pictures of the user's guide: opens the main window on the tests' scripted platform,
// works it through its controls' object names as a user would, and saves what it paints.
// usage: renvora-screenshots FOLDER   (run under a display, e.g. xvfb-run)

#include "GuiTest.h"
#include "Pictures.h"
#include "SampleFolder.h"

#include "gui/Startup.h"
#include "table/Sheet.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <cstdio>

namespace {

// Types text into a cell of the grid the way a user does: F2, the text, Enter.
void typeIntoCell(GuiTest& gui, qsizetype row, int column, const QString& text)
{
    auto* grid = gui.control<QTableView>("sp1");
    grid->setCurrentIndex(grid->model()->index(int(row - 1), column - 1));
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    if (!editor)
        qFatal("the grid opened no editor");
    editor->setObjectName(QStringLiteral("cellEditor"));
    gui.type("cellEditor", text);
    QTest::keyClick(editor, Qt::Key_Return);
    editor->setObjectName(QString());
    Pictures::settle();
}

class Shots
{
public:
    explicit Shots(const QDir& folder) : m_folder(folder) {}

    void save(QWidget* widget, const char* name) { note(Pictures::save(widget, path(name)), name); }
    void saveWithMessage(QWidget* window, const ScriptedPlatform::Message& message, const char* name)
    {
        note(Pictures::saveWithMessage(window, message, path(name)), name);
    }
    bool allSaved() const { return m_allSaved; }

private:
    QString path(const char* name) const { return m_folder.filePath(QString::fromLatin1(name)); }
    void note(bool saved, const char* name)
    {
        m_allSaved = m_allSaved && saved;
        std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "could not save",
                     qPrintable(QDir::toNativeSeparators(path(name))));
    }

    QDir m_folder;
    bool m_allSaved = true;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    if (QApplication::arguments().size() != 2) {
        std::fputs("usage: renvora-screenshots FOLDER\n", stderr);
        return 2;
    }
    Shots shots(QDir(QApplication::arguments().at(1)));
    SampleFolder sample;
    if (!sample.isValid()) {
        std::fputs("could not make the sample folder\n", stderr);
        return 1;
    }

    // A fixed clock: the date rule's field shows the same day on every run.
    GuiTest gui(QDateTime(QDate(2024, 2, 18), QTime(10, 30)));
    MainWindow& window = gui.window();
    shots.save(&window, "window-empty.png");

    // 选择目录 with the type pattern *.jpg, then numbering with a prefix and the separator.
    gui.control<QComboBox>("Combo1")->setCurrentText(QStringLiteral("*.jpg"));
    gui.platform.nextFolders.enqueue(sample.photos());
    gui.click("Command4");
    gui.type("bianhaoqian", QStringLiteral("春节"));
    gui.click("Check3");
    gui.click("fengefu");
    shots.save(&window, "window-numbered.png");

    // The advanced panel: the last four characters of the old name take its place.
    gui.click("Command12");
    gui.click("right1");
    gui.type("righttxt", QStringLiteral("4"));
    shots.save(&window, "window-advanced.png");
    gui.click("Command13");

    // Two hand edits before the run: row 3 given row 2's new name, the last row its old name.
    typeIntoCell(gui, 3, Sheet::C, gui.cell(2, Sheet::C));
    const qsizetype last = gui.usedRows();
    typeIntoCell(gui, last, Sheet::C, gui.cell(last, Sheet::B));
    gui.click("Command3");
    // The picture shows the names, not the cell edited last.
    auto* grid = gui.control<QTableView>("sp1");
    grid->setCurrentIndex(QModelIndex());
    grid->clearSelection();
    grid->horizontalScrollBar()->setValue(0);
    if (gui.platform.messages.isEmpty()) {
        std::fputs("the run told nothing\n", stderr);
        return 1;
    }
    shots.saveWithMessage(&window, gui.platform.messages.last(), "window-report.png");
    return shots.allSaved() ? 0 : 1;
}
