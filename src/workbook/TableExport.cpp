#include "workbook/TableExport.h"

#include "workbook/WorkbookWriter.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Exports of one second beyond this many point to something wrong with the folder.
constexpr int MaxCopiesPerSecond = 1000;

} // namespace

QString exportFileName(const QDateTime& madeAt, int copy)
{
    QString name = QStringLiteral("Renvora改名表_") + madeAt.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    if (copy > 1)
        name += u'_' + QString::number(copy);
    return name + QStringLiteral(".xlsx");
}

TableExport exportTable(const Sheet& sheet, const QString& folder, const QDateTime& madeAt)
{
    const QDir dir(folder);
    for (int copy = 1; copy <= MaxCopiesPerSecond; ++copy) {
        const QString path = dir.absoluteFilePath(exportFileName(madeAt, copy));
        const QFileInfo file(path);
        if (file.exists() || file.isSymLink())
            continue;
        WorkbookWriter writer(sheet, madeAt);
        if (writer.write(path))
            return {path, {}, writer.rawByteCells()};
        return {{}, writer.errorString()};
    }
    return {{}, QStringLiteral("文件夹 %1 中同一时刻导出的文件太多").arg(QDir::toNativeSeparators(folder))};
}
