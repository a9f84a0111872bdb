#pragma once

#include "collect/CollectedFiles.h"
#include "gui/collect/CollectionControls.h"

#include <QObject>
#include <QStringList>

class FileListModel;
class PlatformServices;
class Sheet;
class TableBuildHandler;

// Handlers of file collection: 选择文件 (Command5), 选择目录 (Command4) and a drop on List1.
// Each starts a new collection: the file list and the rename table are emptied, the list is
// filled and filtered, the count goes to the status line and the table is built again. Owns
// the file list's contents: whoever empties it goes through clearFileList.
class CollectionHandlers : public QObject
{
    Q_OBJECT

public:
    CollectionHandlers(const CollectionControls& controls, PlatformServices& platform, FileListModel& files,
                       Sheet& sheet, TableBuildHandler& tableBuild);

    // The type patterns offered at start-up, every file (*.*) chosen.
    void loadDefaults();

    // Collects the files and folders named on the command line as a drop of them on the list
    // does; those that name nothing on disk are left out and named in one message.
    void collectNamed(const QStringList& named);

public Q_SLOTS:
    void clearFileList();

Q_SIGNALS:
    // A collection begins, from a drop on the list or from a dialog.
    void collectionStarted(bool byDrop);
    // The collection is over and the table shows what it found, which may be nothing.
    void collectionFinished();
    // The file list was emptied or filled afresh.
    void fileListReplaced();
    void statusChanged(const QString& text);
    // The keyboard goes to the status line, as it does after the dialogs.
    void statusFocusWanted();

private:
    void selectFiles();
    void selectFolder();
    void takeDrop(const QStringList& dropped);

    void showFileList(CollectedFiles files);
    void clearTable();
    void rebuildTable();
    void tellUnreadable(const QStringList& folders);

    const CollectionControls m_controls;
    PlatformServices& m_platform;
    FileListModel& m_files;
    Sheet& m_sheet;
    TableBuildHandler& m_tableBuild;
};
