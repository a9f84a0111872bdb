#include "MediaFiles.h"
#include "RenameGuiSupport.h"
#include "WindowTestFixture.h"

#include "table/SheetModel.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Taken = u"=TEXT(FILEINFO(\"taken\"),\"yyyymmdd-hhmmss\")"_s;

} // namespace

// Photos named by the dates they were taken, through the window.
class FileFactsWindowTest : public WindowTestFixture
{
    Q_OBJECT

private:
    Sheet& sheet() { return m_gui->table().sheet(); }
    QPushButton* stopButton() { return gui().control<QPushButton>("cmdStopFacts"); }

    // Photos taken at the EXIF times given, collected; the formula typed in C2 and filled down.
    void collectPhotos(const QMap<QString, const char*>& taken)
    {
        for (auto it = taken.begin(); it != taken.end(); ++it) {
            const QByteArray path = QFile::encodeName(m_tree->path(it.key()));
            QVERIFY(MediaFiles::write(path, MediaFiles::jpeg(16, 16)));
            MediaFiles::addExif(path, {{"Exif.Photo.DateTimeOriginal", it.value()}});
        }
        loadTable(gui(), m_tree->paths(taken.keys()));
        typeCell(gui(), 2, Sheet::C, Taken);
        Sheet::Batch batch(sheet());
        for (const qsizetype row : sheet().dataRows())
            sheet().setFormula(row, Sheet::C, sheet().formula(2, Sheet::C));
    }

private Q_SLOTS:
    void photosAreRenamedByTheDatesTaken()
    {
        collectPhotos({{u"a.jpg"_s, "2019:05:01 08:30:15"},
                       {u"b.jpg"_s, "2020:12:31 23:59:59"},
                       {u"c.jpg"_s, "2018:01:02 03:04:05"}});
        QCOMPARE(gui().cell(4, Sheet::C), u"#GETTING_DATA"_s);
        QVERIFY(!stopButton()->isHidden());

        // No run on names still to come.
        gui().click("Command3");
        QCOMPARE(
            gui().platform.messageTexts(),
            QStringList{
                u"文件信息（FILEINFO）还在读取中，新文件名尚未确定！请等读取完成，或点击“停止读取”后再开始改名！"_s});
        QVERIFY(QFile::exists(m_tree->path(u"a.jpg"_s)));

        QTRY_COMPARE(gui().cell(4, Sheet::C), u"20180102-030405"_s);
        QVERIFY(stopButton()->isHidden());
        gui().click("Command3");
        QCOMPARE(m_tree->snapshot().keys(),
                 (QStringList{u"20180102-030405.jpg"_s, u"20190501-083015.jpg"_s, u"20201231-235959.jpg"_s}));
    }

    void stoppingLeavesWhatWasNotReadUnavailable()
    {
        collectPhotos({{u"a.jpg"_s, "2019:05:01 08:30:15"}, {u"b.jpg"_s, "2020:12:31 23:59:59"}});
        gui().click(stopButton());
        QCOMPARE(gui().cell(2, Sheet::C), u"#N/A"_s);
        QCOMPARE(gui().cell(3, Sheet::C), u"#N/A"_s);
        QVERIFY(stopButton()->isHidden());
    }
};

QTEST_MAIN(FileFactsWindowTest)
#include "tst_filefactswindow.moc"
