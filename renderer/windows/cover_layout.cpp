#include "renderer/windows/cover_layout.h"

#include <algorithm>

namespace vantrel {

namespace {

ScreenRect intersection(const ScreenRect& a, const ScreenRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top),
          std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

void addUnlessEmpty(std::vector<ScreenRect>& rects, const ScreenRect& rect) {
  if (!isEmptyRect(rect)) rects.push_back(rect);
}

}  // namespace

bool operator==(const ScreenRect& a, const ScreenRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right &&
         a.bottom == b.bottom;
}

bool isEmptyRect(const ScreenRect& rect) {
  return rect.right <= rect.left || rect.bottom <= rect.top;
}

std::vector<ScreenRect> subtractRect(const ScreenRect& area,
                                     const ScreenRect& hole) {
  std::vector<ScreenRect> parts;
  if (isEmptyRect(area)) return parts;
  const ScreenRect inner = intersection(area, hole);
  if (isEmptyRect(inner)) {
    parts.push_back(area);
    return parts;
  }
  addUnlessEmpty(parts, {area.left, area.top, area.right, inner.top});
  addUnlessEmpty(parts, {area.left, inner.bottom, area.right, area.bottom});
  addUnlessEmpty(parts, {area.left, inner.top, inner.left, inner.bottom});
  addUnlessEmpty(parts, {inner.right, inner.top, area.right, inner.bottom});
  return parts;
}

std::vector<ScreenRect> coverRects(const std::vector<MonitorArea>& monitors,
                                   const ScreenRect& mainWindow) {
  std::vector<ScreenRect> covers;
  for (const MonitorArea& monitor : monitors) {
    const std::vector<ScreenRect> parts =
        subtractRect(monitor.rect, mainWindow);
    covers.insert(covers.end(), parts.begin(), parts.end());
  }
  return covers;
}

}  // namespace vantrel
