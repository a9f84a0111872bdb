#include "facts/FileFact.h"

#include <QLatin1StringView>

namespace {

struct NamedFact
{
    QLatin1StringView name;
    FileFact fact;
};

constexpr NamedFact Names[] = {
    {QLatin1StringView("modified"), FileFact::Modified},
    {QLatin1StringView("accessed"), FileFact::Accessed},
    {QLatin1StringView("created"), FileFact::Created},
    {QLatin1StringView("size"), FileFact::Size},
    {QLatin1StringView("taken"), FileFact::Taken},
    {QLatin1StringView("camera"), FileFact::Camera},
    {QLatin1StringView("width"), FileFact::Width},
    {QLatin1StringView("height"), FileFact::Height},
    {QLatin1StringView("orientation"), FileFact::Orientation},
    {QLatin1StringView("artist"), FileFact::Artist},
    {QLatin1StringView("title"), FileFact::Title},
    {QLatin1StringView("album"), FileFact::Album},
    {QLatin1StringView("track"), FileFact::Track},
    {QLatin1StringView("year"), FileFact::Year},
    {QLatin1StringView("genre"), FileFact::Genre},
    {QLatin1StringView("duration"), FileFact::Duration},
};

} // namespace

std::optional<FileFact> fileFactNamed(QStringView name)
{
    for (const NamedFact& named : Names)
        if (name.compare(named.name, Qt::CaseInsensitive) == 0)
            return named.fact;
    return std::nullopt;
}

FactSource sourceOf(FileFact fact)
{
    switch (fact) {
    case FileFact::Modified:
    case FileFact::Accessed:
    case FileFact::Created:
    case FileFact::Size:
        return FactSource::FileSystem;
    case FileFact::Taken:
    case FileFact::Camera:
    case FileFact::Width:
    case FileFact::Height:
    case FileFact::Orientation:
        return FactSource::Photo;
    case FileFact::Artist:
    case FileFact::Title:
    case FileFact::Album:
    case FileFact::Track:
    case FileFact::Year:
    case FileFact::Genre:
    case FileFact::Duration:
        return FactSource::Tags;
    }
    return FactSource::FileSystem;
}
