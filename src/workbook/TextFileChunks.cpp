#include "workbook/TextFileChunks.h"

#include <QIODevice>

namespace {

constexpr qint64 ChunkBytes = 1 << 20;

QStringDecoder decoderFor(TextFileChunks::Encoding encoding)
{
    constexpr auto Stateless = QStringConverter::Flag::Stateless;
    switch (encoding) {
    case TextFileChunks::Encoding::Utf16LE:
        return QStringDecoder(QStringConverter::Utf16LE, Stateless);
    case TextFileChunks::Encoding::Utf16BE:
        return QStringDecoder(QStringConverter::Utf16BE, Stateless);
    case TextFileChunks::Encoding::Gb18030:
        return QStringDecoder("GB18030", Stateless);
    case TextFileChunks::Encoding::Utf8:
        break;
    }
    return QStringDecoder(QStringConverter::Utf8, Stateless);
}

} // namespace

TextFileChunks::TextFileChunks(QIODevice& file, Encoding encoding)
    : m_file(file), m_encoding(encoding), m_decoder(decoderFor(encoding))
{
}

qsizetype TextFileChunks::cutPoint() const
{
    const qsizetype size = m_pending.size();
    if (m_encoding == Encoding::Utf8 || m_encoding == Encoding::Gb18030) {
        for (qsizetype i = size - 1; i >= 0; --i)
            if (quint8(m_pending[i]) < 0x30)
                return i + 1;
        return 0;
    }
    const bool little = m_encoding == Encoding::Utf16LE;
    for (qsizetype i = (size & ~qsizetype(1)) - 2; i >= 0; i -= 2) {
        const quint8 high = quint8(m_pending[little ? i + 1 : i]);
        const quint8 low = quint8(m_pending[little ? i : i + 1]);
        if (high == 0 && low < 0x30)
            return i + 2;
    }
    return 0;
}

bool TextFileChunks::next(QString& text)
{
    if (m_error || (m_atEnd && m_pending.isEmpty()))
        return false;
    qsizetype cut = 0;
    while (!m_atEnd) {
        const QByteArray read = m_file.read(ChunkBytes);
        if (read.isEmpty())
            m_atEnd = true;
        m_pending += read;
        cut = m_atEnd ? m_pending.size() : cutPoint();
        if (cut > 0)
            break;
    }
    if (m_atEnd)
        cut = m_pending.size();
    const QByteArrayView piece(m_pending.constData(), cut);
    // Half a UTF-16 unit at the file's end is no text.
    const bool oddEnd =
        m_atEnd && m_encoding != Encoding::Utf8 && m_encoding != Encoding::Gb18030 && cut % 2 != 0;
    text = m_decoder.decode(piece);
    m_pending.remove(0, cut);
    m_error = m_decoder.hasError() || oddEnd;
    return !m_error;
}
