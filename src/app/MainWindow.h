#pragma once

#include "app/Form1.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class AboutBox;
class CollectionHandlers;
class ExportHandler;
class ModeHandlers;
class ProgressBarProgress;
class RuleHandlers;
class RunHandler;
class TableBuildHandler;

// Form1: the whole working surface. Builds the controls, gives each feature's handlers the
// form, and runs the start-up defaults.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int NarrowWidth = 747; // 11205 twips at 96 dpi
    static constexpr int WideWidth = 990;   // 14850 twips

    explicit MainWindow(PlatformServices& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    Form1& form() { return m_form; }

    // Shows or hides the advanced panel beyond the narrow width.
    void setWide(bool wide);

    // The files and folders named on the command line, to be collected as a drop on the file
    // list is. Until then they are only kept.
    void collectStartupPaths(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void connectWindowControls();
    void formLoad();
    void showAbout();

    Form1 m_form;
    QWidget* m_advancedPanel = nullptr;
    QPointer<AboutBox> m_about;
    QStringList m_startupPaths;
    std::unique_ptr<ProgressBarProgress> m_progress;
    std::unique_ptr<TableBuildHandler> m_tableBuild;
    std::unique_ptr<RuleHandlers> m_rules;
    std::unique_ptr<ModeHandlers> m_modes;
    std::unique_ptr<CollectionHandlers> m_collection;
    std::unique_ptr<RunHandler> m_run;
    std::unique_ptr<ExportHandler> m_export;
};
