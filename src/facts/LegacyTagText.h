#pragma once

#include <QByteArrayView>
#include <QString>

// The text of a tag field that is meant to be Latin-1 (ID3v1, and ID3v2 frames marked so).
// Chinese players and taggers wrote GBK there, the system code page on Chinese Windows, so
// bytes that read as GB18030 without a fault are taken as Chinese; others as Latin-1. The
// text ends at the first NUL.
QString legacyTagText(QByteArrayView bytes);
