#pragma once

#include <QtGlobal>

// Where long operations on the table report how far they are (the window's progress bar).
class Progress
{
public:
    virtual ~Progress() = default;
    virtual void setMaximum(qint64 maximum) = 0;
    virtual void setValue(qint64 value) = 0;
};

// For callers that show no progress.
class NoProgress final : public Progress
{
public:
    void setMaximum(qint64) override {}
    void setValue(qint64) override {}
};
