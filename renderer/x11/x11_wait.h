#pragma once
// The hack's one blocking call: waits for X events, a stop signal or the
// end of a frame's wait, whichever comes first. Platform header.
#include <signal.h>

#include <csignal>

#include <X11/Xlib.h>

namespace vantrel {

// Returns at once when events are queued or `stop` is set; otherwise sleeps
// until the connection has input, one of `stopSignals` arrives, or `seconds`
// have passed (seconds < 0: no time limit).
void waitForX(Display* display, double seconds,
              const volatile std::sig_atomic_t& stop,
              const sigset_t& stopSignals);

}  // namespace vantrel
