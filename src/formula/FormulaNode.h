#pragma once

#include "formula/FormulaError.h"

#include <QtGlobal>

enum class FormulaOperator : quint8
{
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Concatenate, // takes any number of operands: a&b&c is one node
    Equal,
    NotEqual,
    Less,
    Greater,
    LessOrEqual,
    GreaterOrEqual
};

// One step of a parsed formula. The nodes of a formula lie in one vector, each operand before
// the node that uses it, and a node's operands are listed in the formula's child table.
struct FormulaNode
{
    enum class Kind : quint8
    {
        Number,
        Text,
        Boolean,
        Error,
        Missing, // an argument left out between commas, as in IF(A1,,1)
        Reference,
        Name,        // a name the program does not know: #NAME?
        UnknownCall, // a call of a function the program does not know: #NAME?
        Parentheses,
        Negate,
        UnaryPlus,
        Percent,
        Operator,
        Call
    };

    Kind kind = Kind::Missing;
    FormulaOperator op = FormulaOperator::Add; // Operator
    FormulaError error = FormulaError::Value;  // Error
    quint32 index = 0;      // Text, Name, UnknownCall: into the texts; Reference: into the references;
                            // Call: into the function catalog
    quint32 firstChild = 0; // into the child table
    quint32 childCount = 0;
    double number = 0; // Number; Boolean as 1 or 0

    friend bool operator==(const FormulaNode&, const FormulaNode&) = default;
};
