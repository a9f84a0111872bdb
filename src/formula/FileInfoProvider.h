#pragma once

#include "formula/CellAddress.h"
#include "formula/FormulaValue.h"

#include <QString>
#include <optional>

// Answers FILEINFO(what, [path]) for the program, which knows which file a row stands for.
class FileInfoProvider
{
public:
    virtual ~FileInfoProvider() = default;

    // what as typed, such as "size" or "modified"; path when the formula gives one; host is the
    // cell holding the formula. Gives a number, a text, a date-time serial (see DateSerial.h) or
    // an error such as #N/A or #VALUE!.
    virtual FormulaValue fileInfo(const QString& what, const std::optional<QString>& path,
                                  CellAddress host) const = 0;
    // Told when a calculation ends, having asked all it asks.
    virtual void calculationFinished() const {}
};
