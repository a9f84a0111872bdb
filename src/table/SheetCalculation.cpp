#include "table/SheetCalculation.h"

#include "base/ParallelSlices.h"
#include "formula/CellVisitor.h"
#include "formula/FileInfoProvider.h"
#include "formula/Formula.h"
#include "formula/FormulaContext.h"
#include "table/Sheet.h"

#include <algorithm>
#include <unordered_map>

namespace {

// The cells of a row that name its file, which FILEINFO reads without naming them.
constexpr int FileColumns[] = {Sheet::F, Sheet::B, Sheet::D};

bool namesFile(int column)
{
    return std::ranges::find(FileColumns, column) != std::end(FileColumns);
}

quint64 keyOf(CellAddress cell)
{
    return quint64(cell.row) << 16 | quint64(cell.column);
}

FormulaValue formulaValueOf(const SheetColumn::Value& value, bool formulaCell)
{
    if (const auto* text = std::get_if<QString>(&value))
        return FormulaValue::text(*text);
    if (const auto* number = std::get_if<double>(&value))
        return FormulaValue::number(*number);
    if (const auto* boolean = std::get_if<bool>(&value))
        return FormulaValue::boolean(*boolean);
    if (const auto* error = std::get_if<FormulaError>(&value))
        return *error;
    // A formula giving "" is not blank, as ISBLANK tells.
    return formulaCell ? FormulaValue::text(QString()) : FormulaValue();
}

SheetColumn::Value sheetValueOf(const FormulaValue& value)
{
    switch (value.type()) {
    case FormulaValue::Type::Number:
        return value.asNumber();
    case FormulaValue::Type::Text:
        return value.asText().isEmpty() ? SheetColumn::Value() : SheetColumn::Value(value.asText());
    case FormulaValue::Type::Boolean:
        return value.asBoolean();
    case FormulaValue::Type::Error:
        return value.asError();
    case FormulaValue::Type::Empty:
        break;
    }
    return {};
}

// Where each formula cell of a recalculation stands. Rows near the top of a column are kept
// side by side, a byte each, so that a column of a million formulas costs no hash lookups; a
// row far below the others is kept on its own, so a formula on a sheet's last row costs itself.
template <typename State> class CellStates
{
public:
    std::optional<State> find(CellAddress cell) const
    {
        if (cell.column <= int(m_near.size())) {
            const std::vector<quint8>& rows = m_near[cell.column - 1];
            if (cell.row <= qsizetype(rows.size()) && rows[cell.row - 1] != Absent)
                return State(rows[cell.row - 1] - 1);
        }
        if (m_far.empty())
            return std::nullopt;
        const auto found = m_far.find(keyOf(cell));
        return found == m_far.end() ? std::nullopt : std::optional(found->second);
    }

    // The cell must be new, or kept already where it was first put.
    void set(CellAddress cell, State state)
    {
        if (int(m_near.size()) < cell.column)
            m_near.resize(cell.column);
        std::vector<quint8>& rows = m_near[cell.column - 1];
        const qsizetype kept = qsizetype(rows.size());
        if (cell.row <= kept) {
            if (rows[cell.row - 1] != Absent || !m_far.contains(keyOf(cell))) {
                rows[cell.row - 1] = quint8(state) + 1;
                return;
            }
        } else if (cell.row <= 2 * kept + NearRows && !m_far.contains(keyOf(cell))) {
            rows.resize(std::max<qsizetype>(cell.row, 2 * kept), Absent);
            rows[cell.row - 1] = quint8(state) + 1;
            return;
        }
        m_far[keyOf(cell)] = state;
    }

private:
    static constexpr quint8 Absent = 0;
    // Rows this far beyond a column's kept ones still go among them.
    static constexpr qsizetype NearRows = 4096;

    std::vector<std::vector<quint8>> m_near; // by column, the state plus one
    std::unordered_map<quint64, State> m_far;
};

} // namespace

// The sheet as a formula reads it.
class SheetCalculation::Context final : public FormulaContext
{
public:
    Context(const Sheet& sheet, QDateTime now, const FileInfoProvider* fileInfo)
        : m_sheet(sheet), m_now(std::move(now)), m_fileInfo(fileInfo)
    {
    }

    FormulaValue cellValue(qsizetype row, int column) const override
    {
        const SheetColumn* cells = m_sheet.column(column);
        if (!cells || row < 1 || row > cells->size())
            return {};
        return formulaValueOf(cells->value(row - 1), cells->formula(row - 1) != nullptr);
    }

    void visitCells(const CellRange& range, CellVisitor& visitor) const override
    {
        // Only the part of the range that holds anything is walked.
        const int right = std::min(range.right, int(m_sheet.m_columns.size()));
        qsizetype bottom = 0;
        for (int c = range.left; c <= right; ++c)
            bottom = std::max(bottom, std::min(range.bottom, m_sheet.m_columns[c - 1].size()));
        for (qsizetype r = range.top; r <= bottom; ++r) {
            for (int c = range.left; c <= right; ++c) {
                const FormulaValue value = cellValue(r, c);
                if (!value.isEmpty() && !visitor.visit({r, c}, value))
                    return;
            }
        }
    }

    QDateTime currentDateTime() const override { return m_now; }
    const FileInfoProvider* fileInfoProvider() const override { return m_fileInfo; }

private:
    const Sheet& m_sheet;
    QDateTime m_now;
    const FileInfoProvider* m_fileInfo;
};

// One recalculation: the formula cells the changes reach, then each calculated after the
// formula cells it reads.
class SheetCalculation::Pass
{
public:
    Pass(SheetCalculation& calculation, const Context& context)
        : m_calculation(calculation), m_sheet(calculation.m_sheet), m_context(context)
    {
    }

    // calculated: formula cells whose values are current already; they are calculated only if
    // a change reaches them.
    void reach(const std::vector<CellAddress>& changed, const std::vector<CellAddress>& calculated)
    {
        // Formula cells reached, whose readers are still to be reached. A changed cell that
        // holds no formula is followed at once instead: a rule rewriting a column of a million
        // rows would otherwise make a queue of its own.
        std::vector<CellAddress> queue;
        const auto enqueue = [&](CellAddress cell) {
            if (!m_sheet.isFormula(cell.row, cell.column) || m_state.find(cell))
                return false;
            m_state.set(cell, State::Waiting);
            m_order.push_back(cell);
            queue.push_back(cell);
            return true;
        };
        const auto follow = [&](CellAddress cell) {
            if (namesFile(cell.column))
                for (quint32 index : m_calculation.m_fileBlocks) {
                    const Block& block = m_calculation.m_blocks[index];
                    if (cell.row >= block.first && cell.row <= block.last)
                        enqueue({cell.row, block.column});
                }
            if (cell.column > int(m_calculation.m_readers.size()))
                return;
            for (const Reader& reader : m_calculation.m_readers[cell.column - 1]) {
                const Block& block = m_calculation.m_blocks[reader.block];
                const FormulaReference& reference = block.formula->references()[reader.reference];
                const auto hosts =
                    reference.hostsReading(cell, {block.first, block.column, block.last, block.column});
                if (!hosts)
                    continue;
                for (qsizetype row = hosts->top; row <= hosts->bottom; ++row)
                    for (int column = hosts->left; column <= hosts->right; ++column)
                        enqueue({row, column});
            }
        };
        for (CellAddress cell : changed)
            if (!enqueue(cell))
                follow(cell);
        // Left without a state, as cells the pass does not calculate: what reads them is
        // reached from them, and a change reaching them calculates them after all.
        for (CellAddress cell : calculated)
            if (!m_state.find(cell))
                follow(cell);
        for (quint32 index : m_calculation.m_volatileBlocks) {
            const Block& block = m_calculation.m_blocks[index];
            for (qsizetype row = block.first; row <= block.last; ++row)
                enqueue({row, block.column});
        }
        for (size_t i = 0; i < queue.size(); ++i)
            follow(queue[i]);
    }

    SheetCalculation::Outcome calculate()
    {
        for (size_t i = 0; i < m_order.size();) {
            const size_t end = readyRunFrom(i);
            if (end - i >= SideBySideRun)
                calculateSideBySide(i, end);
            else
                for (size_t k = i; k < end; ++k)
                    calculateFrom(m_order[k]);
            if (end < m_order.size())
                calculateFrom(m_order[end]);
            i = end + 1;
        }
        return {m_recalculated, m_circular};
    }

private:
    enum class State : quint8
    {
        Waiting,
        Visiting,
        Done
    };

    // Cells this many in a row that read no formula still to be calculated are calculated side
    // by side: a column filled with one formula mostly reads other columns.
    static constexpr size_t SideBySideRun = 2048;

    // The end of the run of cells from m_order[first] on that are done already or read nothing
    // the pass has still to calculate. None of them reads another that is not done, so they
    // may be calculated in any order, at once.
    size_t readyRunFrom(size_t first)
    {
        size_t end = first;
        while (end < m_order.size() && isReady(m_order[end]))
            ++end;
        return end;
    }

    bool isReady(CellAddress cell)
    {
        if (m_state.find(cell) == State::Done)
            return true;
        const Sheet::FormulaPointer formula = m_sheet.formula(cell.row, cell.column);
        // A row's file is read one row at a time.
        if (formula->readsOwnFile())
            return false;
        bool waits = false;
        for (const FormulaReference& reference : formula->references())
            if (const std::optional<CellRange> range = reference.at(cell))
                forEachWaitingIn(*range, [&](CellAddress, State) { waits = true; });
        return !waits;
    }

    // Evaluating reads the sheet only, on as many threads as are free; the values are stored
    // on this one, a slice of the run at a time, so the values waiting take little memory.
    void calculateSideBySide(size_t first, size_t end)
    {
        constexpr size_t Slice = 65536;
        std::vector<CellAddress> cells;
        std::vector<FormulaValue> values;
        for (size_t from = first; from < end; from += Slice) {
            cells.clear();
            for (size_t k = from; k < std::min(end, from + Slice); ++k)
                if (m_state.find(m_order[k]) != State::Done)
                    cells.push_back(m_order[k]);
            values.assign(cells.size(), FormulaValue());
            forEachSliceInParallel(qsizetype(cells.size()), 1024, [&](qsizetype begin, qsizetype stop) {
                for (qsizetype k = begin; k < stop; ++k) {
                    // The cells of a filled column share their formula: reading it by reference
                    // spares the threads from counting its owners in turn.
                    const CellAddress cell = cells[k];
                    const Formula& formula = *m_sheet.m_columns[cell.column - 1].formula(cell.row - 1);
                    values[k] = formula.evaluate(m_context, cell);
                }
            });
            for (size_t k = 0; k < cells.size(); ++k) {
                store(cells[k], values[k]);
                m_state.set(cells[k], State::Done);
            }
        }
    }

    // Depth first without recursion, so a long chain of formulas cannot exhaust the stack.
    void calculateFrom(CellAddress start)
    {
        // One stack for every start: most cells need it for themselves alone.
        std::vector<CellAddress>& stack = m_stack;
        stack.assign(1, start);
        while (!stack.empty()) {
            const CellAddress cell = stack.back();
            const State state = m_state.find(cell).value_or(State::Waiting);
            if (state == State::Done) {
                stack.pop_back();
                continue;
            }
            if (state == State::Waiting) {
                m_state.set(cell, State::Visiting);
                m_path.push_back(cell);
                pushWaitingPrecedents(cell, stack);
                continue;
            }
            store(cell, m_sheet.formula(cell.row, cell.column)->evaluate(m_context, cell));
            m_state.set(cell, State::Done);
            m_path.pop_back();
            stack.pop_back();
        }
    }

    void pushWaitingPrecedents(CellAddress cell, std::vector<CellAddress>& stack)
    {
        const Sheet::FormulaPointer formula = m_sheet.formula(cell.row, cell.column);
        for (const FormulaReference& reference : formula->references()) {
            const std::optional<CellRange> range = reference.at(cell);
            if (range && !pushWaitingIn(*range, cell, stack))
                return;
        }
        if (formula->readsOwnFile())
            for (int column : FileColumns)
                if (!pushWaitingIn({cell.row, column, cell.row, column}, cell, stack))
                    return;
    }

    // False when the cell turned out to be in a circle, which is broken.
    bool pushWaitingIn(const CellRange& range, CellAddress cell, std::vector<CellAddress>& stack)
    {
        forEachWaitingIn(range, [&](CellAddress precedent, State state) {
            if (state == State::Visiting)
                breakCircle(precedent);
            else
                stack.push_back(precedent);
        });
        return m_state.find(cell) != State::Done;
    }

    template <typename Visit> void forEachWaitingIn(const CellRange& range, Visit visit)
    {
        const qint64 area = qint64(range.bottom - range.top + 1) * (range.right - range.left + 1);
        auto consider = [&](CellAddress cell) {
            const std::optional<State> found = m_state.find(cell);
            if (found && *found != State::Done)
                visit(cell, *found);
        };
        if (area <= qint64(m_order.size())) {
            for (qsizetype row = range.top; row <= range.bottom; ++row)
                for (int column = range.left; column <= range.right; ++column)
                    consider({row, column});
            return;
        }
        for (CellAddress cell : m_order)
            if (cell.row >= range.top && cell.row <= range.bottom && cell.column >= range.left &&
                cell.column <= range.right)
                consider(cell);
    }

    // Every formula of the circle gives #REF!; what reads them gets that error in turn.
    void breakCircle(CellAddress closing)
    {
        const auto from = std::find(m_path.begin(), m_path.end(), closing);
        for (auto it = from; it != m_path.end(); ++it) {
            store(*it, FormulaError::Ref);
            m_state.set(*it, State::Done);
        }
        m_path.erase(from, m_path.end());
        if (!m_circular)
            m_circular = closing;
    }

    void store(CellAddress cell, const FormulaValue& value)
    {
        m_sheet.m_columns[cell.column - 1].setValue(cell.row - 1, sheetValueOf(value));
        m_recalculated = m_recalculated.united({cell.row, cell.column, cell.row, cell.column});
    }

    SheetCalculation& m_calculation;
    Sheet& m_sheet;
    const Context& m_context;
    CellStates<State> m_state;
    std::vector<CellAddress> m_order;
    std::vector<CellAddress> m_path; // the formulas being visited, outermost first
    std::vector<CellAddress> m_stack;
    CellRange m_recalculated;
    std::optional<CellAddress> m_circular;
};

SheetCalculation::SheetCalculation(Sheet& sheet) : m_sheet(sheet) {}
SheetCalculation::~SheetCalculation() = default;

SheetColumn::FormulaPointer SheetCalculation::share(const SheetColumn::FormulaPointer& formula)
{
    std::vector<std::weak_ptr<const Formula>>& alike = m_shared[qHash(*formula)];
    std::erase_if(alike, [](const std::weak_ptr<const Formula>& kept) { return kept.expired(); });
    for (const std::weak_ptr<const Formula>& kept : alike) {
        SheetColumn::FormulaPointer same = kept.lock();
        if (same && *same == *formula)
            return same;
    }
    alike.push_back(formula);
    return formula;
}

void SheetCalculation::cellChanged(CellAddress cell, bool formulaChanged)
{
    if (formulaChanged) {
        m_indexStale = true;
        m_mayHaveFormulas = true;
    }
    // Without formulas nothing depends on anything: a table build records nothing.
    if (m_mayHaveFormulas)
        m_changed.push_back(cell);
}

void SheetCalculation::cellCalculated(CellAddress cell, const FormulaValue& value)
{
    m_sheet.m_columns[cell.column - 1].setValue(cell.row - 1, sheetValueOf(value));
    m_calculated.push_back(cell);
}

void SheetCalculation::clear()
{
    m_shared.clear();
    m_mayHaveFormulas = false;
    m_indexStale = false;
    m_blocks.clear();
    m_readers.clear();
    m_volatileBlocks.clear();
    m_fileBlocks.clear();
    m_changed.clear();
    m_calculated.clear();
}

void SheetCalculation::setClock(std::function<QDateTime()> now)
{
    m_now = std::move(now);
}

void SheetCalculation::setFileInfoProvider(const FileInfoProvider* provider)
{
    m_fileInfo = provider;
}

SheetCalculation::Outcome SheetCalculation::recalculate()
{
    if (m_indexStale)
        rebuildIndex();
    if (!m_mayHaveFormulas) {
        m_changed.clear();
        m_calculated.clear();
        return {};
    }
    const Context context(m_sheet, m_now ? m_now() : QDateTime::currentDateTime(), m_fileInfo);
    Pass pass(*this, context);
    pass.reach(std::exchange(m_changed, {}), std::exchange(m_calculated, {}));
    const Outcome outcome = pass.calculate();
    if (m_fileInfo)
        m_fileInfo->calculationFinished();
    return outcome;
}

void SheetCalculation::rebuildIndex()
{
    m_indexStale = false;
    m_blocks.clear();
    m_readers.clear();
    m_volatileBlocks.clear();
    m_fileBlocks.clear();
    for (int c = 1; c <= int(m_sheet.m_columns.size()); ++c) {
        const SheetColumn& cells = m_sheet.m_columns[c - 1];
        if (!cells.hasFormulas())
            continue;
        cells.forEachHeld([&](qsizetype i) {
            const Formula* formula = cells.formula(i).get();
            if (!formula)
                return;
            if (!m_blocks.empty() && m_blocks.back().formula == formula && m_blocks.back().column == c &&
                m_blocks.back().last == i)
                m_blocks.back().last = i + 1;
            else
                m_blocks.push_back({formula, c, i + 1, i + 1});
        });
    }
    m_mayHaveFormulas = !m_blocks.empty();
    for (quint32 b = 0; b < quint32(m_blocks.size()); ++b) {
        const Block& block = m_blocks[b];
        if (block.formula->isVolatile())
            m_volatileBlocks.push_back(b);
        if (block.formula->readsOwnFile())
            m_fileBlocks.push_back(b);
        const auto references = block.formula->references();
        for (quint32 k = 0; k < quint32(references.size()); ++k) {
            const int first = references[k].first.columnAt(block.column);
            const int last = references[k].last.columnAt(block.column);
            const int left = std::max(1, std::min(first, last));
            const int right = std::min(Sheet::MaxColumns, std::max(first, last));
            if (right > int(m_readers.size()))
                m_readers.resize(right);
            for (int column = left; column <= right; ++column)
                m_readers[column - 1].push_back({b, k});
        }
    }
}
