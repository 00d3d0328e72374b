#pragma once
// The window-message interception engine: a control intercepts messages of
// any window of its own thread and has chosen ones delivered to its
// zSubclass_Proc before and/or after the window's own procedure.
//
// Built on comctl32's window subclassing (no code is generated at run time):
// each hooked window gets one subclass entry whose data leads to this
// engine's record, so several engines chained on one window can be unhooked
// in any order, and a window may be unhooked, even the engine destroyed, from
// inside its own callback.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "host/controls/hook_table.h"

namespace vantrel::controls {

class SubclassOwner {
 public:
  // bBefore: true for the before phase. Setting bHandled in the before phase
  // answers the message with lReturn; in the after phase lReturn holds the
  // window's result and may be replaced. The message arguments may be changed.
  virtual void zSubclass_Proc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND& lng_hWnd,
                              UINT& uMsg, WPARAM& wParam, LPARAM& lParam) = 0;

 protected:
  ~SubclassOwner() = default;
};

class MessageHook {
 public:
  explicit MessageHook(SubclassOwner& owner);
  // Unhooks every window still hooked.
  ~MessageHook();
  MessageHook(const MessageHook&) = delete;
  MessageHook& operator=(const MessageHook&) = delete;

  // Starts intercepting window (lists empty). Returns the record index, or -1
  // when the window cannot be subclassed (another thread's, or destroyed).
  int HookWindow(HWND window);
  // when: kHookAfter, kHookBefore or both; message kAllMessages for all.
  void HookMessage(HWND window, std::int64_t message, int when);
  void UnhookWindow(HWND window);
  int FindHook(HWND window, bool forAdding) const;

  int RecordCount() const;
  // The record at index, for inspection; null when out of range.
  const HookRecord* Record(int index) const;

  struct Core;

 private:
  std::shared_ptr<Core> core_;
};

}  // namespace vantrel::controls
