#pragma once

#include <QString>
#include <optional>

// The camera as its maker and model name it, "Canon EOS 5D Mark IV", from the two EXIF texts
// as the camera wrote them. Many models repeat the maker ("NIKON CORPORATION", "NIKON D750"):
// the model alone then. Nothing when both are empty.
std::optional<QString> cameraName(const QString& make, const QString& model);
