#pragma once

#include <QString>

// The holiday photos the pictures show, in a folder of fixed name under the system's temporary
// folder, so that the paths in the grid, and with them the pictures, are the same on every run.
// The folder is made afresh and removed with everything in it.
class SampleFolder
{
public:
    SampleFolder();
    ~SampleFolder();
    SampleFolder(const SampleFolder&) = delete;
    SampleFolder& operator=(const SampleFolder&) = delete;

    bool isValid() const { return m_valid; }
    // The folder the user picks with 选择目录.
    QString photos() const;

private:
    QString m_root;
    bool m_valid = false;
};
