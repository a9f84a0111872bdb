#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

class QIODevice;

// A text file decoded piece by piece, so that a large file is never held twice over. Each piece
// ends after a character below "0" (a line break, separator, quote or space), which no encoding
// read here uses inside another character: every piece decodes whole, and bytes that are no text
// in the encoding show as an error rather than as characters made up.
class TextFileChunks
{
public:
    enum class Encoding
    {
        Utf8,
        Utf16LE,
        Utf16BE,
        Gb18030
    };

    // Reads file from its current position on.
    TextFileChunks(QIODevice& file, Encoding encoding);

    // The next piece; false at the end of the file or at bytes that do not decode.
    bool next(QString& text);
    bool hasError() const { return m_error; }

private:
    qsizetype cutPoint() const;

    QIODevice& m_file;
    Encoding m_encoding;
    QStringDecoder m_decoder;
    QByteArray m_pending;
    bool m_atEnd = false;
    bool m_error = false;
};
