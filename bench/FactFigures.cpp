#include "Figures.h"

#include "base/Progress.h"
#include "facts/FactReader.h"
#include "facts/SheetFileFacts.h"
#include "rules/TableBuild.h"
#include "table/Sheet.h"

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

// The files laid out in a table as 建立规则 lays them out.
std::unique_ptr<Sheet> tableOf(const QList<QByteArray>& paths)
{
    QStringList files;
    for (const QByteArray& path : paths)
        files << QFile::decodeName(path);
    auto sheet = std::make_unique<Sheet>();
    NoProgress progress;
    buildTable(*sheet, files, {}, progress);
    return sheet;
}

void clearColumnC(Sheet& sheet)
{
    Sheet::Batch batch(sheet);
    for (const qsizetype row : sheet.dataRows())
        sheet.clearCell(row, Sheet::C);
}

// The formula filled down column C, then its values taken in as they come, as the window takes
// them: each time the reader has answered, or every 40 ms while it reads. Returns the rows whose
// fact was found. A new reader, so a new cache: the files are read afresh.
qsizetype fillDown(Sheet& sheet, const QString& formula)
{
    FactReader reader;
    SheetFileFacts facts(sheet, reader);
    sheet.setFileInfoProvider(&facts);
    {
        Sheet::Batch batch(sheet);
        sheet.put(Sheet::FirstDataRow, Sheet::C, formula);
        const Sheet::FormulaPointer filled = sheet.formula(Sheet::FirstDataRow, Sheet::C);
        for (const qsizetype row : sheet.dataRows())
            sheet.setFormula(row, Sheet::C, filled);
    }
    while (facts.isPending()) {
        reader.waitUntilIdle(QDeadlineTimer(40));
        facts.deliver();
    }
    sheet.setFileInfoProvider(nullptr);
    qsizetype found = 0;
    for (const qsizetype row : sheet.dataRows())
        found += !sheet.isError(row, Sheet::C);
    return found;
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
    figure.name = QStringLiteral("file facts: FILEINFO(\"modified\") filled down");
    const std::unique_ptr<Sheet> sheet = tableOf(paths);
    figure.size = sheet->dataRowCount();
    qsizetype found = 0;
    const auto [ours, find] = measureInTurns(
        context.runs, [&] { found = fillDown(*sheet, QStringLiteral("=FILEINFO(\"modified\")")); },
        [&] {
            runToEnd(QStringLiteral("find"), {context.tree.root, QStringLiteral("-type"), QStringLiteral("f"),
                                              QStringLiteral("-printf"), QStringLiteral("%T@\\n")});
        },
        [&] { clearColumnC(*sheet); });
    if (found != figure.size)
        qFatal("modified of %lld of %lld files", qlonglong(found), qlonglong(figure.size));
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
    figure.name = QStringLiteral("file facts: FILEINFO(\"taken\") filled down, photos read afresh");
    const std::unique_ptr<Sheet> sheet = tableOf(paths);
    figure.size = sheet->dataRowCount();
    QStringList arguments{QStringLiteral("-g"), QStringLiteral("Exif.Photo.DateTimeOriginal"),
                          QStringLiteral("-Pv")};
    for (const QByteArray& path : paths)
        arguments << QFile::decodeName(path);
    const QString exiv2 = QStandardPaths::findExecutable(QStringLiteral("exiv2"));
    qsizetype found = 0;
    auto readAll = [&] { found = fillDown(*sheet, QStringLiteral("=FILEINFO(\"taken\")")); };
    auto prepare = [&] { clearColumnC(*sheet); };
    if (exiv2.isEmpty()) {
        QTextStream(stdout) << "no exiv2 program (Debian package exiv2): the photo figure has no baseline\n";
        figure.measured = measure(context.runs, readAll, prepare);
    } else {
        const auto [ours, baseline] = measureInTurns(
            context.runs, readAll, [&] { runToEnd(exiv2, arguments); }, prepare);
        figure.measured = ours;
        figure.baselineMs = baseline.medianMs;
        figure.target = QStringLiteral("≤1.5x");
        figure.limit = 1.5;
    }
    if (found != figure.size)
        qFatal("taken of %lld of %lld photos", qlonglong(found), qlonglong(figure.size));
    return figure;
}

} // namespace

void measureFactFigures(const BenchContext& context, QList<Figure>& figures)
{
    figures << modifiedFigure(context) << takenFigure(context);
}
