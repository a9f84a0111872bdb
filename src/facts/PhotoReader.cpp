#include "facts/PhotoReader.h"

#include "facts/CameraName.h"
#include "facts/ExifDateTime.h"
#include "facts/MetadataLibraries.h"
#include "facts/ReadOnlyFile.h"

#include <exiv2/exif.hpp>
#include <exiv2/image.hpp>

namespace {

QString exifText(const Exiv2::ExifData& exif, const Exiv2::ExifKey& key)
{
    const auto found = exif.findKey(key);
    return found == exif.end() ? QString() : QString::fromStdString(found->toString());
}

std::optional<QDateTime> takenAt(const Exiv2::ExifData& exif)
{
    static const Exiv2::ExifKey Keys[] = {
        Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"),
        Exiv2::ExifKey("Exif.Photo.DateTimeDigitized"),
        Exiv2::ExifKey("Exif.Image.DateTime"),
    };
    for (const Exiv2::ExifKey& key : Keys) {
        const auto found = exif.findKey(key);
        if (found == exif.end())
            continue;
        if (const auto time = exifDateTime(found->toString()))
            return time;
    }
    return std::nullopt;
}

std::optional<double> positive(long value)
{
    return value > 0 ? std::optional<double>(value) : std::nullopt;
}

// The size the image data has; the one the EXIF states where Exiv2 does not see the data.
std::optional<double> pixels(long fromImage, const Exiv2::ExifData& exif, const Exiv2::ExifKey& key)
{
    if (fromImage > 0)
        return double(fromImage);
    const auto found = exif.findKey(key);
    return found == exif.end() || found->count() == 0 ? std::nullopt : positive(found->toLong());
}

std::optional<double> orientationOf(const Exiv2::ExifData& exif)
{
    static const Exiv2::ExifKey Key("Exif.Image.Orientation");
    const auto found = exif.findKey(Key);
    if (found == exif.end() || found->count() == 0)
        return std::nullopt;
    const long orientation = found->toLong();
    return orientation >= 1 && orientation <= 8 ? std::optional<double>(orientation) : std::nullopt;
}

FactSet factsOf(Exiv2::Image& image)
{
    static const Exiv2::ExifKey Make("Exif.Image.Make");
    static const Exiv2::ExifKey Model("Exif.Image.Model");
    static const Exiv2::ExifKey PixelX("Exif.Photo.PixelXDimension");
    static const Exiv2::ExifKey PixelY("Exif.Photo.PixelYDimension");
    const Exiv2::ExifData& exif = image.exifData();
    FactSet facts;
    facts.add(FileFact::Taken, takenAt(exif));
    facts.add(FileFact::Camera, cameraName(exifText(exif, Make), exifText(exif, Model)));
    facts.add(FileFact::Width, pixels(image.pixelWidth(), exif, PixelX));
    facts.add(FileFact::Height, pixels(image.pixelHeight(), exif, PixelY));
    facts.add(FileFact::Orientation, orientationOf(exif));
    return facts;
}

enum class Outcome
{
    Read,       // Exiv2 read the metadata (there may be none)
    NeedsMore,  // Exiv2 ran out of bytes, or found nothing where more may hold it
    Unreadable, // not a format Exiv2 knows, or damaged
};

// lastTry: no more bytes will follow, so whatever Exiv2 makes of these is the answer.
Outcome readFrom(const QByteArray& bytes, bool lastTry, FactSet& facts)
{
    const auto* data = reinterpret_cast<const Exiv2::byte*>(bytes.constData());
    try {
        if (Exiv2::ImageFactory::getType(data, long(bytes.size())) == Exiv2::ImageType::none)
            return Outcome::Unreadable;
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(data, long(bytes.size()));
        image->readMetadata();
        if (!lastTry && image->exifData().empty() && image->pixelWidth() == 0)
            return Outcome::NeedsMore;
        facts = factsOf(*image);
        return Outcome::Read;
    } catch (...) {
        // Exiv2 reports damaged data, and data cut short, by throwing.
        return lastTry ? Outcome::Unreadable : Outcome::NeedsMore;
    }
}

} // namespace

FactSet PhotoReader::read(const QByteArray& path)
{
    prepareMetadataLibraries();
    const ReadOnlyFile file(path);
    if (!file.isOpen())
        return {};
    FactSet facts;
    const QByteArray head = file.read(0, HeadBytes);
    switch (readFrom(head, head.size() == file.size(), facts)) {
    case Outcome::Read:
    case Outcome::Unreadable:
        return facts;
    case Outcome::NeedsMore:
        break;
    }
    const QByteArray more = file.read(0, MaxBytes);
    readFrom(more, true, facts);
    return facts;
}
