#pragma once
// Plain black windows over the strips of monitors the main window leaves
// showing the desktop. Platform header.
#include <windows.h>

#include <vector>

#include "renderer/windows/cover_layout.h"
#include "renderer/windows/win32_window_owner.h"

namespace vantrel {

class Covers {
 public:
  Covers() = default;
  ~Covers() { close(); }
  Covers(const Covers&) = delete;
  Covers& operator=(const Covers&) = delete;

  // Registers the cover class; false, and no covers later, when refused.
  // The covers' keys go to `owner`.
  bool open(HINSTANCE instance, WindowOwner* owner);
  // Moves, makes or destroys covers so exactly `rects` are covered. Does
  // nothing without the class.
  void lay(const std::vector<ScreenRect>& rects);
  // Destroys every cover and unregisters the class.
  void close();

 private:
  HWND create(const ScreenRect& rect);

  HINSTANCE instance_ = nullptr;  // set while the class is registered
  WindowOwner* owner_ = nullptr;
  std::vector<HWND> windows_;
};

}  // namespace vantrel
