#pragma once

#include <QString>
#include <QStringView>

// A file-search pattern such as "*.jpg": "*" stands for any run of characters, "?" for one
// character, letters match without regard to case. As in the classic file search, a pattern
// ending in ".*" also matches the names without that dot, so "*.*" matches every name.
// The pattern is compared with the whole name: "*.xls" does not match "a.xlsx".
class WildcardPattern
{
public:
    explicit WildcardPattern(const QString& pattern);

    bool matches(QStringView name) const;

private:
    QString m_folded;   // the pattern, case-folded once
    bool m_dotStarTail; // ends in ".*"
    bool m_matchesAny;  // stars only, once an optional ".*" tail is taken off: "*.*", "*"
};
