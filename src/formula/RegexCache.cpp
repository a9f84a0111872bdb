#include "formula/RegexCache.h"

#include <QHash>
#include <utility>

namespace {

// Enough for the patterns of one sheet; past it the cache starts again.
constexpr qsizetype MaxKept = 64;

} // namespace

const QRegularExpression& cachedExpression(const QString& pattern, QRegularExpression::PatternOptions options)
{
    using Key = std::pair<QString, int>;
    thread_local QHash<Key, QRegularExpression> kept;
    const Key key{pattern, options.toInt()};
    if (const auto found = kept.constFind(key); found != kept.constEnd())
        return *found;
    if (kept.size() >= MaxKept)
        kept.clear();
    return *kept.insert(key, QRegularExpression(pattern, options));
}
