#pragma once

#include <QString>

class QXmlStreamReader;

// The text of a workbook's string items, shared (<si>) and inline (<is>) alike.
namespace StringItem {
// The text of the item whose start the reader is at: its <t>, or the <t> of each run; phonetic
// guides (<rPh>) are not part of the text. Leaves the reader at the item's end.
QString read(QXmlStreamReader& xml);
// A workbook writes characters XML cannot carry as "_xHHHH_", and "_x005F_" for an underscore
// that would otherwise start one.
QString decodeEscapes(const QString& text);
} // namespace StringItem
