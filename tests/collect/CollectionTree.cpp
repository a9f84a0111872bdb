#include "CollectionTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CollectionTree::CollectionTree() = default;

QString CollectionTree::path(const QString& relative) const
{
    const QString full = relative.isEmpty() ? m_dir.path() : m_dir.path() + u'/' + relative;
    return QDir::toNativeSeparators(full);
}

QStringList CollectionTree::paths(const QStringList& relatives) const
{
    QStringList full;
    for (const QString& relative : relatives)
        full << path(relative);
    return full;
}

void CollectionTree::file(const QString& relative)
{
    const QString full = m_dir.path() + u'/' + relative;
    QDir().mkpath(QFileInfo(full).path());
    QFile out(full);
    if (!out.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(full));
    out.write(relative.toUtf8());
}

void CollectionTree::files(const QStringList& relatives)
{
    for (const QString& relative : relatives)
        file(relative);
}

void CollectionTree::folder(const QString& relative)
{
    QDir().mkpath(m_dir.path() + u'/' + relative);
}

bool CollectionTree::link(const QString& relative, const QString& target)
{
    const QString full = m_dir.path() + u'/' + relative;
    QDir().mkpath(QFileInfo(full).path());
    return QFile::link(target.isEmpty() ? m_dir.path() : m_dir.path() + u'/' + target, full);
}
