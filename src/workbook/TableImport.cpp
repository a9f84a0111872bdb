#include "workbook/TableImport.h"

#include "workbook/ImportFileKind.h"
#include "workbook/ImportReasons.h"
#include "workbook/OdsReader.h"
#include "workbook/TextTableReader.h"
#include "workbook/WorkbookReader.h"

#include <QDir>
#include <QFileInfo>

namespace {

TableImport refused(const QString& reason)
{
    return {{}, reason};
}

template <typename Reader> TableImport readWith(const QString& path, const QString& nothingRead)
{
    TableImport imported;
    Reader reader;
    if (!reader.read(path, imported.table))
        return refused(reader.errorString());
    if (imported.table.isEmpty())
        return refused(nothingRead);
    return imported;
}

} // namespace

TableImport importTable(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo file(path);
    if (!file.exists())
        return refused(ImportReasons::notFound(shown));
    if (!file.isFile() || !file.isReadable())
        return refused(ImportReasons::unreadable(shown));
    if (file.size() == 0)
        return refused(ImportReasons::emptyFile(shown));
    switch (importFileKind(path)) {
    case ImportFileKind::Xlsx:
        return readWith<WorkbookReader>(path, ImportReasons::nothingInSheet(shown));
    case ImportFileKind::Ods:
        return readWith<OdsReader>(path, ImportReasons::nothingInSheet(shown));
    case ImportFileKind::TextTable:
        return readWith<TextTableReader>(path, ImportReasons::nothingInFile(shown));
    case ImportFileKind::EncryptedWorkbook:
        return refused(ImportReasons::encrypted(shown));
    case ImportFileKind::LegacyWorkbook:
        return refused(ImportReasons::legacyWorkbook(shown));
    case ImportFileKind::OtherPackage:
    case ImportFileKind::DamagedWorkbook:
        break;
    }
    return refused(ImportReasons::notWorkbook(shown));
}
