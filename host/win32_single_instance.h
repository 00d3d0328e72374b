// One saver run or settings dialog at a time. The window-title test comes
// first, as other programs rely on the titles; since two starts at the same
// instant both pass it, the start that will lead a run or the dialog also
// takes a named mutex of the user's session, and every start looks for it.
#pragma once

namespace vantrel {

// True when a saver run or a settings dialog exists or is starting: a
// top-level window titled "Vantrel_Main" or "■Vantrel■", or the session's
// mutex held by another start.
bool anotherInstanceOpen();

// Takes the session's mutex for the rest of this process's life; false when
// another start already holds it (that start wins, this one ends).
bool claimSingleInstance();

// Test seam: when VANTREL_START_GATE names an event, waits (at most 10 s)
// until it is set, so a test can release several starts at one instant.
void waitAtStartGate();

}  // namespace vantrel
