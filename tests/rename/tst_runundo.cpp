#include "MemoryFileSystem.h"
#include "QuietObserver.h"

#include "base/Progress.h"
#include "rename/RenameChains.h"
#include "rename/RenameExecutor.h"
#include "rename/RunReport.h"
#include "rename/RunState.h"
#include "rename/RunUndo.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Kind = RenameOperation::Kind;
using Files = QMap<QString, QByteArray>;

RenameOperation operation(qsizetype row, Kind kind, const QString& source, const QString& destination)
{
    RenameOperation step;
    step.row = qint32(row);
    step.kind = kind;
    step.source = source;
    step.destination = destination;
    return step;
}

// "a>b" renames /d/a to /d/b, one a row from row 2.
std::vector<RenameOperation> renames(const QStringList& rows)
{
    std::vector<RenameOperation> ops;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList names = rows[i].split(u'>');
        ops.push_back(operation(i + 2, Kind::Rename, u"/d/"_s + names[0], u"/d/"_s + names[1]));
    }
    return ops;
}

QStringList lines(const PhaseResult& undone)
{
    return RunReport::undoMessage(RunReport::undoStatus(undone.done()), undone.failures).split(u'\n');
}

} // namespace

class RunUndoTest : public QObject
{
    Q_OBJECT

private:
    MemoryFileSystem m_fs;
    QuietObserver m_observer;
    NoProgress m_progress;

    RunResult renameRun(const QStringList& rows)
    {
        std::vector<RenameOperation> ops = renames(rows);
        const RenameChains chains = RenameChains::plan(ops);
        RunResult run;
        run.batch = RenameExecutor(m_fs, m_observer).renameInPlace(ops, chains);
        return run;
    }

    PhaseResult undo(const RunResult& run) { return RunUndo(m_fs, m_progress).undo(run); }

private Q_SLOTS:
    void init()
    {
        m_fs = MemoryFileSystem();
        m_fs.folders = {u"/"_s, u"/d"_s};
    }

    void renamesGoBackCyclesIncluded()
    {
        m_fs.files = {{u"/d/a"_s, "A"}, {u"/d/b"_s, "B"}, {u"/d/c"_s, "C"}, {u"/d/x"_s, "X"}};
        const Files before = m_fs.files;
        const RunResult run = renameRun({u"a>b"_s, u"b>c"_s, u"c>a"_s, u"x>y"_s});
        QCOMPARE(m_fs.files, (Files{{u"/d/a"_s, "C"}, {u"/d/b"_s, "A"}, {u"/d/c"_s, "B"}, {u"/d/y"_s, "X"}}));

        const PhaseResult undone = undo(run);

        QCOMPARE(m_fs.files, before);
        QCOMPARE(lines(undone), QStringList{u"已撤销:4个"_s});
    }

    void renamedFileRemovedSinceIsSkippedAndTheRestOfItsChainGoesBack()
    {
        m_fs.files = {{u"/d/01"_s, "1"}, {u"/d/02"_s, "2"}, {u"/d/03"_s, "3"}};
        const RunResult run = renameRun({u"01>02"_s, u"02>03"_s, u"03>04"_s});
        m_fs.files.remove(u"/d/03"_s); // the file that was 02

        const PhaseResult undone = undo(run);

        QCOMPARE(m_fs.files, (Files{{u"/d/01"_s, "1"}, {u"/d/03"_s, "3"}}));
        QCOMPARE(lines(undone),
                 (QStringList{u"已撤销:2个"_s, u"失败:1个"_s, u"/d/03 -> /d/02：源文件不存在"_s}));
    }

    void oldNameTakenSinceLeavesTheFileUnderItsNewName()
    {
        m_fs.files = {{u"/d/a"_s, "A"}};
        const RunResult run = renameRun({u"a>b"_s});
        m_fs.files.insert(u"/d/a"_s, "NEW");

        const PhaseResult undone = undo(run);

        QCOMPARE(m_fs.files, (Files{{u"/d/a"_s, "NEW"}, {u"/d/b"_s, "A"}}));
        QCOMPARE(lines(undone), (QStringList{u"已撤销:0个"_s, u"失败:1个"_s, u"/d/b -> /d/a：目标已存在"_s}));
    }

    void copiesGoOnlyWhileTheyAreWhatTheRunWrote()
    {
        m_fs.folders << u"/o"_s;
        m_fs.files = {{u"/d/a"_s, "A"}, {u"/d/b"_s, "B"}, {u"/d/c"_s, "C"}};
        RunResult run;
        RunState state;
        run.batch = RenameExecutor(m_fs, m_observer)
                        .carryOut({operation(2, Kind::Copy, u"/d/a"_s, u"/o/a"_s),
                                   operation(3, Kind::Copy, u"/d/b"_s, u"/o/b"_s),
                                   operation(4, Kind::Copy, u"/d/c"_s, u"/o/c"_s)},
                                  state);
        m_fs.files[u"/o/b"_s] = "B, edited";
        m_fs.files.remove(u"/o/c"_s);

        const PhaseResult undone = undo(run);

        QCOMPARE(m_fs.files,
                 (Files{{u"/d/a"_s, "A"}, {u"/d/b"_s, "B"}, {u"/d/c"_s, "C"}, {u"/o/b"_s, "B, edited"}}));
        QCOMPARE(lines(undone), (QStringList{u"已撤销:1个"_s, u"失败:2个"_s, u"/o/b：文件已被修改，未删除"_s,
                                             u"/o/c：已不存在"_s}));
    }

    void distributionFoldersGoOnlyWhenEmpty()
    {
        m_fs.files = {{u"/d/a"_s, "A"}, {u"/d/b"_s, "B"}};
        RenameExecutor executor(m_fs, m_observer);
        RunResult run;
        RunState state;
        run.prePass = executor.createFolders({operation(2, Kind::CreateFolder, u"/d/a"_s, u"/o1"_s),
                                              operation(3, Kind::CreateFolder, u"/d/b"_s, u"/o2"_s)},
                                             state);
        RenameOperation intoO1 = operation(2, Kind::Copy, u"/d/a"_s, u"/o1/a"_s);
        intoO1.folder = PathFrame::of(u"/o1"_s, QString());
        RenameOperation intoO2 = operation(3, Kind::Copy, u"/d/b"_s, u"/o2/b"_s);
        intoO2.folder = PathFrame::of(u"/o2"_s, QString());
        run.batch = executor.carryOut({intoO1, intoO2}, state);
        m_fs.files.insert(u"/o2/notes"_s, "the user's");

        const PhaseResult undone = undo(run);

        QCOMPARE(m_fs.files, (Files{{u"/d/a"_s, "A"}, {u"/d/b"_s, "B"}, {u"/o2/notes"_s, "the user's"}}));
        QCOMPARE(m_fs.folders, (QSet<QString>{u"/"_s, u"/d"_s, u"/o2"_s}));
        QCOMPARE(lines(undone), (QStringList{u"已撤销:3个"_s, u"失败:1个"_s, u"/o2：目录不为空，未删除"_s}));
        // Newest first: the copies go before the folders they are in.
        QCOMPARE(m_fs.calls.mid(m_fs.calls.indexOf(u"unlink /o2/b"_s)),
                 (QStringList{u"unlink /o2/b"_s, u"unlink /o1/a"_s, u"rmdir /o2"_s, u"rmdir /o1"_s}));
    }
};

QTEST_GUILESS_MAIN(RunUndoTest)
#include "tst_runundo.moc"
