#include "host/win32_animate.h"

namespace vantrel {

ScreenPoint16 AnimPoint;

namespace {

RECT pointRect() {
  RECT r;
  r.left = r.right = AnimPoint.X;
  r.top = r.bottom = AnimPoint.Y;
  return r;
}

}  // namespace

void AnimateOpen(HWND window) {
  RECT to = {};
  GetWindowRect(window, &to);
  RECT from = pointRect();
  // NOTE: Wine's DrawAnimatedRects draws nothing and reports success.
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void AnimateClose(HWND window) {
  RECT from = {};
  GetWindowRect(window, &from);
  RECT to = pointRect();
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

}  // namespace vantrel
