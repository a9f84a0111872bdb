#include "facts/FactCache.h"

#include "facts/FileStatus.h"
#include "facts/LookupFolder.h"
#include "facts/PhotoReader.h"
#include "facts/TagReader.h"

#include <fcntl.h>
#include <mutex>

std::optional<FactValue> FactCache::value(const QByteArray& path, FileFact fact, LookupFolder* folder)
{
    if (path.isEmpty())
        return std::nullopt;
    const LookupFolder::Place place =
        folder ? folder->placeOf(path) : LookupFolder::Place{AT_FDCWD, path.constData()};
    const std::optional<FileStatus> status = FileStatus::of(place.folder, place.name);
    if (!status)
        return std::nullopt;
    switch (sourceOf(fact)) {
    case FactSource::FileSystem:
        return status->value(fact);
    case FactSource::Photo:
        if (!status->regular)
            return std::nullopt;
        return factsOf(path, status->stamp, &Entry::photo, &PhotoReader::read).value(fact);
    case FactSource::Tags:
        if (!status->regular)
            return std::nullopt;
        return factsOf(path, status->stamp, &Entry::tags, &TagReader::read).value(fact);
    }
    return std::nullopt;
}

FactSet FactCache::factsOf(const QByteArray& path, const FileStamp& stamp,
                           std::optional<FactSet> Entry::*kept, FactSet (*read)(const QByteArray&))
{
    {
        std::shared_lock lock(m_mutex);
        const auto found = m_entries.constFind(path);
        if (found != m_entries.cend() && found->stamp == stamp && found.value().*kept)
            return *(found.value().*kept);
    }
    // Read without the lock, so that other threads go on meanwhile.
    FactSet facts = read(path);
    std::unique_lock lock(m_mutex);
    Entry& entry = m_entries[path];
    if (entry.stamp != stamp)
        entry = Entry{stamp, {}, {}};
    entry.*kept = facts;
    return facts;
}

qsizetype FactCache::fileCount() const
{
    std::shared_lock lock(m_mutex);
    return m_entries.size();
}

void FactCache::clear()
{
    std::unique_lock lock(m_mutex);
    m_entries.clear();
}
