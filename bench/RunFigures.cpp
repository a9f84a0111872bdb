#include "CoreRun.h"
#include "Figures.h"

#include "base/Progress.h"
#include "rules/TableBuild.h"
#include "table/Sheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <filesystem>
#include <stdio.h>
#include <unistd.h>

namespace {

// The table of the tree's files with a new name for each: forward gives every file the
// prefix 新_, backward takes it away again.
std::unique_ptr<Sheet> renameTable(const QStringList& files, bool forward, const TableBuildOptions& options)
{
    auto sheet = std::make_unique<Sheet>();
    NoProgress progress;
    QStringList paths = files;
    if (!forward)
        for (QString& path : paths)
            path.insert(path.lastIndexOf(u'/') + 1, QStringLiteral("新_"));
    buildTable(*sheet, paths, options, progress);
    const qsizetype rows = sheet->usedRowCount();
    for (qsizetype r = 2; r <= rows; ++r) {
        const QString base = sheet->text(r, Sheet::B);
        sheet->setText(r, Sheet::C, forward ? QStringLiteral("新_") + base : base.mid(2));
    }
    return sheet;
}

struct EncodedMove
{
    QByteArray from;
    QByteArray to;
};

std::vector<EncodedMove> encodedMoves(const Sheet& sheet, bool copyToColumnG)
{
    std::vector<EncodedMove> moves;
    for (qsizetype r = 2; r <= sheet.usedRowCount(); ++r) {
        const QString source = sheet.text(r, Sheet::F) + sheet.text(r, Sheet::B) + sheet.text(r, Sheet::D);
        const QString folder = sheet.text(r, copyToColumnG ? Sheet::G : Sheet::F);
        moves.push_back({QFile::encodeName(source),
                         QFile::encodeName(folder + sheet.text(r, Sheet::C) + sheet.text(r, Sheet::E))});
    }
    return moves;
}

void checkDone(const RunResult& result, qsizetype expected)
{
    if (result.batch.done() != expected)
        qFatal("the run did %lld of %lld files", qlonglong(result.batch.done()), qlonglong(expected));
}

void measureRename(const BenchContext& context, QList<Figure>& figures)
{
    const QStringList& files = context.tree.files;
    const std::unique_ptr<Sheet> tables[2] = {renameTable(files, true, {}), renameTable(files, false, {})};
    const std::vector<EncodedMove> moves[2] = {encodedMoves(*tables[0], false),
                                               encodedMoves(*tables[1], false)};
    RunSettings settings;
    settings.batch = true;
    settings.batchMode = RunSettings::BatchMode::RenameInPlace;

    // Each run renames the files back and forth, ours and the plain loop in turns; the tree
    // ends as it began.
    int calls = 0;
    Figure rename;
    rename.name = QStringLiteral("rename run in place");
    rename.size = files.size();
    const auto [ours, plain] = measureInTurns(
        context.runs, [&] { checkDone(runOnCore(*tables[calls++ % 2], settings), files.size()); },
        [&] {
            for (const EncodedMove& move : moves[calls++ % 2])
                if (renameat2(AT_FDCWD, move.from.constData(), AT_FDCWD, move.to.constData(),
                              RENAME_NOREPLACE) != 0)
                    qFatal("plain rename failed");
        },
        [] {});
    rename.measured = ours;
    rename.baselineMs = plain.medianMs;
    rename.target = QStringLiteral("≤1.3x");
    rename.limit = 1.3;
    figures << rename;
}

void measureCopy(const BenchContext& context, QList<Figure>& figures)
{
    QTemporaryDir copies(context.copyRoot + QStringLiteral("/renvora-copies-XXXXXX"));
    if (!copies.isValid())
        qFatal("cannot make a folder in %s", qPrintable(context.copyRoot));
    const QString target = copies.path() + QStringLiteral("/copies/");
    // The copies of one run are moved aside, not removed, before the next: a file system that
    // has just freed thousands of inodes searches past them when it creates the next files,
    // and that cost would fall on whichever loop runs next.
    // The writes of the run before are flushed too: otherwise the kernel writes them back while
    // the next loop runs, and charges that loop.
    int setAside = 0;
    auto emptyTarget = [&] {
        QDir().rename(target, copies.path() + QStringLiteral("/copies-%1").arg(++setAside));
        QDir().mkpath(target);
        ::sync();
    };
    TableBuildOptions options;
    options.copyToTarget = true;
    options.targetFolder = target;
    auto sheet = std::make_unique<Sheet>();
    NoProgress progress;
    buildTable(*sheet, context.tree.files, options, progress);
    // One folder receives every file: the row number keeps the names apart.
    for (qsizetype r = 2; r <= sheet->usedRowCount(); ++r)
        sheet->setText(r, Sheet::C, QStringLiteral("副本_%1").arg(r - 1));
    const std::vector<EncodedMove> moves = encodedMoves(*sheet, true);
    RunSettings settings;
    settings.batch = true;
    settings.batchMode = RunSettings::BatchMode::CopyToTarget;

    Figure copy;
    copy.name = QStringLiteral("copy run into a target folder");
    copy.size = context.tree.files.size();
    // Creating a file is the slow part here: a few runs of each, taken in turns, with the tree
    // already warm from the figures before, keep the whole benchmark within minutes.
    const int runs = copy.size >= 1000000 ? 1 : std::min(context.runs, 3);
    const auto [ours, plain] = measureInTurns(
        runs, [&] { checkDone(runOnCore(*sheet, settings), copy.size); },
        [&] {
            for (const EncodedMove& move : moves)
                std::filesystem::copy_file(move.from.constData(), move.to.constData(),
                                           std::filesystem::copy_options::none);
        },
        emptyTarget);
    copy.measured = ours; // the copies go with their temporary folder
    copy.baselineMs = plain.medianMs;
    copy.target = QStringLiteral("≤1.3x");
    copy.limit = 1.3;
    figures << copy;
}

} // namespace

void measureRenameFigure(const BenchContext& context, QList<Figure>& figures)
{
    measureRename(context, figures);
}

void measureCopyFigure(const BenchContext& context, QList<Figure>& figures)
{
    measureCopy(context, figures);
}
