#pragma once

#include "workbook/PartStatus.h"

#include <QString>

// Why a file could not be imported, in words a user understands after "导入失败：". shown is
// the file's path as the user knows it.
namespace ImportReasons {
QString notFound(const QString& shown);
QString unreadable(const QString& shown);
QString emptyFile(const QString& shown);
QString fileTooLarge(const QString& shown);
QString encrypted(const QString& shown);
QString legacyWorkbook(const QString& shown);
QString notWorkbook(const QString& shown);
QString notTextTable(const QString& shown);
QString unknownEncoding(const QString& shown);
// A part of a workbook that is missing, damaged, too large or unsafe.
QString part(const QString& shown, const QString& partName, PartStatus status);
// Damage found inside a part that reads as XML, such as a number that is none.
QString damaged(const QString& shown, const QString& detail);
// where names the place: a cell's name, or a row and column of a text table.
QString offGrid(const QString& shown, const QString& where);
QString tooManyCells(const QString& shown);
QString textTooLong(const QString& shown, const QString& where);
QString nothingInSheet(const QString& shown);
QString nothingInFile(const QString& shown);
// "第 3 行第 2 列", for tables without cell names.
QString rowAndColumn(qint64 row, qint64 column);
} // namespace ImportReasons
