#pragma once
// RunSummary: what one conversion run did, as the run controller counts it and the status bar
// words it.

#include <QtGlobal>

namespace tovalo::gui {

/// What one run did, counted from its items' final statuses.
struct RunSummary
{
    int total = 0; ///< items the run was started with
    int ok = 0;    ///< converted OK
    int ng = 0;    ///< converted NG
    int syntaxErrors = 0;
    qint64 elapsedMs = 0; ///< from the start to the end (or the stop)
    bool stopped = false; ///< the run was stopped (or its interpreter ended) before its last item

    int finished() const { return ok + ng + syntaxErrors; }
};

} // namespace tovalo::gui
