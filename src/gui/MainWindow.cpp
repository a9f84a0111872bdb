#include "gui/MainWindow.h"

#include "collect/FileListModel.h"
#include "gui/AboutBox.h"
#include "gui/AccessibleNames.h"
#include "gui/ControlEvents.h"
#include "gui/Form1Controls.h"
#include "gui/Form1Layout.h"
#include "gui/KeyboardAccess.h"
#include "gui/PlatformServices.h"
#include "gui/ProgressBarProgress.h"
#include "gui/collect/CollectionHandlers.h"
#include "gui/collect/FileListView.h"
#include "gui/facts/FileFactsHandler.h"
#include "gui/rename/ForecastHandler.h"
#include "gui/rename/ModeHandlers.h"
#include "gui/rename/RunHandler.h"
#include "gui/rules/RuleHandlers.h"
#include "gui/rules/TableBuildHandler.h"
#include "gui/table/FormulaBar.h"
#include "gui/table/SheetHistory.h"
#include "gui/table/SheetView.h"
#include "gui/workbook/ExportHandler.h"
#include "gui/workbook/ImportHandler.h"
#include "table/SheetModel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDropEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

MainWindow::MainWindow(PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_table(new SheetModel(this)),
      m_files(new FileListModel(this)), m_history(new SheetHistory(*m_table, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(PlatformServices::programTitle());

    const Form1Controls controls = buildForm1(this);
    m_controls = controls.window;
    m_fileList = controls.collection.List1;
    // On a small screen, or at a large scale, the controls stay reachable by scrolling.
    m_contents = takeCentralWidget();
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("windowScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(m_contents);
    setCentralWidget(scroller);
    setAcceptDrops(true);
    m_controls.sp1->setSheetModel(m_table);
    keepRowsVisible(m_controls.sp1, 10);
    m_controls.formulaBar->setView(m_controls.sp1);
    controls.collection.List1->setModel(m_files);
    m_progress = std::make_unique<ProgressBarProgress>(m_controls.PBar1);
    buildMenu();

    Sheet& sheet = m_table->sheet();
    m_modes = std::make_unique<ModeHandlers>(controls.modes, platform, sheet, *m_progress);
    m_tableBuild =
        std::make_unique<TableBuildHandler>(controls.Command14, sheet, *m_files, *m_modes, *m_progress);
    m_rules = std::make_unique<RuleHandlers>(controls.rules, sheet, *m_modes, *m_progress);
    m_collection =
        std::make_unique<CollectionHandlers>(controls.collection, platform, *m_files, sheet, *m_tableBuild);
    m_run = std::make_unique<RunHandler>(controls.run, platform, sheet, *m_modes, *m_progress);
    m_export = std::make_unique<ExportHandler>(controls.Command15, platform, sheet);
    m_facts = std::make_unique<FileFactsHandler>(m_controls.PBar1, sheet, *m_progress);
    m_import = std::make_unique<ImportHandler>(controls.Command16, m_controls.sp1, platform, sheet);
    connect(controls.Command17, &QPushButton::clicked, this, &MainWindow::clearAll);
    m_forecast = std::make_unique<ForecastHandler>(*m_table, controls.modes, *m_modes);
    connectFeatures();
    connectWindowControls();
    describeControls(this);
    new KeyboardAccess(this, m_controls.sp1, controls.run.Command3);
    connectTable();

    setWide(false);
    resizeWithinScreen(NarrowWidth, 760);
    formLoad();
}

MainWindow::~MainWindow() = default;

QString MainWindow::targetFolder() const
{
    return m_modes->targetFolder();
}

void MainWindow::buildMenu()
{
    struct Entry
    {
        const char* name;
        QString caption;
        bool enabled;
    };
    const Entry entries[] = {
        {"import", QStringLiteral("导出到EXCEL"), false},
        {"help", QStringLiteral("帮助"), false},
        {"about", QStringLiteral("关于"), true},
        {"dragfile", QStringLiteral("文档拖动到菜单区可自动添加->"), false},
        {"exit", QStringLiteral("退出"), true},
    };
    for (const Entry& entry : entries) {
        QAction* action = menuBar()->addAction(entry.caption);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setEnabled(entry.enabled);
    }
    connect(menuBar()->findChild<QAction*>(QStringLiteral("about")), &QAction::triggered, this,
            &MainWindow::showAbout);
    connect(menuBar()->findChild<QAction*>(QStringLiteral("exit")), &QAction::triggered, this,
            &QWidget::close);
}

// The features talk through these connections only; none touches another's controls.
void MainWindow::connectFeatures()
{
    CollectionHandlers* collection = m_collection.get();
    ModeHandlers* modes = m_modes.get();
    RunHandler* run = m_run.get();
    connect(collection, &CollectionHandlers::collectionStarted, modes, &ModeHandlers::collectionStarted);
    connect(collection, &CollectionHandlers::collectionFinished, modes, &ModeHandlers::collectionFinished);
    // The last run's undo belongs to the files it was run on.
    connect(collection, &CollectionHandlers::fileListReplaced, run, &RunHandler::forgetLastRun);
    connect(modes, &ModeHandlers::singleFileDerivationToggled, collection,
            &CollectionHandlers::clearFileList);

    connect(collection, &CollectionHandlers::statusChanged, this, &MainWindow::showStatus);
    connect(run, &RunHandler::statusChanged, this, &MainWindow::showStatus);
    // New names that still wait for files' facts are not final.
    run->setUnfinishedCheck([facts = m_facts.get()] { return facts->unfinishedReason(); });
    connect(m_import.get(), &ImportHandler::statusChanged, this, &MainWindow::showStatus);
    connect(run, &RunHandler::runStarting, m_forecast.get(), &ForecastHandler::runStarting);
    connect(run, &RunHandler::diskChanged, m_forecast.get(), &ForecastHandler::readDiskAgain);
    connect(m_forecast.get(), &ForecastHandler::statusChanged, this, &MainWindow::showForecast);
    connect(collection, &CollectionHandlers::statusFocusWanted, this,
            [this] { m_controls.Text3->setFocus(); });
    // A new table is seen from its first cell.
    connect(collection, &CollectionHandlers::collectionFinished, this, [this] {
        m_controls.sp1->scrollToTop();
        m_controls.sp1->horizontalScrollBar()->setValue(0);
    });
}

void MainWindow::connectWindowControls()
{
    const WindowControls& w = m_controls;
    connect(w.Command12, &QPushButton::clicked, this, [this] {
        m_controls.Command12->hide();
        m_controls.Command13->show();
        setWide(true);
    });
    connect(w.Command13, &QPushButton::clicked, this, [this] {
        m_controls.Command12->show();
        m_controls.Command13->hide();
        setWide(false);
    });
    ControlEvents::onClick(w.Check4, this, [this] { setWide(m_controls.Check4->isChecked()); });
}

// The table's own concerns: its clock, what it refuses and finds, and the undo of its edits.
void MainWindow::connectTable()
{
    m_table->sheet().setClock([this] { return m_platform.now(); });
    connect(m_table, &SheetModel::inputRefused, this,
            [this](const QString& problem) { m_platform.tell(QStringLiteral("公式有误：") + problem); });
    connect(m_table, &SheetModel::circularReferenceFound, this,
            [this](const QString& cell) { showStatus(QStringLiteral("循环引用:") + cell); });

    // Window-wide keys; a text field being edited keeps Ctrl+Z for its own text.
    addAction(m_history->undoAction());
    addAction(m_history->redoAction());
    m_controls.sp1->addHistoryActions(m_history->undoAction(), m_history->redoAction());
    // A collection, cancelled or not, is one step: Ctrl+Z right after gives the table back.
    connect(m_collection.get(), &CollectionHandlers::collectionStarted, m_history, &SheetHistory::beginStep);
    connect(m_collection.get(), &CollectionHandlers::collectionFinished, m_history, &SheetHistory::endStep);
}

void MainWindow::showStatus(const QString& text)
{
    m_status = text;
    m_controls.Text3->setText(QStringList{m_status, m_forecastStatus}.join(u"  ").trimmed());
    m_controls.Text3->repaint();
}

void MainWindow::showForecast(const QString& text)
{
    m_forecastStatus = text;
    showStatus(m_status);
}

void MainWindow::collectStartupPaths(const QStringList& paths)
{
    if (!paths.isEmpty())
        m_collection->collectNamed(paths);
}

void MainWindow::clearAll()
{
    m_collection->clearFileList();
    m_table->sheet().clearAsEdit();
    showStatus({});
}

void MainWindow::setWide(bool wide)
{
    m_controls.advancedPanel->setVisible(wide);
    // Let the layout drop the hidden panel's width before the window is narrowed.
    m_contents->layout()->activate();
    layout()->activate();
    resizeWithinScreen(wide ? WideWidth : NarrowWidth, height());
}

void MainWindow::resizeWithinScreen(int width, int height)
{
    const QRect available = screen()->availableGeometry();
    // The frame the window system adds is not known before the window shows; leave room for it.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 40);
    resize(std::min(width, available.width() - frame.width()),
           std::min(height, available.height() - frame.height()));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    // The grid takes workbooks itself; what it refuses is not a collection.
    const QPoint onGrid = m_controls.sp1->mapFrom(this, event->position().toPoint());
    if (m_controls.sp1->rect().contains(onGrid))
        event->ignore();
    else
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    m_fileList->takeDrop(event->mimeData());
}

void MainWindow::formLoad()
{
    m_modes->loadDefaults();
    m_rules->loadDefaults(m_platform.now().date());
    m_collection->loadDefaults();
    m_controls.Text3->clear();
    m_controls.Command13->hide();
    // What the start-up set is where the user begins, not a step to undo.
    m_history->clear();
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutBox(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Ending the program discards every open box without a question.
    if (m_about)
        m_about->close();
    event->accept();
}
