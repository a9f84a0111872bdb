#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A tree of the user's files in a temporary folder, removed with everything in it, names that
// are not UTF-8 included. Relative paths are written with "/".
class FileTree
{
public:
    FileTree();
    ~FileTree();

    bool isValid() const { return m_dir.isValid(); }
    // The full path of an entry; the tree's own folder for an empty name.
    QString path(const QString& relative = {}) const;
    QStringList paths(const QStringList& relatives) const;
    // The full path of a folder, with its trailing separator as the table holds folders.
    QString folder(const QString& relative = {}) const;
    void write(const QString& relative, const QByteArray& content);
    // Creates the file and its folders, with its relative path as content.
    void file(const QString& relative);
    void files(const QStringList& relatives);
    void makeFolder(const QString& relative);
    // A symbolic link at relative pointing at target, both relative to the root ("" is the root).
    bool link(const QString& relative, const QString& target);
    // The same with the relative path given as the file system's bytes, which need not be text;
    // what cannot be read reads as "<missing>".
    void writeBytes(const QByteArray& relative, const QByteArray& content);
    QByteArray readBytes(const QByteArray& relative) const;
    void makeFolderBytes(const QByteArray& relative);
    // Every file with its content and every folder (as "name/" with an empty content), by
    // relative path: what a test compares before and after a run.
    QMap<QString, QByteArray> snapshot() const;

private:
    QByteArray bytePath(const QByteArray& relative) const;

    QTemporaryDir m_dir;
};
