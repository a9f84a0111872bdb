#include "table/SheetColumn.h"

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>

namespace {

const QString NoText;

bool isEmptyValue(const SheetColumn::Value& value)
{
    const auto* text = std::get_if<QString>(&value);
    return std::holds_alternative<std::monostate>(value) || (text && text->isEmpty());
}

} // namespace

SheetColumn SheetColumn::ofTexts(ColumnTexts texts, qsizetype held)
{
    SheetColumn column;
    column.m_texts = std::move(texts);
    column.m_held = held;
    return column;
}

bool SheetColumn::holdsTextsOnly() const
{
    const auto isText = [](quint8 kind) { return Kind(kind) == Kind::Text; };
    return m_far.empty() && !hasFormulas() && std::ranges::all_of(m_kinds, isText);
}

qsizetype SheetColumn::size() const
{
    return m_far.empty() ? denseSize() : m_far.rbegin()->first + 1;
}

const SheetColumn::FarCell* SheetColumn::far(qsizetype i) const
{
    if (m_far.empty() || i < denseSize())
        return nullptr;
    auto it = m_far.find(i);
    return it == m_far.end() ? nullptr : &it->second;
}

SheetColumn::Kind SheetColumn::kind(qsizetype i) const
{
    if (i < qsizetype(m_kinds.size()))
        return Kind(m_kinds[i]);
    const FarCell* cell = far(i);
    return cell ? cell->kind : Kind::Text;
}

bool SheetColumn::holds(qsizetype i) const
{
    if (i < denseSize())
        return !m_texts.isEmpty(i) || kind(i) != Kind::Text;
    const FarCell* cell = far(i);
    return cell && (!cell->text.isEmpty() || cell->kind != Kind::Text);
}

const QString& SheetColumn::text(qsizetype i) const
{
    if (i < denseSize())
        return m_texts[i];
    const FarCell* cell = far(i);
    return cell ? cell->text : NoText;
}

double SheetColumn::number(qsizetype i) const
{
    if (i < qsizetype(m_numbers.size()))
        return m_numbers[i];
    const FarCell* cell = far(i);
    return cell ? cell->number : 0;
}

SheetColumn::Value SheetColumn::value(qsizetype i) const
{
    switch (kind(i)) {
    case Kind::Number:
        return number(i);
    case Kind::Boolean:
        return number(i) != 0;
    case Kind::Error:
        return FormulaError(quint8(number(i)));
    case Kind::Text:
        break;
    }
    if (const QString& shown = text(i); !shown.isEmpty())
        return shown;
    return {};
}

const SheetColumn::FormulaPointer& SheetColumn::formula(qsizetype i) const
{
    static const FormulaPointer none;
    if (i < qsizetype(m_formulas.size()))
        return m_formulas[i];
    const FarCell* cell = far(i);
    return cell ? cell->formula : none;
}

void SheetColumn::reserve(qsizetype size)
{
    m_texts.reserve(size);
}

bool SheetColumn::placeDense(qsizetype i)
{
    if (i < denseSize())
        return true;
    // Side by side only while at least half the cells up to i hold something: a hostile file
    // with one cell per column on the last row costs those cells only.
    const qsizetype held = m_held + (far(i) ? 0 : 1);
    if (2 * held < i + 1)
        return false;
    growTo(i + 1);
    return true;
}

void SheetColumn::growTo(qsizetype size)
{
    if (size <= denseSize())
        return;
    m_texts.growTo(size);
    if (!m_kinds.empty()) {
        m_numbers.resize(size);
        m_kinds.resize(size);
    }
    if (!m_formulas.empty())
        m_formulas.resize(size);
    // The cells held on their own that are now among the rest move in with them.
    auto end = m_far.lower_bound(size);
    for (auto it = m_far.begin(); it != end; it = m_far.erase(it)) {
        const qsizetype i = it->first;
        FarCell& cell = it->second;
        m_texts.set(i, std::move(cell.text));
        setKind(i, cell.kind, cell.number);
        if (cell.formula) {
            if (m_formulas.empty())
                m_formulas.resize(m_texts.size());
            m_formulas[i] = std::move(cell.formula);
            --m_farFormulas;
        }
    }
}

void SheetColumn::setKind(qsizetype i, Kind kind, double number)
{
    if (m_kinds.empty()) {
        if (kind == Kind::Text)
            return;
        m_numbers.resize(m_texts.size());
        m_kinds.resize(m_texts.size());
    }
    m_kinds[i] = quint8(kind);
    m_numbers[i] = number;
}

void SheetColumn::setValue(qsizetype i, const Value& value)
{
    QString text;
    Kind kind = Kind::Text;
    double number = 0;
    if (const auto* given = std::get_if<QString>(&value))
        text = *given;
    else if (const auto* numeric = std::get_if<double>(&value))
        std::tie(kind, number) = std::pair(Kind::Number, *numeric);
    else if (const auto* boolean = std::get_if<bool>(&value))
        std::tie(kind, number) = std::pair(Kind::Boolean, *boolean ? 1.0 : 0.0);
    else if (const auto* error = std::get_if<FormulaError>(&value))
        std::tie(kind, number) = std::pair(Kind::Error, double(*error));

    const bool before = holdsAnything(i);
    if (i < denseSize() || (!isEmptyValue(value) && placeDense(i))) {
        m_texts.set(i, std::move(text));
        setKind(i, kind, number);
    } else if (auto it = m_far.find(i); it != m_far.end() || !isEmptyValue(value)) {
        if (it == m_far.end())
            it = m_far.emplace(i, FarCell{}).first;
        it->second.text = std::move(text);
        it->second.kind = kind;
        it->second.number = number;
        if (!it->second.formula && isEmptyValue(value))
            m_far.erase(it);
    }
    noteHeld(before, holdsAnything(i));
}

void SheetColumn::setText(qsizetype i, QString text)
{
    // Most cells written are texts among the cells side by side: no value is made for them.
    if (i < denseSize() || (!text.isEmpty() && placeDense(i))) {
        const bool before = holdsAnything(i);
        m_texts.set(i, std::move(text));
        setKind(i, Kind::Text, 0);
        noteHeld(before, holdsAnything(i));
        return;
    }
    setValue(i, text.isEmpty() ? Value() : Value(std::move(text)));
}

void SheetColumn::setFormula(qsizetype i, FormulaPointer formula)
{
    const bool before = holdsAnything(i);
    if (i < denseSize() || (formula && placeDense(i))) {
        if (!formula && i >= qsizetype(m_formulas.size()))
            return;
        if (m_formulas.empty())
            m_formulas.resize(m_texts.size());
        m_formulas[i] = std::move(formula);
    } else if (auto it = m_far.find(i); it != m_far.end() || formula) {
        if (it == m_far.end())
            it = m_far.emplace(i, FarCell{}).first;
        m_farFormulas += qsizetype(bool(formula)) - qsizetype(bool(it->second.formula));
        it->second.formula = std::move(formula);
        if (!it->second.formula && !holds(i))
            m_far.erase(it);
    }
    noteHeld(before, holdsAnything(i));
}

void SheetColumn::clear(qsizetype i)
{
    const bool before = holdsAnything(i);
    if (i < denseSize()) {
        m_texts.set(i, QString());
        setKind(i, Kind::Text, 0);
        if (i < qsizetype(m_formulas.size()))
            m_formulas[i].reset();
    } else if (auto it = m_far.find(i); it != m_far.end()) {
        m_farFormulas -= qsizetype(bool(it->second.formula));
        m_far.erase(it);
    }
    noteHeld(before, false);
}

qsizetype SheetColumn::usedSize(qsizetype limit) const
{
    // Every cell held on its own holds something, and lies below the rest.
    if (auto it = m_far.lower_bound(limit); it != m_far.begin())
        return std::prev(it)->first + 1;
    for (qsizetype i = std::min(limit, denseSize()); i > 0; --i)
        if (holdsAnything(i - 1))
            return i;
    return 0;
}
