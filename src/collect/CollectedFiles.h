#pragma once

#include "base/TextChunks.h"

#include <QDir>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <span>
#include <vector>

// The collected files in collection order, duplicates allowed, as the file list shows them and
// the table is built from them. Each folder is kept once and each file by its base name and its
// extension (the last dot and what follows, one copy per distinct extension); the table's cells
// take these very texts, so a collection of a million files holds every name once.
class CollectedFiles
{
public:
    CollectedFiles() = default;
    explicit CollectedFiles(const QStringList& paths, QChar separator = QDir::separator());

    // Adds the files of one folder, given by name, after those collected so far: a folder scan
    // hands its files over folder by folder, and no whole path is ever made of them.
    void appendFolder(const QString& folder, std::span<const QString> names);
    // Gives back the room that growing folder by folder left over.
    void squeeze() { m_files.shrink_to_fit(); }

    qsizetype size() const { return qsizetype(m_files.size()); }
    bool isEmpty() const { return m_files.empty(); }
    QString path(qsizetype i) const;
    QStringList paths() const;
    // The folder with its trailing separator.
    const QString& folder(qsizetype i) const { return m_folders[m_files[i].folder]; }
    // The name without its extension; the whole name when it has none.
    const QString& base(qsizetype i) const { return m_files[i].base; }
    // Empty for a name without one, or one that ends in its dot.
    const QString& extension(qsizetype i) const { return m_extensions[m_files[i].extension]; }

private:
    struct File
    {
        QString base;
        qint32 folder = 0;    // in m_folders
        qint32 extension = 0; // in m_extensions
    };

    // Adds the file of this name in the last folder.
    void appendName(QStringView name);
    // The place of a non-empty extension in m_extensions, which takes it when it is new.
    qint32 extensionIndex(QStringView dotext);

    std::vector<QString> m_folders;
    std::vector<QString> m_extensions{QString()}; // the first for names without one
    QHash<QString, qint32> m_extensionIndex;      // the place of each in m_extensions but the first
    std::vector<File> m_files;
    TextChunks m_bases; // the characters of the base names, side by side
};
