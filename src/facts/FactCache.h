#pragma once

#include "base/FileStamp.h"
#include "facts/FactSet.h"
#include "facts/FactValue.h"
#include "facts/FileFact.h"

#include <QByteArray>
#include <QHash>
#include <optional>
#include <shared_mutex>

class LookupFolder;

// The facts of files, each read once and kept until the file changes. Every lookup looks at
// the file once (one statx); the facts of the file system come from that look alone. A
// photo's metadata is read the first time one of its facts is asked for, a file's tags the
// first time one of those is; both are kept, under the file's name as the file system spells
// it, for as long as the file keeps its size, modification and change times and identity. Safe to use
// from several threads at once; two threads that ask for the same new file at the same time
// may both read it.
class FactCache
{
public:
    // The fact of the file at path (the file system's own bytes), nothing when the file does
    // not have it or cannot be read. A thread looking at many files passes its own folder.
    std::optional<FactValue> value(const QByteArray& path, FileFact fact, LookupFolder* folder = nullptr);

    qsizetype fileCount() const; // files whose metadata or tags are kept
    void clear();

private:
    struct Entry
    {
        FileStamp stamp;
        std::optional<FactSet> photo;
        std::optional<FactSet> tags;
    };

    // The facts one reader gives for the file, kept ones while the stamp still holds.
    FactSet factsOf(const QByteArray& path, const FileStamp& stamp, std::optional<FactSet> Entry::*kept,
                    FactSet (*read)(const QByteArray&));

    mutable std::shared_mutex m_mutex;
    QHash<QByteArray, Entry> m_entries;
};
