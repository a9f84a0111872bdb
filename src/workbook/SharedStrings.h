#pragma once

#include <QString>

#include <vector>

class OpcPackage;

// The shared strings part of a workbook, which text cells refer to by index. A workbook without
// text has none; a cell that refers to one the workbook lacks finds the workbook damaged.
class SharedStrings
{
public:
    // Reads the part; an empty reason when that worked, else why not in Chinese. A part the
    // package lacks leaves the strings missing, which only a cell that refers to them tells.
    QString read(const OpcPackage& package, const QString& partName, const QString& shown);

    bool isMissing() const { return m_missing; }
    qsizetype size() const { return qsizetype(m_strings.size()); }
    const QString& at(qsizetype index) const { return m_strings[index]; }

private:
    std::vector<QString> m_strings;
    bool m_missing = true;
};
