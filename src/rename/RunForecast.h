#pragma once

#include "rename/FileOutcome.h"
#include "rename/FolderListing.h"
#include "rename/RowPlan.h"
#include "rename/RowsByHash.h"
#include "rename/RunSettings.h"

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QStringList>
#include <QVarLengthArray>
#include <limits>
#include <vector>

class Sheet;

// The run's verdict on every data row before the run: which rows it would refuse and why, in
// its own words. Each row is planned by the run's own rules (RowPlan); the checks across rows
// follow a change of a few rows without reading the others. The disk checks read folder
// listings, one per folder, which the caller fetches where it likes and hands in; until then a
// row's disk checks wait and the row counts as fine. The run checks everything again itself.
// A table planned afresh can be planned a slice of rows at a time, so that a window stays
// responsive while a million rows are planned; until the last slice, every row keeps the
// verdict it had.
class RunForecast
{
public:
    static constexpr qsizetype AllRows = std::numeric_limits<qsizetype>::max();
    // rowsAtOnce: how many rows planning afresh plans before it hands back; planMore() goes on.
    explicit RunForecast(qsizetype rowsAtOnce = AllRows) : m_rowsAtOnce(rowsAtOnce) {}

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
    // Rows of a table planned afresh are still to be planned: planMore() plans the next slice,
    // and with the last one gives the new verdicts.
    bool planning() const { return m_nextToPlan >= 0; }
    RowSpan planMore(const Sheet& sheet);

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
    FileOutcome verdict(qsizetype row) const;
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
    // The forecast tells paths apart by their 64-bit hashes, as the folder listings tell names:
    // two of a million different paths share one in about one table of thirty million, and then
    // a mark is wrong, never a file, for the run compares the paths themselves.
    using NameIndex = RowsByHash;

    // The folders of the rows' paths, each under a small number. Rows are planned side by side:
    // numbering a folder takes a lock, which each slice of rows seldom needs, for rows come by
    // folder and it keeps the folder it numbered last.
    class FolderNumbers
    {
    public:
        struct Last
        {
            QString folder;
            qint32 number = -1;
        };
        FolderNumbers() = default;
        // Each keeps its own lock.
        FolderNumbers(FolderNumbers&& other) noexcept { *this = std::move(other); }
        FolderNumbers& operator=(FolderNumbers&& other) noexcept
        {
            m_numbers = std::move(other.m_numbers);
            m_folders = std::move(other.m_folders);
            return *this;
        }

        qint32 numberOf(const QString& folder, Last& last);
        const QString& folder(qint32 number) const { return m_folders[number]; }
        void clear();

    private:
        QMutex m_lock;
        QHash<QString, qint32> m_numbers;
        QStringList m_folders;
    };

    // What the forecast keeps of a row's operation in one pass: the run's own refusal, and what
    // the checks across rows and against the listings need of its paths, worked out once when
    // the row is planned. Held for every row and pass, so packed: 28 bytes instead of 32.
    struct [[gnu::packed, gnu::aligned(4)]] PlannedStep
    {
        size_t sourceNameHash = 0; // of the name within its folder, as a listing holds it
        size_t destinationNameHash = 0;
        qint32 sourceFolder = -1; // in m_folders; -1 for a path without a folder
        qint32 destinationFolder = -1;
        bool planned = false; // the pass has an operation for the row
        RenameOperation::State state = RenameOperation::State::Ready;
        FileOutcome::Failure refusal = FileOutcome::Failure::None;
        FormulaError refusedError = FormulaError::Value;

        // Of the whole path: a folder's number stands for its text, so the name's hash and the
        // folder's number tell whole paths apart without hashing them whole.
        size_t sourceHash() const
        {
            return pathHash(sourceFolder, sourceNameHash);
        }
        size_t destinationHash() const
        {
            return pathHash(destinationFolder, destinationNameHash);
        }
        static size_t pathHash(qint32 folder, size_t nameHash)
        {
            return nameHash ^ (size_t(quint32(folder)) * 0x9E3779B97F4A7C15u);
        }
    };
    static_assert(sizeof(PlannedStep) == 28);
    // A row's verdict as kept: the failure and, for an error value in its cells, which one.
    struct Verdict
    {
        FileOutcome::Failure failure = FileOutcome::Failure::None;
        FormulaError error = FormulaError::Value;

        bool ok() const { return failure == FileOutcome::Failure::None; }
        friend bool operator==(const Verdict& a, const Verdict& b)
        {
            return a.failure == b.failure &&
                   (a.failure != FileOutcome::Failure::FormulaError || a.error == b.error);
        }
    };
    struct RowState
    {
        bool lacksNewName = false;
        // What the other rows of each pass make of the operation: a shared destination or file.
        FileOutcome::Failure conflicts[PassCount] = {};
        Verdict verdict;
    };

    // No row has its new name yet: before the names are made there is nothing to foretell.
    bool unnamed() const { return m_unnamed == qsizetype(m_rows.size()); }
    // Plans the row from its cells; touches nothing but the row's own state and the folders.
    void plan(const Sheet& sheet, qsizetype index, FolderNumbers::Last& lastFolder);
    // Calls visit(index, hash) for each index of rows the row's operations belong in.
    template <typename Visit> void forEachClaim(qsizetype index, Visit visit);
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
    // Gives the rows of the passes that run their room, and takes it from the others.
    void sizeSteps(qsizetype count);
    RowSpan rebuild(const Sheet& sheet);
    // Once every row is planned: the indexes of names, the conflicts, the verdicts.
    RowSpan finishRebuild();
    // An edit to rows while the table is being planned afresh.
    RowSpan replanWhilePlanning(const Sheet& sheet, qsizetype first, qsizetype last);
    // Works out the row's conflicts from the rows that share its names.
    void weigh(qsizetype index);
    // The same for every row at once, from the names held by several rows.
    void weighAll();
    // Several renames in place claim one file, and one of them would give it another name.
    bool claimedTwice(const Holders& claims) const;
    // What judging rows needs of the folder listings: the one looked up last, and the folders
    // neither listed nor asked for yet. Each thread that judges rows keeps its own.
    struct ListingLookup
    {
        const FolderListing* find(const RunForecast& forecast, qint32 folder);

        qint32 lastFolder = -1;
        const FolderListing* lastListing = nullptr; // null while that folder is still to be read
        QSet<QString> unasked;
    };
    void rejudge(qsizetype index, RowSpan& changed, ListingLookup& listings);
    // Judges every row again, side by side.
    RowSpan rejudgeAll();
    // The folders the lookups found neither listed nor asked for are to be asked for.
    void ask(const QSet<QString>& folders);
    Verdict judge(qsizetype index, ListingLookup& listings) const;
    Verdict tableVerdict(qsizetype index, Pass pass) const;
    Verdict diskVerdict(qsizetype index, Pass pass, ListingLookup& listings) const;
    // Another rename of the batch takes the file of that path away before its name is needed.
    bool movesAway(size_t pathHash) const;

    qsizetype m_rowsAtOnce;
    qsizetype m_nextToPlan = -1; // while planning afresh: the first row still to be planned
    RunSettings m_settings;
    RowPlan::Passes m_passes;
    std::vector<RowState> m_rows; // by data row, from the first
    // By pass, then by data row; empty for a pass the settings do not run, which costs nothing.
    std::vector<PlannedStep> m_steps[PassCount];
    // The rows whose operation of a pass would act, by destination; the batch renames that
    // claim their file, by source.
    NameIndex m_destinations[PassCount];
    NameIndex m_sources;
    FolderNumbers m_folders;
    QHash<QString, FolderListing> m_listings;
    QSet<QString> m_asked;
    QStringList m_wanted;
    qsizetype m_failing = 0;
    qsizetype m_unnamed = 0;  // rows without a new name
    bool m_planLater = false; // no row had a new name: nothing is planned until one has
};
