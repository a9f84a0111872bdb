#include "workbook/TextTableReader.h"

#include "workbook/DelimitedTextParser.h"
#include "workbook/ImportLimits.h"
#include "workbook/ImportReasons.h"
#include "workbook/ImportedTable.h"
#include "workbook/SeparatorGuess.h"
#include "workbook/TextFileChunks.h"

#include <QDir>
#include <QFile>

namespace {

using Encoding = TextFileChunks::Encoding;

struct ByteOrderMark
{
    Encoding encoding = Encoding::Utf8;
    qint64 size = 0;
};

std::optional<ByteOrderMark> byteOrderMark(QByteArrayView head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        return ByteOrderMark{Encoding::Utf8, 3};
    if (head.startsWith("\xFF\xFE"))
        return ByteOrderMark{Encoding::Utf16LE, 2};
    if (head.startsWith("\xFE\xFF"))
        return ByteOrderMark{Encoding::Utf16BE, 2};
    return std::nullopt;
}

enum class Parse
{
    Done,
    Refused,
    NotThisEncoding
};

} // namespace

bool TextTableReader::read(const QString& path, ImportedTable& table)
{
    m_error.clear();
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.exists() ? ImportReasons::unreadable(shown) : ImportReasons::notFound(shown));
    if (file.size() > ImportLimits::MaxTextFileBytes)
        return fail(ImportReasons::fileTooLarge(shown));
    const std::optional<ByteOrderMark> mark = byteOrderMark(file.peek(3));

    const bool wide = mark && mark->encoding != Encoding::Utf8;
    if (!wide && file.peek(64 * 1024).contains('\0'))
        return fail(ImportReasons::notTextTable(shown));

    const auto parse = [&](Encoding encoding, ImportedTable& into) {
        file.seek(mark ? mark->size : 0);
        TextFileChunks chunks(file, encoding);
        std::optional<DelimitedTextParser> parser;
        QString text;
        while (chunks.next(text)) {
            if (!parser)
                parser.emplace(SeparatorGuess::guess(text), shown, into);
            if (!parser->feed(text)) {
                m_error = parser->error();
                return Parse::Refused;
            }
        }
        if (chunks.hasError())
            return Parse::NotThisEncoding;
        if (parser && !parser->finish()) {
            m_error = parser->error();
            return Parse::Refused;
        }
        return Parse::Done;
    };
    // Without a mark, bytes that are valid UTF-8 are UTF-8; others are read again as GB18030.
    Parse parsed = parse(mark ? mark->encoding : Encoding::Utf8, table);
    if (parsed == Parse::NotThisEncoding && !mark) {
        table = ImportedTable();
        parsed = parse(Encoding::Gb18030, table);
    }
    if (parsed == Parse::NotThisEncoding)
        return fail(ImportReasons::unknownEncoding(shown));
    return parsed == Parse::Done;
}

bool TextTableReader::fail(const QString& reason)
{
    m_error = reason;
    return false;
}
