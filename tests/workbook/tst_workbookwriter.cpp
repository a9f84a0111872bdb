#include "FileSizeLimit.h"
#include "table/Sheet.h"
#include "workbook/WorkbookLimits.h"
#include "workbook/WorkbookWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <dirent.h>
#include <optional>
#include <sys/mount.h>
#include <unistd.h>

namespace {
const QDateTime MadeAt(QDate(2026, 12, 7), QTime(9, 5, 30));
}

// Workbooks that cannot be written: a clear reason, and the folder as it was.
class TestWorkbookWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void refusedWithReason_data();
    void refusedWithReason();
    void writeFailingHalfwayLeavesNothingOpen();

private:
    QStringList folderContents() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestWorkbookWriter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QFile existing(m_dir->filePath(u"已有.xlsx"_qs));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("the user's own file");
}

QStringList TestWorkbookWriter::folderContents() const
{
    QStringList contents;
    for (const QFileInfo& entry :
         QDir(m_dir->path())
             .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        contents << entry.fileName() + u':' + QString::number(entry.size());
    return contents;
}

void TestWorkbookWriter::refusedWithReason_data()
{
    QTest::addColumn<QString>("target"); // inside the temporary folder
    QTest::addColumn<int>("longTextLength");
    QTest::addColumn<QString>("reason"); // "@" stands for the temporary folder

    QTest::newRow("folder does not exist") << "无此目录/表.xlsx" << 0 << "找不到文件夹 @/无此目录";
    QTest::newRow("folder is a file") << "已有.xlsx/表.xlsx" << 0 << "找不到文件夹 @/已有.xlsx";
    QTest::newRow("existing workbook is not replaced") << "已有.xlsx" << 0 << "文件 @/已有.xlsx 已存在";
    QTest::newRow("text one beyond a cell's limit")
        << "表.xlsx" << 32768 << "单元格 C3 的文字有 32768 个字符，超过工作簿单元格最多 32767 个字符";
}

void TestWorkbookWriter::refusedWithReason()
{
    QFETCH(QString, target);
    QFETCH(int, longTextLength);
    QFETCH(QString, reason);

    Sheet sheet;
    sheet.setText(1, Sheet::B, u"原文件名"_qs);
    sheet.setNumber(2, Sheet::A, 1);
    if (longTextLength > 0)
        sheet.setText(3, Sheet::C, QString(longTextLength, u'x'));
    const QStringList before = folderContents();

    WorkbookWriter writer(sheet, MadeAt);
    QVERIFY(!writer.write(m_dir->filePath(target)));
    QCOMPARE(writer.errorString(), reason.replace(u'@', m_dir->path()));
    QCOMPARE(folderContents(), before);
    QFile existing(m_dir->filePath(u"已有.xlsx"_qs));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("the user's own file"));
}

// Descriptors of this process that lead into folder, deleted files included.
static QStringList descriptorsInto(const QString& folder)
{
    QStringList found;
    for (const QString& fd : QDir(u"/proc/self/fd"_qs).entryList(QDir::Files | QDir::System)) {
        const QString target = QFile::symLinkTarget(u"/proc/self/fd/"_qs + fd);
        if (target.startsWith(folder + u'/'))
            found << target;
    }
    return found;
}

// A full disk: a small file system of its own where the test may mount one, else a file size
// limit, which makes writes fail part of the way through the same way.
void TestWorkbookWriter::writeFailingHalfwayLeavesNothingOpen()
{
    const QString small = m_dir->filePath(u"small"_qs);
    QVERIFY(QDir().mkdir(small));
    const bool mounted = ::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=96k") == 0;
    Sheet sheet;
    for (int r = 1; r <= 20000; ++r)
        sheet.setText(r, Sheet::B, u"文件名%1"_qs.arg(r));
    const QStringList before = folderContents();
    std::optional<FileSizeLimit> limit;
    if (!mounted)
        limit.emplace(64 * 1024);
    WorkbookWriter writer(sheet, MadeAt);
    const bool written = writer.write((mounted ? small : m_dir->path()) + u"/表.xlsx"_qs);
    limit.reset();
    const QStringList open = descriptorsInto(m_dir->path());
    const bool emptied = QDir(small).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const QStringList after = folderContents();
    if (mounted)
        ::umount2(QFile::encodeName(small).constData(), MNT_DETACH);

    QVERIFY(!written);
    QCOMPARE(writer.errorString(), u"无法使用临时文件，磁盘可能已满"_qs);
    QCOMPARE(open, QStringList());
    QVERIFY(emptied);
    QCOMPARE(after, before);
}

QTEST_GUILESS_MAIN(TestWorkbookWriter)
#include "tst_workbookwriter.moc"
