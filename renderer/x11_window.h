#pragma once
// The Linux hack's X window: its own, or one it is given, with the events
// the hack follows. Platform header.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace vantrel {

struct X11Surface {
  Display* display = nullptr;
  Window window = 0;
  bool own = false;          // made by the hack, so destroyed by it
  Colormap colormap = 0;     // own windows only
  Atom deleteWindow = None;  // WM_DELETE_WINDOW, own windows only
  int width = 0;             // pixels, as last reported
  int height = 0;
};

// What the queued events asked for since the last call.
struct WindowEvents {
  bool closed = false;   // the window manager's close, or the window destroyed
  bool resized = false;  // width and height of the surface changed
  static constexpr int kMaxKeys = 16;
  unsigned keys[kMaxKeys] = {};  // the renderer's key codes, in order
  int keyCount = 0;
};

// Routes X errors to a flag instead of Xlib's default, which ends the
// process: a window destroyed under the hack is an ending, not a crash.
void installX11ErrorHandler();
// True once an error named a window or drawable that is gone.
bool x11WindowLost();
void clearX11WindowLost();

// A window of its own, mapped, titled "Vantrel", with `visual`.
bool createOwnWindow(Display* display, XVisualInfo* visual, int width,
                     int height, X11Surface& surface);
// Follows an existing window (the root, XScreenSaver's, a preview): its size
// and its destruction. False when `window` is no window.
bool adoptWindow(Display* display, Window window, X11Surface& surface);
// Destroys an own window; an adopted one is left alone.
void releaseSurface(X11Surface& surface);

// Takes every queued event and reports what they asked for.
WindowEvents takeWindowEvents(X11Surface& surface);

// The renderer's key code (the kKey* values) for an X keysym, or 0.
unsigned rendererKeyForKeysym(KeySym keysym);

}  // namespace vantrel
