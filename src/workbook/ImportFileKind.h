#pragma once

#include <QString>

// What a file to import is, told by its first bytes and, for a file that is neither a zip
// package nor a compound document, by its name.
enum class ImportFileKind
{
    Xlsx,
    Ods,
    OtherPackage,      // a zip that is no spreadsheet: a .docx, an .odt, an archive
    EncryptedWorkbook, // Office keeps a workbook with a password in a compound document
    LegacyWorkbook,    // .xls, .et and other compound documents
    DamagedWorkbook,   // named as a workbook, but no zip package
    TextTable,
};

ImportFileKind importFileKind(const QString& path);
