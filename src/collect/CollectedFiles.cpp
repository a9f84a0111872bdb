#include "collect/CollectedFiles.h"

#include "rules/PathParts.h"

#include <QStringBuilder>

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
        file.base = parts.base.toString();
        file.extension = extensionIndex(parts.dotext);
    } else {
        file.base = parts.name.toString();
    }
    m_files.push_back(std::move(file));
}

qint32 CollectedFiles::extensionIndex(QStringView dotext)
{
    // Files side by side mostly have the same extension: that one is tried before any hashing.
    if (!m_files.empty() && m_extensions[m_files.back().extension] == dotext)
        return m_files.back().extension;
    // Looked up without a copy; most files share a handful of extensions.
    const QString key = QString::fromRawData(dotext.data(), dotext.size());
    auto known = m_extensionIndex.constFind(key);
    if (known == m_extensionIndex.cend()) {
        m_extensions.push_back(dotext.toString());
        known = m_extensionIndex.insert(m_extensions.back(), qint32(m_extensions.size()) - 1);
    }
    return *known;
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
