#pragma once

#include <QString>

// The files the import offers: workbooks (.xlsx, .ods) and text tables (.csv, .tsv, .txt).
namespace ImportFileNames {
// The pattern of the open dialog: "*.xlsx *.ods *.csv *.tsv *.txt".
QString dialogPattern();
// Whether the file's name ends in one of them, in any case.
bool isImportable(const QString& path);
} // namespace ImportFileNames
