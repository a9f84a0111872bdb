#pragma once

#include "rename/RunObserver.h"

// Watches a run without a word: every folder form is accepted.
class QuietObserver final : public RunObserver
{
public:
    void rowReached(qint64) override {}
    bool acceptFolderForm() override { return true; }
};
