#pragma once

#include <QString>

// Why a typed formula could not be read: where (the 0-based index into the text as typed,
// "=" included) and a short message for the user.
struct FormulaSyntaxError
{
    qsizetype position = 0;
    QString message;
};
