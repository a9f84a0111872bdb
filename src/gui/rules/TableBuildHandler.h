#pragma once

#include <QObject>

class FileListModel;
class ModeHandlers;
class Progress;
class QPushButton;
class Sheet;

// 建立规则 (Command14): lays the file list out in the rename table, as the modes ask.
class TableBuildHandler : public QObject
{
    Q_OBJECT

public:
    TableBuildHandler(QPushButton* Command14, Sheet& sheet, const FileListModel& files,
                      const ModeHandlers& modes, Progress& progress);

    // The click of Command14, also the last step of every collection.
    void run();

private:
    Sheet& m_sheet;
    const FileListModel& m_files;
    const ModeHandlers& m_modes;
    Progress& m_progress;
};
