#include "Figures.h"

#include "facts/FactCache.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

#include <exiv2/exiv2.hpp>

namespace {

const QByteArray TemplateDate = "2019:05:01 08:30:15";

// A small JPEG with the EXIF a phone writes (time, camera, orientation), made through Exiv2.
QByteArray photoWithExif(const QString& path)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(path, "JPG");
    Exiv2::Image::AutoPtr photo = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    photo->readMetadata();
    Exiv2::ExifData& exif = photo->exifData();
    exif["Exif.Image.Make"] = std::string("HUAWEI");
    exif["Exif.Image.Model"] = std::string("ELE-AL00");
    exif["Exif.Image.Orientation"] = std::string("1");
    exif["Exif.Image.DateTime"] = std::string(TemplateDate.constData());
    exif["Exif.Photo.DateTimeOriginal"] = std::string(TemplateDate.constData());
    exif["Exif.Photo.DateTimeDigitized"] = std::string(TemplateDate.constData());
    photo->writeMetadata();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// count photos, each taken a minute after the one before.
QList<QByteArray> makePhotos(const QString& folder, qsizetype count)
{
    QDir().mkpath(folder);
    const QByteArray photo = photoWithExif(folder + QStringLiteral("/template.jpg"));
    QFile::remove(folder + QStringLiteral("/template.jpg"));
    const QDateTime first(QDate(2019, 5, 1), QTime(8, 30, 15));
    QList<QByteArray> paths;
    for (qsizetype i = 0; i < count; ++i) {
        QByteArray bytes = photo;
        bytes.replace(TemplateDate,
                      first.addSecs(60 * i).toString(QStringLiteral("yyyy:MM:dd HH:mm:ss")).toLatin1());
        const QString path = folder + QStringLiteral("/IMG_%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        paths << QFile::encodeName(path);
    }
    return paths;
}

// What people already trust for this, as a process whose output is read in full.
void runToEnd(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    (void)process.readAllStandardOutput();
}

Figure modifiedFigure(const BenchContext& context)
{
    QList<QByteArray> paths;
    for (const QString& file : context.tree.files)
        paths << QFile::encodeName(file);
    Figure figure;
    figure.name = QStringLiteral("file facts: modified");
    figure.size = paths.size();
    FactCache cache;
    qsizetype found = 0;
    const auto [ours, find] = measureInTurns(
        context.runs,
        [&] {
            found = 0;
            for (const QByteArray& path : paths)
                found += cache.value(path, FileFact::Modified).has_value();
        },
        [&] {
            runToEnd(QStringLiteral("find"), {context.tree.root, QStringLiteral("-type"), QStringLiteral("f"),
                                              QStringLiteral("-printf"), QStringLiteral("%T@\\n")});
        },
        [] {});
    if (found != paths.size())
        qFatal("modified of %lld of %lld files", qlonglong(found), qlonglong(paths.size()));
    figure.measured = ours;
    figure.baselineMs = find.medianMs;
    figure.target = QStringLiteral("≤1.5x");
    figure.limit = 1.5;
    return figure;
}

// The photos are read afresh in each run: a new cache, as when a column is first filled.
Figure takenFigure(const BenchContext& context)
{
    const QList<QByteArray> paths = makePhotos(context.scratch + QStringLiteral("/photos"),
                                               std::max<qsizetype>(1, context.tree.files.size() / 10));
    Figure figure;
    figure.name = QStringLiteral("file facts: taken, photos read afresh");
    figure.size = paths.size();
    QStringList arguments{QStringLiteral("-g"), QStringLiteral("Exif.Photo.DateTimeOriginal"),
                          QStringLiteral("-Pv")};
    for (const QByteArray& path : paths)
        arguments << QFile::decodeName(path);
    const QString exiv2 = QStandardPaths::findExecutable(QStringLiteral("exiv2"));
    qsizetype found = 0;
    auto readAll = [&] {
        FactCache cache;
        found = 0;
        for (const QByteArray& path : paths)
            found += cache.value(path, FileFact::Taken).has_value();
    };
    if (exiv2.isEmpty()) {
        QTextStream(stdout) << "no exiv2 program (Debian package exiv2): the photo figure has no baseline\n";
        figure.measured = measure(context.runs, readAll);
    } else {
        const auto [ours, baseline] = measureInTurns(
            context.runs, readAll, [&] { runToEnd(exiv2, arguments); }, [] {});
        figure.measured = ours;
        figure.baselineMs = baseline.medianMs;
        figure.target = QStringLiteral("≤1.5x");
        figure.limit = 1.5;
    }
    if (found != paths.size())
        qFatal("taken of %lld of %lld photos", qlonglong(found), qlonglong(paths.size()));
    return figure;
}

} // namespace

void measureFactFigures(const BenchContext& context, QList<Figure>& figures)
{
    figures << modifiedFigure(context) << takenFigure(context);
}
