#include "ZipFiles.h"

#include <QFile>

#include <zip.h>

bool writeZip(const QString& path, const ZipParts& parts)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool written = true;
    for (const ZipPart& part : parts) {
        zip_fileinfo info{};
        written = written && zipOpenNewFileInZip64(zip, part.name.toUtf8().constData(), &info, nullptr, 0,
                                                   nullptr, 0, nullptr, part.stored ? 0 : Z_DEFLATED,
                                                   part.stored ? 0 : Z_DEFAULT_COMPRESSION, 1) == ZIP_OK;
        for (qint64 i = 0; written && i < part.times; ++i)
            written = zipWriteInFileInZip(zip, part.bytes.constData(), unsigned(part.bytes.size())) == ZIP_OK;
        written = written && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && written;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool damagePart(const QString& path, const QString& partName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    const QByteArray name = partName.toUtf8();
    for (qsizetype at = bytes.indexOf("PK\x03\x04"); at >= 0; at = bytes.indexOf("PK\x03\x04", at + 4)) {
        const auto field = [&](qsizetype offset, int size) {
            quint32 value = 0;
            for (int i = size - 1; i >= 0; --i)
                value = value << 8 | quint8(bytes[at + offset + i]);
            return value;
        };
        const quint32 nameSize = field(26, 2);
        if (bytes.mid(at + 30, nameSize) != name)
            continue;
        const qsizetype data = at + 30 + nameSize + field(28, 2);
        bytes[data + field(18, 4) / 2] = char(bytes[data + field(18, 4) / 2] ^ 0x20);
        return file.seek(0) && file.write(bytes) == bytes.size();
    }
    return false;
}
