#pragma once

#include "table/CellRange.h"

#include <QList>
#include <QString>
#include <QStringList>

class Sheet;

// The tab-separated text that spreadsheet applications put on the clipboard: rows end in a
// line break, cells are separated by tabs, and a cell holding a tab, a line break or a quote
// is enclosed in quotes with its quotes doubled.
namespace TabularText {

QString fromSheet(const Sheet& sheet, const CellRange& range);
QList<QStringList> parse(const QString& text);

// Puts the parsed rows into the sheet from (row, column) on, as typed input; returns the
// range written.
CellRange pasteInto(Sheet& sheet, qsizetype row, int column, const QList<QStringList>& rows);

} // namespace TabularText
