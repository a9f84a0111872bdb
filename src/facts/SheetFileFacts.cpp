#include "facts/SheetFileFacts.h"

#include "base/NativeName.h"
#include "formula/DateSerial.h"
#include "formula/Formula.h"
#include "table/Sheet.h"

#include <QStringBuilder>

namespace {

FormulaValue formulaValueOf(const std::optional<FactValue>& fact)
{
    if (!fact)
        return FormulaError::NA;
    if (const auto* number = std::get_if<double>(&*fact))
        return FormulaValue::number(*number);
    if (const auto* text = std::get_if<QString>(&*fact))
        return FormulaValue::text(*text);
    return FormulaValue::number(serialFromDateTime(std::get<QDateTime>(*fact)));
}

// The last name of a folder's path, separators at its end left out: "holiday" for
// "/photos/holiday/".
QStringView lastName(QStringView folder)
{
    while (folder.endsWith(u'/'))
        folder.chop(1);
    return folder.mid(folder.lastIndexOf(u'/') + 1);
}

// Enough that the reader is woken rarely, few enough that it starts reading early.
constexpr size_t UnsentLimit = 256;

} // namespace

SheetFileFacts::SheetFileFacts(Sheet& sheet, FactReader& reader) : m_sheet(sheet), m_reader(reader) {}

FormulaValue SheetFileFacts::fileInfo(const QString& what, const std::optional<QString>& path,
                                      CellAddress host) const
{
    if (what.compare(QLatin1StringView("folder"), Qt::CaseInsensitive) == 0)
        return folderOf(path, host);
    const std::optional<FileFact> fact = fileFactNamed(what);
    if (!fact)
        return FormulaError::Value;
    std::optional<QByteArray> bytes = pathOf(path, host);
    if (!bytes)
        return FormulaError::NA;
    Request request{std::move(*bytes), *fact};
    if (!m_arrived.isEmpty())
        if (const auto arrived = m_arrived.constFind(request); arrived != m_arrived.cend())
            return *arrived;
    if (m_cancelling)
        return FormulaError::NA;
    return ask(std::move(request), host);
}

FormulaValue SheetFileFacts::ask(Request request, CellAddress host) const
{
    const bool started = m_awaited.empty();
    if (qsizetype(m_latestAsk.size()) < host.column)
        m_latestAsk.resize(host.column);
    std::vector<quint32>& rows = m_latestAsk[host.column - 1];
    if (qsizetype(rows.size()) < host.row)
        rows.resize(std::max(host.row, m_sheet.usedRowCount()));
    rows[host.row - 1] = quint32(m_answered + qsizetype(m_awaited.size()) + 1);
    m_unsent.push_back(request);
    m_awaited.push_back({std::move(request), host});
    ++m_asked;
    if (m_unsent.size() >= UnsentLimit)
        calculationFinished();
    if (started && m_started)
        m_started();
    return FormulaError::GettingData;
}

void SheetFileFacts::calculationFinished() const
{
    m_reader.request(std::exchange(m_unsent, {}));
}

std::optional<QByteArray> SheetFileFacts::pathOf(const std::optional<QString>& given, CellAddress host) const
{
    QString path;
    if (given) {
        path = *given;
    } else {
        for (const int column : {Sheet::F, Sheet::B, Sheet::D})
            if (m_sheet.isError(host.row, column))
                return std::nullopt;
        path = m_sheet.text(host.row, Sheet::F) % m_sheet.text(host.row, Sheet::B) %
               m_sheet.text(host.row, Sheet::D);
    }
    // A name relative to nothing the user sees would be read from wherever the program started.
    if (!path.startsWith(u'/'))
        return std::nullopt;
    return NativeName::toBytes(path);
}

FormulaValue SheetFileFacts::folderOf(const std::optional<QString>& given, CellAddress host) const
{
    QStringView folder;
    QString text;
    if (given) {
        text = *given;
        QStringView path(text);
        while (path.endsWith(u'/'))
            path.chop(1);
        folder = path.left(path.lastIndexOf(u'/') + 1);
    } else {
        if (m_sheet.isError(host.row, Sheet::F))
            return FormulaError::NA;
        text = m_sheet.text(host.row, Sheet::F);
        folder = text;
    }
    const QStringView name = lastName(folder);
    return name.isEmpty() ? FormulaValue(FormulaError::NA) : FormulaValue::text(name.toString());
}

bool SheetFileFacts::answersCell(quint32 ask, CellAddress host) const
{
    if (m_latestAsk[host.column - 1][host.row - 1] != ask + 1)
        return false;
    const Sheet::FormulaPointer formula = m_sheet.formula(host.row, host.column);
    if (!formula || !formula->isCallOfConstants())
        return false;
    const Sheet::Value value = m_sheet.value(host.row, host.column);
    const auto* error = std::get_if<FormulaError>(&value);
    return error && *error == FormulaError::GettingData;
}

void SheetFileFacts::deliver()
{
    std::vector<Sheet::CalculatedValue> values;
    std::vector<CellAddress> hosts;
    for (FactReader::Answer& answer : m_reader.takeAnswers()) {
        if (m_awaited.empty())
            break;
        Asked asked = std::move(m_awaited.front());
        m_awaited.pop_front();
        const quint32 ask = quint32(m_answered++);
        FormulaValue value = formulaValueOf(answer.value);
        if (asked.request == answer.request && answersCell(ask, asked.host)) {
            values.push_back({asked.host, std::move(value)});
        } else {
            hosts.push_back(asked.host);
            m_arrived.insert(std::move(answer.request), std::move(value));
        }
    }
    {
        Sheet::Batch batch(m_sheet);
        m_sheet.setCalculatedValues(values);
        m_sheet.recalculate(hosts);
    }
    finishReading();
}

void SheetFileFacts::finishReading()
{
    if (!m_awaited.empty())
        return;
    m_arrived.clear();
    m_latestAsk.clear();
    m_asked = m_answered = 0;
}

void SheetFileFacts::cancel()
{
    m_unsent.clear();
    m_reader.cancel();
    std::vector<CellAddress> hosts;
    for (const Asked& asked : m_awaited)
        hosts.push_back(asked.host);
    m_awaited.clear();
    m_cancelling = true;
    m_sheet.recalculate(hosts);
    m_cancelling = false;
    finishReading();
}
