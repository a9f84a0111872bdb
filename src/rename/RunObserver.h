#pragma once

#include <QtGlobal>

// Whoever watches a run: sees it move from row to row and answers its one question.
class RunObserver
{
public:
    virtual ~RunObserver() = default;

    // The pass has come this far through the data rows (1 for the first): the row's index when
    // rows run in the table's order, the count of rows reached when renames run chain by chain.
    virtual void rowReached(qint64 index) = 0;
    // Asked once per run, before the first copy into a distribution folder written with a
    // trailing separator; false ends the run there.
    virtual bool acceptFolderForm() = 0;
};
