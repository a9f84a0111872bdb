#include "FileTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileTree::FileTree()
{
    m_dir.setAutoRemove(false);
}

// Qt removes a folder by names it decodes, and misses those that are not UTF-8; rm takes bytes.
FileTree::~FileTree()
{
    if (m_dir.isValid())
        QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), QStringLiteral("--"), m_dir.path()});
}

QString FileTree::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

QStringList FileTree::paths(const QStringList& relatives) const
{
    QStringList full;
    for (const QString& relative : relatives)
        full << path(relative);
    return full;
}

QString FileTree::folder(const QString& relative) const
{
    return path(relative) + QDir::separator();
}

void FileTree::write(const QString& relative, const QByteArray& content)
{
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(relative));
}

void FileTree::file(const QString& relative)
{
    QDir().mkpath(QFileInfo(path(relative)).path());
    write(relative, relative.toUtf8());
}

void FileTree::files(const QStringList& relatives)
{
    for (const QString& relative : relatives)
        file(relative);
}

bool FileTree::link(const QString& relative, const QString& target)
{
    QDir().mkpath(QFileInfo(path(relative)).path());
    return QFile::link(path(target), path(relative));
}

QByteArray FileTree::bytePath(const QByteArray& relative) const
{
    return QFile::encodeName(m_dir.path()) + '/' + relative;
}

void FileTree::writeBytes(const QByteArray& relative, const QByteArray& content)
{
    const int fd = ::open(bytePath(relative).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0 || ::write(fd, content.constData(), size_t(content.size())) != content.size())
        qFatal("cannot write %s", relative.constData());
    ::close(fd);
}

QByteArray FileTree::readBytes(const QByteArray& relative) const
{
    const int fd = ::open(bytePath(relative).constData(), O_RDONLY);
    if (fd < 0)
        return "<missing>";
    QByteArray content(4096, '\0');
    const ssize_t n = ::read(fd, content.data(), size_t(content.size()));
    ::close(fd);
    return content.left(n < 0 ? 0 : n);
}

void FileTree::makeFolderBytes(const QByteArray& relative)
{
    if (::mkdir(bytePath(relative).constData(), 0755) != 0)
        qFatal("cannot create %s", relative.constData());
}

void FileTree::makeFolder(const QString& relative)
{
    if (!QDir(m_dir.path()).mkpath(relative))
        qFatal("cannot create %s", qPrintable(relative));
}

QMap<QString, QByteArray> FileTree::snapshot() const
{
    QMap<QString, QByteArray> entries;
    const QDir root(m_dir.path());
    QDirIterator it(m_dir.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString full = it.next();
        const QString relative = root.relativeFilePath(full);
        if (it.fileInfo().isDir()) {
            entries.insert(relative + u'/', QByteArray());
        } else {
            QFile file(full);
            entries.insert(relative,
                           file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
        }
    }
    return entries;
}
