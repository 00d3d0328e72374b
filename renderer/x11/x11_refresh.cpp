#include "renderer/x11/x11_refresh.h"

#include <X11/extensions/Xrandr.h>

#include <vector>

#include "renderer/x11/head_rate.h"

namespace vantrel {

namespace {

bool hasCrtcs(Display* display) {
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  return XRRQueryExtension(display, &eventBase, &errorBase) &&
         XRRQueryVersion(display, &major, &minor) &&
         (major > 1 || (major == 1 && minor >= 2));
}

double modeRate(const XRRScreenResources& resources, RRMode id) {
  for (int i = 0; i < resources.nmode; ++i) {
    const XRRModeInfo& mode = resources.modes[i];
    if (mode.id != id) continue;
    return modeRefreshRate({static_cast<double>(mode.dotClock), mode.hTotal,
                            mode.vTotal, (mode.modeFlags & RR_DoubleScan) != 0,
                            (mode.modeFlags & RR_Interlace) != 0});
  }
  return 0.0;
}

// Every CRTC that shows something: its place on the screen and its rate.
std::vector<Head> screenHeads(Display* display, Window root) {
  std::vector<Head> heads;
  // NOTE: the current configuration; asking afresh would probe the outputs,
  // which takes a noticeable while on some drivers.
  XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
  if (resources == nullptr) return heads;
  for (int i = 0; i < resources->ncrtc; ++i) {
    XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
    if (crtc == nullptr) continue;
    if (crtc->mode != None && crtc->width > 0 && crtc->height > 0) {
      heads.push_back({crtc->x, crtc->y, static_cast<int>(crtc->width),
                       static_cast<int>(crtc->height),
                       modeRate(*resources, crtc->mode)});
    }
    XRRFreeCrtcInfo(crtc);
  }
  XRRFreeScreenResources(resources);
  return heads;
}

// XRandR 1.0's one rate for the whole screen, rounded to whole hertz.
double wholeScreenRate(Display* display, Window root) {
  XRRScreenConfiguration* config = XRRGetScreenInfo(display, root);
  if (config == nullptr) return 0.0;
  const short rate = XRRConfigCurrentRate(config);
  XRRFreeScreenConfigInfo(config);
  return rate;
}

}  // namespace

int watchRefreshRate(Display* display, Window root) {
  int eventBase = 0, errorBase = 0;
  if (!XRRQueryExtension(display, &eventBase, &errorBase)) return -1;
  XRRSelectInput(display, root,
                 RRScreenChangeNotifyMask |
                     (hasCrtcs(display) ? RRCrtcChangeNotifyMask : 0));
  return eventBase;
}

double currentRefreshRate(Display* display, Window window) {
  int eventBase = 0, errorBase = 0;
  if (!XRRQueryExtension(display, &eventBase, &errorBase)) return 0.0;
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return 0.0;
  if (!hasCrtcs(display)) return wholeScreenRate(display, attributes.root);
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display, window, attributes.root, attributes.width / 2,
                        attributes.height / 2, &x, &y, &child);
  return headRateAt(screenHeads(display, attributes.root), x, y);
}

bool takeRefreshChange(int eventBase, XEvent& event) {
  if (eventBase < 0) return false;
  const bool crtcChange =
      event.type == eventBase + RRNotify &&
      reinterpret_cast<const XRRNotifyEvent&>(event).subtype ==
          RRNotify_CrtcChange;
  if (event.type != eventBase + RRScreenChangeNotify && !crtcChange) {
    return false;
  }
  XRRUpdateConfiguration(&event);
  return true;
}

}  // namespace vantrel
