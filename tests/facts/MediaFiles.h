#pragma once

#include <QByteArray>
#include <QList>
#include <utility>

// Small media files made on the spot, so that tests need no sample files.
namespace MediaFiles {

// EXIF keys and values as exiv2 names and writes them: {"Exif.Image.Make", "Canon"}.
using Exif = QList<std::pair<const char*, const char*>>;

// A plain JPEG of a grey picture of that size, from Qt's own writer.
QByteArray jpeg(int width, int height);
// Silent MPEG-1 layer III frames at 128 kbit/s and 44.1 kHz, frames * 26.1 ms long.
QByteArray mp3Frames(int frames);
// A FLAC stream of that many seconds: its stream information, and no audio.
QByteArray flacStream(int seconds);

// Writes bytes to path, created or replaced, the path taken as it is.
bool write(const QByteArray& path, const QByteArray& bytes);
QByteArray read(const QByteArray& path);
// Sets both times of path, seconds since the epoch.
bool setTimes(const QByteArray& path, qint64 accessed, qint64 modified);

// Adds EXIF to the photo at path through Exiv2.
void addExif(const QByteArray& path, const Exif& exif);

// The common tags of a song; empty texts and zeros are left unset.
struct Tags
{
    const char* artist = "";
    const char* title = "";
    const char* album = "";
    unsigned track = 0;
    unsigned year = 0;
    const char* genre = "";
};
// Tags the MP3, FLAC or other music file at path through TagLib, in its format's usual tag.
bool addTags(const QByteArray& path, const Tags& tags);

} // namespace MediaFiles
