#include "rules/RuleValues.h"

void RuleValues::setJoints(const CheckedRules& checked)
{
    auto joint = [this](bool on) { return on ? strSeparator : QString(); };
    strSepPrefix = joint(checked.prefix);
    strSepSuffix = joint(checked.suffix);
    strSepDate = joint(checked.date);
    strSepVersion = joint(checked.version);
    strSepNumber = joint(checked.numbering);
}
