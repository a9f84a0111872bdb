#include "rename/PathFrame.h"
#include "rename/SplitPath.h"

#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Runs work(thread) on four threads at once.
template <typename Work> void onFourThreads(const Work& work)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back(work, t);
    for (std::thread& thread : threads)
        thread.join();
}

} // namespace

// Planning makes paths on several threads: the frames they share must never give a path
// another folder, nor outlive the paths.
class TestPathFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void threadsShareFramesOfTheSameFolders()
    {
        const QString folders[] = {u"/a/"_s, u"/b/"_s, u"/a/b/"_s};
        const QString extensions[] = {u".txt"_s, u".jpg"_s};
        std::vector<SplitPath> made[4];
        std::atomic<int> wrong = 0;
        onFourThreads([&](int t) {
            for (int i = 0; i < 3000; ++i) {
                const QString& folder = folders[(i / 7) % 3];
                const QString name = QString::number(i);
                const QString& extension = extensions[(i / 5) % 2];
                made[t].emplace_back(folder, name, extension);
                if (made[t].back().joined() != folder + name + extension)
                    ++wrong;
            }
        });
        QCOMPARE(wrong.load(), 0);
        for (int i = 0; i < 3000; ++i)
            QVERIFY(made[0][i] == made[3][i] && made[1][i] == made[2][i]);
    }

    void aFrameGoingWhileAnotherThreadMakesItsFolder()
    {
        // A thread keeps the few frames it used last: cycling through more lets each go in turn.
        QStringList folders;
        for (int k = 0; k < 16; ++k)
            folders.append(u"/d/%1/"_s.arg(k));
        const qsizetype before = PathFrame::count();
        std::atomic<int> wrong = 0;
        onFourThreads([&](int t) {
            for (int i = 0; i < 20000; ++i) {
                const QString& folder = folders[(i + t) % 16];
                if (!SplitPath(folder, u"a"_s, u".txt"_s).equals(folder + u"a.txt"_s))
                    ++wrong;
            }
        });
        QCOMPARE(wrong.load(), 0);
        QCOMPARE(PathFrame::count(), before);
    }

    void oneOffFoldersLeaveWithTheirPaths()
    {
        const qsizetype before = PathFrame::count();
        std::vector<SplitPath> paths;
        std::thread([&] {
            for (int i = 0; i < 1000; ++i)
                paths.emplace_back(u"/d/%1/"_s.arg(i), u"a"_s, u".txt"_s);
        }).join();
        std::vector<SplitPath> copies = paths;
        QCOMPARE(PathFrame::count(), before + 1000);
        paths.clear();
        QCOMPARE(PathFrame::count(), before + 1000);
        copies.clear();
        QCOMPARE(PathFrame::count(), before);
    }
};

QTEST_GUILESS_MAIN(TestPathFrame)
#include "tst_pathframe.moc"
