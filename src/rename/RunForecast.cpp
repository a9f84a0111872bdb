#include "rename/RunForecast.h"

#include "base/ParallelSlices.h"
#include "table/Sheet.h"

#include <algorithm>

namespace {

using Failure = FileOutcome::Failure;

// The hash of a path's name within its folder, as a listing holds it.
size_t nameHashOf(const SplitPath& path, qsizetype folderEnd)
{
    SplitPath::Buffer buffer;
    return PathKey::hashOf(path.wholeIn(buffer).sliced(folderEnd));
}
using State = RenameOperation::State;
using Mode = RunSettings::BatchMode;

qsizetype rowOf(qsizetype index)
{
    return index + Sheet::FirstDataRow;
}

bool sameVerdict(const FileOutcome& a, const FileOutcome& b)
{
    return a.failure == b.failure && a.systemMessage == b.systemMessage;
}

} // namespace

void RunForecast::RowSpan::add(qsizetype row)
{
    if (isEmpty()) {
        first = last = row;
    } else {
        first = std::min(first, row);
        last = std::max(last, row);
    }
}

RunForecast::RowSpan RunForecast::reset(const Sheet& sheet, const RunSettings& settings)
{
    m_settings = settings;
    m_passes = RowPlan::Passes::of(settings);
    return rebuild(sheet);
}

RunForecast::RowSpan RunForecast::update(const Sheet& sheet, qsizetype top, qsizetype bottom)
{
    RowSpan changed;
    const qsizetype before = qsizetype(m_rows.size());
    const qsizetype after = sheet.dataRowCount();
    const bool wasUnnamed = unnamed();
    QList<size_t> names;
    // Rows below the table's new end are no rows of the run any more.
    for (qsizetype i = after; i < before; ++i) {
        touchedNames(i, names);
        leave(i);
        m_unnamed -= qsizetype(m_rows[i].lacksNewName);
        if (!m_rows[i].verdict.ok()) {
            --m_failing;
            changed.add(rowOf(i));
        }
    }
    m_rows.resize(after);
    sizeSteps(after);

    const qsizetype first = std::max<qsizetype>(top - Sheet::FirstDataRow, 0);
    const qsizetype last = std::min(bottom - Sheet::FirstDataRow, after - 1);
    std::vector<qsizetype> planned;
    for (qsizetype i = first; i <= last; ++i)
        planned.push_back(i);
    for (qsizetype i = std::max(before, last + 1); i < after; ++i)
        planned.push_back(i);
    // A change to most of the table is cheaper worked out from scratch.
    if (2 * qsizetype(planned.size()) > after) {
        const RowSpan rebuilt = rebuild(sheet);
        if (!rebuilt.isEmpty()) {
            changed.add(rebuilt.first);
            changed.add(rebuilt.last);
        }
        return changed;
    }

    for (qsizetype i : planned) {
        touchedNames(i, names);
        leave(i);
        m_unnamed -= qsizetype(m_rows[i].lacksNewName);
        plan(sheet, i);
        m_unnamed += qsizetype(m_rows[i].lacksNewName);
        enter(i);
        touchedNames(i, names);
    }
    // Rows that share a name with a changed row may have gained or lost a conflict.
    std::vector<qsizetype> affected = planned;
    for (const size_t name : std::as_const(names)) {
        for (const NameIndex* index : {&m_destinations[Batch], &m_destinations[Derivation], &m_sources}) {
            for (qsizetype holder : index->rowsOf(name))
                affected.push_back(holder);
        }
    }
    std::sort(affected.begin(), affected.end());
    affected.erase(std::unique(affected.begin(), affected.end()), affected.end());

    for (qsizetype i : affected)
        weigh(i);
    // The first new name brings every row's verdict, the last one gone takes them all away.
    if (unnamed() != wasUnnamed) {
        const RowSpan all = rejudgeAll();
        if (!all.isEmpty()) {
            changed.add(all.first);
            changed.add(all.last);
        }
        return changed;
    }
    std::vector<qsizetype> second;
    ListingLookup listings;
    for (qsizetype i : affected) {
        rejudge(i, changed, listings);
        // A rename that no longer acts (or acts again) keeps its file where a rename onto
        // that name needs it gone.
        const auto& rename = operation(i, Batch);
        if (m_passes.batchRenamesInPlace && rename) {
            for (qsizetype holder : m_destinations[Batch].rowsOf(m_steps[Batch][i].sourceHash))
                second.push_back(holder);
        }
    }
    for (qsizetype i : second)
        rejudge(i, changed, listings);
    ask(listings.unasked);
    return changed;
}

QStringList RunForecast::takeWantedFolders()
{
    return std::exchange(m_wanted, {});
}

RunForecast::RowSpan RunForecast::addListings(const QHash<QString, FolderListing>& listings)
{
    for (auto it = listings.cbegin(); it != listings.cend(); ++it) {
        m_listings.insert(it.key(), it.value());
        m_asked.insert(it.key());
    }
    return rejudgeAll();
}

void RunForecast::forgetListings()
{
    m_listings.clear();
    m_asked.clear();
    m_wanted.clear();
}

void RunForecast::releasePlan()
{
    for (std::vector<PlannedStep>& steps : m_steps)
        std::vector<PlannedStep>().swap(steps);
    for (NameIndex& names : m_destinations)
        names = {};
    m_sources = {};
    m_listings = {};
    forgetListings();
}

const FileOutcome& RunForecast::verdict(qsizetype row) const
{
    static const FileOutcome fine;
    const qsizetype index = row - Sheet::FirstDataRow;
    return index >= 0 && index < qsizetype(m_rows.size()) ? m_rows[index].verdict : fine;
}

void RunForecast::plan(const Sheet& sheet, qsizetype index)
{
    RowState& state = m_rows[index];
    const qsizetype row = rowOf(index);
    state.lacksNewName = RowPlan::lacksNewName(sheet, row);
    RowPlan plan = RowPlan::of(sheet, row, m_settings, m_passes);
    std::optional<RenameOperation>* planned[PassCount] = {&plan.folder, &plan.batch, &plan.derivation};
    for (int pass = 0; pass < PassCount; ++pass) {
        if (index >= qsizetype(m_steps[pass].size()))
            continue;
        PlannedStep& step = m_steps[pass][index];
        std::optional<RenameOperation>& operation = *planned[pass];
        if (!operation) {
            step = PlannedStep();
            continue;
        }
        step.planned = true;
        step.state = operation->state;
        step.refusal = operation->refusal;
        step.refusalDetail = std::move(operation->refusalDetail);
        step.source = std::move(operation->source);
        step.destination = std::move(operation->destination);
        step.sourceHash = step.source.hash();
        step.destinationHash = step.destination.hash();
        step.sourceFolderEnd = qint32(step.source.folderEnd());
        step.destinationFolderEnd = qint32(step.destination.folderEnd());
    }
}

// The passes weigh their operations against each other as PlanConflicts and RenameChains do:
// operations that would act compete for their destinations; renames in place that are not
// refused for their own cells claim their file.
void RunForecast::enter(qsizetype index)
{
    for (Pass pass : {Batch, Derivation}) {
        const auto& operation = this->operation(index, pass);
        if (operation && operation->state == State::Ready)
            m_destinations[pass].add(m_steps[pass][index].destinationHash, index);
    }
    const auto& rename = operation(index, Batch);
    if (m_passes.batchRenamesInPlace && rename && rename->state != State::Refused)
        m_sources.add(m_steps[Batch][index].sourceHash, index);
}

void RunForecast::leave(qsizetype index)
{
    for (Pass pass : {Batch, Derivation}) {
        const auto& operation = this->operation(index, pass);
        if (operation && operation->state == State::Ready)
            m_destinations[pass].remove(m_steps[pass][index].destinationHash, index);
    }
    const auto& rename = operation(index, Batch);
    if (m_passes.batchRenamesInPlace && rename && rename->state != State::Refused)
        m_sources.remove(m_steps[Batch][index].sourceHash, index);
}

void RunForecast::touchedNames(qsizetype index, QList<size_t>& names) const
{
    for (Pass pass : {Folders, Batch, Derivation}) {
        if (operation(index, pass)) {
            names.append(m_steps[pass][index].sourceHash);
            names.append(m_steps[pass][index].destinationHash);
        }
    }
}

RunForecast::RowSpan RunForecast::rebuild(const Sheet& sheet)
{
    const qsizetype count = sheet.dataRowCount();
    RowSpan changed;
    // Rows below the table's new end lose their marks with them.
    for (qsizetype i = count; i < qsizetype(m_rows.size()); ++i) {
        if (!m_rows[i].verdict.ok())
            changed.add(rowOf(i));
    }
    // The rows keep their storage and their verdicts, which the new ones are weighed against:
    // a table of many rows is planned again without allocating it afresh.
    m_rows.resize(count);
    sizeSteps(count);
    for (NameIndex& names : m_destinations)
        names.clear();
    m_sources.clear();
    m_destinations[Batch].reserve(count);
    m_destinations[Derivation].reserve(count);
    m_sources.reserve(count);
    // Planning a row reads its own cells and writes its own state: the rows are planned side
    // by side, and only the indexes that gather them are filled one row after the other.
    forEachSliceInParallel(count, 4096, [&](qsizetype first, qsizetype end) {
        for (qsizetype i = first; i < end; ++i) {
            std::ranges::fill(m_rows[i].conflicts, Failure::None);
            plan(sheet, i);
        }
    });
    m_unnamed = 0;
    for (qsizetype i = 0; i < count; ++i) {
        m_unnamed += qsizetype(m_rows[i].lacksNewName);
        enter(i);
    }
    weighAll();
    const RowSpan judged = rejudgeAll();
    if (!judged.isEmpty()) {
        changed.add(judged.first);
        changed.add(judged.last);
    }
    return changed;
}

void RunForecast::sizeSteps(qsizetype count)
{
    const bool runs[PassCount] = {m_passes.folders, m_passes.batch, m_passes.derivation};
    for (int pass = 0; pass < PassCount; ++pass) {
        if (runs[pass])
            m_steps[pass].resize(count);
        else
            std::vector<PlannedStep>().swap(m_steps[pass]);
    }
}

RunForecast::RowSpan RunForecast::rejudgeAll()
{
    // A row's verdict reads the other rows but writes only its own: the rows are judged in
    // slices side by side, each slice counting what it found.
    struct SliceFindings
    {
        RowSpan changed;
        qsizetype failing = 0;
        QSet<QString> unasked;
    };
    constexpr qsizetype SliceSize = 4096;
    const qsizetype count = qsizetype(m_rows.size());
    std::vector<SliceFindings> findings((count + SliceSize - 1) / SliceSize);
    forEachSliceInParallel(count, SliceSize, [&](qsizetype first, qsizetype end) {
        SliceFindings& found = findings[first / SliceSize];
        ListingLookup listings;
        for (qsizetype i = first; i < end; ++i) {
            FileOutcome verdict = judge(i, listings);
            if (!sameVerdict(verdict, m_rows[i].verdict))
                found.changed.add(rowOf(i));
            m_rows[i].verdict = std::move(verdict);
            found.failing += qsizetype(!m_rows[i].verdict.ok());
        }
        found.unasked = std::move(listings.unasked);
    });
    RowSpan changed;
    m_failing = 0;
    for (const SliceFindings& found : findings) {
        m_failing += found.failing;
        if (!found.changed.isEmpty()) {
            changed.add(found.changed.first);
            changed.add(found.changed.last);
        }
        ask(found.unasked);
    }
    return changed;
}

void RunForecast::ask(const QSet<QString>& folders)
{
    for (const QString& folder : folders) {
        if (!m_asked.contains(folder)) {
            m_asked.insert(folder);
            m_wanted.append(folder);
        }
    }
}

void RunForecast::rejudge(qsizetype index, RowSpan& changed, ListingLookup& listings)
{
    FileOutcome verdict = judge(index, listings);
    FileOutcome& stored = m_rows[index].verdict;
    if (sameVerdict(verdict, stored))
        return;
    m_failing += qsizetype(!verdict.ok()) - qsizetype(!stored.ok());
    stored = std::move(verdict);
    changed.add(rowOf(index));
}

// The first refusal of the row, in the order of the run: the empty name that stops the run
// before it starts, then each pass, the row's own cells before the other rows, the table
// before the disk.
FileOutcome RunForecast::judge(qsizetype index, ListingLookup& listings) const
{
    const RowState& state = m_rows[index];
    if (unnamed())
        return FileOutcome::success();
    if (state.lacksNewName)
        return FileOutcome::failed(Failure::EmptyNewName);
    for (Pass pass : {Folders, Batch, Derivation}) {
        const auto& operation = this->operation(index, pass);
        if (!operation)
            continue;
        FileOutcome verdict = tableVerdict(index, pass);
        if (verdict.ok() && operation->state == State::Ready && pass != Folders)
            verdict = diskVerdict(index, pass, listings);
        if (!verdict.ok())
            return verdict;
    }
    return FileOutcome::success();
}

// As the plan weighs its passes (PlanConflicts, RenameChains): operations that would act share
// a destination; or renames that are not refused for their own cells share a file, and one of
// them would give it another name.
void RunForecast::weigh(qsizetype index)
{
    RowState& row = m_rows[index];
    for (Pass pass : {Batch, Derivation}) {
        const auto& operation = this->operation(index, pass);
        row.conflicts[pass] = Failure::None;
        if (!operation || operation->state == State::Refused)
            continue;
        if (operation->state == State::Ready && sharesDestination(index, pass))
            row.conflicts[pass] = Failure::DuplicateDestination;
        else if (pass == Batch && m_passes.batchRenamesInPlace) {
            const Holders claims =
                sharing(m_sources.rowsOf(m_steps[Batch][index].sourceHash), sourcePath(index, Batch),
                        [this](qsizetype other) -> const SplitPath& { return sourcePath(other, Batch); });
            if (claims.size() > 1 && std::ranges::any_of(claims, [this](qsizetype other) {
                    return this->operation(other, Batch)->state == State::Ready;
                }))
                row.conflicts[pass] = Failure::DuplicateSource;
        }
    }
}

void RunForecast::weighAll()
{
    for (Pass pass : {Batch, Derivation}) {
        const auto destinationIn = [this, pass](qsizetype row) -> const SplitPath& {
            return destinationPath(row, pass);
        };
        m_destinations[pass].forEachShared([&](const Holders& holders) {
            forEachSamePath(holders, destinationIn, [&](const Holders& rows) {
                if (rows.size() > 1)
                    for (qsizetype i : rows)
                        m_rows[i].conflicts[pass] = Failure::DuplicateDestination;
            });
        });
    }
    const auto sourceIn = [this](qsizetype row) -> const SplitPath& { return sourcePath(row, Batch); };
    m_sources.forEachShared([&](const Holders& holders) {
        forEachSamePath(holders, sourceIn, [&](const Holders& claims) {
            if (claims.size() < 2 || std::ranges::none_of(claims, [this](qsizetype other) {
                    return operation(other, Batch)->state == State::Ready;
                }))
                return;
            for (qsizetype i : claims)
                if (m_rows[i].conflicts[Batch] == Failure::None)
                    m_rows[i].conflicts[Batch] = Failure::DuplicateSource;
        });
    });
}

bool RunForecast::sharesDestination(qsizetype index, Pass pass) const
{
    const Holders holders = m_destinations[pass].rowsOf(m_steps[pass][index].destinationHash);
    const SplitPath& destination = destinationPath(index, pass);
    return holders.size() > 1 && std::ranges::any_of(holders, [&](qsizetype other) {
               return other != index && destinationPath(other, pass) == destination;
           });
}

template <typename PathOf>
RunForecast::Holders RunForecast::sharing(const Holders& holders, const SplitPath& path, PathOf pathOf)
{
    Holders same;
    for (qsizetype row : holders)
        if (pathOf(row) == path)
            same.append(row);
    return same;
}

template <typename PathOf, typename Visit>
void RunForecast::forEachSamePath(const Holders& holders, PathOf pathOf, Visit visit)
{
    const SplitPath& first = pathOf(holders.front());
    if (std::ranges::all_of(holders, [&](qsizetype row) { return pathOf(row) == first; })) {
        visit(holders);
        return;
    }
    QHash<SplitPath, Holders> byPath;
    for (qsizetype row : holders)
        byPath[pathOf(row)].append(row);
    for (const Holders& rows : std::as_const(byPath))
        visit(rows);
}

FileOutcome RunForecast::tableVerdict(qsizetype index, Pass pass) const
{
    const RowState& row = m_rows[index];
    const PlannedStep& operation = *this->operation(index, pass);
    if (operation.state == State::Refused)
        return FileOutcome::failed(operation.refusal, operation.refusalDetail);
    return FileOutcome::failed(row.conflicts[pass]);
}

FileOutcome RunForecast::diskVerdict(qsizetype index, Pass pass, ListingLookup& listings) const
{
    const PlannedStep& step = m_steps[pass][index];
    const PlannedStep& operation = step;
    const FolderListing* sources = listings.find(*this, operation.source, step.sourceFolderEnd);
    const FolderListing* destinations =
        listings.find(*this, operation.destination, step.destinationFolderEnd);
    if (!sources || !destinations)
        return FileOutcome::success();
    if (sources->state != FolderListing::State::Unreadable &&
        !sources->holds(nameHashOf(operation.source, step.sourceFolderEnd)))
        return FileOutcome::failed(Failure::SourceMissing);

    const bool taken = destinations->holds(nameHashOf(operation.destination, step.destinationFolderEnd));
    if (pass == Batch && m_passes.batchRenamesInPlace)
        return taken && !movesAway(operation.destination, step.destinationHash)
                   ? FileOutcome::failed(Failure::DestinationExists)
                   : FileOutcome::success();
    if (taken)
        return FileOutcome::failed(Failure::DestinationExists);
    // A distribution folder is made by the pre-pass; any other one must be there.
    const bool distributes = pass == Batch && m_settings.batchMode == Mode::Distribute;
    if (!distributes && destinations->state == FolderListing::State::Missing)
        return FileOutcome::failed(Failure::FolderMissing);
    if (!distributes && destinations->state == FolderListing::State::NotAFolder)
        return FileOutcome::failed(Failure::NotAFolder);
    return FileOutcome::success();
}

bool RunForecast::movesAway(const SplitPath& name, size_t hash) const
{
    return std::ranges::any_of(m_sources.rowsOf(hash), [this, &name](qsizetype holder) {
        const PlannedStep& rename = *operation(holder, Batch);
        return rename.source == name && rename.state == State::Ready && tableVerdict(holder, Batch).ok();
    });
}

const FolderListing* RunForecast::ListingLookup::find(const RunForecast& forecast, const SplitPath& path,
                                                      qsizetype folderEnd)
{
    if (folderEnd == 0)
        return nullptr;
    const QString folder = path.folder(folderEnd);
    // Rows come by folder: the listing looked up last is mostly the one asked for next, and a
    // folder still to be read is remembered as such too.
    if (!lastFolder.isEmpty() && folder == lastFolder)
        return lastListing;
    lastFolder = folder;
    if (auto found = forecast.m_listings.constFind(folder); found != forecast.m_listings.cend())
        return lastListing = &*found;
    lastListing = nullptr;
    if (!forecast.m_asked.contains(folder))
        unasked.insert(folder);
    return nullptr;
}
