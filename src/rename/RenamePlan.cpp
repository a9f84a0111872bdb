#include "rename/RenamePlan.h"

#include "base/NativeName.h"
#include "base/TrailingSeparator.h"
#include "rename/PathRules.h"
#include "rename/PlanConflicts.h"
#include "table/Sheet.h"

#include <QDir>
#include <QStringBuilder>

#include <algorithm>
#include <optional>

namespace {

using Failure = FileOutcome::Failure;
using Kind = RenameOperation::Kind;

struct TableRow
{
    qsizetype row;
    QString oldName;      // B
    QString newName;      // C; the folder in the distribution mode
    QString oldExtension; // D
    QString newExtension; // E
    QString folder;       // F
    QString newFolder;    // G
    QString error;        // the first error value among B to G, as it shows

    static TableRow read(const Sheet& sheet, qsizetype row)
    {
        TableRow read{row,
                      sheet.text(row, Sheet::B),
                      sheet.text(row, Sheet::C),
                      sheet.text(row, Sheet::D),
                      sheet.text(row, Sheet::E),
                      sheet.text(row, Sheet::F),
                      sheet.text(row, Sheet::G),
                      {}};
        for (int column = Sheet::B; column <= Sheet::G && read.error.isEmpty(); ++column)
            if (sheet.isError(row, column))
                read.error = sheet.text(row, column);
        return read;
    }

    QString source() const { return folder % oldName % oldExtension; }
};

void refuse(RenameOperation& operation, Failure why, const QString& detail = {})
{
    operation.state = RenameOperation::State::Refused;
    operation.refusal = why;
    operation.refusalDetail = detail;
}

// Paths that reach the disk as the same bytes are the same path, whatever text they are written in.
RenameOperation planned(const TableRow& row, Kind kind, const QString& destination)
{
    RenameOperation operation;
    operation.row = row.row;
    operation.kind = kind;
    operation.source = NativeName::canonical(row.source());
    operation.destination = NativeName::canonical(destination);
    // A cell holding an error value gives no path to act on.
    if (!row.error.isEmpty())
        refuse(operation, Failure::FormulaError, row.error);
    return operation;
}

// The folders must be full paths and the new name must stay one name in its folder, and
// every path must stand for bytes the file system can be given.
void refuseUnlessSound(RenameOperation& operation, const QString& folder, const QString& destinationFolder,
                       QStringView fileName)
{
    if (operation.state == RenameOperation::State::Refused)
        return;
    if (!PathRules::isFullPath(folder) || !PathRules::isFullPath(destinationFolder))
        refuse(operation, Failure::NotFullPath);
    else if (!PathRules::isAcceptableFileName(fileName) || !NativeName::isEncodable(operation.source) ||
             !NativeName::isEncodable(operation.destination))
        refuse(operation, Failure::IllegalName);
}

// A copy or rename into destinationFolder under name and extension.
RenameOperation fileOperation(const TableRow& row, Kind kind, const QString& destinationFolder,
                              const QString& name, const QString& extension)
{
    RenameOperation operation = planned(row, kind, destinationFolder % name % extension);
    refuseUnlessSound(operation, row.folder, destinationFolder, QString(name % extension));
    return operation;
}

RenameOperation distribution(const TableRow& row)
{
    const QString& folder = row.newName;
    // A folder written with its separator does not get a second one.
    const bool written = PathRules::endsWithSeparator(folder);
    const QString separator = written ? QString() : QString(QDir::separator());
    RenameOperation operation = planned(row, Kind::Copy, folder % separator % row.oldName % row.newExtension);
    // The folder of column C is the pre-pass's business.
    refuseUnlessSound(operation, row.folder, row.folder, QString(row.oldName % row.newExtension));
    operation.folder = NativeName::canonical(folder);
    operation.warnFolderForm = written;
    return operation;
}

RenameOperation folderStep(const TableRow& row)
{
    RenameOperation step;
    step.row = row.row;
    step.kind = Kind::CreateFolder;
    step.source = NativeName::canonical(row.source());
    step.destination = NativeName::canonical(row.newName);
    if (!row.error.isEmpty())
        refuse(step, Failure::FormulaError, row.error);
    else if (!PathRules::isFullPath(row.newName))
        refuse(step, Failure::NotFullPath);
    else if (!NativeName::isEncodable(step.destination))
        refuse(step, Failure::IllegalName);
    return step;
}

std::optional<RenameOperation> batchOperation(const TableRow& row, RunSettings::BatchMode mode)
{
    switch (mode) {
    case RunSettings::BatchMode::None:
        return std::nullopt;
    case RunSettings::BatchMode::RenameInPlace: {
        if (row.oldName.isEmpty() && row.oldExtension.isEmpty())
            return std::nullopt;
        RenameOperation operation =
            fileOperation(row, Kind::Rename, row.folder, row.newName, row.newExtension);
        if (operation.state == RenameOperation::State::Ready && operation.source == operation.destination)
            operation.state = RenameOperation::State::Unchanged;
        return operation;
    }
    case RunSettings::BatchMode::CopyToTarget:
        if (row.oldExtension.isEmpty())
            return std::nullopt;
        // A folder is a folder, written with its separator or without: the name goes inside it.
        return fileOperation(row, Kind::Copy, withTrailingSeparator(row.newFolder), row.newName,
                             row.newExtension);
    case RunSettings::BatchMode::Distribute: {
        if (row.oldExtension.isEmpty())
            return std::nullopt;
        return distribution(row);
    }
    }
    return std::nullopt;
}

} // namespace

RenamePlan RenamePlan::fromTable(const Sheet& sheet, const RunSettings& settings)
{
    RenamePlan plan;
    plan.dataRows = sheet.dataRowCount();
    const bool distributionMode = settings.batchMode == RunSettings::BatchMode::Distribute;
    plan.batchRuns = settings.batch;
    plan.derivationRuns = settings.derive;
    // The pre-pass belongs to the distribution: in the derivation on its own, column C holds
    // file names, not folders.
    const bool prePass = distributionMode && (settings.batch || !settings.derive);

    if (prePass)
        plan.folders.reserve(plan.dataRows);
    if (plan.batchRuns)
        plan.batch.reserve(plan.dataRows);
    if (plan.derivationRuns)
        plan.derivation.reserve(plan.dataRows);

    for (const qsizetype r : sheet.dataRows()) {
        const TableRow row = TableRow::read(sheet, r);
        if (prePass)
            plan.folders.push_back(folderStep(row));
        if (plan.batchRuns) {
            if (auto operation = batchOperation(row, settings.batchMode))
                plan.batch.push_back(std::move(*operation));
        }
        if (plan.derivationRuns && !row.oldExtension.isEmpty()) {
            // Derived copies keep the original extension under the row's new name.
            const QString target = withTrailingSeparator(settings.deriveInPlace ? row.folder : row.newFolder);
            plan.derivation.push_back(fileOperation(row, Kind::Copy, target, row.newName, row.oldExtension));
        }
    }
    // Whichever row comes first, no two rows of a pass write one name.
    plan.batchRenamesInPlace = plan.batchRuns && settings.batchMode == RunSettings::BatchMode::RenameInPlace;
    if (plan.batchRenamesInPlace)
        plan.batchChains = RenameChains::plan(plan.batch);
    else if (plan.batchRuns)
        PlanConflicts::refuseSharedDestinations(plan.batch);
    if (plan.derivationRuns)
        PlanConflicts::refuseSharedDestinations(plan.derivation);
    return plan;
}

qsizetype RenamePlan::firstRowWithoutNewName(const Sheet& sheet)
{
    // A formula whose value is empty leaves the name empty all the same.
    for (const qsizetype r : sheet.dataRows()) {
        if (sheet.text(r, Sheet::C).isEmpty())
            return r;
    }
    return 0;
}
