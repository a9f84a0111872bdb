#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <string_view>

// A path with its hash worked out once, for the sets and maps that look paths up many times.
// The paths of one folder share a long beginning, so telling two of them apart by their
// characters is slow; their hashes tell almost every pair apart at once.
struct PathKey
{
    QString path;
    size_t hash = 0;

    PathKey() = default;
    explicit PathKey(QString text) : path(std::move(text)), hash(hashOf(path)) {}
    PathKey(QString text, size_t knownHash) : path(std::move(text)), hash(knownHash) {}

    // Paths are no one's attack on the program: a plain fast hash serves, where Qt's own is
    // built to withstand chosen keys and costs several times as much on a long path.
    static size_t hashOf(QStringView path)
    {
        return std::hash<std::u16string_view>{}(std::u16string_view(path.utf16(), size_t(path.size())));
    }

    friend bool operator==(const PathKey& a, const PathKey& b)
    {
        return a.hash == b.hash && a.path == b.path;
    }
    friend size_t qHash(const PathKey& key, size_t seed = 0) { return key.hash ^ seed; }
};
