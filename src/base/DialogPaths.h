#pragma once

#include <QString>
#include <optional>

// Qt's file dialogs read names through a decoder that puts U+FFFD in place of bytes that are
// not UTF-8, so a chosen path holding U+FFFD may stand for several names on disk, or for none.
// Finds the one it stands for, part by part, with its exact bytes; nothing when that is not
// exactly one. A path without U+FFFD is taken as it is.
std::optional<QString> exactPathOf(const QString& chosen);
