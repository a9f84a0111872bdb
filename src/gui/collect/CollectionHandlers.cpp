#include "gui/collect/CollectionHandlers.h"

#include "gui/Form1.h"
#include "gui/PlatformServices.h"
#include "base/DialogPaths.h"
#include "collect/CollectionMessages.h"
#include "collect/DropIntake.h"
#include "collect/ExtensionFilter.h"
#include "collect/FileListModel.h"
#include "gui/collect/FileListView.h"
#include "collect/FolderScan.h"
#include "collect/WildcardPattern.h"
#include "gui/rules/TableBuildHandler.h"
#include "table/SheetModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

CollectionHandlers::CollectionHandlers(Form1& form, TableBuildHandler& tableBuild)
    : m_form(form), m_tableBuild(tableBuild)
{
    connect(m_form.Command5, &QPushButton::clicked, this, &CollectionHandlers::selectFiles);
    connect(m_form.Command4, &QPushButton::clicked, this, &CollectionHandlers::selectFolder);
    connect(m_form.List1, &FileListView::pathsDropped, this, &CollectionHandlers::takeDrop);
}

void CollectionHandlers::selectFiles()
{
    resetDerivation();
    clearTable();
    m_form.files->clear();

    QStringList paths;
    qsizetype unrecognised = 0;
    for (const QString& chosen : m_form.platform->chooseFiles(m_form.Combo1->currentText())) {
        if (const auto exact = exactPathOf(chosen))
            paths << *exact;
        else
            ++unrecognised;
    }
    keepShortExtensions(paths);
    m_form.files->setPaths(std::move(paths));
    showCount();
    m_form.List1->fitHorizontalExtent(m_form.files->paths());
    m_form.Text3->setFocus();
    rebuildTable();
    if (unrecognised > 0)
        m_form.tell(CollectionMessages::unrecognisedNames(unrecognised));
}

void CollectionHandlers::selectFolder()
{
    resetDerivation();
    m_form.files->clear();
    clearTable();

    const QString chosen = m_form.platform->chooseFolder(QString());
    const std::optional<QString> folder = exactPathOf(chosen);
    if (!chosen.isEmpty() && !folder) {
        m_form.tell(CollectionMessages::unrecognisedFolder());
        m_form.Text3->setFocus();
        offerBatchDerivation();
        return;
    }
    if (chosen.isEmpty() || !isFolderOnDisk(*folder)) {
        m_form.tell(QStringLiteral("请选择目录"));
        m_form.Text3->setFocus();
        // Nothing is left to derive from in the emptied table.
        offerBatchDerivation();
        return;
    }

    QStringList paths;
    m_form.platform->setWaitCursor(true);
    const QStringList unreadable = scanFolder(*folder, WildcardPattern(m_form.Combo1->currentText()), paths);
    m_form.platform->setWaitCursor(false);
    keepShortExtensions(paths);
    m_form.files->setPaths(std::move(paths));
    m_form.List1->fitHorizontalExtent(m_form.files->paths());
    showCount();
    rebuildTable();
    tellUnreadable(unreadable);
}

void CollectionHandlers::takeDrop(const QStringList& dropped)
{
    m_form.yss1->setEnabled(false);
    m_form.yss2->setEnabled(false);
    // A drop always ends in renaming in place; the option's own handler runs as on a click.
    m_form.Option1->setChecked(true);
    m_form.yanshengshu->clear();
    m_form.files->clear();
    clearTable();

    m_form.platform->setWaitCursor(true);
    QStringList unreadable;
    QStringList paths = gatherDrop(dropped, WildcardPattern(m_form.Combo1->currentText()), &unreadable);
    m_form.platform->setWaitCursor(false);
    keepDropExtensions(paths);
    m_form.files->setPaths(std::move(paths));
    showCount();
    m_form.List1->fitHorizontalExtent(m_form.files->paths());
    rebuildTable();
    tellUnreadable(unreadable);
}

// Files left out must not go unnoticed: the user is told which folders the scan could not read.
void CollectionHandlers::tellUnreadable(const QStringList& folders)
{
    if (!folders.isEmpty())
        m_form.tell(CollectionMessages::unreadableFolders(folders));
}

// The single-file derivation starts over with every collection.
void CollectionHandlers::resetDerivation()
{
    m_form.yss1->setEnabled(false);
    m_form.yss2->setEnabled(false);
    m_form.yanshengshu->clear();
}

void CollectionHandlers::clearTable()
{
    m_form.table->sheet().clear();
}

void CollectionHandlers::showCount()
{
    m_form.Text3->setText(QStringLiteral("共选择文件:%1个").arg(m_form.files->count()));
    m_form.Text3->repaint();
}

void CollectionHandlers::rebuildTable()
{
    m_tableBuild.run();
    offerBatchDerivation();
}

// 文件衍生数 copies one file many times while copying to another folder: it is offered only
// when that mode is on and the table holds a single file.
void CollectionHandlers::offerBatchDerivation()
{
    const bool singleFile = m_form.Option2->isChecked() && m_form.table->sheet().dataRowCount() == 1;
    m_form.ysq->setEnabled(singleFile);
    if (!singleFile)
        m_form.ysq->setChecked(false);
}
