#pragma once

#include <QString>

class Sheet;

// Every occurrence of find in text replaced by replacement: compared exactly (case and
// full-width forms count), found left to right, each search resuming after the previous
// match, so matches never overlap and inserted text is never searched again. An empty find
// changes nothing.
QString replaceExactly(const QString& text, const QString& find, const QString& replacement);

// Applies replaceExactly to the new name (C) of every data row and writes each one back as
// text, changed or not. Nothing is recomposed.
void replaceInNewNames(Sheet& sheet, const QString& find, const QString& replacement);
