#include "facts/SheetFileFacts.h"

#include "base/NativeName.h"
#include "formula/DateSerial.h"
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
    if (const auto arrived = m_arrived.constFind(request); arrived != m_arrived.cend())
        return *arrived;
    if (m_cancelling)
        return FormulaError::NA;
    const qsizetype waited = m_waiting.size();
    CellAddress& first = m_waiting[request];
    if (m_waiting.size() == waited) {
        m_alsoWaiting.insert(std::move(request), host);
        return FormulaError::GettingData;
    }
    first = host;
    ++m_asked;
    m_unsent.push_back(std::move(request));
    if (m_unsent.size() >= UnsentLimit)
        calculationFinished();
    if (waited == 0 && m_started)
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

std::vector<CellAddress> SheetFileFacts::takeAnswers()
{
    std::vector<CellAddress> hosts;
    for (FactReader::Answer& answer : m_reader.takeAnswers()) {
        if (const auto first = m_waiting.find(answer.request); first != m_waiting.end()) {
            hosts.push_back(first.value());
            m_waiting.erase(first);
        }
        if (!m_alsoWaiting.isEmpty()) {
            for (auto it = m_alsoWaiting.constFind(answer.request);
                 it != m_alsoWaiting.cend() && it.key() == answer.request; ++it)
                hosts.push_back(it.value());
            m_alsoWaiting.remove(answer.request);
        }
        m_arrived.insert(std::move(answer.request), formulaValueOf(answer.value));
        ++m_answered;
    }
    return hosts;
}

void SheetFileFacts::recalculate(const std::vector<CellAddress>& hosts)
{
    if (!hosts.empty())
        m_sheet.recalculate(hosts);
    if (m_waiting.isEmpty()) {
        m_arrived.clear();
        m_asked = m_answered = 0;
    }
}

void SheetFileFacts::deliver()
{
    recalculate(takeAnswers());
}

void SheetFileFacts::cancel()
{
    m_unsent.clear();
    m_reader.cancel();
    std::vector<CellAddress> hosts = takeAnswers();
    for (auto it = m_waiting.cbegin(); it != m_waiting.cend(); ++it) {
        m_arrived.insert(it.key(), FormulaError::NA);
        hosts.push_back(it.value());
    }
    for (auto it = m_alsoWaiting.cbegin(); it != m_alsoWaiting.cend(); ++it)
        hosts.push_back(it.value());
    m_waiting.clear();
    m_alsoWaiting.clear();
    m_cancelling = true;
    recalculate(hosts);
    m_cancelling = false;
}
