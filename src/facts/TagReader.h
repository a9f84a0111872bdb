#pragma once

#include "facts/FactSet.h"

#include <QByteArray>

// Reads the tags and the length of music and video through TagLib (MP3, FLAC, Ogg, M4A, MP4,
// WMA, WAV, APE and the others it knows). Only files whose extension TagLib knows are
// opened: a photo read as music could show a length it does not have. TagLib reads at most
// ReadBudget bytes of a file and gives up on it after TimeLimit (ordinary files take a few
// milliseconds). A file that TagLib cannot read has no tag facts.
namespace TagReader {

constexpr qint64 ReadBudget = 32 * 1024 * 1024;
constexpr int TimeLimitMs = 1000;

// artist, title, album, track, year, genre and duration (whole seconds), those the file has.
FactSet read(const QByteArray& path);

} // namespace TagReader
