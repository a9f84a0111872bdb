#pragma once

#include "formula/FormulaError.h"
#include "formula/FormulaValue.h"

#include <QString>
#include <optional>

class FunctionArguments;

// Joins the texts of function arguments with a delimiter, as TEXTJOIN, CONCAT and CONCATENATE
// do, up to the longest text a cell holds.
class TextJoiner
{
public:
    TextJoiner(QString delimiter, bool ignoreEmpty)
        : m_delimiter(std::move(delimiter)), m_ignoreEmpty(ignoreEmpty)
    {
    }

    // The argument's one value; false once the join has failed.
    bool addValue(const FormulaValue& value);
    // Every value the argument stands for, a range row by row; the empty cells of a range take
    // their place too unless empty texts are ignored.
    bool addAll(const FunctionArguments& arguments, int i);

    // The joined text, or the error that stopped the join.
    FormulaValue result() const;

private:
    bool add(const QString& piece);

    QString m_delimiter;
    bool m_ignoreEmpty;
    QString m_text;
    bool m_first = true;
    std::optional<FormulaError> m_error;
};
