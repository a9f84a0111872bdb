#pragma once

#include <QtGlobal>

// Where long operations on the table report how far they are (the window's progress bar).
class Progress
{
public:
    virtual ~Progress() = default;
    virtual void setMaximum(qint64 maximum) = 0;
    virtual void setValue(qint64 value) = 0;

    // How many rows a loop over the table goes between reports: the bar moves by a two-hundredth
    // at most, and a report on every row costs a clock reading each.
    static constexpr qint64 RowsPerReport = 4096;
};

// For callers that show no progress.
class NoProgress final : public Progress
{
public:
    void setMaximum(qint64) override {}
    void setValue(qint64) override {}
};
