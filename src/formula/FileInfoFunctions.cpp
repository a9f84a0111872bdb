#include "formula/FileInfoProvider.h"
#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"

namespace {

// The program answers: the engine only hands over what was asked, for which cell.
FormulaValue fileInfo(FunctionArguments& arguments)
{
    const Checked<QString> what = arguments.text(0);
    if (!what)
        return what.error();
    std::optional<QString> path;
    if (arguments.count() > 1) {
        const Checked<QString> given = arguments.text(1);
        if (!given)
            return given.error();
        path = *given;
    }
    const FileInfoProvider* provider = arguments.context().fileInfoProvider();
    if (!provider)
        return FormulaError::NA;
    return provider->fileInfo(*what, path, arguments.host());
}

constexpr FormulaFunction Functions[] = {
    {u"FILEINFO", u"FILEINFO(信息类型, [路径])", u"本行文件或指定文件的信息，如大小、修改时间", 1, 2,
     fileInfo, false, true},
};

} // namespace

std::span<const FormulaFunction> fileInfoFunctions()
{
    return Functions;
}
