#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A folder tree for collection tests, made inside a temporary folder and removed with it.
// Relative paths are written with "/" and come back with the platform's separator.
class CollectionTree
{
public:
    CollectionTree();

    bool isValid() const { return m_dir.isValid(); }
    // The full path of a relative one, with the platform's separator; the root for "".
    QString path(const QString& relative = {}) const;
    QStringList paths(const QStringList& relatives) const;

    // Creates the file (and its folders) with its relative path as content.
    void file(const QString& relative);
    void files(const QStringList& relatives);
    void folder(const QString& relative);
    // A symbolic link at relative pointing at target, both relative to the root ("" is the root).
    bool link(const QString& relative, const QString& target);

private:
    QTemporaryDir m_dir;
};
