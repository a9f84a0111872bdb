#include "MediaFiles.h"

#include <QBuffer>
#include <QImage>

#include <exiv2/exiv2.hpp>
#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace MediaFiles {

QByteArray jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

QByteArray mp3Frames(int frames)
{
    // 144 * 128000 / 44100 bytes a frame, without padding.
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x64);
    return frame.repeated(frames);
}

QByteArray flacStream(int seconds)
{
    const quint64 sampleRate = 44100;
    const quint64 packed =
        sampleRate << 44 | quint64(2 - 1) << 41 | quint64(16 - 1) << 36 | sampleRate * seconds;
    QByteArray stream("fLaC");
    stream += QByteArray::fromHex("80000022"); // the last metadata block: stream information, 34 bytes
    stream += QByteArray::fromHex("10001000000000000000");
    for (int shift = 56; shift >= 0; shift -= 8)
        stream += char(packed >> shift & 0xFF);
    stream += QByteArray(16, '\0'); // no checksum
    return stream;
}

bool write(const QByteArray& path, const QByteArray& bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

QByteArray read(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    QByteArray bytes;
    char buffer[65536];
    for (ssize_t n; fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    if (fd >= 0)
        ::close(fd);
    return bytes;
}

bool setTimes(const QByteArray& path, qint64 accessed, qint64 modified)
{
    const struct timespec times[2] = {{time_t(accessed), 0}, {time_t(modified), 0}};
    return ::utimensat(AT_FDCWD, path.constData(), times, 0) == 0;
}

void addExif(const QByteArray& path, const Exif& exif)
{
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(path.toStdString());
    image->readMetadata();
    Exiv2::ExifData data = image->exifData();
    for (const auto& [key, value] : exif)
        data[key] = std::string(value);
    image->setExifData(data);
    image->writeMetadata();
}

bool addTags(const QByteArray& path, const Tags& tags)
{
    TagLib::FileRef file(path.constData());
    if (file.isNull())
        return false;
    TagLib::Tag* tag = file.tag();
    tag->setArtist(TagLib::String(tags.artist, TagLib::String::UTF8));
    tag->setTitle(TagLib::String(tags.title, TagLib::String::UTF8));
    tag->setAlbum(TagLib::String(tags.album, TagLib::String::UTF8));
    tag->setTrack(tags.track);
    tag->setYear(tags.year);
    tag->setGenre(TagLib::String(tags.genre, TagLib::String::UTF8));
    return file.save();
}

} // namespace MediaFiles
