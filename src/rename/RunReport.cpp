#include "rename/RunReport.h"

#include "base/MessageText.h"

#include <QStringList>

namespace RunReport {

QString batchStatus(qint64 selected, qint64 done, bool distributes)
{
    const QString what = distributes ? QStringLiteral("共分配文件:") : QStringLiteral("共更名文件:");
    return QStringLiteral("共选择文件:") + QString::number(selected) + QStringLiteral("个 =>") + what +
           QString::number(done) + QStringLiteral("个");
}

QString batchMessage(const QString& status, qint64 unchanged, const std::vector<FailedOperation>& failures)
{
    QStringList lines{status};
    if (unchanged > 0)
        lines << QStringLiteral("未改变:") + QString::number(unchanged) + QStringLiteral("个");
    if (!failures.empty())
        lines << failureSection(failures);
    return lines.join(u'\n');
}

QString derivationMessage(qint64 copiesMade, const std::vector<FailedOperation>& failures)
{
    QStringList lines{QStringLiteral("成功衍生文件") + QString::number(copiesMade) + QStringLiteral("个")};
    if (!failures.empty())
        lines << failureSection(failures);
    return lines.join(u'\n');
}

QString undoStatus(qint64 undone)
{
    return QStringLiteral("已撤销:") + QString::number(undone) + QStringLiteral("个");
}

QString undoMessage(const QString& status, const std::vector<FailedOperation>& failures)
{
    return batchMessage(status, 0, failures);
}

QString failureSection(const std::vector<FailedOperation>& failures)
{
    if (failures.empty())
        return {};
    const qsizetype total = qsizetype(failures.size());
    QStringList lines{QStringLiteral("失败:") + QString::number(total) + QStringLiteral("个")};
    for (qsizetype i = 0; i < std::min(total, ListedFailures); ++i)
        lines << failureLine(failures[i]);
    if (total > ListedFailures)
        lines << QStringLiteral("……（其余") + QString::number(total - ListedFailures) +
                     QStringLiteral("个见表格中标红的行）");
    return lines.join(u'\n');
}

QString failureLine(const FailedOperation& failure)
{
    // Long paths are cut in their middles so that the line stays readable in a message box.
    const QString reason = MessageText::elideMiddle(failure.outcome.reason(), MessageText::LineLength / 3);
    const qsizetype room = std::max<qsizetype>(20, MessageText::LineLength - reason.size() - 5);
    if (failure.destination.isEmpty())
        return MessageText::shownPath(failure.source.joined(), room) + QStringLiteral("：") + reason;
    return MessageText::shownPath(failure.source.joined(), room / 2) + QStringLiteral(" -> ") +
           MessageText::shownPath(failure.destination.joined(), room / 2) + QStringLiteral("：") + reason;
}

} // namespace RunReport
