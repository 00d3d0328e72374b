// The interception engine on real windows: routing, list rules, record reuse,
// chains of several engines on one window, and unhooking from a callback.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "host/controls/win32_subclass.h"
#include "tests/controls/wine_test_window.h"

namespace vantrel::controls {
namespace {

using testing::RecordingWindow;

struct Owner : SubclassOwner {
  std::function<void(bool, bool&, LRESULT&, HWND&, UINT&, WPARAM&, LPARAM&)> onMessage;
  int beforeCalls = 0;
  int afterCalls = 0;
  LRESULT lastSeenResult = 0;
  void zSubclass_Proc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND& hwnd, UINT& uMsg,
                      WPARAM& wParam, LPARAM& lParam) override {
    (bBefore ? beforeCalls : afterCalls)++;
    if (!bBefore) lastSeenResult = lReturn;
    if (onMessage) onMessage(bBefore, bHandled, lReturn, hwnd, uMsg, wParam, lParam);
  }
};

constexpr UINT kMsg = WM_USER + 1;
constexpr UINT kOther = WM_USER + 2;

TEST(WineHook, MessageInNeitherListPassesUnchanged) {
  RecordingWindow w;
  Owner owner;
  MessageHook hook(owner);
  ASSERT_EQ(hook.HookWindow(w.hwnd), 0);
  hook.HookMessage(w.hwnd, kOther, kHookAfter | kHookBefore);
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 3, 4), 7);
  EXPECT_EQ(w.Count(kMsg), 1);
  EXPECT_EQ(w.wParams.back(), 3u);
  EXPECT_EQ(owner.beforeCalls + owner.afterCalls, 0);
}

TEST(WineHook, AfterSeesAndReplacesBeforeAnswersOrRewrites) {
  RecordingWindow w;
  Owner owner;
  MessageHook hook(owner);
  hook.HookWindow(w.hwnd);
  hook.HookMessage(w.hwnd, kMsg, kHookAfter);
  owner.onMessage = [](bool before, bool&, LRESULT& r, HWND&, UINT&, WPARAM&, LPARAM&) {
    if (!before) r = r * 10;
  };
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 3, 4), 70);
  EXPECT_EQ(owner.lastSeenResult, 7);
  EXPECT_EQ(owner.beforeCalls, 0);

  hook.HookMessage(w.hwnd, kMsg, kHookBefore);
  owner.onMessage = [](bool before, bool&, LRESULT&, HWND&, UINT&, WPARAM& wp, LPARAM&) {
    if (before) wp = 100;
  };
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 3, 4), 104);  // the window saw the new wParam
  owner.onMessage = [](bool before, bool& handled, LRESULT& r, HWND&, UINT&, WPARAM&, LPARAM&) {
    if (before) { handled = true; r = 55; }
  };
  const size_t seen = w.seen.size();
  const int afterBefore = owner.afterCalls;
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 3, 4), 55);
  EXPECT_EQ(w.seen.size(), seen);  // the window never saw it
  EXPECT_EQ(owner.afterCalls, afterBefore);
}

TEST(WineHook, DuplicatesKeepOneEntryAndMinusOneTakesAll) {
  RecordingWindow w;
  Owner owner;
  MessageHook hook(owner);
  const int i = hook.HookWindow(w.hwnd);
  hook.HookMessage(w.hwnd, kMsg, kHookAfter);
  hook.HookMessage(w.hwnd, kMsg, kHookAfter);
  EXPECT_EQ(hook.Record(i)->afterCount, 1);
  SendMessageW(w.hwnd, kMsg, 0, 0);
  EXPECT_EQ(owner.afterCalls, 1);
  hook.HookMessage(w.hwnd, kAllMessages, kHookBefore);
  owner.beforeCalls = 0;
  SendMessageW(w.hwnd, kOther, 0, 0);
  SendMessageW(w.hwnd, WM_NULL, 0, 0);
  EXPECT_EQ(owner.beforeCalls, 2);
}

TEST(WineHook, FreedRecordIsReusedAndUnknownWindowsAreIgnored) {
  RecordingWindow a, b, c;
  Owner owner;
  MessageHook hook(owner);
  EXPECT_EQ(hook.HookWindow(a.hwnd), 0);
  EXPECT_EQ(hook.HookWindow(b.hwnd), 1);
  hook.UnhookWindow(a.hwnd);
  EXPECT_EQ(hook.HookWindow(c.hwnd), 0);
  EXPECT_EQ(hook.RecordCount(), 2);
  hook.UnhookWindow(a.hwnd);  // no longer hooked: nothing happens
  RecordingWindow never;
  hook.HookMessage(never.hwnd, kMsg, kHookAfter);
  EXPECT_EQ(hook.FindHook(never.hwnd, false), -1);
  EXPECT_EQ(hook.HookWindow(nullptr), -1);
}

TEST(WineHook, ChainedEnginesUnhookInAnyOrder) {
  RecordingWindow w;
  const LONG_PTR original = GetWindowLongPtrW(w.hwnd, GWLP_WNDPROC);
  Owner owners[3];
  auto hooks = std::make_unique<std::unique_ptr<MessageHook>[]>(3);
  for (int i = 0; i < 3; ++i) {
    hooks[i] = std::make_unique<MessageHook>(owners[i]);
    hooks[i]->HookWindow(w.hwnd);
    hooks[i]->HookMessage(w.hwnd, kMsg, kHookAfter);
  }
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 1, 1), 2);
  hooks[1]->UnhookWindow(w.hwnd);  // the middle one first
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 1, 1), 2);
  hooks[0]->UnhookWindow(w.hwnd);  // then the first installed
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 1, 1), 2);
  EXPECT_EQ(owners[0].afterCalls, 2);
  EXPECT_EQ(owners[1].afterCalls, 1);
  EXPECT_EQ(owners[2].afterCalls, 3);
  hooks[2].reset();  // the engine's end unhooks the last
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 1, 1), 2);
  EXPECT_EQ(owners[2].afterCalls, 3);
  EXPECT_EQ(GetWindowLongPtrW(w.hwnd, GWLP_WNDPROC), original);
}

TEST(WineHook, UnhookingOrDestroyingTheEngineInsideACallbackIsSafe) {
  RecordingWindow w;
  Owner owner;
  auto hook = std::make_unique<MessageHook>(owner);
  hook->HookWindow(w.hwnd);
  hook->HookMessage(w.hwnd, kMsg, kHookBefore | kHookAfter);
  owner.onMessage = [&](bool before, bool&, LRESULT&, HWND& h, UINT&, WPARAM&, LPARAM&) {
    if (before) hook->UnhookWindow(h);
  };
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 2, 3), 5);  // still reaches the window
  EXPECT_EQ(owner.beforeCalls, 1);
  EXPECT_EQ(owner.afterCalls, 0);  // unhooked: no after phase
  SendMessageW(w.hwnd, kMsg, 2, 3);
  EXPECT_EQ(owner.beforeCalls, 1);

  hook->HookWindow(w.hwnd);
  hook->HookMessage(w.hwnd, kMsg, kHookBefore | kHookAfter);
  owner.onMessage = [&](bool before, bool&, LRESULT&, HWND&, UINT&, WPARAM&, LPARAM&) {
    if (before) hook.reset();
  };
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 2, 3), 5);
  EXPECT_EQ(hook, nullptr);
  EXPECT_EQ(SendMessageW(w.hwnd, kMsg, 4, 3), 7);
  EXPECT_EQ(owner.beforeCalls, 2);
}

TEST(WineHook, DestroyedWindowFreesItsRecord) {
  Owner owner;
  MessageHook hook(owner);
  auto w = std::make_unique<RecordingWindow>();
  HWND h = w->hwnd;
  hook.HookWindow(h);
  hook.HookMessage(h, kAllMessages, kHookAfter);
  w.reset();
  EXPECT_EQ(hook.FindHook(h, false), -1);
  EXPECT_EQ(hook.FindHook(nullptr, true), 0);
}

}  // namespace
}  // namespace vantrel::controls
