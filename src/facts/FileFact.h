#pragma once

#include <QStringView>
#include <optional>

// What a file can tell about itself, by the name a formula asks for it.
enum class FileFact
{
    Modified,
    Accessed,
    Created,
    Size,
    Taken,
    Camera,
    Width,
    Height,
    Orientation,
    Artist,
    Title,
    Album,
    Track,
    Year,
    Genre,
    Duration,
};

// Where a fact comes from: each source is read on its own, and only when one of its facts is
// asked for.
enum class FactSource
{
    FileSystem,
    Photo,
    Tags,
};

// The fact of that name, in any case ("Taken", "TAKEN"); nothing for a name it does not know.
std::optional<FileFact> fileFactNamed(QStringView name);
FactSource sourceOf(FileFact fact);
