#include "rename/FileOutcome.h"

FileOutcome FileOutcome::failed(Failure failure, QString systemMessage)
{
    return {failure, std::move(systemMessage)};
}

FileOutcome FileOutcome::failed(Failure failure, FormulaError error)
{
    return {failure, failure == Failure::FormulaError ? errorText(error) : QString()};
}

QString FileOutcome::reason() const
{
    switch (failure) {
    case Failure::None:
        return {};
    case Failure::DestinationExists:
        return QStringLiteral("目标已存在");
    case Failure::SourceMissing:
        return QStringLiteral("源文件不存在");
    case Failure::FolderMissing:
        return QStringLiteral("目标目录不存在");
    case Failure::AccessDenied:
        return QStringLiteral("没有权限");
    case Failure::IllegalName:
        return QStringLiteral("文件名含有非法字符");
    case Failure::NotFullPath:
        return QStringLiteral("目录不是完整路径");
    case Failure::DuplicateDestination:
        return QStringLiteral("目标重复");
    case Failure::DuplicateSource:
        return QStringLiteral("源文件重复");
    case Failure::LinkedFailure:
        return QStringLiteral("关联文件改名失败，本文件未改名");
    case Failure::Modified:
        return QStringLiteral("文件已被修改，未删除");
    case Failure::FolderNotEmpty:
        return QStringLiteral("目录不为空，未删除");
    case Failure::Gone:
        return QStringLiteral("已不存在");
    case Failure::FormulaError:
        return QStringLiteral("公式错误: ") + systemMessage;
    case Failure::EmptyNewName:
        return QStringLiteral("新文件名为空");
    case Failure::Replaced:
        return QStringLiteral("已不是改名时的文件，未移回");
    case Failure::LeftUnderTemporary:
        return QStringLiteral("文件暂存为 ") + systemMessage;
    case Failure::NameTooLong:
        return QStringLiteral("文件名太长");
    case Failure::DiskFull:
        return QStringLiteral("磁盘空间不足");
    case Failure::ReadOnlyFileSystem:
        return QStringLiteral("只读文件系统");
    case Failure::NotAFolder:
        return QStringLiteral("目标不是目录");
    case Failure::NoSafeRename:
        return QStringLiteral("文件系统不支持安全改名");
    case Failure::Other:
        break;
    }
    return QStringLiteral("其他错误:") + systemMessage;
}
