#include "facts/TagFacts.h"

std::optional<FactValue> TagFacts::value(FileFact fact) const
{
    switch (fact) {
    case FileFact::Artist:
        return factValue(artist);
    case FileFact::Title:
        return factValue(title);
    case FileFact::Album:
        return factValue(album);
    case FileFact::Track:
        return factValue(track);
    case FileFact::Year:
        return factValue(year);
    case FileFact::Genre:
        return factValue(genre);
    case FileFact::Duration:
        return factValue(duration);
    default:
        return std::nullopt;
    }
}
