#pragma once

#include <QtGlobal>

// Whoever watches a run: sees it move from row to row and answers its one question.
class RunObserver
{
public:
    virtual ~RunObserver() = default;

    // The pass reached the data row with this index (1 for row 2).
    virtual void rowReached(qint64 index) = 0;
    // Asked once per run, before the first copy into a distribution folder written with a
    // trailing separator; false ends the run there.
    virtual bool acceptFolderForm() = 0;
};
