#pragma once
// Real top-level windows for the controls' tests under Wine.
#include <windows.h>

#include <vector>

namespace vantrel::controls::testing {

// A window whose procedure records every message and answers WM_USER-range
// messages with wParam + lParam (or `answer` when set).
struct RecordingWindow {
  RecordingWindow();
  ~RecordingWindow();
  HWND hwnd = nullptr;
  std::vector<UINT> seen;
  std::vector<WPARAM> wParams;
  LRESULT answer = -1;
  int Count(UINT msg) const;
};

// A plain visible form for placing controls on.
struct TestForm {
  TestForm(int width = 520, int height = 300);
  ~TestForm();
  HWND hwnd = nullptr;
};

// Dispatches pending messages.
void Pump();

// Colour of a COLORREF-style red, green, blue triple as stored by the surfaces.
constexpr int Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

}  // namespace vantrel::controls::testing
