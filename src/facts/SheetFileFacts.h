#pragma once

#include "facts/FactReader.h"
#include "formula/FileInfoProvider.h"

#include <QHash>
#include <deque>
#include <functional>

class Sheet;

// FILEINFO in the rename table. A formula's own file is the one its row names: folder (F), name
// (B) and extension (D); FILEINFO(what, path) names a file by its full path. No file is read
// while formulas are calculated: a fact not at hand is asked of the reader, and the formula
// gives #GETTING_DATA until deliver() finds it arrived. A cell whose formula is the FILEINFO call
// alone (=FILEINFO("modified")) takes the fact as its value; any other is calculated again, and
// what arrived is kept while anything still waits, so that a formula asking for two facts gets
// both whatever order they come in, and dropped after: a later calculation asks the reader
// again, whose cache answers without reading a file that has not changed. The reader must serve
// this sheet alone: its answers are matched to the cells that asked by their order.
class SheetFileFacts final : public FileInfoProvider
{
public:
    SheetFileFacts(Sheet& sheet, FactReader& reader);

    FormulaValue fileInfo(const QString& what, const std::optional<QString>& path,
                          CellAddress host) const override;

    // Sends the facts the calculation asked for to the reader.
    void calculationFinished() const override;

    // Gives the cells whose facts arrived since the last time their values.
    void deliver();
    // Stops the reading: the facts still awaited become #N/A.
    void cancel();

    // Whether some cell waits for a fact.
    bool isPending() const { return !m_awaited.empty(); }
    // The facts asked for and those answered since the reading began, for a progress bar.
    qsizetype askedCount() const { return m_asked; }
    qsizetype answeredCount() const { return m_answered; }

    // Told when a formula asks for a fact while nothing waited: a reading begins.
    void setReadingStarted(std::function<void()> started) { m_started = std::move(started); }

private:
    using Request = FactReader::Request;
    struct Asked
    {
        Request request;
        CellAddress host;
    };

    // The file's bytes: the given path, or the file the host's row names; nothing for a path
    // that is not a full one or holds no valid name.
    std::optional<QByteArray> pathOf(const std::optional<QString>& given, CellAddress host) const;
    // The name of the file's own folder, without separators.
    FormulaValue folderOf(const std::optional<QString>& given, CellAddress host) const;
    FormulaValue ask(Request request, CellAddress host) const;
    // Whether the answer to the ask numbered so is its cell's value as it stands: the cell's
    // formula is a FILEINFO call alone, which still waits and has asked nothing since.
    bool answersCell(quint32 ask, CellAddress host) const;
    void finishReading();

    Sheet& m_sheet;
    FactReader& m_reader;
    std::function<void()> m_started;
    // Formulas ask through a const interface while the sheet calculates them: what they ask
    // for is noted here, in the order asked, which is the order the reader answers in.
    mutable std::deque<Asked> m_awaited;
    // For each column, the number of each row's latest ask, plus one: an answer to an earlier
    // one is not its cell's value any more.
    mutable std::vector<std::vector<quint32>> m_latestAsk;
    mutable qsizetype m_asked = 0;
    // Asked for and not yet sent: sent a handful at a time, since waking the reader for each
    // one cost more than its reading.
    mutable std::vector<Request> m_unsent;
    // The facts of cells calculated again, for their formulas to find.
    QHash<Request, FormulaValue> m_arrived;
    qsizetype m_answered = 0;  // also the number of the ask at the front of m_awaited
    bool m_cancelling = false; // formulas calculated on a cancel ask for nothing more
};
