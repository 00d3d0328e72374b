#pragma once
// The hack's one blocking call: waits for X events, a stop signal or the
// end of a frame's wait, whichever comes first. Platform header.
#include <X11/Xlib.h>
#include <poll.h>

namespace vantrel {

// Returns at once when events are queued or a stop signal has come;
// otherwise sleeps until the connection has input, a stop signal arrives,
// `other` is ready (a descriptor of -1: none), or `seconds` have passed
// (seconds < 0: no time limit).
void waitForX(Display* display, double seconds, pollfd other = {-1, 0, 0});

}  // namespace vantrel
