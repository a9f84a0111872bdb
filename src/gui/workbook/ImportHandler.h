#pragma once

#include <QObject>

class PlatformServices;
class QPushButton;
class Sheet;
class SheetView;

// Handlers of 导入 (Command16) and of a workbook dropped on the grid (sp1): the rename table
// comes back from a spreadsheet file, edited elsewhere, as it would have run before it left.
class ImportHandler : public QObject
{
    Q_OBJECT

public:
    ImportHandler(QPushButton* Command16, SheetView* sp1, PlatformServices& platform, Sheet& sheet);

    // The click of Command16: the open dialog for workbooks and text tables, then the import.
    void chooseAndImport();
    // The file's first sheet replaces the rename table, as one step an undo takes back. A file
    // that cannot be read is refused with the reason, and the table stays as it was.
    void importFile(const QString& path);

Q_SIGNALS:
    void statusChanged(const QString& text);

private:
    PlatformServices& m_platform;
    Sheet& m_sheet;
};
