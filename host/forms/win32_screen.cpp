#include "host/forms/win32_screen.h"

#include <windows.h>

#include "host/forms/twips_truncating.h"

namespace vantrel {
namespace {

int screenDpi(int index) {
  HDC dc = GetDC(nullptr);
  int dpi = dc ? GetDeviceCaps(dc, index) : 96;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi;
}

}  // namespace

int screenTwipsPerPixelX() { return twipsPerPixel(screenDpi(LOGPIXELSX)); }
int screenTwipsPerPixelY() { return twipsPerPixel(screenDpi(LOGPIXELSY)); }
int screenWidthTwips() { return pixelsToTwips(GetSystemMetrics(SM_CXSCREEN), screenTwipsPerPixelX()); }
int screenHeightTwips() { return pixelsToTwips(GetSystemMetrics(SM_CYSCREEN), screenTwipsPerPixelY()); }

}  // namespace vantrel
