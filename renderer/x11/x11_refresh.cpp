#include "renderer/x11/x11_refresh.h"

#include <X11/extensions/Xrandr.h>

namespace vantrel {

int watchRefreshRate(Display* display, Window root) {
  int eventBase = 0, errorBase = 0;
  if (!XRRQueryExtension(display, &eventBase, &errorBase)) return -1;
  XRRSelectInput(display, root, RRScreenChangeNotifyMask);
  return eventBase;
}

double currentRefreshRate(Display* display, Window root) {
  int eventBase = 0, errorBase = 0;
  if (!XRRQueryExtension(display, &eventBase, &errorBase)) return 0.0;
  XRRScreenConfiguration* config = XRRGetScreenInfo(display, root);
  if (config == nullptr) return 0.0;
  const short rate = XRRConfigCurrentRate(config);
  XRRFreeScreenConfigInfo(config);
  return rate;
}

bool takeRefreshChange(int eventBase, XEvent& event) {
  if (eventBase < 0 || event.type != eventBase + RRScreenChangeNotify) {
    return false;
  }
  XRRUpdateConfiguration(&event);
  return true;
}

}  // namespace vantrel
