#pragma once

#include "rename/RunResult.h"

#include <QString>
#include <vector>

// The texts that tell the user what a run did.
namespace RunReport {

// Failures listed one a line in a summary; the rest are marked in the table.
inline constexpr qsizetype ListedFailures = 20;

// 共选择文件:N个 =>共更名文件:S个 (共分配文件 when distributing).
QString batchStatus(qint64 selected, qint64 done, bool distributes);
// The status line, the rows left unchanged and the failures.
QString batchMessage(const QString& status, qint64 unchanged, const std::vector<FailedOperation>& failures);
QString derivationMessage(qint64 copiesMade, const std::vector<FailedOperation>& failures);
// 已撤销:n个.
QString undoStatus(qint64 undone);
// The status line and what could not be undone.
QString undoMessage(const QString& status, const std::vector<FailedOperation>& failures);
// 失败:F个 and the first failures, one a line; empty when nothing failed.
QString failureSection(const std::vector<FailedOperation>& failures);
// Source -> destination：reason; a removal's path：reason.
QString failureLine(const FailedOperation& failure);

} // namespace RunReport
