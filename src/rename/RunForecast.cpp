#include "rename/RunForecast.h"

#include "base/ParallelSlices.h"
#include "table/Sheet.h"

#include <algorithm>
#include <iterator>

namespace {

using Failure = FileOutcome::Failure;

using State = RenameOperation::State;
using Mode = RunSettings::BatchMode;

qsizetype rowOf(qsizetype index)
{
    return index + Sheet::FirstDataRow;
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
    if (m_planLater)
        return rebuild(sheet);
    if (planning())
        return replanWhilePlanning(sheet, top - Sheet::FirstDataRow, bottom - Sheet::FirstDataRow);
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
    // The rows changed and the rows new below the former end.
    const qsizetype added = std::max(before, last + 1);
    const qsizetype plannedCount =
        std::max<qsizetype>(last - first + 1, 0) + std::max<qsizetype>(after - added, 0);
    // A change to most of the table is cheaper worked out from scratch.
    if (2 * plannedCount > after) {
        const RowSpan rebuilt = rebuild(sheet);
        if (!rebuilt.isEmpty()) {
            changed.add(rebuilt.first);
            changed.add(rebuilt.last);
        }
        return changed;
    }
    std::vector<qsizetype> planned;
    planned.reserve(plannedCount);
    for (qsizetype i = first; i <= last; ++i)
        planned.push_back(i);
    for (qsizetype i = added; i < after; ++i)
        planned.push_back(i);

    FolderNumbers::Last lastFolder;
    for (qsizetype i : planned) {
        touchedNames(i, names);
        leave(i);
        m_unnamed -= qsizetype(m_rows[i].lacksNewName);
        plan(sheet, i, lastFolder);
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
            for (qsizetype holder : m_destinations[Batch].rowsOf(m_steps[Batch][i].sourceHash()))
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
    // Rows still to be planned are judged with every listing once they are.
    return planning() ? RowSpan() : rejudgeAll();
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
    m_folders.clear();
    m_listings = {};
    forgetListings();
    m_nextToPlan = -1;
}

FileOutcome RunForecast::verdict(qsizetype row) const
{
    const qsizetype index = row - Sheet::FirstDataRow;
    if (index < 0 || index >= qsizetype(m_rows.size()))
        return FileOutcome::success();
    const Verdict& verdict = m_rows[index].verdict;
    return FileOutcome::failed(verdict.failure, verdict.error);
}

qint32 RunForecast::FolderNumbers::numberOf(const QString& folder, Last& last)
{
    if (last.number >= 0 && folder == last.folder)
        return last.number;
    const QMutexLocker locker(&m_lock);
    auto found = m_numbers.constFind(folder);
    if (found == m_numbers.cend()) {
        found = m_numbers.insert(folder, qint32(m_folders.size()));
        m_folders.append(folder);
    }
    last = {folder, *found};
    return *found;
}

void RunForecast::FolderNumbers::clear()
{
    m_numbers.clear();
    m_folders.clear();
}

void RunForecast::plan(const Sheet& sheet, qsizetype index, FolderNumbers::Last& lastFolder)
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
        step.refusedError = operation->refusedError;
        // Each path is joined once, for its name's hash and its folder.
        SplitPath::Buffer buffer;
        const auto keep = [&](const SplitPath& path) {
            const QStringView whole = path.wholeIn(buffer);
            const qsizetype folderEnd = whole.lastIndexOf(u'/') + 1;
            const qint32 folder = folderEnd > 0 ? m_folders.numberOf(path.folder(folderEnd), lastFolder) : -1;
            return std::pair(PathKey::hashOf(whole.sliced(folderEnd)), folder);
        };
        const auto [sourceNameHash, sourceFolder] = keep(operation->source);
        step.sourceNameHash = sourceNameHash;
        step.sourceFolder = sourceFolder;
        const auto [destinationNameHash, destinationFolder] = keep(operation->destination);
        step.destinationNameHash = destinationNameHash;
        step.destinationFolder = destinationFolder;
    }
}

// The passes weigh their operations against each other as PlanConflicts and RenameChains do:
// operations that would act compete for their destinations; renames in place that are not
// refused for their own cells claim their file.
template <typename Visit> void RunForecast::forEachClaim(qsizetype index, Visit visit)
{
    for (Pass pass : {Batch, Derivation}) {
        const PlannedStep* step = operation(index, pass);
        if (step && step->state == State::Ready)
            visit(m_destinations[pass], step->destinationHash());
    }
    const PlannedStep* rename = operation(index, Batch);
    if (m_passes.batchRenamesInPlace && rename && rename->state != State::Refused)
        visit(m_sources, rename->sourceHash());
}

void RunForecast::enter(qsizetype index)
{
    forEachClaim(index, [index](NameIndex& names, size_t hash) { names.add(hash, index); });
}

void RunForecast::leave(qsizetype index)
{
    forEachClaim(index, [index](NameIndex& names, size_t hash) { names.remove(hash, index); });
}

void RunForecast::touchedNames(qsizetype index, QList<size_t>& names) const
{
    for (Pass pass : {Folders, Batch, Derivation}) {
        if (operation(index, pass)) {
            names.append(m_steps[pass][index].sourceHash());
            names.append(m_steps[pass][index].destinationHash());
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
    for (NameIndex& names : m_destinations)
        names.clear();
    m_sources.clear();
    m_folders.clear();
    // A table without a single new name, as a collection lays it out, has nothing to foretell:
    // its rows are planned once the first name comes.
    m_planLater = std::ranges::all_of(sheet.dataRows(),
                                      [&](qsizetype row) { return RowPlan::lacksNewName(sheet, row); });
    if (m_planLater) {
        for (std::vector<PlannedStep>& steps : m_steps)
            std::vector<PlannedStep>().swap(steps);
        for (qsizetype i = 0; i < count; ++i) {
            if (!m_rows[i].verdict.ok())
                changed.add(rowOf(i));
            m_rows[i] = RowState();
            m_rows[i].lacksNewName = true;
        }
        m_unnamed = count;
        m_failing = 0;
        m_nextToPlan = -1;
        return changed;
    }
    sizeSteps(count);
    m_nextToPlan = 0;
    // A table of more rows than a slice takes its first slice with the others, from the window's
    // next events: the change that asked for the plan shows at once.
    if (count > m_rowsAtOnce)
        return changed;
    const RowSpan judged = planMore(sheet);
    if (!judged.isEmpty()) {
        changed.add(judged.first);
        changed.add(judged.last);
    }
    return changed;
}

RunForecast::RowSpan RunForecast::planMore(const Sheet& sheet)
{
    if (!planning())
        return {};
    const qsizetype count = qsizetype(m_rows.size());
    const qsizetype first = m_nextToPlan;
    const qsizetype end = count - first > m_rowsAtOnce ? first + m_rowsAtOnce : count;
    // Planning a row reads its own cells and writes its own state: the rows are planned side
    // by side, and only the indexes that gather them are filled one row after the other.
    forEachSliceInParallel(end - first, 4096, [&](qsizetype from, qsizetype to) {
        FolderNumbers::Last lastFolder;
        for (qsizetype i = first + from; i < first + to; ++i) {
            std::ranges::fill(m_rows[i].conflicts, Failure::None);
            plan(sheet, i, lastFolder);
        }
    });
    if (end < count) {
        m_nextToPlan = end;
        return {};
    }
    m_nextToPlan = -1;
    return finishRebuild();
}

// Rows not planned yet are planned with what they hold by then, rows planned already are
// planned again; a change to the table's size or to more rows than a slice starts afresh.
RunForecast::RowSpan RunForecast::replanWhilePlanning(const Sheet& sheet, qsizetype first, qsizetype last)
{
    first = std::max<qsizetype>(first, 0);
    last = std::min(last, m_nextToPlan - 1);
    if (sheet.dataRowCount() != qsizetype(m_rows.size()) || last - first >= m_rowsAtOnce)
        return rebuild(sheet);
    FolderNumbers::Last lastFolder;
    for (qsizetype i = first; i <= last; ++i)
        plan(sheet, i, lastFolder);
    return {};
}

RunForecast::RowSpan RunForecast::finishRebuild()
{
    const qsizetype count = qsizetype(m_rows.size());
    m_unnamed = 0;
    // Each index takes the rows that claim it straight to their places: counted, then placed.
    NameIndex* const indexes[] = {&m_destinations[Folders], &m_destinations[Batch],
                                  &m_destinations[Derivation], &m_sources};
    qsizetype claims[std::size(indexes)] = {};
    for (qsizetype i = 0; i < count; ++i)
        forEachClaim(
            i, [&](NameIndex& names, size_t) { ++claims[std::ranges::find(indexes, &names) - indexes]; });
    for (size_t k = 0; k < std::size(indexes); ++k)
        indexes[k]->startCounting(claims[k]);
    for (qsizetype i = 0; i < count; ++i)
        forEachClaim(i, [](NameIndex& names, size_t hash) { names.count(hash); });
    for (NameIndex* names : indexes)
        names->startPlacing();
    for (qsizetype i = 0; i < count; ++i) {
        m_unnamed += qsizetype(m_rows[i].lacksNewName);
        forEachClaim(i, [i](NameIndex& names, size_t hash) { names.place(hash, i); });
    }
    for (NameIndex* names : indexes)
        names->seal();
    weighAll();
    return rejudgeAll();
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
            const Verdict verdict = judge(i, listings);
            if (verdict != m_rows[i].verdict)
                found.changed.add(rowOf(i));
            m_rows[i].verdict = verdict;
            found.failing += qsizetype(!verdict.ok());
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
    const Verdict verdict = judge(index, listings);
    Verdict& stored = m_rows[index].verdict;
    if (verdict == stored)
        return;
    m_failing += qsizetype(!verdict.ok()) - qsizetype(!stored.ok());
    stored = verdict;
    changed.add(rowOf(index));
}

// The first refusal of the row, in the order of the run: the empty name that stops the run
// before it starts, then each pass, the row's own cells before the other rows, the table
// before the disk.
RunForecast::Verdict RunForecast::judge(qsizetype index, ListingLookup& listings) const
{
    const RowState& state = m_rows[index];
    if (unnamed())
        return Verdict();
    if (state.lacksNewName)
        return Verdict(Failure::EmptyNewName);
    for (Pass pass : {Folders, Batch, Derivation}) {
        const auto& operation = this->operation(index, pass);
        if (!operation)
            continue;
        Verdict verdict = tableVerdict(index, pass);
        if (verdict.ok() && operation->state == State::Ready && pass != Folders)
            verdict = diskVerdict(index, pass, listings);
        if (!verdict.ok())
            return verdict;
    }
    return Verdict();
}

// As the plan weighs its passes (PlanConflicts, RenameChains): operations that would act share
// a destination; or renames that are not refused for their own cells share a file, and one of
// them would give it another name.
void RunForecast::weigh(qsizetype index)
{
    RowState& row = m_rows[index];
    for (Pass pass : {Batch, Derivation}) {
        const PlannedStep* step = operation(index, pass);
        row.conflicts[pass] = Failure::None;
        if (!step || step->state == State::Refused)
            continue;
        // A row that would act is among the holders of its destination itself.
        if (step->state == State::Ready && m_destinations[pass].rowsOf(step->destinationHash()).size() > 1)
            row.conflicts[pass] = Failure::DuplicateDestination;
        else if (pass == Batch && m_passes.batchRenamesInPlace &&
                 claimedTwice(m_sources.rowsOf(step->sourceHash())))
            row.conflicts[pass] = Failure::DuplicateSource;
    }
}

void RunForecast::weighAll()
{
    for (Pass pass : {Batch, Derivation})
        m_destinations[pass].forEachShared([&](const Holders& rows) {
            for (qsizetype i : rows)
                m_rows[i].conflicts[pass] = Failure::DuplicateDestination;
        });
    m_sources.forEachShared([&](const Holders& claims) {
        if (!claimedTwice(claims))
            return;
        for (qsizetype i : claims)
            if (m_rows[i].conflicts[Batch] == Failure::None)
                m_rows[i].conflicts[Batch] = Failure::DuplicateSource;
    });
}

bool RunForecast::claimedTwice(const Holders& claims) const
{
    return claims.size() > 1 && std::ranges::any_of(claims, [this](qsizetype other) {
               return operation(other, Batch)->state == State::Ready;
           });
}

RunForecast::Verdict RunForecast::tableVerdict(qsizetype index, Pass pass) const
{
    const RowState& row = m_rows[index];
    const PlannedStep& operation = *this->operation(index, pass);
    if (operation.state == State::Refused)
        return {operation.refusal, operation.refusedError};
    return {row.conflicts[pass]};
}

RunForecast::Verdict RunForecast::diskVerdict(qsizetype index, Pass pass, ListingLookup& listings) const
{
    const PlannedStep& step = m_steps[pass][index];
    const FolderListing* sources = listings.find(*this, step.sourceFolder);
    const FolderListing* destinations = listings.find(*this, step.destinationFolder);
    if (!sources || !destinations)
        return Verdict();
    if (sources->state != FolderListing::State::Unreadable && !sources->holds(step.sourceNameHash))
        return Verdict(Failure::SourceMissing);

    const bool taken = destinations->holds(step.destinationNameHash);
    if (pass == Batch && m_passes.batchRenamesInPlace)
        return taken && !movesAway(step.destinationHash()) ? Verdict(Failure::DestinationExists) : Verdict();
    if (taken)
        return Verdict(Failure::DestinationExists);
    // A distribution folder is made by the pre-pass; any other one must be there.
    const bool distributes = pass == Batch && m_settings.batchMode == Mode::Distribute;
    if (!distributes && destinations->state == FolderListing::State::Missing)
        return Verdict(Failure::FolderMissing);
    if (!distributes && destinations->state == FolderListing::State::NotAFolder)
        return Verdict(Failure::NotAFolder);
    return Verdict();
}

bool RunForecast::movesAway(size_t pathHash) const
{
    return std::ranges::any_of(m_sources.rowsOf(pathHash), [this](qsizetype holder) {
        return operation(holder, Batch)->state == State::Ready && tableVerdict(holder, Batch).ok();
    });
}

const FolderListing* RunForecast::ListingLookup::find(const RunForecast& forecast, qint32 folder)
{
    if (folder < 0)
        return nullptr;
    // Rows come by folder: the listing looked up last is mostly the one asked for next, and a
    // folder still to be read is remembered as such too.
    if (folder == lastFolder)
        return lastListing;
    lastFolder = folder;
    const QString& path = forecast.m_folders.folder(folder);
    if (auto found = forecast.m_listings.constFind(path); found != forecast.m_listings.cend())
        return lastListing = &*found;
    lastListing = nullptr;
    if (!forecast.m_asked.contains(path))
        unasked.insert(path);
    return nullptr;
}
