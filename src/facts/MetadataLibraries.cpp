#include "facts/MetadataLibraries.h"

#include "facts/LegacyTagText.h"

#include <exiv2/bmffimage.hpp>
#include <exiv2/error.hpp>
#include <exiv2/xmp_exiv2.hpp>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/tdebuglistener.h>

#include <mutex>

namespace {

class SilentListener : public TagLib::DebugListener
{
public:
    void printMessage(const TagLib::String&) override {}
};

TagLib::String tagString(const TagLib::ByteVector& data)
{
    const QByteArray text = legacyTagText(QByteArrayView(data.data(), data.size())).toUtf8();
    return TagLib::String(std::string(text.constData(), size_t(text.size())), TagLib::String::UTF8);
}

class Id3v1Text : public TagLib::ID3v1::StringHandler
{
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override
    {
        return tagString(data).stripWhiteSpace();
    }
};

class Id3v2Latin1Text : public TagLib::ID3v2::Latin1StringHandler
{
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override { return tagString(data); }
};

void ignoreExiv2Message(int, const char*) {}

void lockXmp(void* mutex, bool lock)
{
    if (lock)
        static_cast<std::mutex*>(mutex)->lock();
    else
        static_cast<std::mutex*>(mutex)->unlock();
}

} // namespace

void prepareMetadataLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::LogMsg::setHandler(ignoreExiv2Message);
        static std::mutex xmpMutex;
        Exiv2::XmpParser::initialize(lockXmp, &xmpMutex);
        Exiv2::enableBMFF(true);

        static SilentListener listener;
        TagLib::setDebugListener(&listener);
        static Id3v1Text id3v1;
        TagLib::ID3v1::Tag::setStringHandler(&id3v1);
        static Id3v2Latin1Text id3v2;
        TagLib::ID3v2::Tag::setLatin1StringHandler(&id3v2);
    });
}
