#include "WindowTestFixture.h"
#include "collect/FileListModel.h"
#include "gui/collect/FileListView.h"
#include "table/Sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

class CollectionWindowTest : public WindowTestFixture
{
    Q_OBJECT

private Q_SLOTS:
    void dialogSingleFile();
    void dialogSeveralFilesKeepTheirOrder();
    void dialogFileInRootFolderGetsOneSeparator();
    void dialogCancelEmptiesTheCollection();
    void derivationCountOffered_data();
    void derivationCountOffered();
    void folderNotChosen_data();
    void folderNotChosen();
    void folderScanFillsListAndTable();
    void folderScanListsNoFoldersAndFiltersExtensions();
    void newPatternReplacesTheList();
    void longPathsCanBeScrolledIntoView();
    void dropFilesAndFolders();
    void dropScansFoldersByWhatTheyAre();
    void dropSwitchesToRenameInPlace();
    void dropWithoutFilePaths();
    void namedPathsAreCollectedAsADropIs();

private:
    QStringList list() { return m_gui->files().paths(); }
    QString status() { return m_gui->field("Text3")->text(); }
    void setPattern(const QString& pattern) { m_gui->control<QComboBox>("Combo1")->setEditText(pattern); }
    void chooseFiles(const QStringList& paths);
    void chooseFolder(const QString& folder);
    void dropPaths(const QStringList& paths);
};

void CollectionWindowTest::chooseFiles(const QStringList& paths)
{
    m_gui->platform.nextFiles.enqueue(paths);
    m_gui->click("Command5");
}

void CollectionWindowTest::chooseFolder(const QString& folder)
{
    m_gui->platform.nextFolders.enqueue(folder);
    m_gui->click("Command4");
}

// As a file manager drops: the drag enters the list's viewport, which must accept it, then drops.
void CollectionWindowTest::dropPaths(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    QVERIFY(m_gui->drop(urls));
}

void CollectionWindowTest::dialogSingleFile()
{
    m_tree->file(QStringLiteral("照片/春节.jpg"));
    setPattern(QStringLiteral("*.jpg"));
    m_gui->option("yss1")->setEnabled(true);
    m_gui->option("yss2")->setEnabled(true);
    m_gui->field("yanshengshu")->setText(QStringLiteral("5"));

    chooseFiles({m_tree->path(QStringLiteral("照片/春节.jpg"))});

    QCOMPARE(m_gui->platform.filePatterns, QStringList{QStringLiteral("*.jpg")});
    QCOMPARE(list(), m_tree->paths({QStringLiteral("照片/春节.jpg")}));
    QCOMPARE(status(), QStringLiteral("共选择文件:1个"));
    QCOMPARE(m_gui->usedRows(), 2);
    QCOMPARE(m_gui->cell(1, Sheet::A), QStringLiteral("序号"));
    QCOMPARE(m_gui->cell(2, Sheet::A), QStringLiteral("1"));
    QCOMPARE(m_gui->cell(2, Sheet::B), QStringLiteral("春节"));
    QCOMPARE(m_gui->cell(2, Sheet::J), QStringLiteral("春节"));
    QCOMPARE(m_gui->cell(2, Sheet::D), QStringLiteral(".jpg"));
    QCOMPARE(m_gui->cell(2, Sheet::E), QStringLiteral(".jpg"));
    QCOMPARE(m_gui->cell(2, Sheet::F), m_tree->path(QStringLiteral("照片")) + QDir::separator());
    QVERIFY(!m_gui->option("yss1")->isEnabled());
    QVERIFY(!m_gui->option("yss2")->isEnabled());
    QCOMPARE(m_gui->field("yanshengshu")->text(), QString());
    QCOMPARE(m_gui->window().focusWidget(), m_gui->field("Text3"));
}

void CollectionWindowTest::dialogSeveralFilesKeepTheirOrder()
{
    const QStringList names{QStringLiteral("b.doc"),         QStringLiteral("a.txt"),
                            QStringLiteral("Makefile"),      QStringLiteral("c.py"),
                            QStringLiteral("report.backup"), QStringLiteral("x.jpeg")};
    m_tree->files(names);

    chooseFiles(m_tree->paths(names));

    QCOMPARE(list(), m_tree->paths({QStringLiteral("b.doc"), QStringLiteral("a.txt"), QStringLiteral("c.py"),
                                    QStringLiteral("x.jpeg")}));
    QCOMPARE(status(), QStringLiteral("共选择文件:4个"));
    QCOMPARE(m_gui->usedRows(), 5);
    QCOMPARE(m_gui->cell(2, Sheet::B), QStringLiteral("b"));
    QCOMPARE(m_gui->cell(4, Sheet::D), QStringLiteral(".py"));
    QCOMPARE(m_gui->cell(5, Sheet::A), QStringLiteral("4"));
    QCOMPARE(m_gui->cell(5, Sheet::E), QStringLiteral(".jpeg"));
}

// The dialog hands back full paths; a file at the top of the file system keeps a single separator.
void CollectionWindowTest::dialogFileInRootFolderGetsOneSeparator()
{
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    chooseFiles({root + QStringLiteral("a.txt"), root + QStringLiteral("b.txt")});
    QCOMPARE(list(), (QStringList{root + QStringLiteral("a.txt"), root + QStringLiteral("b.txt")}));
    QCOMPARE(m_gui->cell(3, Sheet::F), root);
}

void CollectionWindowTest::dialogCancelEmptiesTheCollection()
{
    m_tree->files({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    chooseFiles(m_tree->paths({QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    QCOMPARE(m_gui->usedRows(), 3);

    m_gui->click("Command5");

    QCOMPARE(list(), QStringList());
    QCOMPARE(status(), QStringLiteral("共选择文件:0个"));
    QCOMPARE(m_gui->usedRows(), 1);
    QCOMPARE(m_gui->cell(1, Sheet::B), QStringLiteral("原文件名"));
}

void CollectionWindowTest::derivationCountOffered_data()
{
    QTest::addColumn<bool>("copyMode");
    QTest::addColumn<int>("files");
    QTest::addColumn<bool>("offered");

    QTest::newRow("copy mode with one file") << true << 1 << true;
    QTest::newRow("copy mode with two files") << true << 2 << false;
    QTest::newRow("copy mode with no file") << true << 0 << false;
    QTest::newRow("rename in place with one file") << false << 1 << false;
}

void CollectionWindowTest::derivationCountOffered()
{
    QFETCH(bool, copyMode);
    QFETCH(int, files);
    QFETCH(bool, offered);
    m_tree->files({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    if (copyMode)
        m_gui->option("Option2")->setChecked(true);
    m_gui->checkBox("ysq")->setEnabled(true);
    m_gui->field("yanshengshu")->setText(QStringLiteral("1"));
    m_gui->checkBox("ysq")->setChecked(true);

    chooseFiles(m_tree->paths({QStringLiteral("a.txt"), QStringLiteral("b.txt")}).mid(0, files));

    QCOMPARE(m_gui->checkBox("ysq")->isEnabled(), offered);
    QCOMPARE(m_gui->checkBox("ysq")->isChecked(), offered);
}

void CollectionWindowTest::folderNotChosen_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::newRow("browser cancelled") << QString();
    QTest::newRow("a file instead of a folder") << QStringLiteral("a.txt");
}

void CollectionWindowTest::folderNotChosen()
{
    QFETCH(QString, chosen);
    m_tree->files({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    chooseFiles(m_tree->paths({QStringLiteral("a.txt"), QStringLiteral("b.txt")}));

    chooseFolder(chosen.isEmpty() ? QString() : m_tree->path(chosen));

    QCOMPARE(m_gui->platform.folderPrompts, QStringList{QString()});
    QCOMPARE(m_gui->platform.messages.size(), 1);
    const ScriptedPlatform::Message& message = m_gui->platform.messages.first();
    QCOMPARE(message.text, QStringLiteral("请选择目录"));
    QCOMPARE(message.title, PlatformServices::programTitle());
    QCOMPARE(message.buttons, PlatformServices::Buttons::Ok);
    QCOMPARE(list(), QStringList());
    QCOMPARE(m_gui->usedRows(), 0);
    QVERIFY(m_gui->platform.waitCursorChanges.isEmpty());
    QCOMPARE(m_gui->window().focusWidget(), m_gui->field("Text3"));
}

void CollectionWindowTest::folderScanFillsListAndTable()
{
    m_tree->files({QStringLiteral("b.JPG"), QStringLiteral("a.jpg"), QStringLiteral("notes.txt"),
                   QStringLiteral("Z/c.jpg"), QStringLiteral("y/d.jpg"), QStringLiteral("y/x/e.jpg")});
    setPattern(QStringLiteral("*.jpg"));

    chooseFolder(m_tree->path());

    const QStringList expected =
        m_tree->paths({QStringLiteral("a.jpg"), QStringLiteral("b.JPG"), QStringLiteral("y/d.jpg"),
                       QStringLiteral("y/x/e.jpg"), QStringLiteral("Z/c.jpg")});
    QCOMPARE(list(), expected);
    QCOMPARE(status(), QStringLiteral("共选择文件:5个"));
    QCOMPARE(m_gui->platform.waitCursorChanges, (QList<bool>{true, false}));
    QVERIFY(m_gui->platform.messages.isEmpty());
    QCOMPARE(m_gui->usedRows(), 6);
    QCOMPARE(m_gui->cell(3, Sheet::B), QStringLiteral("b"));
    QCOMPARE(m_gui->cell(3, Sheet::D), QStringLiteral(".JPG"));
    QCOMPARE(m_gui->cell(3, Sheet::F), m_tree->path() + QDir::separator());
    QCOMPARE(m_gui->cell(5, Sheet::A), QStringLiteral("4"));
    QCOMPARE(m_gui->cell(5, Sheet::B), QStringLiteral("e"));
    QCOMPARE(m_gui->cell(5, Sheet::F), m_tree->path(QStringLiteral("y/x")) + QDir::separator());
}

void CollectionWindowTest::folderScanListsNoFoldersAndFiltersExtensions()
{
    m_tree->makeFolder(QStringLiteral("Old"));
    m_tree->files({QStringLiteral("Old.bak/in.txt"), QStringLiteral("report.backup"),
                   QStringLiteral("Makefile"), QStringLiteral("c.py"), QStringLiteral("d.xlsx")});

    chooseFolder(m_tree->path() + QDir::separator());

    QCOMPARE(list(), m_tree->paths({QStringLiteral("c.py"), QStringLiteral("d.xlsx"),
                                    QStringLiteral("Old.bak/in.txt")}));
    QCOMPARE(m_gui->usedRows(), 4);
    QCOMPARE(m_gui->cell(4, Sheet::F), m_tree->path(QStringLiteral("Old.bak")) + QDir::separator());
}

void CollectionWindowTest::newPatternReplacesTheList()
{
    m_tree->files({QStringLiteral("a.xls"), QStringLiteral("b.xlsx"), QStringLiteral("c.doc"),
                   QStringLiteral("d.DOC")});
    setPattern(QStringLiteral("*.xls"));
    chooseFolder(m_tree->path());
    QCOMPARE(list(), m_tree->paths({QStringLiteral("a.xls")}));

    setPattern(QStringLiteral("*.doc"));
    chooseFolder(m_tree->path());

    QCOMPARE(list(), m_tree->paths({QStringLiteral("c.doc"), QStringLiteral("d.DOC")}));
    QCOMPARE(m_gui->usedRows(), 3);
    QCOMPARE(m_gui->cell(3, Sheet::B), QStringLiteral("d"));
}

void CollectionWindowTest::longPathsCanBeScrolledIntoView()
{
    const QString longName = QString(80, u'长') + QStringLiteral(".txt");
    QStringList names;
    for (int i = 0; i < 300; ++i)
        names << QStringLiteral("f%1.txt").arg(i, 3, 10, QLatin1Char('0'));
    names << longName;
    m_tree->files(names);

    chooseFolder(m_tree->path());
    QCOMPARE(list().size(), 301);
    QCOMPARE(list().last(), m_tree->path(longName));

    auto* view = m_gui->control<FileListView>("List1");
    view->doItemsLayout();
    const int pathWidth = view->fontMetrics().horizontalAdvance(list().last());
    QScrollBar* bar = view->horizontalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QVERIFY2(bar->maximum() + view->viewport()->width() >= pathWidth,
             qPrintable(QStringLiteral("%1 + %2 < %3")
                            .arg(bar->maximum())
                            .arg(view->viewport()->width())
                            .arg(pathWidth)));

    m_gui->click("Command5");
    QCOMPARE(view->horizontalExtent(), 10);
}

void CollectionWindowTest::dropFilesAndFolders()
{
    m_tree->files({QStringLiteral("a.txt"), QStringLiteral("b.jpeg"), QStringLiteral("c.py"),
                   QStringLiteral("report.backup"), QStringLiteral("A/1.xls"), QStringLiteral("A/2.doc"),
                   QStringLiteral("B/3.xls"), QStringLiteral("B/x/4.XLS")});
    setPattern(QStringLiteral("*.xls"));

    dropPaths(m_tree->paths({QStringLiteral("a.txt"), QStringLiteral("A"), QStringLiteral("b.jpeg"),
                             QStringLiteral("c.py"), QStringLiteral("B"), QStringLiteral("report.backup")}));

    QCOMPARE(list(),
             m_tree->paths({QStringLiteral("a.txt"), QStringLiteral("b.jpeg"), QStringLiteral("B/3.xls"),
                            QStringLiteral("B/x/4.XLS"), QStringLiteral("A/1.xls")}));
    QCOMPARE(status(), QStringLiteral("共选择文件:5个"));
    QCOMPARE(m_gui->usedRows(), 6);
    QCOMPARE(m_gui->cell(2, Sheet::D), QStringLiteral(".txt"));
    QCOMPARE(m_gui->cell(3, Sheet::E), QStringLiteral(".jpeg"));
    QCOMPARE(m_gui->cell(5, Sheet::B), QStringLiteral("4"));
    QCOMPARE(m_gui->cell(5, Sheet::F), m_tree->path(QStringLiteral("B/x")) + QDir::separator());
    QCOMPARE(m_gui->cell(6, Sheet::A), QStringLiteral("5"));
}

// The command line's paths, typed relative to the working folder, give the table a drop of the
// same entries gives; one that names nothing is left out and told once.
void CollectionWindowTest::namedPathsAreCollectedAsADropIs()
{
    m_tree->files({QStringLiteral("a.txt"), QStringLiteral("b.jpeg"), QStringLiteral("A/1.xls"),
                   QStringLiteral("A/x/2.xls"), QStringLiteral("A/3.doc")});
    setPattern(QStringLiteral("*.xls"));
    dropPaths(m_tree->paths({QStringLiteral("b.jpeg"), QStringLiteral("A"), QStringLiteral("a.txt")}));
    QStringList dropped;
    for (qsizetype row = 1; row <= m_gui->usedRows(); ++row)
        for (int column = Sheet::A; column <= Sheet::K; ++column)
            dropped << m_gui->cell(row, column);

    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_tree->path()));
    m_gui->window().collectStartupPaths({QStringLiteral("b.jpeg"), QStringLiteral("./A/"),
                                         QStringLiteral("gone.txt"), QStringLiteral("a.txt")});
    QDir::setCurrent(before);

    QStringList named;
    for (qsizetype row = 1; row <= m_gui->usedRows(); ++row)
        for (int column = Sheet::A; column <= Sheet::K; ++column)
            named << m_gui->cell(row, column);
    QCOMPARE(named, dropped);
    QCOMPARE(m_gui->platform.messageTexts(),
             QStringList{QStringLiteral("有1个文件或文件夹不存在，未加入列表\n") +
                         m_tree->path(QStringLiteral("gone.txt"))});
}

void CollectionWindowTest::dropScansFoldersByWhatTheyAre()
{
    m_tree->files({QStringLiteral("My.Data/d.xls"), QStringLiteral("backup.old/in.xls")});
    setPattern(QStringLiteral("*.xls"));

    dropPaths(m_tree->paths(
        {QStringLiteral("My.Data/d.xls"), QStringLiteral("backup.old"), QStringLiteral("My.Data")}));

    QCOMPARE(list(), m_tree->paths({QStringLiteral("My.Data/d.xls"), QStringLiteral("My.Data/d.xls"),
                                    QStringLiteral("backup.old/in.xls")}));
    QCOMPARE(m_gui->usedRows(), 4);
    QCOMPARE(m_gui->cell(2, Sheet::B), QStringLiteral("d"));
    QCOMPARE(m_gui->cell(3, Sheet::B), QStringLiteral("d"));
    QCOMPARE(m_gui->cell(4, Sheet::F), m_tree->path(QStringLiteral("backup.old")) + QDir::separator());
}

void CollectionWindowTest::dropSwitchesToRenameInPlace()
{
    m_tree->file(QStringLiteral("a.txt"));
    m_gui->option("Option2")->setChecked(true);
    m_gui->checkBox("ysq")->setEnabled(true);
    m_gui->field("yanshengshu")->setText(QStringLiteral("1"));
    m_gui->checkBox("ysq")->setChecked(true);
    m_gui->option("yss1")->setEnabled(true);
    m_gui->option("yss2")->setEnabled(true);
    m_gui->field("yanshengshu")->setText(QStringLiteral("3"));

    dropPaths({m_tree->path(QStringLiteral("a.txt"))});

    QVERIFY(m_gui->option("Option1")->isChecked());
    QVERIFY(!m_gui->option("Option2")->isChecked());
    QVERIFY(!m_gui->checkBox("ysq")->isEnabled());
    QVERIFY(!m_gui->checkBox("ysq")->isChecked());
    QVERIFY(!m_gui->option("yss1")->isEnabled());
    QVERIFY(!m_gui->option("yss2")->isEnabled());
    QCOMPARE(m_gui->field("yanshengshu")->text(), QString());
    QCOMPARE(m_gui->usedRows(), 2);
    QCOMPARE(m_gui->cell(1, Sheet::G), QString());
}

void CollectionWindowTest::dropWithoutFilePaths()
{
    m_tree->files({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    chooseFiles(m_tree->paths({QStringLiteral("a.txt"), QStringLiteral("b.txt")}));

    QMimeData text;
    text.setText(QStringLiteral("a.txt"));
    QVERIFY(m_gui->drop(text));

    QCOMPARE(list(), QStringList());
    QCOMPARE(status(), QStringLiteral("共选择文件:0个"));
    QCOMPARE(m_gui->usedRows(), 1);
    QCOMPARE(m_gui->cell(1, Sheet::A), QStringLiteral("序号"));
}

QTEST_MAIN(CollectionWindowTest)
#include "tst_collectionwindow.moc"
