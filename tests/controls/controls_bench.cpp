// Prints what the controls cost on this machine: a message through zero, one
// and three interception engines, and one full redraw of the dialog's frame
// and of a button. Run under Wine: wine controls_bench.exe
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "host/controls/win32_button.h"
#include "host/controls/win32_frame.h"
#include "host/controls/win32_subclass.h"
#include "tests/controls/wine_test_window.h"

using namespace vantrel::controls;
using Clock = std::chrono::steady_clock;

namespace {

struct Quiet : SubclassOwner {
  void zSubclass_Proc(bool, bool&, LRESULT&, HWND&, UINT&, WPARAM&, LPARAM&) override {}
};

template <class F>
double NanosPer(int n, F&& f) {
  const auto t0 = Clock::now();
  for (int i = 0; i < n; ++i) f();
  return std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / n;
}

double MessageCost(int engines) {
  testing::RecordingWindow w;
  std::vector<Quiet> owners(static_cast<size_t>(engines));
  std::vector<std::unique_ptr<MessageHook>> hooks;
  for (auto& o : owners) {
    hooks.push_back(std::make_unique<MessageHook>(o));
    hooks.back()->HookWindow(w.hwnd);
    hooks.back()->HookMessage(w.hwnd, WM_MOUSELEAVE, kHookAfter);
    hooks.back()->HookMessage(w.hwnd, WM_ACTIVATE, kHookAfter);
  }
  w.seen.reserve(400000);
  w.wParams.reserve(400000);
  return NanosPer(200000, [&] { SendMessageW(w.hwnd, WM_USER + 1, 1, 2); });
}

}  // namespace

int main() {
  for (int engines : {0, 1, 3}) {
    std::printf("message in neither list, %d engine(s): %.0f ns\n", engines, MessageCost(engines));
  }
  testing::TestForm form(640, 400);
  vantrel::forms::AmbientContainer ambient;
  ambient.SetBackColor(0xE0E0E0);
  GFXFrameX frame;
  frame.Create(form.hwnd, ambient, "GFXFrameX1", 180, 180, 7155, 2595);
  frame.SetShadowDepth(7);
  std::printf("frame redraw, plain, depth 7, %dx%d: %.0f us\n", frame.Surface().Width(),
              frame.Surface().Height(), NanosPer(200, [&] { frame.Refresh(); }) / 1000);
  frame.SetFrameStyle(kFrameRounded);
  std::printf("frame redraw, rounded with smoothing: %.0f us\n", NanosPer(200, [&] { frame.Refresh(); }) / 1000);
  ccXPButton button;
  button.Create(form.hwnd, ambient, nullptr, "Cmd_Set", 2100, 2880, 1575, 495);
  button.ReadProperties(vantrel::forms::PropertyBag{});
  std::printf("button redraw (caption change): %.0f us\n",
              NanosPer(500, [&] { button.SetForeColor(0); }) / 1000);
  return 0;
}
