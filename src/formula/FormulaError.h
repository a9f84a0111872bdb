#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The errors a formula gives, as the spreadsheet applications users know name them.
enum class FormulaError : quint8
{
    Value, // #VALUE!  a value of the wrong kind
    Ref,   // #REF!    a reference off the sheet
    Name,  // #NAME?   an unknown name or function
    Div0,  // #DIV/0!  a division by zero
    NA,    // #N/A     no value available
    Num,   // #NUM!    a number out of range
    // #GETTING_DATA  a value still being fetched (a file's facts being read), as spreadsheets
    // show a cell whose data is on its way
    GettingData,
};

QString errorText(FormulaError error);
// The error whose text this is, ignoring case: "#n/a" reads as #N/A.
std::optional<FormulaError> errorFromText(QStringView text);
