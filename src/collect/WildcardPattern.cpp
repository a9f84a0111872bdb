#include "collect/WildcardPattern.h"

#include "base/Utf16.h"

#include <algorithm>

namespace {

char16_t folded(QChar c)
{
    return c.toCaseFolded().unicode();
}

// Glob match with backtracking to the last "*": linear for the usual single-star patterns.
bool globMatches(QStringView pattern, QStringView name)
{
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starAt = -1;  // pattern position after the last "*"
    qsizetype starName = 0; // name position that "*" currently stretches to
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = ++p;
            starName = n;
        } else if (p < pattern.size() && pattern[p] == u'?') {
            ++p;
            n = Utf16::nextBoundary(name, n);
        } else if (p < pattern.size() && pattern[p].unicode() == folded(name[n])) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            // Let the star take one more character and try again from there.
            starName = Utf16::nextBoundary(name, starName);
            n = starName;
            p = starAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

WildcardPattern::WildcardPattern(const QString& pattern)
    : m_folded(pattern), m_dotStarTail(pattern.endsWith(QStringLiteral(".*")))
{
    // Folded the same way as the names, one code unit at a time.
    for (QChar& c : m_folded)
        c = QChar(folded(c));
    const QStringView stem = m_dotStarTail ? QStringView(m_folded).chopped(2) : QStringView(m_folded);
    m_matchesAny = !stem.isEmpty() && std::ranges::all_of(stem, [](QChar c) { return c == u'*'; });
}

bool WildcardPattern::matches(QStringView name) const
{
    if (name.isEmpty())
        return false;
    // The pattern every collection starts with: no name needs to be looked at.
    if (m_matchesAny)
        return true;
    if (globMatches(m_folded, name))
        return true;
    return m_dotStarTail && globMatches(QStringView(m_folded).chopped(2), name);
}
