#pragma once

#include "facts/FactValue.h"
#include "facts/FileFact.h"

#include <optional>

// What the tags of a piece of music or a video tell; each one only where the file has it.
struct TagFacts
{
    std::optional<QString> artist;
    std::optional<QString> title;
    std::optional<QString> album;
    std::optional<qint64> track;
    std::optional<qint64> year;
    std::optional<QString> genre;
    std::optional<qint64> duration; // whole seconds

    std::optional<FactValue> value(FileFact fact) const;
};
