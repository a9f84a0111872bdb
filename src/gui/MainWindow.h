#pragma once

#include "gui/WindowControls.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class AboutBox;
class CollectionHandlers;
class FileListView;
class ExportHandler;
class FileFactsHandler;
class FileListModel;
class ImportHandler;
class ForecastHandler;
class ModeHandlers;
class PlatformServices;
class ProgressBarProgress;
class RuleHandlers;
class RunHandler;
class SheetHistory;
class SheetModel;
class TableBuildHandler;

// Form1: the whole working surface. Builds the controls, hands each feature its own, owns what
// they share (the rename table, the file list, the status line and the progress bar), connects
// the features to one another and runs the start-up defaults.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int NarrowWidth = 747; // 11205 twips at 96 dpi
    static constexpr int WideWidth = 990;   // 14850 twips

    explicit MainWindow(PlatformServices& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The rename table shown in sp1 and the entries of List1, for a test that lays out a table.
    SheetModel& table() { return *m_table; }
    FileListModel& files() { return *m_files; }
    // The folder copies go to, as the modes hold it.
    QString targetFolder() const;

    // Shows or hides the advanced panel beyond the narrow width.
    void setWide(bool wide);

    // Collects the files and folders named on the command line as a drop on the file list
    // collects them; nothing happens when there are none.
    void collectStartupPaths(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A drop anywhere on the window outside the grid is a drop on the file list.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenu();
    void connectFeatures();
    void connectWindowControls();
    void connectTable();
    void formLoad();
    void showAbout();
    // 清空 (Command17): the file list and the rename table emptied, the table as one step an undo
    // takes back; the settings stay.
    void clearAll();
    // The status line shows the text at once, even while a long run keeps the event loop waiting.
    void showStatus(const QString& text);
    // Resizes the window to the size asked, but never beyond the screen's available area: what
    // does not fit is reached by scrolling the window's contents.
    void resizeWithinScreen(int width, int height);
    // The count of rows the next run would refuse follows whatever the status line says.
    void showForecast(const QString& text);

    PlatformServices& m_platform;
    SheetModel* m_table;
    FileListModel* m_files;
    WindowControls m_controls;
    FileListView* m_fileList = nullptr;
    QWidget* m_contents = nullptr;
    QPointer<AboutBox> m_about;
    std::unique_ptr<ProgressBarProgress> m_progress;
    std::unique_ptr<ModeHandlers> m_modes;
    std::unique_ptr<TableBuildHandler> m_tableBuild;
    std::unique_ptr<RuleHandlers> m_rules;
    std::unique_ptr<CollectionHandlers> m_collection;
    std::unique_ptr<RunHandler> m_run;
    std::unique_ptr<ExportHandler> m_export;
    std::unique_ptr<FileFactsHandler> m_facts;
    std::unique_ptr<ImportHandler> m_import;
    std::unique_ptr<ForecastHandler> m_forecast;
    QString m_status;
    QString m_forecastStatus;
    SheetHistory* m_history;
};
