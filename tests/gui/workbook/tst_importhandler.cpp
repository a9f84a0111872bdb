#include "WindowTestFixture.h"

#include "collect/FileListModel.h"
#include "gui/table/SheetView.h"
#include "table/SheetModel.h"

#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// Every cell of the used range as typing gives it back, with its kind and what it shows.
QStringList tableOf(const Sheet& sheet)
{
    QStringList cells{u"%1x%2"_s.arg(sheet.usedRowCount()).arg(sheet.usedColumnCount())};
    for (qsizetype r = 1; r <= sheet.usedRowCount(); ++r)
        for (int c = 1; c <= sheet.usedColumnCount(); ++c)
            cells << u"%1,%2:%3:%4:%5"_s.arg(r)
                         .arg(c)
                         .arg(sheet.value(r, c).index())
                         .arg(sheet.inputText(r, c), sheet.text(r, c));
    return cells;
}

} // namespace

// 导入 and 清空 through the window: the table goes out to a workbook, comes back and runs.
class TestImportHandler : public WindowTestFixture
{
    Q_OBJECT

public:
    TestImportHandler() : WindowTestFixture(QDateTime(QDate(2026, 12, 7), QTime(9, 5, 30))) {}

private Q_SLOTS:
    void exportedTableComesBackCellByCellAndRuns();
    void refusedFileLeavesTheTableAsItWas_data();
    void refusedFileLeavesTheTableAsItWas();
    void tableDroppedOnTheGridIsImported();
    void cellsOnTheLastRowOfEveryColumnComeAndGo();

private:
    void setUp() override;
    Sheet& sheet() { return m_gui->table().sheet(); }
    QLineEdit* status() const { return m_gui->field("Text3"); }
    QString write(const QString& name, const QByteArray& content);
    void importFile(const QString& path);
};

void TestImportHandler::setUp()
{
    m_tree->makeFolder(u"exports"_s);
    m_gui->platform.fixedExportFolder = m_tree->path(u"exports"_s);
    // Four files with new names typed by hand: "007", a Chinese and an emoji name, a formula.
    QStringList paths;
    for (const QString& name : {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s, u"d.txt"_s}) {
        m_tree->write(name, name.toUtf8());
        paths << m_tree->path(name);
    }
    m_gui->files().setPaths(paths);
    m_gui->click("Command14");
    const QList<std::tuple<int, int, QString>> typed{{2, Sheet::C, u"007"_s},
                                                     {3, Sheet::C, u"春节合影"_s},
                                                     {4, Sheet::C, u"🎉派对"_s},
                                                     {5, Sheet::C, u"=B5&\"_\"&A5"_s},
                                                     {2, Sheet::H, u"备注"_s}};
    SheetModel& model = m_gui->table();
    for (const auto& [row, column, text] : typed)
        QVERIFY(model.setData(model.index(row - 1, column - 1), text, Qt::EditRole));
}

QString TestImportHandler::write(const QString& name, const QByteArray& content)
{
    m_tree->write(u"exports/"_s + name, content);
    return m_tree->path(u"exports/"_s + name);
}

void TestImportHandler::importFile(const QString& path)
{
    m_gui->platform.nextFiles.enqueue({path});
    m_gui->click("Command16");
}

void TestImportHandler::exportedTableComesBackCellByCellAndRuns()
{
    QVERIFY(sheet().isNumber(2, Sheet::A));
    const QStringList built = tableOf(sheet());
    m_gui->click("Command15");
    QCOMPARE(m_gui->platform.openedFiles.size(), 1);
    status()->setText(u"共选择文件:4个"_s);

    m_gui->click("Command17");
    QCOMPARE(tableOf(sheet()), QStringList{u"0x0"_s});
    QCOMPARE(m_gui->files().count(), 0);
    QCOMPARE(status()->text(), QString());
    importFile(m_gui->platform.openedFiles.first());

    QCOMPARE(m_gui->platform.filePatterns.last(), u"*.xlsx *.ods *.csv *.tsv *.txt"_s);
    QCOMPARE(tableOf(sheet()), built);
    QCOMPARE(sheet().inputText(5, Sheet::C), u"=B5&\"_\"&A5"_s);
    QCOMPARE(status()->text(), u"已导入:4行"_s);
    QCOMPARE(m_gui->platform.messages.size(), 0);

    m_gui->click("Command3");
    const QMap<QString, QByteArray> files = m_tree->snapshot();
    QCOMPARE(files.value(u"007.txt"_s), "a.txt");
    QCOMPARE(files.value(u"春节合影.txt"_s), "b.txt");
    QCOMPARE(files.value(u"🎉派对.txt"_s), "c.txt");
    QCOMPARE(files.value(u"d_4.txt"_s), "d.txt");
}

void TestImportHandler::refusedFileLeavesTheTableAsItWas_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not a workbook") << u"table.xlsx"_s << QByteArray("plain text");
    QTest::newRow("an empty text table") << u"table.csv"_s << QByteArray();
    QTest::newRow("a broken zip") << u"table.ods"_s << QByteArray("PK\x03\x04 broken", 13);
}

void TestImportHandler::refusedFileLeavesTheTableAsItWas()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    status()->setText(u"共选择文件:4个"_s);
    const QStringList before = tableOf(sheet());
    importFile(write(name, content));

    QCOMPARE(m_gui->platform.messages.size(), 1);
    QVERIFY(m_gui->platform.messages[0].text.startsWith(u"导入失败："_s));
    QCOMPARE(m_gui->platform.messages[0].icon, PlatformServices::Icon::Critical);
    QCOMPARE(tableOf(sheet()), before);
    QCOMPARE(status()->text(), u"共选择文件:4个"_s);
}

void TestImportHandler::tableDroppedOnTheGridIsImported()
{
    auto dropOnGrid = [&](const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        return m_gui->dropOn(m_gui->control<SheetView>("sp1")->viewport(), data);
    };
    QVERIFY(!dropOnGrid(m_tree->path(u"a.txt.jpg"_s)));
    QVERIFY(dropOnGrid(write(u"table.tsv"_s, "序号\t新名\n1\t甲\n2\t\"x,y\"\n")));
    QCOMPARE(tableOf(sheet()).mid(0, 2), (QStringList{u"3x2"_s, u"1,1:2:序号:序号"_s}));
    QCOMPARE(sheet().text(3, Sheet::B), u"x,y"_s);
    QCOMPARE(status()->text(), u"已导入:2行"_s);
}

// A small file whose only cells lie on the sheet's last row, in every column.
void TestImportHandler::cellsOnTheLastRowOfEveryColumnComeAndGo()
{
    QByteArray content(Sheet::MaxRows - 1, '\n');
    importFile(write(u"far.csv"_s, content + QByteArray("x,").repeated(Sheet::MaxColumns - 1) + "end\n"));
    QCOMPARE(m_gui->platform.messageTexts(), QStringList());
    QCOMPARE(sheet().usedRowCount(), Sheet::MaxRows);
    QCOMPARE(sheet().usedColumnCount(), Sheet::MaxColumns);
    QCOMPARE(sheet().text(Sheet::MaxRows, Sheet::MaxColumns), u"end"_s);

    m_gui->click("Command17");
    QCOMPARE(sheet().usedRowCount(), 0);
    QCOMPARE(m_gui->table().columnCount(), SheetModel::MinimumColumns);
}

QTEST_MAIN(TestImportHandler)
#include "tst_importhandler.moc"
