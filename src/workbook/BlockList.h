#pragma once

#include <QtGlobal>

#include <compare>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

// A list of millions of items that grows by blocks of a fixed size: growing never copies the
// items there (a vector doubling holds them twice for a moment), and each block is large enough
// for the allocator to give it back whole once it goes, rather than leave holes among the
// small allocations made meanwhile. Its iterators are random access, for sorting and searching.
template <typename T> class BlockList
{
public:
    static constexpr qsizetype BlockSize = 32768;

    template <bool Const> class Iterator
    {
        using List = std::conditional_t<Const, const BlockList, BlockList>;

    public:
        using iterator_category = std::random_access_iterator_tag;
        using iterator_concept = std::random_access_iterator_tag;
        using value_type = T;
        using difference_type = qsizetype;
        using pointer = std::conditional_t<Const, const T*, T*>;
        using reference = std::conditional_t<Const, const T&, T&>;

        Iterator() = default;
        Iterator(List* list, qsizetype index) : m_list(list), m_index(index) {}

        reference operator*() const { return (*m_list)[m_index]; }
        pointer operator->() const { return &(*m_list)[m_index]; }
        reference operator[](difference_type n) const { return (*m_list)[m_index + n]; }
        Iterator& operator++() { return *this += 1; }
        Iterator operator++(int) { return std::exchange(*this, *this + 1); }
        Iterator& operator--() { return *this -= 1; }
        Iterator operator--(int) { return std::exchange(*this, *this - 1); }
        Iterator& operator+=(difference_type n)
        {
            m_index += n;
            return *this;
        }
        Iterator& operator-=(difference_type n) { return *this += -n; }
        friend Iterator operator+(Iterator it, difference_type n) { return it += n; }
        friend Iterator operator+(difference_type n, Iterator it) { return it += n; }
        friend Iterator operator-(Iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const Iterator& a, const Iterator& b)
        {
            return a.m_index - b.m_index;
        }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.m_index == b.m_index; }
        friend auto operator<=>(const Iterator& a, const Iterator& b) { return a.m_index <=> b.m_index; }

    private:
        List* m_list = nullptr;
        qsizetype m_index = 0;
    };
    using iterator = Iterator<false>;
    using const_iterator = Iterator<true>;

    qsizetype size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    T& operator[](qsizetype i) { return m_blocks[i / BlockSize][i % BlockSize]; }
    const T& operator[](qsizetype i) const { return m_blocks[i / BlockSize][i % BlockSize]; }
    T& back() { return (*this)[m_size - 1]; }
    const T& back() const { return (*this)[m_size - 1]; }

    iterator begin() { return {this, 0}; }
    iterator end() { return {this, m_size}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, m_size}; }

    T& emplace_back()
    {
        if (m_size % BlockSize == 0)
            m_blocks.emplace_back().reserve(BlockSize);
        ++m_size;
        return m_blocks.back().emplace_back();
    }
    // Keeps the first size items.
    void truncate(qsizetype size)
    {
        m_blocks.resize((size + BlockSize - 1) / BlockSize);
        if (!m_blocks.empty())
            m_blocks.back().resize(size - (qsizetype(m_blocks.size()) - 1) * BlockSize);
        m_size = size;
    }
    // Keeps the items keep(item) is true for, in their order.
    template <typename Keep> void retain(Keep keep)
    {
        qsizetype kept = 0;
        for (qsizetype i = 0; i < m_size; ++i) {
            if (!keep(i, std::as_const((*this)[i])))
                continue;
            if (kept != i)
                (*this)[kept] = std::move((*this)[i]);
            ++kept;
        }
        truncate(kept);
    }

private:
    std::vector<std::vector<T>> m_blocks;
    qsizetype m_size = 0;
};
