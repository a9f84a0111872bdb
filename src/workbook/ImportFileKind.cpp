#include "workbook/ImportFileKind.h"

#include "workbook/OpcPackage.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr QByteArrayView CompoundDocument("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");

// A compound document names its streams in UTF-16 in its directory; an encrypted Office file
// holds a stream called EncryptionInfo. The directory may sit anywhere, so the file is searched.
bool holdsEncryptionInfo(QFile& file)
{
    static const QByteArray name = QByteArray::fromRawData("E\0n\0c\0r\0y\0p\0t\0i\0o\0n\0I\0n\0f\0o\0", 28);
    QByteArray carried;
    for (;;) {
        const QByteArray block = file.read(1 << 20);
        if (block.isEmpty())
            return false;
        const QByteArray searched = carried + block;
        if (searched.contains(name))
            return true;
        carried = searched.right(name.size() - 1);
    }
}

bool isSpreadsheetMimetype(const OpcPackage& package)
{
    QByteArray mimetype;
    return package.read(QStringLiteral("mimetype"), 1024, mimetype) == PartStatus::Read &&
           mimetype.trimmed().startsWith("application/vnd.oasis.opendocument.spreadsheet");
}

} // namespace

ImportFileKind importFileKind(const QString& path)
{
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.peek(8) : QByteArray();
    if (head.startsWith(CompoundDocument))
        return holdsEncryptionInfo(file) ? ImportFileKind::EncryptedWorkbook : ImportFileKind::LegacyWorkbook;
    if (head.startsWith("PK")) {
        OpcPackage package;
        if (package.open(path)) {
            if (isSpreadsheetMimetype(package))
                return ImportFileKind::Ods;
            if (package.hasPart(QStringLiteral("_rels/.rels")))
                return ImportFileKind::Xlsx;
            // An .ods without its mimetype still has its content.
            if (package.hasPart(QStringLiteral("content.xml")) &&
                !package.hasPart(QStringLiteral("mimetype")))
                return ImportFileKind::Ods;
            return ImportFileKind::OtherPackage;
        }
    }
    static const QStringList workbookSuffixes{QStringLiteral("xlsx"), QStringLiteral("xlsm"),
                                              QStringLiteral("xltx"), QStringLiteral("ods"),
                                              QStringLiteral("xls"),  QStringLiteral("et")};
    if (workbookSuffixes.contains(QFileInfo(path).suffix().toLower()))
        return ImportFileKind::DamagedWorkbook;
    return ImportFileKind::TextTable;
}
