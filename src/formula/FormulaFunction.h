#pragma once

#include "formula/FormulaValue.h"

#include <QStringView>

class FunctionArguments;

// A function of the formula language: how it is called, what it does, how it is evaluated.
struct FormulaFunction
{
    QStringView name;        // as spreadsheets name it, in capitals
    QStringView arguments;   // the arguments for the user, optional ones in brackets
    QStringView description; // one line for the user
    int minArguments = 0;
    int maxArguments = 0;
    FormulaValue (*evaluate)(FunctionArguments& arguments) = nullptr;
    bool isVolatile = false;   // its value can change without any cell changing
    bool readsOwnFile = false; // its value comes from the file named by the row of its cell
};
