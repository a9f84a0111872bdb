#include "BenchTree.h"

#include <QDir>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qsizetype FilesPerFolder = 1000;

QString nameFor(qsizetype i)
{
    const QString number = QStringLiteral("%1").arg(i, 7, 10, QLatin1Char('0'));
    switch (i % 20) {
    case 0:
        return QStringLiteral("会议记录_") + number + QStringLiteral(".jpg");
    case 1:
        return QStringLiteral("scan_") + number + QStringLiteral(".pdf");
    case 2:
        return QStringLiteral("IMG_") + number + QStringLiteral(".png");
    case 3:
        return QStringLiteral("report_") + number + QStringLiteral(".docx");
    default:
        return QStringLiteral("IMG_") + number + QStringLiteral(".jpg");
    }
}

void touch(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd >= 0) {
        static const char content[] = "renvora bench\n";
        (void)::write(fd, content, sizeof content - 1);
        ::close(fd);
    }
}

} // namespace

BenchTree BenchTree::create(const QString& root, qsizetype fileCount)
{
    BenchTree tree;
    tree.root = root;
    tree.files.reserve(fileCount);
    QDir().mkpath(root);
    QString folder;
    for (qsizetype i = 0; i < fileCount; ++i) {
        if (i % FilesPerFolder == 0) {
            const qsizetype n = i / FilesPerFolder;
            folder = root + QStringLiteral("/d%1").arg(n, 4, 10, QLatin1Char('0'));
            // Every tenth folder keeps half its files one level down.
            QDir().mkpath(folder);
            if (n % 10 == 5)
                QDir().mkpath(folder + QStringLiteral("/子目录"));
        }
        QString dir = folder;
        if ((i / FilesPerFolder) % 10 == 5 && i % 2 == 1)
            dir += QStringLiteral("/子目录");
        const QString path = dir + u'/' + nameFor(i);
        touch(path);
        tree.files << path;
        if (path.endsWith(QStringLiteral(".jpg")))
            ++tree.jpgCount;
    }
    return tree;
}
