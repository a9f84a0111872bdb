#include "SampleFolder.h"

#include <QDir>
#include <QFile>

namespace {

// Camera names, and a travel plan that a pattern of *.jpg leaves out.
const char* const SampleFiles[] = {
    "IMG_0001.jpg", "IMG_0002.jpg", "IMG_0003.jpg", "IMG_0004.jpg",
    "DSC_1024.jpg", "DSC_1025.jpg", "DSC_1026.jpg", "行程单.pdf",
};

} // namespace

SampleFolder::SampleFolder() : m_root(QDir::temp().filePath(QStringLiteral("renvora-示例")))
{
    QDir(m_root).removeRecursively();
    m_valid = QDir().mkpath(photos());
    for (const char* name : SampleFiles) {
        QFile file(QDir(photos()).filePath(QString::fromUtf8(name)));
        m_valid = m_valid && file.open(QIODevice::WriteOnly) && file.write(name) > 0;
    }
}

SampleFolder::~SampleFolder()
{
    QDir(m_root).removeRecursively();
}

QString SampleFolder::photos() const
{
    return QDir(m_root).filePath(QStringLiteral("春节旅行"));
}
