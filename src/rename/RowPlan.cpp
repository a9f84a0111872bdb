#include "rename/RowPlan.h"

#include "base/NativeName.h"
#include "base/TrailingSeparator.h"
#include "rename/PathRules.h"
#include "table/Sheet.h"

#include <QDir>
#include <QStringBuilder>
#include <QVarLengthArray>
#include <optional>

namespace {

using Failure = FileOutcome::Failure;
using Kind = RenameOperation::Kind;

// The cells of a row the run reads, as references to the sheet's own texts where they are
// stored as text: planning a row copies no text it does not keep.
struct TableRow
{
    qsizetype row;
    std::optional<FormulaError> error; // the first error value among B to G

private:
    QString m_made[Sheet::G - Sheet::B + 1]; // the texts of cells that hold no text

    const QString& cell(const Sheet& sheet, int column)
    {
        if (const QString* stored = sheet.storedText(row, column))
            return *stored;
        QString& made = m_made[column - Sheet::B];
        made = sheet.text(row, column);
        if (!error && sheet.isError(row, column))
            error = std::get<FormulaError>(sheet.value(row, column));
        return made;
    }

public:
    const QString& oldName;      // B
    const QString& newName;      // C; the folder in the distribution mode
    const QString& oldExtension; // D
    const QString& newExtension; // E
    const QString& folder;       // F
    const QString& newFolder;    // G

    TableRow(const Sheet& sheet, qsizetype r)
        : row(r), oldName(cell(sheet, Sheet::B)), newName(cell(sheet, Sheet::C)),
          oldExtension(cell(sheet, Sheet::D)), newExtension(cell(sheet, Sheet::E)),
          folder(cell(sheet, Sheet::F)), newFolder(cell(sheet, Sheet::G))
    {
    }
    TableRow(const TableRow&) = delete;

    SplitPath source() const { return {folder, oldName, oldExtension}; }
};

void refuse(RenameOperation& operation, Failure why)
{
    operation.state = RenameOperation::State::Refused;
    operation.refusal = why;
}

void refuseForError(RenameOperation& operation, FormulaError error)
{
    refuse(operation, Failure::FormulaError);
    operation.refusedError = error;
}

// Paths that reach the disk as the same bytes are the same path, whatever text they are written in.
RenameOperation planned(const TableRow& row, Kind kind, SplitPath destination)
{
    RenameOperation operation;
    operation.row = row.row;
    operation.kind = kind;
    operation.source = row.source();
    operation.destination = std::move(destination);
    // A cell holding an error value gives no path to act on.
    if (row.error)
        refuseForError(operation, *row.error);
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
    else if (!PathRules::isAcceptableFileName(fileName) || !operation.source.isEncodable() ||
             !operation.destination.isEncodable())
        refuse(operation, Failure::IllegalName);
}

// A copy or rename into destinationFolder under name and extension.
RenameOperation fileOperation(const TableRow& row, Kind kind, const QString& destinationFolder,
                              const QString& name, const QString& extension)
{
    RenameOperation operation = planned(row, kind, {destinationFolder, name, extension});
    QVarLengthArray<QChar, 256> fileName;
    fileName.append(name.constData(), name.size());
    fileName.append(extension.constData(), extension.size());
    refuseUnlessSound(operation, row.folder, destinationFolder,
                      QStringView(fileName.constData(), fileName.size()));
    return operation;
}

RenameOperation distribution(const TableRow& row)
{
    const QString& folder = row.newName;
    // A folder written with its separator does not get a second one.
    const bool written = PathRules::endsWithSeparator(folder);
    const QString separator = written ? QString() : QString(QDir::separator());
    RenameOperation operation = planned(row, Kind::Copy, {folder % separator, row.oldName, row.newExtension});
    // The folder of column C is the pre-pass's business.
    refuseUnlessSound(operation, row.folder, row.folder, QString(row.oldName % row.newExtension));
    operation.folder = PathFrame::of(NativeName::canonical(folder), QString());
    operation.warnFolderForm = written;
    return operation;
}

RenameOperation folderStep(const TableRow& row)
{
    RenameOperation step;
    step.row = row.row;
    step.kind = Kind::CreateFolder;
    step.source = row.source();
    step.destination = row.newName;
    if (row.error)
        refuseForError(step, *row.error);
    else if (!PathRules::isFullPath(row.newName))
        refuse(step, Failure::NotFullPath);
    else if (!step.destination.isEncodable())
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

RowPlan::Passes RowPlan::Passes::of(const RunSettings& settings)
{
    Passes passes;
    // The pre-pass belongs to the distribution: in the derivation on its own, column C holds
    // file names, not folders.
    passes.folders =
        settings.batchMode == RunSettings::BatchMode::Distribute && (settings.batch || !settings.derive);
    passes.batch = settings.batch;
    passes.derivation = settings.derive;
    passes.batchRenamesInPlace =
        settings.batch && settings.batchMode == RunSettings::BatchMode::RenameInPlace;
    return passes;
}

RowPlan RowPlan::of(const Sheet& sheet, qsizetype r, const RunSettings& settings, const Passes& passes)
{
    const TableRow row(sheet, r);
    RowPlan plan;
    if (passes.folders)
        plan.folder = folderStep(row);
    if (passes.batch)
        plan.batch = batchOperation(row, settings.batchMode);
    if (passes.derivation && !row.oldExtension.isEmpty()) {
        // Derived copies keep the original extension under the row's new name.
        const QString target = withTrailingSeparator(settings.deriveInPlace ? row.folder : row.newFolder);
        plan.derivation = fileOperation(row, Kind::Copy, target, row.newName, row.oldExtension);
    }
    return plan;
}

bool RowPlan::lacksNewName(const Sheet& sheet, qsizetype row)
{
    // A formula whose value is empty leaves the name empty all the same.
    return sheet.text(row, Sheet::C).isEmpty();
}
