#include "collect/CollectedFiles.h"

#include "rules/PathParts.h"

#include <QStringBuilder>

#include <algorithm>

CollectedFiles::CollectedFiles(const QStringList& paths, QChar separator)
{
    m_files.reserve(paths.size());
    for (const QString& path : paths) {
        const PathParts parts = PathParts::split(path, separator);
        if (m_folders.empty() || m_folders.back() != parts.directory)
            m_folders.push_back(parts.directory.toString());
        appendName(parts.name);
    }
}

void CollectedFiles::appendFolder(const QString& folder, std::span<const QString> names)
{
    if (names.empty())
        return;
    m_folders.push_back(folder);
    for (const QString& name : names)
        appendName(name);
}

void CollectedFiles::appendName(QStringView name)
{
    // The name alone holds no separator, so it splits into base and extension only.
    const PathParts parts = PathParts::split(name, u'\0');
    File file;
    file.folder = qint32(m_folders.size()) - 1;
    if (parts.takesPart) {
        file.base = m_bases.copy(parts.base);
        file.extension = extensionIndex(parts.dotext);
    } else {
        file.base = m_bases.copy(parts.name);
    }
    m_files.push_back(std::move(file));
}

qint32 CollectedFiles::extensionIndex(QStringView dotext)
{
    // An extension is a few characters: compared in place, it costs less than a call to compare
    // it, and far less than hashing it.
    const auto isAt = [&](qint32 index) {
        const QString& known = m_extensions[size_t(index)];
        return known.size() == dotext.size() && std::equal(dotext.begin(), dotext.end(), known.cbegin());
    };
    // Files side by side mostly have the same extension: that one is tried first.
    if (!m_files.empty() && isAt(m_files.back().extension))
        return m_files.back().extension;
    // Most collections hold a handful of extensions, looked through before any hashing.
    constexpr qint32 Handful = 8;
    const qint32 known = qint32(m_extensions.size());
    if (known <= Handful) {
        for (qint32 index = 1; index < known; ++index)
            if (isAt(index))
                return index;
    } else if (auto found = m_extensionIndex.constFind(QString::fromRawData(dotext.data(), dotext.size()));
               found != m_extensionIndex.cend()) {
        // Looked up without a copy.
        return *found;
    }
    m_extensions.push_back(dotext.toString());
    m_extensionIndex.insert(m_extensions.back(), known);
    return known;
}

QString CollectedFiles::path(qsizetype i) const
{
    return folder(i) % base(i) % extension(i);
}

QStringList CollectedFiles::paths() const
{
    QStringList all;
    all.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        all << path(i);
    return all;
}
