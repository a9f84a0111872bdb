#pragma once

#include <QString>

// Which of the rules around the name source are switched on.
struct CheckedRules
{
    bool numbering = false;
    bool prefix = false;
    bool suffix = false;
    bool date = false;
    bool version = false;
};

// The texts the composition joins around the name source, in the order
// number, strSepNumber, strPrefix, strSepPrefix, name source, strSepSuffix, strSuffix,
// strSepDate, strDate, strSepVersion, strVersion.
struct RuleValues
{
    QString strSeparator;
    QString strPrefix;
    QString strSuffix;
    QString strDate;
    QString strVersion;

    // Each joint is the separator while its own rule is checked, whether or not the rule's text
    // is empty: a checked rule without a text still contributes its separator.
    QString strSepNumber;
    QString strSepPrefix;
    QString strSepSuffix;
    QString strSepDate;
    QString strSepVersion;

    void setJoints(const CheckedRules& checked);
};

// What a rule contributes: its text while its box is checked, else nothing.
inline QString ruleValue(bool checked, const QString& text)
{
    return checked ? text : QString();
}
