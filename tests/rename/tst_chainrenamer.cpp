#include "MemoryFileSystem.h"

#include "base/Progress.h"
#include "rename/ChainRenamer.h"
#include "rename/LinuxFileSystem.h"
#include "rename/RenameChains.h"
#include "rename/RunObserver.h"
#include "rename/RunUndo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Failure = FileOutcome::Failure;
using Names = QMap<QString, QByteArray>; // file name in the folder -> content

class CountingObserver final : public RunObserver
{
public:
    qint64 reached = 0;

    void rowReached(qint64 index) override { reached = index; }
    bool acceptFolderForm() override { return true; }
};

// One rename a row from row 2, "a>b" renaming folder/a to folder/b.
std::vector<RenameOperation> renamesIn(const QString& folder, const QStringList& rows)
{
    std::vector<RenameOperation> renames;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList names = rows[i].split(u'>');
        RenameOperation rename;
        rename.row = i + 2;
        rename.source = folder + names[0];
        rename.destination = folder + names[1];
        renames.push_back(rename);
    }
    return renames;
}

PhaseResult renameAll(FileSystem& fileSystem, const QString& folder, const QStringList& rows,
                      CountingObserver* observer = nullptr)
{
    std::vector<RenameOperation> renames = renamesIn(folder, rows);
    const RenameChains chains = RenameChains::plan(renames);
    CountingObserver own;
    return ChainRenamer(fileSystem, observer ? *observer : own, renames).run(chains);
}

QStringList reasons(const PhaseResult& result)
{
    QStringList lines;
    for (const FailedOperation& f : result.failures)
        lines << u"%1 %2"_s.arg(f.row).arg(f.outcome.reason());
    return lines;
}

// Files named after their content, as a test lays them out.
Names filesNamed(const QStringList& names)
{
    Names files;
    for (const QString& name : names)
        files.insert(name, name.toUtf8());
    return files;
}

const QString Linked = u"关联文件改名失败，本文件未改名"_s;

} // namespace

class ChainRenamerTest : public QObject
{
    Q_OBJECT

private:
    MemoryFileSystem m_fs;

    void lay(const Names& files)
    {
        m_fs.folders = {u"/"_s, u"/d"_s};
        for (auto it = files.begin(); it != files.end(); ++it)
            m_fs.files.insert(u"/d/"_s + it.key(), it.value());
    }

    Names onDisk() const
    {
        Names files;
        for (auto it = m_fs.files.begin(); it != m_fs.files.end(); ++it)
            files.insert(it.key().mid(3), it.value());
        return files;
    }

private Q_SLOTS:
    void init() { m_fs = MemoryFileSystem(); }

    void everyRowWhoseNewNameIsFreeSucceeds_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<Names>("expected");
        QTest::addColumn<QStringList>("failures");

        QStringList shiftFiles, shiftRows;
        Names shifted;
        for (int i = 1; i <= 10; ++i) {
            const QString name = u"%1.jpg"_s.arg(i, 2, 10, QChar(u'0'));
            const QString next = u"%1.jpg"_s.arg(i + 1, 2, 10, QChar(u'0'));
            shiftFiles << name;
            shiftRows << name + u'>' + next;
            shifted.insert(next, name.toUtf8());
        }
        QTest::newRow("shift 01..10 to 02..11") << shiftFiles << shiftRows << shifted << QStringList();
        QTest::newRow("a chain held at its end by a file outside the batch: nothing of it moves")
            << QStringList{u"a"_s, u"b"_s, u"c"_s, u"x"_s} << QStringList{u"a>b"_s, u"b>c"_s, u"x>y"_s}
            << Names{{u"a"_s, "a"}, {u"b"_s, "b"}, {u"c"_s, "c"}, {u"y"_s, "x"}}
            << QStringList{u"2 "_s + Linked, u"3 目标已存在"_s};
        QTest::newRow("a missing file leaves its name free for the rest of its chain")
            << QStringList{u"a"_s, u"c"_s} << QStringList{u"a>b"_s, u"b>c"_s, u"c>d"_s}
            << Names{{u"b"_s, "a"}, {u"d"_s, "c"}} << QStringList{u"3 源文件不存在"_s};
        QTest::newRow("a cycle missing its first file runs as a chain")
            << QStringList{u"b"_s, u"c"_s} << QStringList{u"a>b"_s, u"b>c"_s, u"c>a"_s}
            << Names{{u"a"_s, "c"}, {u"c"_s, "b"}} << QStringList{u"2 源文件不存在"_s};
        QTest::newRow("rows asking for one new name leave their files alone")
            << QStringList{u"a"_s, u"b"_s} << QStringList{u"a>x"_s, u"b>x"_s} << filesNamed({u"a"_s, u"b"_s})
            << QStringList{u"2 目标重复"_s, u"3 目标重复"_s};
    }

    void everyRowWhoseNewNameIsFreeSucceeds()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, rows);
        QFETCH(Names, expected);
        QFETCH(QStringList, failures);
        lay(filesNamed(files));
        CountingObserver observer;

        const PhaseResult result = renameAll(m_fs, u"/d/"_s, rows, &observer);

        QCOMPARE(onDisk(), expected);
        QCOMPARE(reasons(result), failures);
        QCOMPARE(result.done() + qint64(failures.size()), qint64(rows.size()));
        QCOMPARE(observer.reached, qint64(rows.size()));
    }

    void failureInACyclePutsEveryFileBack_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QStringList>("failures");

        // The cycle a>b b>c c>d d>a runs: a steps aside, d>a, c>d, b>c, then a takes b.
        QTest::newRow("the first file cannot step aside")
            << u"/d/a"_s << QString()
            << QStringList{u"2 没有权限"_s, u"3 "_s + Linked, u"4 "_s + Linked, u"5 "_s + Linked};
        QTest::newRow("a rename in the middle")
            << u"/d/c"_s << u"/d/d"_s
            << QStringList{u"2 "_s + Linked, u"3 "_s + Linked, u"4 没有权限"_s, u"5 "_s + Linked};
        QTest::newRow("the last rename before the first file comes back")
            << u"/d/b"_s << u"/d/c"_s
            << QStringList{u"2 "_s + Linked, u"3 没有权限"_s, u"4 "_s + Linked, u"5 "_s + Linked};
        QTest::newRow("the first file cannot take its new name")
            << QString() << u"/d/b"_s
            << QStringList{u"2 没有权限"_s, u"3 "_s + Linked, u"4 "_s + Linked, u"5 "_s + Linked};
    }

    void failureInACyclePutsEveryFileBack()
    {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(QStringList, failures);
        const Names before = filesNamed({u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"x"_s});
        lay(before);
        m_fs.renameFailures.insert({source, destination}, Failure::AccessDenied);

        const PhaseResult result =
            renameAll(m_fs, u"/d/"_s, {u"a>b"_s, u"b>c"_s, u"c>d"_s, u"d>a"_s, u"x>y"_s});

        // Every file under its old name, no temporary name left; the unrelated row is done.
        Names expected = before;
        expected.insert(u"y"_s, expected.take(u"x"_s));
        QCOMPARE(onDisk(), expected);
        QCOMPARE(reasons(result), failures);
        QCOMPARE(result.done(), 1);
        QCOMPARE(result.completed.front().row(), 6);
    }

    void fileThatCannotGoBackKeepsItsNewNameAndCountsAsDone()
    {
        lay(filesNamed({u"a"_s, u"b"_s, u"c"_s}));
        // c>d and b>c run, a>b fails; on the way back c cannot return to b.
        m_fs.renameFailures.insert({u"/d/a"_s, u"/d/b"_s}, Failure::AccessDenied);
        m_fs.renameFailures.insert({u"/d/c"_s, u"/d/b"_s}, Failure::AccessDenied);

        const PhaseResult result = renameAll(m_fs, u"/d/"_s, {u"a>b"_s, u"b>c"_s, u"c>d"_s});

        QCOMPARE(onDisk(), (Names{{u"a"_s, "a"}, {u"c"_s, "b"}, {u"d"_s, "c"}}));
        QCOMPARE(reasons(result), QStringList{u"2 没有权限"_s});
        QCOMPARE(result.done(), 2);
    }

    void fileWithNoWayBackStaysUnderItsTemporaryNameAndTheRowSaysWhere()
    {
        lay(filesNamed({u"a"_s, u"b"_s, u"c"_s}));
        // a cannot take b's name, and b's file cannot go back to it either.
        m_fs.renameFailures.insert({QString(), u"/d/b"_s}, Failure::AccessDenied);
        m_fs.renameFailures.insert({u"/d/c"_s, u"/d/b"_s}, Failure::AccessDenied);

        const PhaseResult result = renameAll(m_fs, u"/d/"_s, {u"a>b"_s, u"b>c"_s, u"c>a"_s});

        QCOMPARE(result.failures.size(), size_t(1));
        const QString reason = result.failures.front().outcome.reason();
        QVERIFY2(reason.startsWith(u"文件暂存为 /d/.renvora-"_s), qPrintable(reason));
        const QString temporary = reason.mid(6);
        QCOMPARE(onDisk(), (Names{{u"a"_s, "c"}, {u"c"_s, "b"}, {temporary.mid(3), "a"}}));
        QCOMPARE(result.done(), 2);
    }
};

// The same on real files: renames refused in the middle of a cycle.
class FaultyFileSystem final : public FileSystem
{
public:
    // (source, destination) of renames refused once each; an empty source stands for any.
    QList<QPair<QString, QString>> failing;

    FileOutcome renameNoReplace(const QString& source, const QString& destination) override
    {
        for (const auto& pair : {qMakePair(source, destination), qMakePair(QString(), destination)})
            if (failing.removeOne(pair))
                return FileOutcome::failed(Failure::AccessDenied);
        return m_real.renameNoReplace(source, destination);
    }
    FileOutcome copyExclusive(const QString& s, const QString& d) override
    {
        return m_real.copyExclusive(s, d);
    }
    FileOutcome createFolder(const QString& path) override { return m_real.createFolder(path); }
    bool exists(const QString& path) override { return m_real.exists(path); }
    bool isFolder(const QString& path) override { return m_real.isFolder(path); }
    std::optional<FileStamp> stamp(const QString& path) override { return m_real.stamp(path); }
    FileOutcome removeFile(const QString& path) override { return m_real.removeFile(path); }
    FileOutcome removeEmptyFolder(const QString& path) override { return m_real.removeEmptyFolder(path); }

private:
    LinuxFileSystem m_real;
};

class RealCycleTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;

    void checkEveryFileHasItsOwnName()
    {
        QDir listing(m_dir->path());
        QCOMPARE(listing.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{u"1.jpg"_s, u"2.jpg"_s, u"3.jpg"_s}));
        for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) {
            QFile file(m_dir->filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray(name));
        }
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_folder = m_dir->path() + u'/';
        for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) {
            QFile file(m_dir->filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
    }

    void failureInTheMiddleOfACycleOnRealFiles()
    {
        FaultyFileSystem fileSystem;
        fileSystem.failing = {{m_folder + u"2.jpg"_s, m_folder + u"3.jpg"_s}};

        const PhaseResult result =
            renameAll(fileSystem, m_folder, {u"1.jpg>2.jpg"_s, u"2.jpg>3.jpg"_s, u"3.jpg>1.jpg"_s});

        QCOMPARE(reasons(result), (QStringList{u"2 "_s + Linked, u"3 没有权限"_s, u"4 "_s + Linked}));
        checkEveryFileHasItsOwnName();
    }

    void fileLeftUnderATemporaryNameComesBackWithTheUndo()
    {
        FaultyFileSystem fileSystem;
        // 1.jpg cannot take 2.jpg's name, and 2.jpg's file cannot go back to it either.
        fileSystem.failing = {{QString(), m_folder + u"2.jpg"_s},
                              {m_folder + u"3.jpg"_s, m_folder + u"2.jpg"_s}};
        RunResult run;
        run.batch = renameAll(fileSystem, m_folder, {u"1.jpg>2.jpg"_s, u"2.jpg>3.jpg"_s, u"3.jpg>1.jpg"_s});
        QCOMPARE(run.batch.stranded.size(), size_t(1));

        NoProgress progress;
        const PhaseResult undone = RunUndo(fileSystem, progress).undo(run);

        QCOMPARE(undone.failures.size(), size_t(0));
        checkEveryFileHasItsOwnName();
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    ChainRenamerTest memory;
    RealCycleTest real;
    return QTest::qExec(&memory, argc, argv) | QTest::qExec(&real, argc, argv);
}

#include "tst_chainrenamer.moc"
