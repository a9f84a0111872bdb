#include "gui/collect/CollectionHandlers.h"

#include "base/DialogPaths.h"
#include "collect/CollectionMessages.h"
#include "collect/DropIntake.h"
#include "collect/ExtensionFilter.h"
#include "collect/FileListModel.h"
#include "collect/FolderCollection.h"
#include "collect/FolderScan.h"
#include "collect/NamedPaths.h"
#include "collect/WildcardPattern.h"
#include "gui/PlatformServices.h"
#include "gui/collect/FileListView.h"
#include "gui/rules/TableBuildHandler.h"
#include "table/Sheet.h"

#include <QComboBox>
#include <QPushButton>

CollectionHandlers::CollectionHandlers(const CollectionControls& controls, PlatformServices& platform,
                                       FileListModel& files, Sheet& sheet, TableBuildHandler& tableBuild)
    : m_controls(controls), m_platform(platform), m_files(files), m_sheet(sheet), m_tableBuild(tableBuild)
{
    connect(m_controls.Command5, &QPushButton::clicked, this, &CollectionHandlers::selectFiles);
    connect(m_controls.Command4, &QPushButton::clicked, this, &CollectionHandlers::selectFolder);
    connect(m_controls.List1, &FileListView::pathsDropped, this, &CollectionHandlers::takeDrop);
    // Choosing a type pattern starts a new collection: the old list no longer fits it.
    connect(m_controls.Combo1, &QComboBox::activated, this, &CollectionHandlers::clearFileList);
}

void CollectionHandlers::loadDefaults()
{
    QComboBox* patterns = m_controls.Combo1;
    patterns->clear();
    patterns->addItems({QStringLiteral("*.xls"), QStringLiteral("*.doc"), QStringLiteral("*.pdf"),
                        QStringLiteral("*.jpg"), QStringLiteral("*.bmp"), QStringLiteral("*.*")});
    patterns->setCurrentIndex(patterns->findText(QStringLiteral("*.*")));
}

void CollectionHandlers::clearFileList()
{
    m_files.clear();
    Q_EMIT fileListReplaced();
}

void CollectionHandlers::selectFiles()
{
    Q_EMIT collectionStarted(false);
    clearTable();
    clearFileList();

    QStringList paths;
    qsizetype unrecognised = 0;
    for (const QString& chosen : m_platform.chooseFiles(m_controls.Combo1->currentText())) {
        if (const auto exact = exactPathOf(chosen))
            paths << *exact;
        else
            ++unrecognised;
    }
    keepShortExtensions(paths);
    showFileList(CollectedFiles(paths));
    Q_EMIT statusFocusWanted();
    rebuildTable();
    if (unrecognised > 0)
        m_platform.tell(CollectionMessages::unrecognisedNames(unrecognised));
}

void CollectionHandlers::selectFolder()
{
    Q_EMIT collectionStarted(false);
    clearFileList();
    clearTable();

    const QString chosen = m_platform.chooseFolder(QString());
    const std::optional<QString> folder = exactPathOf(chosen);
    if (!chosen.isEmpty() && !folder) {
        m_platform.tell(CollectionMessages::unrecognisedFolder());
        Q_EMIT statusFocusWanted();
        Q_EMIT collectionFinished();
        return;
    }
    if (chosen.isEmpty() || !isFolderOnDisk(*folder)) {
        m_platform.tell(QStringLiteral("请选择目录"));
        Q_EMIT statusFocusWanted();
        // Nothing is left to derive from in the emptied table.
        Q_EMIT collectionFinished();
        return;
    }

    m_platform.setWaitCursor(true);
    FolderCollection collection = collectFolder(*folder, WildcardPattern(m_controls.Combo1->currentText()));
    m_platform.setWaitCursor(false);
    showFileList(std::move(collection.files));
    rebuildTable();
    tellUnreadable(collection.unreadable);
}

void CollectionHandlers::takeDrop(const QStringList& dropped)
{
    Q_EMIT collectionStarted(true);
    clearFileList();
    clearTable();

    m_platform.setWaitCursor(true);
    QStringList unreadable;
    QStringList paths = gatherDrop(dropped, WildcardPattern(m_controls.Combo1->currentText()), &unreadable);
    m_platform.setWaitCursor(false);
    keepDropExtensions(paths);
    showFileList(CollectedFiles(paths));
    rebuildTable();
    tellUnreadable(unreadable);
}

void CollectionHandlers::collectNamed(const QStringList& named)
{
    const NamedPaths sorted = sortNamedPaths(named, workingFolder());
    if (!sorted.present.isEmpty())
        takeDrop(sorted.present);
    if (!sorted.missing.isEmpty())
        m_platform.tell(CollectionMessages::missingPaths(sorted.missing));
}

// The collected files in the list, wide enough to scroll the longest path into view, and their
// count on the status line.
void CollectionHandlers::showFileList(CollectedFiles files)
{
    m_controls.List1->fitHorizontalExtent(files);
    m_files.setFiles(std::move(files));
    Q_EMIT fileListReplaced();
    Q_EMIT statusChanged(QStringLiteral("共选择文件:%1个").arg(m_files.count()));
}

// Files left out must not go unnoticed: the user is told which folders the scan could not read.
void CollectionHandlers::tellUnreadable(const QStringList& folders)
{
    if (!folders.isEmpty())
        m_platform.tell(CollectionMessages::unreadableFolders(folders));
}

void CollectionHandlers::clearTable()
{
    // Emptied cell by cell, so the window's history can give the table back.
    m_sheet.clearAsEdit();
}

void CollectionHandlers::rebuildTable()
{
    m_tableBuild.run();
    Q_EMIT collectionFinished();
}
