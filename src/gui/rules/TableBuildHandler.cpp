#include "gui/rules/TableBuildHandler.h"

#include "collect/FileListModel.h"
#include "gui/rename/ModeHandlers.h"
#include "rules/TableBuild.h"

#include <QPushButton>

TableBuildHandler::TableBuildHandler(QPushButton* Command14, Sheet& sheet, const FileListModel& files,
                                     const ModeHandlers& modes, Progress& progress)
    : m_sheet(sheet), m_files(files), m_modes(modes), m_progress(progress)
{
    connect(Command14, &QPushButton::clicked, this, &TableBuildHandler::run);
}

void TableBuildHandler::run()
{
    const RunSettings::BatchMode mode = m_modes.settings().batchMode;
    TableBuildOptions options;
    options.copyToTarget = mode == RunSettings::BatchMode::CopyToTarget;
    options.distribute = mode == RunSettings::BatchMode::Distribute;
    options.targetFolder = m_modes.targetFolder();
    buildTable(m_sheet, m_files.files(), options, m_progress);
}
