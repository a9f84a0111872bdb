#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Names as the file system keeps them: bytes, which are UTF-8 text almost always but not always
// (an archive made on a Chinese Windows machine unpacks to names in GBK bytes). The program holds
// names as text, so each byte that is not part of valid UTF-8 is kept as a character of its own,
// U+DC80 plus the byte, a lone surrogate no real text contains. A name read from the disk thus
// reaches the disk again byte for byte, and two names that differ in one byte stay two names.
namespace NativeName {

// The text of a name read from the file system.
QString fromBytes(QByteArrayView bytes);
// The bytes a text stands for; nothing when it holds a lone surrogate that stands for no byte.
std::optional<QByteArray> toBytes(QStringView text);

// Whether the text holds a surrogate: a character outside the basic plane, or a raw byte.
bool hasSurrogates(QStringView text);
// Whether toBytes takes the text: it holds no lone surrogate but those of raw bytes.
bool isEncodable(QStringView text);
// Whether the text carries bytes that are not text.
bool hasRawBytes(QStringView text);
// The text with each such byte written as \xHH, as the window shows it.
QString display(const QString& text);
// The one text for the bytes a text stands for: texts that reach the disk as the same bytes
// (an escaped C3 A9 and "é") become equal. Texts that stand for no bytes come back unchanged.
QString canonical(const QString& text);

} // namespace NativeName
