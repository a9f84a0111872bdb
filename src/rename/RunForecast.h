#pragma once

#include "rename/FileOutcome.h"
#include "rename/FolderListing.h"
#include "rename/RowPlan.h"
#include "rename/RowsByHash.h"
#include "rename/RunSettings.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVarLengthArray>
#include <vector>

class Sheet;

// The run's verdict on every data row before the run: which rows it would refuse and why, in
// its own words. Each row is planned by the run's own rules (RowPlan); the checks across rows
// follow a change of a few rows without reading the others. The disk checks read folder
// listings, one per folder, which the caller fetches where it likes and hands in; until then a
// row's disk checks wait and the row counts as fine. The run checks everything again itself.
class RunForecast
{
public:
    // Rows whose verdict changed, first to last; empty when none did.
    struct RowSpan
    {
        qsizetype first = 0;
        qsizetype last = -1;
        bool isEmpty() const { return last < first; }
        void add(qsizetype row);
    };

    // Works every row out afresh, for the table under these settings.
    RowSpan reset(const Sheet& sheet, const RunSettings& settings);
    // The cells of rows top to bottom changed; the table may have grown or shrunk.
    RowSpan update(const Sheet& sheet, qsizetype top, qsizetype bottom);

    // Folders whose listing some row waits for and that were not asked for yet; they count as
    // asked from now on.
    QStringList takeWantedFolders();
    // Every folder read so far: to be read again when the disk may have changed.
    QStringList listedFolders() const { return m_listings.keys(); }
    RowSpan addListings(const QHash<QString, FolderListing>& listings);
    // Listings read before a new collection say nothing of its files: each is read afresh.
    void forgetListings();
    // Lets go of every row's plan and the listings, keeping only the verdicts, while the run
    // plans the whole table itself. Until reset() plans afresh, nothing else may be asked.
    void releasePlan();

    // Why the run would refuse the row; success when it would act on it or leave it as it is.
    const FileOutcome& verdict(qsizetype row) const;
    const RunSettings& settings() const { return m_settings; }
    qsizetype failingRows() const { return m_failing; }

private:
    enum Pass
    {
        Folders,
        Batch,
        Derivation,
        PassCount
    };
    using Holders = RowsByHash::Rows;
    // Rows under one hash almost always hold one path; those that do not are told apart by
    // their paths wherever it matters.
    using NameIndex = RowsByHash;

    // What the forecast keeps of a row's operation in one pass: the run's own refusal, the
    // paths, and what the lookups need of them, worked out once when the row is planned.
    struct PlannedStep
    {
        bool planned = false; // the pass has an operation for the row
        RenameOperation::State state = RenameOperation::State::Ready;
        FileOutcome::Failure refusal = FileOutcome::Failure::None;
        qint32 sourceFolderEnd = 0; // the length of the folder part, its separator included
        qint32 destinationFolderEnd = 0;
        QString refusalDetail;
        SplitPath source;
        SplitPath destination;
        size_t sourceHash = 0;
        size_t destinationHash = 0;
    };
    struct RowState
    {
        bool lacksNewName = false;
        // What the other rows of each pass make of the operation: a shared destination or file.
        FileOutcome::Failure conflicts[PassCount] = {};
        FileOutcome verdict;
    };

    // No row has its new name yet: before the names are made there is nothing to foretell.
    bool unnamed() const { return m_unnamed == qsizetype(m_rows.size()); }
    // Plans the row from its cells; touches nothing but the row's own state.
    void plan(const Sheet& sheet, qsizetype index);
    void enter(qsizetype index);
    void leave(qsizetype index);
    void touchedNames(qsizetype index, QList<size_t>& names) const;
    // The row's step in the pass; null when the pass does not run or has nothing for the row.
    const PlannedStep* operation(qsizetype index, Pass pass) const
    {
        if (index >= qsizetype(m_steps[pass].size()) || !m_steps[pass][index].planned)
            return nullptr;
        return &m_steps[pass][index];
    }
    const SplitPath& sourcePath(qsizetype index, Pass pass) const { return m_steps[pass][index].source; }
    const SplitPath& destinationPath(qsizetype index, Pass pass) const
    {
        return m_steps[pass][index].destination;
    }
    // Another row whose operation of the pass would act writes the same destination.
    bool sharesDestination(qsizetype index, Pass pass) const;
    // The holders that hold the very path of the row among them, the row itself included.
    template <typename PathOf>
    static Holders sharing(const Holders& holders, const SplitPath& path, PathOf pathOf);
    // Calls visit for each set of holders holding one same path.
    template <typename PathOf, typename Visit>
    static void forEachSamePath(const Holders& holders, PathOf pathOf, Visit visit);
    // Gives the rows of the passes that run their room, and takes it from the others.
    void sizeSteps(qsizetype count);
    RowSpan rebuild(const Sheet& sheet);
    // Works out the row's conflicts from the rows that share its names.
    void weigh(qsizetype index);
    // The same for every row at once, from the names held by several rows.
    void weighAll();
    // What judging rows needs of the folder listings: the one looked up last, and the folders
    // neither listed nor asked for yet. Each thread that judges rows keeps its own.
    struct ListingLookup
    {
        const FolderListing* find(const RunForecast& forecast, const SplitPath& path, qsizetype folderEnd);

        QString lastFolder;
        const FolderListing* lastListing = nullptr; // null while that folder is still to be read
        QSet<QString> unasked;
    };
    void rejudge(qsizetype index, RowSpan& changed, ListingLookup& listings);
    // Judges every row again, side by side.
    RowSpan rejudgeAll();
    // The folders the lookups found neither listed nor asked for are to be asked for.
    void ask(const QSet<QString>& folders);
    FileOutcome judge(qsizetype index, ListingLookup& listings) const;
    FileOutcome tableVerdict(qsizetype index, Pass pass) const;
    FileOutcome diskVerdict(qsizetype index, Pass pass, ListingLookup& listings) const;
    // Another rename of the batch takes the file of that name away before its name is needed.
    bool movesAway(const SplitPath& name, size_t hash) const;

    RunSettings m_settings;
    RowPlan::Passes m_passes;
    std::vector<RowState> m_rows; // by data row, from the first
    // By pass, then by data row; empty for a pass the settings do not run, which costs nothing.
    std::vector<PlannedStep> m_steps[PassCount];
    // The rows whose operation of a pass would act, by destination; the batch renames that
    // claim their file, by source.
    NameIndex m_destinations[PassCount];
    NameIndex m_sources;
    QHash<QString, FolderListing> m_listings;
    QSet<QString> m_asked;
    QStringList m_wanted;
    qsizetype m_failing = 0;
    qsizetype m_unnamed = 0; // rows without a new name
};
