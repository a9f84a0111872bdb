#pragma once

#include "formula/FormulaError.h"

#include <QString>

// One piece of a typed formula.
struct FormulaToken
{
    enum class Kind : quint8
    {
        Number,
        Text,  // a quoted string, its "" read as one quote
        Word,  // a name, function or cell as typed, such as LEFT, B2 or $B$2
        Error, // an error value typed as such, such as #N/A
        Plus,
        Minus,
        Star,
        Slash,
        Caret,
        Ampersand,
        Percent,
        Equal,
        NotEqual,
        Less,
        Greater,
        LessOrEqual,
        GreaterOrEqual,
        LeftParen,
        RightParen,
        Comma,
        Colon,
        End
    };

    Kind kind = Kind::End;
    qsizetype position = 0; // into the text as typed
    double number = 0;
    QString text;
    FormulaError error = FormulaError::Value;
};
