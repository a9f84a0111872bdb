#include "facts/PhotoFacts.h"

std::optional<FactValue> PhotoFacts::value(FileFact fact) const
{
    switch (fact) {
    case FileFact::Taken:
        return factValue(taken);
    case FileFact::Camera:
        return factValue(camera);
    case FileFact::Width:
        return factValue(width);
    case FileFact::Height:
        return factValue(height);
    case FileFact::Orientation:
        return factValue(orientation);
    default:
        return std::nullopt;
    }
}
