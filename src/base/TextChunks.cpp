#include "base/TextChunks.h"

#include <algorithm>
#include <utility>

namespace {

constexpr qsizetype BlockCharacters = 32 * 1024;
// A longer text takes an allocation of its own, so little of a block is left unused.
constexpr qsizetype LongestCopied = 256;
// A block takes at once a reference for each text it can hold, each at least one character and
// its 0, and gives back those it did not hand out when it is left: a locked increment for each
// text waited for the text's characters to reach memory and cost more than copying them.
constexpr int MostTexts = int(BlockCharacters / 2);

} // namespace

TextChunks::~TextChunks()
{
    release();
}

TextChunks::TextChunks(TextChunks&& other) noexcept
    : m_block(std::exchange(other.m_block, nullptr)),
      m_characters(std::exchange(other.m_characters, nullptr)), m_used(std::exchange(other.m_used, 0)),
      m_unhanded(std::exchange(other.m_unhanded, 0))
{
}

TextChunks& TextChunks::operator=(TextChunks&& other) noexcept
{
    if (this != &other) {
        release();
        m_block = std::exchange(other.m_block, nullptr);
        m_characters = std::exchange(other.m_characters, nullptr);
        m_used = std::exchange(other.m_used, 0);
        m_unhanded = std::exchange(other.m_unhanded, 0);
    }
    return *this;
}

void TextChunks::release()
{
    // This holds one reference of its own beside those for texts to come; the block goes now if
    // no text holds it.
    const int held = m_unhanded + 1;
    if (m_block && m_block->ref_.fetchAndSubOrdered(held) == held)
        Block::deallocate(m_block);
    m_block = nullptr;
}

QString TextChunks::copy(QStringView text)
{
    if (text.isEmpty())
        return QString();
    if (text.size() > LongestCopied)
        return text.toString();
    // Each text ends in a 0, as a QString's characters do.
    const qsizetype taken = text.size() + 1;
    if (!m_block || m_used + taken > BlockCharacters) {
        release();
        auto [block, characters] = Block::allocate(BlockCharacters);
        if (!block)
            qBadAlloc();
        m_block = block;
        m_block->ref_.storeRelaxed(1 + MostTexts);
        m_unhanded = MostTexts;
        m_characters = characters;
        m_used = 0;
    }
    char16_t* start = m_characters + m_used;
    std::copy(text.utf16(), text.utf16() + text.size(), start);
    start[text.size()] = u'\0';
    m_used += taken;
    --m_unhanded;
    return QString(QString::DataPointer(m_block, start, text.size()));
}
