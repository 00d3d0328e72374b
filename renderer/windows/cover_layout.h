#pragma once
// Which parts of the desktop get a plain black cover beside the main window,
// so no monitor shows the desktop while the saver runs. Pure.
#include <vector>

namespace vantrel {

// A rectangle in virtual-screen pixels (the primary monitor's top-left is
// 0,0; others may lie at negative coordinates); right and bottom are
// exclusive, as in the platform's RECT.
struct ScreenRect {
  int left;
  int top;
  int right;
  int bottom;
};

// One monitor as the platform lists it.
struct MonitorArea {
  ScreenRect rect;
  bool primary;
};

bool operator==(const ScreenRect& a, const ScreenRect& b);

// True when the rectangle holds no pixel.
bool isEmptyRect(const ScreenRect& rect);

// The part of area outside hole as disjoint rectangles that tile it: none,
// area itself, or up to four bands (above, below, left, right of the hole;
// the side bands span only the hole's rows).
std::vector<ScreenRect> subtractRect(const ScreenRect& area,
                                     const ScreenRect& hole);

// The rectangles to cover: each monitor, the primary included, minus the
// part the main window already covers, in monitor order. A primary the main
// window does not fill (its size changed) gets covers like any other.
std::vector<ScreenRect> coverRects(const std::vector<MonitorArea>& monitors,
                                   const ScreenRect& mainWindow);

}  // namespace vantrel
