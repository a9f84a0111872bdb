#pragma once

#include "facts/FactSet.h"

#include <QByteArray>

// Reads the metadata of a photo through Exiv2 (JPEG, TIFF, HEIF, PNG and the camera raw
// formats). Exiv2 never sees the file itself, only the bytes at its start, read into memory:
// HeadBytes first, where a JPEG's metadata and that of most raw files sit; once more up to
// MaxBytes when those were not enough (a TIFF scan that keeps its directory after the image,
// a Fujifilm raw). A parser can thus neither read without end nor be led far by a damaged
// file. A file that Exiv2 does not know, or cannot read, has no photo facts.
namespace PhotoReader {

constexpr qint64 HeadBytes = 256 * 1024;
constexpr qint64 MaxBytes = 32 * 1024 * 1024;

// taken, camera, width, height and orientation, those the photo has.
FactSet read(const QByteArray& path);

} // namespace PhotoReader
