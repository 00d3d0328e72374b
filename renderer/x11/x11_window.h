#pragma once
// The Linux hack's X window: its own, or one it is given, with the events
// the hack follows. Platform header.
// NOTE: before the X11 headers, whose None macro would break KeyResult::None.
#include "renderer/scene/renderer_state.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace vantrel {

// NOTE: the hack always draws into a window it makes: its own top-level
// one, or a child covering a window it is given. A given window's visual may
// carry depth and stencil buffers that make every swap of llvmpipe dearer;
// the child has the lean visual the hack chooses.
struct X11Surface {
  Display* display = nullptr;
  Window window = 0;  // drawn into; made by the hack
  Window parent = 0;  // the given window it covers, or 0
  bool own = false;   // a top-level window of its own (keys, closing)
  Colormap colormap = 0;
  Atom deleteWindow = None;  // WM_DELETE_WINDOW, own windows only
  int x = 0;                 // in its parent, pixels, as last reported
  int y = 0;
  int width = 0;             // pixels, as last reported
  int height = 0;
  bool obscured = false;       // wholly covered, as last reported
  int refreshEventBase = -1;   // XRandR's events, or -1 when not watched
};

// What the queued events asked for since the last call.
struct WindowEvents {
  bool closed = false;   // the window manager's close, or the window destroyed
  bool resized = false;  // width and height of the surface changed
  // The screen's modes changed, or the window moved: the rate of the
  // monitor under it may be another.
  bool refreshChanged = false;
  bool any = false;  // any event at all came
  static constexpr int kMaxKeys = 16;
  SceneKey keys[kMaxKeys] = {};  // the scene's keys, in order
  int keyCount = 0;
};

// Routes X errors to a flag instead of Xlib's default, which ends the
// process: a window destroyed under the hack is an ending, not a crash.
void installX11ErrorHandler();
// True once an error named a window or drawable that is gone.
bool x11WindowLost();

// A window of its own, mapped, titled "Vantrel", with `visual`.
bool createOwnWindow(Display* display, XVisualInfo* visual, int width,
                     int height, X11Surface& surface);
// The screen of an existing window; false when `window` is no window.
bool windowScreen(Display* display, Window window, int& screen);
// Covers an existing window (the root, XScreenSaver's, a preview) with a
// child of `visual` that follows its size and ends with it. False when
// `parent` is no window.
bool adoptWindow(Display* display, Window parent, XVisualInfo* visual,
                 X11Surface& surface);
// Destroys the window the hack made; a given window is left alone.
void releaseSurface(X11Surface& surface);

// True while the surface can be seen: viewable (it and every ancestor
// mapped) and not wholly covered. A round trip.
bool surfaceShown(const X11Surface& surface);

// Takes every queued event and reports what they asked for.
WindowEvents takeWindowEvents(X11Surface& surface);

// The scene's key for an X keysym; SceneKey::Other for every other key.
SceneKey sceneKeyForKeysym(KeySym keysym);

}  // namespace vantrel
