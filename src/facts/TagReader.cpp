#include "facts/TagReader.h"

#include "facts/BoundedFileStream.h"
#include "facts/MetadataLibraries.h"

#include <QSet>

#include <taglib/fileref.h>
#include <taglib/tag.h>

namespace {

// The extension, lower case, of the last name in path.
QByteArray extensionOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const qsizetype dot = path.lastIndexOf('.');
    return dot > slash ? path.mid(dot + 1).toLower() : QByteArray();
}

bool mayHoldTags(const QByteArray& path)
{
    static const QSet<QByteArray> Known = [] {
        QSet<QByteArray> known;
        for (const TagLib::String& extension : TagLib::FileRef::defaultFileExtensions())
            known.insert(QByteArray(extension.toCString()).toLower());
        return known;
    }();
    return Known.contains(extensionOf(path));
}

std::optional<QString> textOf(const TagLib::String& text)
{
    const QString trimmed = QString::fromStdString(text.to8Bit(true)).trimmed();
    return trimmed.isEmpty() ? std::nullopt : std::optional<QString>(trimmed);
}

std::optional<double> numberOf(unsigned number)
{
    return number > 0 ? std::optional<double>(number) : std::nullopt;
}

FactSet factsOf(const TagLib::FileRef& file)
{
    FactSet facts;
    if (const TagLib::Tag* tag = file.tag()) {
        facts.add(FileFact::Artist, textOf(tag->artist()));
        facts.add(FileFact::Title, textOf(tag->title()));
        facts.add(FileFact::Album, textOf(tag->album()));
        facts.add(FileFact::Track, numberOf(tag->track()));
        facts.add(FileFact::Year, numberOf(tag->year()));
        facts.add(FileFact::Genre, textOf(tag->genre()));
    }
    if (const TagLib::AudioProperties* properties = file.audioProperties())
        if (properties->lengthInMilliseconds() > 0)
            facts.add(FileFact::Duration, double(properties->lengthInSeconds()));
    return facts;
}

} // namespace

FactSet TagReader::read(const QByteArray& path)
{
    if (!mayHoldTags(path))
        return {};
    prepareMetadataLibraries();
    BoundedFileStream stream(path, ReadBudget, QDeadlineTimer(TimeLimitMs));
    if (!stream.isOpen())
        return {};
    try {
        const TagLib::FileRef file(&stream, true, TagLib::AudioProperties::Average);
        return file.isNull() ? FactSet() : factsOf(file);
    } catch (...) {
        // TagLib's own errors, and a stream past its bounds.
        return {};
    }
}
