#pragma once

#include <QString>

class XmlScanner;

// The text of a workbook's string items, shared (<si>) and inline (<is>) alike.
namespace StringItem {
// Appends the text of the item whose start the scanner is at: its <t>, or the <t> of each run;
// phonetic guides (<rPh>) are not part of the text. Leaves the scanner at the item's end; false
// when the item is not well-formed.
bool read(XmlScanner& xml, QString& text);
// A workbook writes characters XML cannot carry as "_xHHHH_", and "_x005F_" for an underscore
// that would otherwise start one.
QString decodeEscapes(const QString& text);
} // namespace StringItem
