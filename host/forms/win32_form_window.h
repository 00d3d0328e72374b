// A host window as the form host provides it: loaded (created, its load
// handler run) without being shown, window timers with an interval and an
// enabled state, shown normally or modally, and unloaded through its unload
// handler. Handlers are small callbacks; the window procedure only routes.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

namespace vantrel {

struct FormEvents {
  std::function<void()> load;                // once created, before it is shown
  std::function<void(UINT_PTR id)> timer;    // a tick of an enabled timer
  std::function<void()> unload;              // an unload request (never refused)
  std::function<void()> destroyed;           // the window is gone (also when a parent took it)
  // Any other message; return true when handled, with result set.
  std::function<bool(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)> message;
};

struct FormStyle {
  std::wstring caption;
  DWORD style = WS_OVERLAPPED;
  DWORD exStyle = 0;
  COLORREF background = RGB(0, 0, 0);
  int width = 0;   // client size in pixels (0: none)
  int height = 0;
};

class FormWindow {
 public:
  FormWindow() = default;
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Creates the window hidden and runs its load handler; false if it could
  // not be created.
  bool load(const FormStyle& style, FormEvents events);
  HWND handle() const { return hwnd_; }

  // Creates (or replaces) a timer; it ticks only while enabled.
  void setTimer(UINT_PTR id, UINT intervalMs, bool enabled);
  void enableTimer(UINT_PTR id, bool enabled);
  bool timerEnabled(UINT_PTR id) const;

  void show();
  // Shows the window and runs a message loop until it is destroyed.
  void showModal();
  // Runs the unload handler, then destroys the window.
  void unload();

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void onTimer(UINT_PTR id);
  void onClose();
  void onEraseBackground(HDC dc);
  void onDestroy();

  struct Timer {
    UINT interval = 0;
    bool enabled = false;
  };
  HWND hwnd_ = nullptr;
  HBRUSH background_ = nullptr;
  FormEvents events_;
  std::map<UINT_PTR, Timer> timers_;
  bool unloading_ = false;
};

// Pumps the thread's messages until WM_QUIT; returns its exit code.
int runMessageLoop();

}  // namespace vantrel
