#include "workbook/TableImport.h"

#include "workbook/ImportFileKind.h"
#include "workbook/ImportReasons.h"
#include "workbook/OdsReader.h"
#include "workbook/TextTableReader.h"
#include "workbook/WorkbookReader.h"

#include <QDir>
#include <QFileInfo>

namespace {

template <typename Reader> TableImport readWith(const QString& path)
{
    TableImport imported;
    Reader reader;
    if (!reader.read(path, imported.table))
        imported.error = reader.errorString();
    return imported;
}

TableImport refused(const QString& reason)
{
    return {{}, reason};
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
        return readWith<WorkbookReader>(path);
    case ImportFileKind::Ods:
        return readWith<OdsReader>(path);
    case ImportFileKind::TextTable:
        return readWith<TextTableReader>(path);
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
