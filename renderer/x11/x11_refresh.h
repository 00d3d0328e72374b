#pragma once
// The refresh rate of the monitor a window is on, through XRandR, and the
// events that tell of its changes. Platform header.
#include <X11/Xlib.h>

namespace vantrel {

// Selects XRandR's screen and CRTC change events on `root`; the first event
// number of XRandR, or -1 where the server has no XRandR.
int watchRefreshRate(Display* display, Window root);
// The rate in Hz of the monitor under the centre of `window` (XRandR 1.2's
// CRTCs), or of the whole screen with an older XRandR; 0 where it reports
// none (Xvfb), or without XRandR (Xorg turns it off under Xinerama).
double currentRefreshRate(Display* display, Window window);
// True when `event` is XRandR's screen or CRTC change; updates Xlib's view
// of it.
bool takeRefreshChange(int eventBase, XEvent& event);

}  // namespace vantrel
