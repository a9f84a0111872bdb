#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Files to import, made part by part as other applications make them.
struct ZipPart
{
    QString name;
    QByteArray bytes;
    qint64 times = 1; // the bytes written this many times over, for parts that unpack large
    bool stored = false;
};
using ZipParts = std::vector<ZipPart>;

bool writeZip(const QString& path, const ZipParts& parts);
bool writeFile(const QString& path, const QByteArray& bytes);
// Flips a byte in the middle of a part's packed data, leaving the archive's directory whole.
bool damagePart(const QString& path, const QString& partName);
