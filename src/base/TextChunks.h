#pragma once

#include <QString>
#include <QStringView>

// Copies of short texts made side by side in blocks of 64 KiB instead of one allocation each:
// a million names made by a rule cost a million mallocs, and a page the kernel hands out afresh
// for every hundred of them, otherwise. Each copy is a QString like any other, sharing its block
// the way copies of one QString share their characters: the block is freed with the last text
// in it, and a text written to is first copied out unless it holds its block alone.
class TextChunks
{
public:
    TextChunks() = default;
    ~TextChunks();
    TextChunks(TextChunks&& other) noexcept;
    TextChunks& operator=(TextChunks&& other) noexcept;
    // A copy goes on in blocks of its own; the texts already made stay where they are.
    TextChunks(const TextChunks&) {}
    TextChunks& operator=(const TextChunks&) { return *this; }

    QString copy(QStringView text);

private:
    using Block = QTypedArrayData<char16_t>;

    void release();

    Block* m_block = nullptr;         // the block being filled
    char16_t* m_characters = nullptr; // its first character
    qsizetype m_used = 0;             // of its characters
    int m_unhanded = 0;               // references to it held for the texts to come
};
