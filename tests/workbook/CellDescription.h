#pragma once

#include <QString>

class ImportedTable;

// A cell of an imported table in a few characters, to compare with a literal: "n:1.5",
// "t:007", "b:TRUE", "e:#N/A", followed by the formula (" =A1&\"x\""), " bold" and the colour
// (" #FF0000"); empty where the table holds no cell.
QString describeCell(const ImportedTable& table, const QString& cellName);
