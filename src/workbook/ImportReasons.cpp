#include "workbook/ImportReasons.h"

#include "workbook/ImportLimits.h"
#include "workbook/WorkbookLimits.h"

namespace ImportReasons {
namespace {

// Chinese runs into Chinese, but a cell's name keeps a space before the next word.
QString spaced(const QString& where)
{
    return !where.isEmpty() && where.back().unicode() < 0x80 ? where + u' ' : where;
}

} // namespace

QString notFound(const QString& shown)
{
    return QStringLiteral("找不到文件 %1").arg(shown);
}

QString unreadable(const QString& shown)
{
    return QStringLiteral("无法读取文件 %1：它不是普通文件，或者没有读取它的权限").arg(shown);
}

QString emptyFile(const QString& shown)
{
    return QStringLiteral("文件 %1 是空的").arg(shown);
}

QString fileTooLarge(const QString& shown)
{
    return QStringLiteral("文件 %1 超过 %2 MB，太大了，无法导入")
        .arg(shown)
        .arg(ImportLimits::MaxTextFileBytes >> 20);
}

QString encrypted(const QString& shown)
{
    return QStringLiteral("工作簿 %1 设有打开密码，请先在 Excel 或 WPS 中取消密码并保存，再导入").arg(shown);
}

QString legacyWorkbook(const QString& shown)
{
    return QStringLiteral("%1 是旧版 .xls 格式的工作簿，请先在 Excel 或 WPS 中另存为 .xlsx 格式，再导入")
        .arg(shown);
}

QString notWorkbook(const QString& shown)
{
    return QStringLiteral("%1 不是 xlsx 或 ods 工作簿，或者已经损坏").arg(shown);
}

QString notTextTable(const QString& shown)
{
    return QStringLiteral("文件 %1 不是表格：它既不是工作簿，也不是 csv 等文本表格").arg(shown);
}

QString unknownEncoding(const QString& shown)
{
    return QStringLiteral("无法识别文件 %1 的文字编码（可以导入 UTF-8、UTF-16 和 GB18030 编码的文本表格）")
        .arg(shown);
}

QString part(const QString& shown, const QString& partName, PartStatus status)
{
    switch (status) {
    case PartStatus::Read:
        break;
    case PartStatus::Missing:
        return QStringLiteral("工作簿 %1 已损坏：缺少其中的 %2").arg(shown, partName);
    case PartStatus::Damaged:
        return QStringLiteral("工作簿 %1 已损坏：其中的 %2 无法读取").arg(shown, partName);
    case PartStatus::TooLarge:
        return QStringLiteral("工作簿 %1 中的 %2 解压后过大，不像是正常的表格，已停止读取")
            .arg(shown, partName);
    case PartStatus::Unsafe:
        return QStringLiteral("工作簿 %1 中的 %2 含有 DOCTYPE 声明，为安全起见不予读取").arg(shown, partName);
    }
    return {};
}

QString damaged(const QString& shown, const QString& detail)
{
    return QStringLiteral("工作簿 %1 已损坏：%2").arg(shown, detail);
}

QString offGrid(const QString& shown, const QString& where)
{
    return QStringLiteral("%1 中的%2超出了表格的范围（最多 %3 行、%4 列）")
        .arg(shown, spaced(where))
        .arg(WorkbookLimits::MaxRows)
        .arg(WorkbookLimits::MaxColumns);
}

QString tooManyCells(const QString& shown)
{
    return QStringLiteral("%1 中有内容的单元格超过 %2 万个，太多了，无法导入")
        .arg(shown)
        .arg(ImportLimits::MaxCells / 10000);
}

QString textTooLong(const QString& shown, const QString& where)
{
    return QStringLiteral("%1 中%2的文字超过单元格最多 %3 个字符")
        .arg(shown, spaced(where))
        .arg(WorkbookLimits::MaxCellText);
}

QString nothingInSheet(const QString& shown)
{
    return QStringLiteral("工作簿 %1 的第一张工作表中没有任何内容").arg(shown);
}

QString nothingInFile(const QString& shown)
{
    return QStringLiteral("文件 %1 中没有任何内容").arg(shown);
}

QString rowAndColumn(qint64 row, qint64 column)
{
    return QStringLiteral("第 %1 行第 %2 列").arg(row).arg(column);
}

} // namespace ImportReasons
