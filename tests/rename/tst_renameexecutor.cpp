#include "MemoryFileSystem.h"

#include "rename/RenameChains.h"
#include "rename/RenameExecutor.h"
#include "rename/RunObserver.h"
#include "rename/RunReport.h"
#include "rename/RunState.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Failure = FileOutcome::Failure;
using Kind = RenameOperation::Kind;
using State = RenameOperation::State;

class ScriptedObserver final : public RunObserver
{
public:
    bool answer = true;
    int questions = 0;
    QList<qint64> rows;

    void rowReached(qint64 index) override { rows << index; }
    bool acceptFolderForm() override
    {
        ++questions;
        return answer;
    }
};

RenameOperation operation(qsizetype row, Kind kind, const QString& source, const QString& destination)
{
    RenameOperation step;
    step.row = qint32(row);
    step.kind = kind;
    step.source = source;
    step.destination = destination;
    return step;
}

RenameOperation distribution(qsizetype row, const QString& name, const QString& folder,
                             bool trailingSeparator)
{
    const QString destination = folder + (trailingSeparator ? QString() : QStringLiteral("/")) + name;
    RenameOperation op = operation(row, Kind::Copy, QStringLiteral("/in/") + name, destination);
    op.folder = PathFrame::of(folder, QString());
    op.warnFolderForm = trailingSeparator;
    return op;
}

RenameOperation folderStep(qsizetype row, const QString& name, const QString& folder)
{
    return operation(row, Kind::CreateFolder, QStringLiteral("/in/") + name, folder);
}

// Renames run chain by chain, copies in the table's order, each as a run of its own.
PhaseResult carryOut(RenameExecutor& executor, std::vector<RenameOperation> operations)
{
    RunState run;
    if (operations.empty() || operations.front().kind != Kind::Rename)
        return executor.carryOut(operations, run);
    const RenameChains chains = RenameChains::plan(operations);
    return executor.renameInPlace(operations, chains);
}

QStringList rowsOf(const std::vector<FailedOperation>& failures)
{
    QStringList rows;
    for (const FailedOperation& f : failures)
        rows << QStringLiteral("%1 %2").arg(f.row).arg(f.outcome.reason());
    return rows;
}

QStringList journal(const std::vector<CompletedOperation>& completed)
{
    QStringList lines;
    for (const CompletedOperation& c : completed)
        lines << QStringLiteral("%1 %2").arg(c.row()).arg(c.destination().joined());
    return lines;
}

} // namespace

class RenameExecutorTest : public QObject
{
    Q_OBJECT

private:
    MemoryFileSystem m_fs;

    void fiveFilesIn(const QString& folder)
    {
        m_fs.folders = {QStringLiteral("/"), folder};
        for (int i = 1; i <= 5; ++i)
            m_fs.files.insert(folder + QStringLiteral("/f%1.txt").arg(i), QByteArray::number(i));
    }

private Q_SLOTS:
    void init() { m_fs = MemoryFileSystem(); }

    void failureInTheMiddleLeavesEveryOtherRowDone_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("rename refused by the system")
            << int(Kind::Rename) << int(Failure::AccessDenied) << QStringLiteral("没有权限");
        QTest::newRow("copy failing with the system's words")
            << int(Kind::Copy) << int(Failure::Other) << QStringLiteral("其他错误:injected");
    }

    void failureInTheMiddleLeavesEveryOtherRowDone()
    {
        QFETCH(int, kind);
        QFETCH(int, failure);
        QFETCH(QString, reason);
        fiveFilesIn(QStringLiteral("/d"));
        std::vector<RenameOperation> plan;
        for (int i = 1; i <= 5; ++i)
            plan.push_back(operation(i + 1, Kind(kind), QStringLiteral("/d/f%1.txt").arg(i),
                                     QStringLiteral("/d/n%1.txt").arg(i)));
        m_fs.failures.insert(QStringLiteral("/d/n3.txt"), Failure(failure));

        ScriptedObserver observer;
        RenameExecutor executor(m_fs, observer);
        const PhaseResult result = carryOut(executor, plan);

        QCOMPARE(result.done(), 4);
        QCOMPARE(rowsOf(result.failures), QStringList{QStringLiteral("4 ") + reason});
        QCOMPARE(journal(result.completed),
                 (QStringList{u"2 /d/n1.txt"_s, u"3 /d/n2.txt"_s, u"5 /d/n4.txt"_s, u"6 /d/n5.txt"_s}));
        QCOMPARE(observer.rows, (QList<qint64>{1, 2, 3, 4, 5}));
        // The failed row's file is still there under its old name; nothing else is lost.
        QVERIFY(m_fs.files.contains(QStringLiteral("/d/f3.txt")));
        QVERIFY(!m_fs.files.contains(QStringLiteral("/d/n3.txt")));
        for (int i : {1, 2, 4, 5})
            QCOMPARE(m_fs.files.value(QStringLiteral("/d/n%1.txt").arg(i)), QByteArray::number(i));
        QCOMPARE(m_fs.files.size(), Kind(kind) == Kind::Copy ? 9 : 5);
    }

    void existingDestinationIsLeftAsItWas()
    {
        fiveFilesIn(QStringLiteral("/d"));
        ScriptedObserver observer;
        RenameExecutor executor(m_fs, observer);
        const PhaseResult renames = carryOut(
            executor, {operation(2, Kind::Rename, QStringLiteral("/d/f1.txt"), QStringLiteral("/d/f2.txt"))});
        const PhaseResult copies = carryOut(
            executor, {operation(3, Kind::Copy, QStringLiteral("/d/f3.txt"), QStringLiteral("/d/f4.txt"))});

        QCOMPARE(rowsOf(renames.failures), QStringList{u"2 目标已存在"_s});
        QCOMPARE(rowsOf(copies.failures), QStringList{u"3 目标已存在"_s});
        QCOMPARE(m_fs.files.value(QStringLiteral("/d/f1.txt")), QByteArray("1"));
        QCOMPARE(m_fs.files.value(QStringLiteral("/d/f2.txt")), QByteArray("2"));
        QCOMPARE(m_fs.files.value(QStringLiteral("/d/f4.txt")), QByteArray("4"));
    }

    void copyReadsOnlyWhatWasThereBeforeTheRun_data()
    {
        QTest::addColumn<bool>("middleExists");
        QTest::addColumn<QStringList>("failures");
        QTest::addColumn<QStringList>("files");
        // Row 2 copies a to b, row 3 copies b to c.
        QTest::newRow("b there: row 2 finds it taken, row 3 copies the original b")
            << true << QStringList{u"2 目标已存在"_s} << QStringList{u"/d/a=A"_s, u"/d/b=B"_s, u"/d/c=B"_s};
        QTest::newRow("b missing: row 2 makes it, row 3 does not copy that copy")
            << false << QStringList{u"3 源文件不存在"_s} << QStringList{u"/d/a=A"_s, u"/d/b=A"_s};
    }

    void copyReadsOnlyWhatWasThereBeforeTheRun()
    {
        QFETCH(bool, middleExists);
        QFETCH(QStringList, failures);
        QFETCH(QStringList, files);
        m_fs.folders = {QStringLiteral("/"), QStringLiteral("/d")};
        m_fs.files.insert(QStringLiteral("/d/a"), "A");
        if (middleExists)
            m_fs.files.insert(QStringLiteral("/d/b"), "B");

        ScriptedObserver observer;
        RenameExecutor executor(m_fs, observer);
        const PhaseResult result = carryOut(executor, {operation(2, Kind::Copy, u"/d/a"_s, u"/d/b"_s),
                                                       operation(3, Kind::Copy, u"/d/b"_s, u"/d/c"_s)});

        QCOMPARE(rowsOf(result.failures), failures);
        QStringList onDisk;
        for (auto it = m_fs.files.begin(); it != m_fs.files.end(); ++it)
            onDisk << it.key() + u'=' + QString::fromUtf8(it.value());
        QCOMPARE(onDisk, files);
    }

    void refusedAndUnchangedRowsNeverReachTheFileSystem()
    {
        fiveFilesIn(QStringLiteral("/d"));
        RenameOperation refused =
            operation(2, Kind::Rename, QStringLiteral("/d/f1.txt"), QStringLiteral("/d/x/y.txt"));
        refused.state = State::Refused;
        refused.refusal = Failure::IllegalName;
        RenameOperation unchanged =
            operation(3, Kind::Rename, QStringLiteral("/d/f2.txt"), QStringLiteral("/d/f2.txt"));
        unchanged.state = State::Unchanged;

        ScriptedObserver observer;
        RenameExecutor executor(m_fs, observer);
        const PhaseResult result = carryOut(executor, {refused, unchanged});

        QCOMPARE(m_fs.calls, QStringList());
        QCOMPARE(result.done(), 0);
        QCOMPARE(result.unchanged, 1);
        QCOMPARE(rowsOf(result.failures), QStringList{u"2 文件名含有非法字符"_s});
    }

    void prePassCreatesEachMissingFolderOnce()
    {
        m_fs.folders = {QStringLiteral("/"), QStringLiteral("/in"), QStringLiteral("/out"),
                        QStringLiteral("/taken")};
        m_fs.files.insert(QStringLiteral("/in/a.txt"), QByteArray("A"));
        m_fs.files.insert(QStringLiteral("/in/b.txt"), QByteArray("B"));
        m_fs.files.insert(QStringLiteral("/in/c.txt"), QByteArray("C"));
        m_fs.files.insert(QStringLiteral("/file"), QByteArray("F"));
        RenameOperation relative = folderStep(6, QStringLiteral("e.txt"), QStringLiteral("rel"));
        relative.state = State::Refused;
        relative.refusal = Failure::NotFullPath;

        ScriptedObserver observer;
        RenameExecutor executor(m_fs, observer);
        RunState run;
        const std::vector<RenameOperation> steps{
            folderStep(2, QStringLiteral("a.txt"), QStringLiteral("/out/new")),
            folderStep(3, QStringLiteral("b.txt"), QStringLiteral("/out/new")),
            folderStep(4, QStringLiteral("c.txt"), QStringLiteral("/taken")),
            folderStep(5, QStringLiteral("d.txt"), QStringLiteral("/missing/sub")),
            relative,
            folderStep(7, QStringLiteral("f.txt"), QStringLiteral("/file")),
        };
        const PhaseResult result = executor.createFolders(steps, run);

        QCOMPARE(m_fs.calls, (QStringList{u"mkdir /out/new"_s, u"mkdir /missing/sub"_s}));
        QCOMPARE(journal(result.completed), QStringList{u"2 /out/new"_s});
        QCOMPARE(rowsOf(result.failures),
                 (QStringList{u"5 目标目录不存在"_s, u"6 目录不是完整路径"_s, u"7 目标不是目录"_s}));
    }

    void copyIntoAFolderThePrePassCouldNotProvideIsNotTried()
    {
        m_fs.folders = {QStringLiteral("/"), QStringLiteral("/in")};
        m_fs.files.insert(QStringLiteral("/in/a.txt"), QByteArray("A"));
        m_fs.files.insert(QStringLiteral("/in/b.txt"), QByteArray("B"));
        m_fs.failures.insert(QStringLiteral("/locked"), Failure::AccessDenied);

        ScriptedObserver observer;
        RenameExecutor executor(m_fs, observer);
        RunState run;
        const PhaseResult prePass =
            executor.createFolders({folderStep(2, QStringLiteral("a.txt"), QStringLiteral("/locked")),
                                    folderStep(3, QStringLiteral("b.txt"), QStringLiteral("/open"))},
                                   run);
        const PhaseResult batch =
            executor.carryOut({distribution(2, QStringLiteral("a.txt"), QStringLiteral("/locked"), false),
                               distribution(3, QStringLiteral("b.txt"), QStringLiteral("/open"), false)},
                              run);

        QCOMPARE(rowsOf(prePass.failures), QStringList{u"2 没有权限"_s});
        QCOMPARE(batch.failures.size(), size_t(0)); // told once, by the pre-pass
        QCOMPARE(m_fs.calls,
                 (QStringList{u"mkdir /locked"_s, u"mkdir /open"_s, u"copy /in/b.txt /open/b.txt"_s}));
        QCOMPARE(m_fs.files.value(QStringLiteral("/open/b.txt")), QByteArray("B"));
    }

    void folderFormWarningIsAskedOncePerRun_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("copies");
        QTest::addColumn<qint64>("stoppedAtRow");
        QTest::newRow("OK goes on with every such row")
            << true << QStringList{u"/o1/a.txt"_s, u"/o2/b.txt"_s, u"/o3/c.txt"_s, u"/o2/d.txt"_s}
            << qint64(0);
        QTest::newRow("Cancel ends the run before the row")
            << false << QStringList{u"/o1/a.txt"_s} << qint64(3);
    }

    void folderFormWarningIsAskedOncePerRun()
    {
        QFETCH(bool, answer);
        QFETCH(QStringList, copies);
        QFETCH(qint64, stoppedAtRow);
        m_fs.folders = {QStringLiteral("/"), QStringLiteral("/in"), QStringLiteral("/o1"),
                        QStringLiteral("/o2"), QStringLiteral("/o3")};
        for (const char* name : {"a", "b", "c", "d"})
            m_fs.files.insert(QStringLiteral("/in/%1.txt").arg(QLatin1String(name)), name);

        ScriptedObserver observer;
        observer.answer = answer;
        RenameExecutor executor(m_fs, observer);
        const PhaseResult result =
            carryOut(executor, {distribution(2, QStringLiteral("a.txt"), QStringLiteral("/o1"), false),
                                distribution(3, QStringLiteral("b.txt"), QStringLiteral("/o2/"), true),
                                distribution(4, QStringLiteral("c.txt"), QStringLiteral("/o3"), false),
                                distribution(5, QStringLiteral("d.txt"), QStringLiteral("/o2/"), true)});

        QCOMPARE(observer.questions, 1);
        QStringList made;
        for (const CompletedOperation& c : result.completed)
            made << c.destination().joined();
        QCOMPARE(made, copies);
        QCOMPARE(result.cancelled, !answer);
        QCOMPARE(result.stoppedAtRow, stoppedAtRow);
    }

    void reportTellsTheTrueCountsAndListsTwentyFailures()
    {
        std::vector<FailedOperation> failures;
        for (int row = 2; row <= 24; ++row)
            failures.push_back({row, Kind::Rename, QStringLiteral("/d/%1.txt").arg(row),
                                QStringLiteral("/d/x.txt"), FileOutcome::failed(Failure::DestinationExists)});
        const QString message =
            RunReport::batchMessage(RunReport::batchStatus(70000, 69975, false), 2, failures);
        const QStringList lines = message.split(u'\n');

        QCOMPARE(lines.size(), 24);
        QCOMPARE(lines[0], QStringLiteral("共选择文件:70000个 =>共更名文件:69975个"));
        QCOMPARE(lines[1], QStringLiteral("未改变:2个"));
        QCOMPARE(lines[2], QStringLiteral("失败:23个"));
        QCOMPARE(lines[3], QStringLiteral("/d/2.txt -> /d/x.txt：目标已存在"));
        QCOMPARE(lines[22], QStringLiteral("/d/21.txt -> /d/x.txt：目标已存在"));
        QCOMPARE(lines[23], QStringLiteral("……（其余3个见表格中标红的行）"));
        QCOMPARE(RunReport::batchStatus(3, 1, true), QStringLiteral("共选择文件:3个 =>共分配文件:1个"));
        QCOMPARE(RunReport::derivationMessage(4, {}), QStringLiteral("成功衍生文件4个"));
    }
};

QTEST_GUILESS_MAIN(RenameExecutorTest)
#include "tst_renameexecutor.moc"
