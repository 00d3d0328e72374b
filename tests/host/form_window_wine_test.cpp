// The form host's runtime windows under Wine: hidden loading, timers,
// unloading and the modal loop.
#include "host/forms/win32_form_window.h"

#include <gtest/gtest.h>

#include "host/forms/program_folder.h"
#include "host/forms/win32_screen.h"
#include "tests/host/win32_process_helpers.h"

namespace vantrel {
namespace {

TEST(FormWindow, LoadsHiddenAndRunsItsLoadHandlerOnce) {
  FormWindow form;
  int loads = 0;
  FormEvents events;
  events.load = [&] { ++loads; };
  FormStyle style;
  style.caption = L"Vantrel form test";
  ASSERT_TRUE(form.load(style, events));
  EXPECT_EQ(loads, 1);
  EXPECT_FALSE(IsWindowVisible(form.handle()));
  EXPECT_EQ(FindWindowW(nullptr, L"Vantrel form test"), form.handle());  // hidden, still found
}

TEST(FormWindow, OnlyEnabledTimersTickAndDisablingStopsThem) {
  FormWindow form;
  int fast = 0;
  int off = 0;
  FormEvents events;
  events.timer = [&](UINT_PTR id) {
    if (id == 1) ++fast;
    if (id == 2) ++off;
  };
  ASSERT_TRUE(form.load(FormStyle(), events));
  form.setTimer(1, 50, true);
  form.setTimer(2, 50, false);
  EXPECT_TRUE(form.timerEnabled(1));
  EXPECT_FALSE(form.timerEnabled(2));
  test::pumpFor(400);
  EXPECT_GE(fast, 3);
  EXPECT_EQ(off, 0);
  form.enableTimer(1, false);
  test::pumpFor(50);
  const int stopped = fast;
  test::pumpFor(300);
  EXPECT_EQ(fast, stopped);
}

TEST(FormWindow, CloseRunsTheUnloadHandlerOnceAndDestroysTheWindow) {
  FormWindow form;
  int unloads = 0;
  int destroyed = 0;
  FormEvents events;
  events.unload = [&] { ++unloads; };
  events.destroyed = [&] { ++destroyed; };
  ASSERT_TRUE(form.load(FormStyle(), events));
  HWND hwnd = form.handle();
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  test::pumpFor(100);
  EXPECT_EQ(unloads, 1);
  EXPECT_EQ(destroyed, 1);
  EXPECT_FALSE(IsWindow(hwnd));
  form.unload();  // no second unload of a gone window
  EXPECT_EQ(unloads, 1);
}

TEST(FormWindow, ShowModalReturnsWhenTheWindowCloses) {
  FormWindow form;
  FormEvents events;
  events.load = [&] { form.setTimer(7, 100, true); };
  events.timer = [&](UINT_PTR) { form.unload(); };
  ASSERT_TRUE(form.load(FormStyle(), events));
  const DWORD start = GetTickCount();
  form.showModal();
  EXPECT_EQ(form.handle(), nullptr);
  EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST(FormScreen, TwipsAndTheProgramsFolder) {
  EXPECT_EQ(screenTwipsPerPixelX(), 15);  // the test display runs at 96 dpi
  EXPECT_EQ(screenWidthTwips(), GetSystemMetrics(SM_CXSCREEN) * screenTwipsPerPixelX());
  const std::wstring bin = test::binFolder();
  EXPECT_EQ(ProgramFolder(), std::string(bin.begin(), bin.end()));
}

}  // namespace
}  // namespace vantrel
