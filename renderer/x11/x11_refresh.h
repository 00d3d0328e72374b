#pragma once
// The display's refresh rate on X11, through XRandR, and the events that
// tell of its changes. Platform header.
#include <X11/Xlib.h>

namespace vantrel {

// Selects XRandR's screen-change events on `root`; the first event number
// of XRandR, or -1 where the server has no XRandR.
int watchRefreshRate(Display* display, Window root);
// XRandR's current rate of the screen of `root` in Hz; 0 where it reports
// none (Xvfb) or has no XRandR.
double currentRefreshRate(Display* display, Window root);
// True when `event` is XRandR's screen change; updates Xlib's view of it.
bool takeRefreshChange(int eventBase, XEvent& event);

}  // namespace vantrel
