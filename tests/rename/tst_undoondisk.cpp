#include "QuietObserver.h"
#include "base/Progress.h"
#include "rename/LinuxFileSystem.h"
#include "rename/RenameChains.h"
#include "rename/RenameExecutor.h"
#include "rename/RunState.h"
#include "rename/RunUndo.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

// What an undo finds on real files when the user has been at them since the run.
class UndoOnDiskTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    LinuxFileSystem m_fs;
    QuietObserver m_observer;

    QString path(const QString& name) const { return m_dir->filePath(name); }

    void write(const QString& name, const QByteArray& content,
               QIODevice::OpenMode mode = QIODevice::WriteOnly)
    {
        QFile file(path(name));
        QVERIFY(file.open(mode));
        file.write(content);
    }

    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    RunResult run(RenameOperation::Kind kind)
    {
        RenameOperation operation;
        operation.row = 2;
        operation.kind = kind;
        operation.source = path(u"a.txt"_s);
        operation.destination = path(u"b.txt"_s);
        std::vector<RenameOperation> operations{operation};
        RenameExecutor executor(m_fs, m_observer);
        RunResult result;
        RunState state;
        if (kind == RenameOperation::Kind::Copy)
            result.batch = executor.carryOut(operations, state);
        else
            result.batch = executor.renameInPlace(operations, RenameChains::plan(operations));
        return result;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void workOfTheUserIsLeftAlone_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::addColumn<QString>("reason");
        QTest::newRow("copy edited in place, size and time kept") << true << u"文件已被修改，未删除"_s;
        QTest::newRow("another file under the renamed file's name")
            << false << u"已不是改名时的文件，未移回"_s;
    }

    void workOfTheUserIsLeftAlone()
    {
        QFETCH(bool, copy);
        QFETCH(QString, reason);
        write(u"a.txt"_s, "AAAA");
        const RunResult done = run(copy ? RenameOperation::Kind::Copy : RenameOperation::Kind::Rename);
        QCOMPARE(done.batch.done(), 1);
        // File times move in steps of a few milliseconds.
        QTest::qSleep(20);
        if (copy) {
            const QDateTime modified = QFileInfo(path(u"b.txt"_s)).lastModified();
            write(u"b.txt"_s, "BBBB", QIODevice::ReadWrite);
            QFile edited(path(u"b.txt"_s));
            QVERIFY(edited.open(QIODevice::ReadWrite));
            QVERIFY(edited.setFileTime(modified, QFileDevice::FileModificationTime));
        } else {
            QCOMPARE(std::rename(QFile::encodeName(path(u"b.txt"_s)).constData(),
                                 QFile::encodeName(path(u"moved.txt"_s)).constData()),
                     0);
            write(u"b.txt"_s, "BBBB");
        }

        NoProgress progress;
        const PhaseResult undone = RunUndo(m_fs, progress).undo(done);

        QCOMPARE(undone.done(), 0);
        QCOMPARE(undone.failures.size(), size_t(1));
        QCOMPARE(undone.failures.front().outcome.reason(), reason);
        QCOMPARE(read(u"b.txt"_s), QByteArray("BBBB"));
        QCOMPARE(read(u"a.txt"_s), copy ? QByteArray("AAAA") : QByteArray("<missing>"));
    }
};

QTEST_GUILESS_MAIN(UndoOnDiskTest)
#include "tst_undoondisk.moc"
