#pragma once

#include "facts/FactValue.h"
#include "facts/FileFact.h"

#include <optional>

// What a photo's metadata tells; each one only where the photo has it.
struct PhotoFacts
{
    std::optional<QDateTime> taken;
    std::optional<QString> camera;
    std::optional<qint64> width;
    std::optional<qint64> height;
    std::optional<qint64> orientation; // the EXIF number, 1 to 8

    std::optional<FactValue> value(FileFact fact) const;
};
