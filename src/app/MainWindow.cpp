#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/ControlEvents.h"
#include "app/Form1Layout.h"
#include "app/ProgressBarProgress.h"
#include "collect/CollectionHandlers.h"
#include "collect/FileListModel.h"
#include "collect/FileListView.h"
#include "rename/ModeHandlers.h"
#include "rename/RunHandler.h"
#include "rules/Clock.h"
#include "rules/DateText.h"
#include "rules/RuleHandlers.h"
#include "rules/TableBuildHandler.h"
#include "table/SheetModel.h"
#include "table/SheetView.h"
#include "workbook/ExportHandler.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

MainWindow::MainWindow(PlatformServices& platform, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Form1::title());

    m_form.platform = &platform;
    m_form.table = new SheetModel(this);
    m_form.files = new FileListModel(this);
    m_advancedPanel = buildForm1(this, m_form);
    m_form.sp1->setSheetModel(m_form.table);
    m_form.List1->setModel(m_form.files);
    m_progress = std::make_unique<ProgressBarProgress>(m_form.PBar1);
    m_form.progress = m_progress.get();
    buildMenu();

    m_tableBuild = std::make_unique<TableBuildHandler>(m_form);
    m_rules = std::make_unique<RuleHandlers>(m_form);
    m_modes = std::make_unique<ModeHandlers>(m_form);
    m_collection = std::make_unique<CollectionHandlers>(m_form, *m_tableBuild);
    m_run = std::make_unique<RunHandler>(m_form);
    m_export = std::make_unique<ExportHandler>(m_form);
    connectWindowControls();

    setWide(false);
    resize(NarrowWidth, 760);
    formLoad();
}

MainWindow::~MainWindow() = default;

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

void MainWindow::connectWindowControls()
{
    Form1& f = m_form;
    connect(f.Command12, &QPushButton::clicked, this, [this] {
        m_form.Command12->hide();
        m_form.Command13->show();
        setWide(true);
    });
    connect(f.Command13, &QPushButton::clicked, this, [this] {
        m_form.Command12->show();
        m_form.Command13->hide();
        setWide(false);
    });
    ControlEvents::onClick(f.Check4, this, [this] { setWide(m_form.Check4->isChecked()); });
    // Choosing a type pattern starts a new collection: the old list no longer fits it.
    connect(f.Combo1, &QComboBox::activated, this, [this] { m_form.files->clear(); });
}

void MainWindow::setWide(bool wide)
{
    m_advancedPanel->setVisible(wide);
    // Let the layout drop the hidden panel's width before the window is narrowed.
    centralWidget()->layout()->activate();
    layout()->activate();
    resize(wide ? WideWidth : NarrowWidth, height());
}

void MainWindow::collectStartupPaths(const QStringList& paths)
{
    m_startupPaths = paths;
}

void MainWindow::formLoad()
{
    Form1& f = m_form;
    f.Check1->setChecked(true);
    f.Check2->setChecked(false);
    f.yss1->setEnabled(false);
    f.yss2->setEnabled(false);
    f.yanshengshu->setEnabled(false);
    f.riqitxt->setText(dateForFileName(Clock::today()));
    f.ysq->setEnabled(false);
    f.ysq->setChecked(false);
    f.Combo1->clear();
    f.Combo1->addItems({QStringLiteral("*.xls"), QStringLiteral("*.doc"), QStringLiteral("*.pdf"),
                        QStringLiteral("*.jpg"), QStringLiteral("*.bmp"), QStringLiteral("*.*")});
    f.Combo1->setCurrentIndex(f.Combo1->findText(QStringLiteral("*.*")));
    f.Option1->setChecked(true);
    f.Option2->setChecked(false);
    f.Text3->clear();
    f.Command13->hide();
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
