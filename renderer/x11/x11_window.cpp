// NOTE: before any X11 header, whose None macro would break KeyResult::None.
#include "renderer/scene/renderer_state.h"
//
#include <X11/keysym.h>

#include <cstdio>

#include "renderer/x11/x11_window.h"

#include "renderer/x11/x11_refresh.h"

namespace vantrel {

namespace {

// NOTE: Xlib reports errors asynchronously through one process-wide
// handler; the flag is the only way to hear of them.
bool windowLostFlag = false;

int onX11Error(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow || error->error_code == BadDrawable) {
    windowLostFlag = true;
    return 0;
  }
  char text[128] = "";
  XGetErrorText(display, error->error_code, text, sizeof(text));
  std::fprintf(stderr, "vantrel: X error: %s (request %d)\n", text,
               error->request_code);
  return 0;
}

void onConfigure(const XConfigureEvent& event, X11Surface& surface,
                 WindowEvents& events) {
  const Window followed = surface.parent != 0 ? surface.parent : surface.window;
  if (event.window != followed) return;
  // Moved or resized, its centre may be on another monitor, at another rate.
  if (event.x != surface.x || event.y != surface.y ||
      event.width != surface.width || event.height != surface.height) {
    events.refreshChanged = true;
  }
  surface.x = event.x;
  surface.y = event.y;
  if (event.width == surface.width && event.height == surface.height) return;
  surface.width = event.width;
  surface.height = event.height;
  if (surface.parent != 0) {
    XResizeWindow(surface.display, surface.window, event.width, event.height);
  }
  events.resized = true;
}

void onDestroy(const XDestroyWindowEvent& event, const X11Surface& surface,
               WindowEvents& events) {
  if (event.window == surface.window ||
      (surface.parent != 0 && event.window == surface.parent)) {
    events.closed = true;
  }
}

// An unmapped, black window of `visual` in `parent` for the surface.
Window createDrawWindow(Display* display, Window parent, XVisualInfo* visual,
                        int width, int height, long eventMask,
                        X11Surface& surface) {
  XSetWindowAttributes attributes = {};
  attributes.colormap = XCreateColormap(
      display, RootWindow(display, visual->screen), visual->visual, AllocNone);
  attributes.background_pixel = BlackPixel(display, visual->screen);
  attributes.border_pixel = 0;
  attributes.event_mask = eventMask;
  const Window window = XCreateWindow(
      display, parent, 0, 0, width, height, 0, visual->depth, InputOutput,
      visual->visual, CWColormap | CWBackPixel | CWBorderPixel | CWEventMask,
      &attributes);
  surface.display = display;
  surface.window = window;
  surface.colormap = attributes.colormap;
  surface.width = width;
  surface.height = height;
  return window;
}

void onVisibility(const XVisibilityEvent& event, X11Surface& surface) {
  if (event.window != surface.window) return;
  surface.obscured = event.state == VisibilityFullyObscured;
}

void onKeyPress(XKeyEvent& event, WindowEvents& events) {
  const SceneKey key = sceneKeyForKeysym(XLookupKeysym(&event, 0));
  if (key == SceneKey::Other || events.keyCount >= WindowEvents::kMaxKeys) return;
  events.keys[events.keyCount++] = key;
}

void onClientMessage(const XClientMessageEvent& event,
                     const X11Surface& surface, WindowEvents& events) {
  if (surface.deleteWindow != None &&
      static_cast<Atom>(event.data.l[0]) == surface.deleteWindow) {
    events.closed = true;
  }
}

void setTitleAndClass(Display* display, Window window) {
  XStoreName(display, window, "Vantrel");
  XClassHint hint;
  char name[] = "vantrel";
  char className[] = "Vantrel";
  hint.res_name = name;
  hint.res_class = className;
  XSetClassHint(display, window, &hint);
}

}  // namespace

void installX11ErrorHandler() { XSetErrorHandler(onX11Error); }
bool x11WindowLost() { return windowLostFlag; }

bool createOwnWindow(Display* display, XVisualInfo* visual, int width,
                     int height, X11Surface& surface) {
  const Window root = RootWindow(display, visual->screen);
  if (createDrawWindow(display, root, visual, width, height,
                       KeyPressMask | StructureNotifyMask |
                           VisibilityChangeMask,
                       surface) == 0) {
    return false;
  }
  surface.own = true;
  surface.deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, surface.window, &surface.deleteWindow, 1);
  setTitleAndClass(display, surface.window);
  XMapRaised(display, surface.window);
  return true;
}

bool windowScreen(Display* display, Window window, int& screen) {
  XWindowAttributes attributes;
  const Status found = XGetWindowAttributes(display, window, &attributes);
  XSync(display, False);
  if (found == 0 || x11WindowLost()) return false;
  screen = XScreenNumberOfScreen(attributes.screen);
  return true;
}

bool adoptWindow(Display* display, Window parent, XVisualInfo* visual,
                 X11Surface& surface) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, parent, &attributes) == 0) return false;
  // NOTE: StructureNotify may be selected by any number of clients, unlike
  // button presses, so this never takes anything from the window's owner.
  XSelectInput(display, parent,
               attributes.your_event_mask | StructureNotifyMask);
  surface.parent = parent;
  surface.own = false;
  if (createDrawWindow(display, parent, visual, attributes.width,
                       attributes.height,
                       StructureNotifyMask | VisibilityChangeMask,
                       surface) == 0) {
    return false;
  }
  if (parent == RootWindow(display, visual->screen)) {
    // NOTE: a child of the root is a top-level window; no window manager
    // should frame one that stands for the root itself, and it stays below
    // every other window as the root does.
    XSetWindowAttributes unmanaged = {};
    unmanaged.override_redirect = True;
    XChangeWindowAttributes(display, surface.window, CWOverrideRedirect,
                            &unmanaged);
  }
  XMapWindow(display, surface.window);
  XLowerWindow(display, surface.window);
  XSync(display, False);
  return !x11WindowLost();
}

void releaseSurface(X11Surface& surface) {
  if (surface.window == 0) return;
  XDestroyWindow(surface.display, surface.window);
  XFreeColormap(surface.display, surface.colormap);
  XSync(surface.display, False);
  surface.window = 0;
}

bool surfaceShown(const X11Surface& surface) {
  // NOTE: a preview whose dialog is minimised gets no UnmapNotify of its
  // own, as only the dialog's top-level window is unmapped; map_state sees
  // the ancestors too.
  XWindowAttributes attributes;
  if (XGetWindowAttributes(surface.display, surface.window, &attributes) == 0)
    return false;
  return attributes.map_state == IsViewable && !surface.obscured;
}

WindowEvents takeWindowEvents(X11Surface& surface) {
  WindowEvents events;
  while (XPending(surface.display) > 0) {
    XEvent event;
    XNextEvent(surface.display, &event);
    events.any = true;
    switch (event.type) {
      case ConfigureNotify:
        onConfigure(event.xconfigure, surface, events);
        break;
      case KeyPress:
        onKeyPress(event.xkey, events);
        break;
      case ClientMessage:
        onClientMessage(event.xclient, surface, events);
        break;
      case DestroyNotify:
        onDestroy(event.xdestroywindow, surface, events);
        break;
      case VisibilityNotify:
        onVisibility(event.xvisibility, surface);
        break;
      default:
        if (takeRefreshChange(surface.refreshEventBase, event)) {
          events.refreshChanged = true;
        }
        break;
    }
  }
  return events;
}

SceneKey sceneKeyForKeysym(KeySym keysym) {
  switch (keysym) {
    case XK_Escape:
      return SceneKey::Escape;
    case XK_Left:
      return SceneKey::Left;
    case XK_Up:
      return SceneKey::Up;
    case XK_Right:
      return SceneKey::Right;
    case XK_Down:
      return SceneKey::Down;
    default:
      return SceneKey::Other;
  }
}

}  // namespace vantrel
