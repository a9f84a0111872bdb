#pragma once

#include "rename/FileOutcome.h"
#include "rename/SplitPath.h"

#include <QHash>
#include <QSet>
#include <QString>

// What the passes of one run hand on to each other. The caller makes one for a run and gives
// it to every pass of that run, so that nothing carries over into the next run.
struct RunState
{
    // How each distribution folder fared in the pre-pass; its rows' failures are told there.
    QHash<SplitPath, FileOutcome> folders;
    // The user accepted folders written with a trailing separator: the warning is asked once.
    bool folderFormAccepted = false;
    // Every copy the run made: no later copy of the run reads one of them as its source.
    QSet<SplitPath> written;
};
