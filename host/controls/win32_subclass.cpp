#include "host/controls/win32_subclass.h"

#include <commctrl.h>

#include "host/controls/hook_route.h"

namespace vantrel::controls {

// Shared with the window procedure, which holds a reference while it runs so
// that a callback destroying the engine leaves nothing dangling.
struct MessageHook::Core : std::enable_shared_from_this<MessageHook::Core> {
  SubclassOwner* owner = nullptr;  // null once the engine is gone
  HookTable table;

  int IndexOf(const HookRecord* record) const {
    for (int i = 0; i < table.Size(); ++i) {
      if (table.Record(i) == record) return i;
    }
    return -1;
  }
};

namespace {

using Core = MessageHook::Core;

// NOTE: under Wine 8 every message to a window subclassed through comctl32
// costs about 0.1 to 0.5 ms (its subclass chain lives in a window property,
// which Wine keeps in the wineserver); on Windows the same path costs well
// under a microsecond. controls_bench prints the figures.

LRESULT CALLBACK HookProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

// The subclass id is the record's address: unique across every engine
// hooking the same window, and stable because records are never freed.
UINT_PTR IdOf(const HookRecord* record) { return reinterpret_cast<UINT_PTR>(record); }

void Unhook(Core& core, int index) {
  HookRecord* r = core.table.Record(index);
  if (!r || r->window == 0) return;
  RemoveWindowSubclass(reinterpret_cast<HWND>(r->window), HookProc, IdOf(r));
  core.table.Release(index);
}

LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, HookRecord* record, Core& core) {
  const std::uintptr_t window = reinterpret_cast<std::uintptr_t>(hwnd);
  HookMessageArgs args{window, msg, wp, lp};
  auto lookup = [&]() -> const HookRecord* {
    return core.owner && record->window == window ? record : nullptr;
  };
  auto callback = [&](bool before, bool& handled, std::intptr_t& result, HookMessageArgs& a) {
    HWND h = reinterpret_cast<HWND>(a.window);
    UINT m = a.message;
    WPARAM w = a.wParam;
    LPARAM l = a.lParam;
    LRESULT r = result;
    core.owner->zSubclass_Proc(before, handled, r, h, m, w, l);
    a = HookMessageArgs{reinterpret_cast<std::uintptr_t>(h), m, w, l};
    result = r;
  };
  auto forward = [](HookMessageArgs& a) -> std::intptr_t {
    return DefSubclassProc(reinterpret_cast<HWND>(a.window), a.message, a.wParam, a.lParam);
  };
  return RouteMessage(args, lookup, callback, forward);
}

LRESULT CALLBACK HookProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
  auto* record = reinterpret_cast<HookRecord*>(id);
  std::shared_ptr<Core> core = reinterpret_cast<Core*>(data)->shared_from_this();
  LRESULT result = 0;
  try {
    result = Dispatch(hwnd, msg, wp, lp, record, *core);
  } catch (...) {
    // NOTE: no exception may cross into the system's message dispatch.
  }
  // A destroyed window takes its subclass with it; free the record so a
  // reused handle can never match it.
  if (msg == WM_NCDESTROY && record->window == reinterpret_cast<std::uintptr_t>(hwnd)) {
    Unhook(*core, core->IndexOf(record));
  }
  return result;
}

}  // namespace

MessageHook::MessageHook(SubclassOwner& owner) : core_(std::make_shared<Core>()) {
  core_->owner = &owner;
}

MessageHook::~MessageHook() {
  core_->owner = nullptr;
  for (int i = 0; i < core_->table.Size(); ++i) Unhook(*core_, i);
}

int MessageHook::HookWindow(HWND window) {
  if (!window || !IsWindow(window)) return -1;
  const int index = core_->table.Claim(reinterpret_cast<std::uintptr_t>(window));
  HookRecord* r = core_->table.Record(index);
  if (!SetWindowSubclass(window, HookProc, IdOf(r), reinterpret_cast<DWORD_PTR>(core_.get()))) {
    core_->table.Release(index);
    return -1;
  }
  return index;
}

void MessageHook::HookMessage(HWND window, std::int64_t message, int when) {
  core_->table.AddMessage(FindHook(window, false), message, when);
}

void MessageHook::UnhookWindow(HWND window) { Unhook(*core_, FindHook(window, false)); }

int MessageHook::FindHook(HWND window, bool forAdding) const {
  return core_->table.FindHook(reinterpret_cast<std::uintptr_t>(window), forAdding);
}

int MessageHook::RecordCount() const { return core_->table.Size(); }

const HookRecord* MessageHook::Record(int index) const { return core_->table.Record(index); }

}  // namespace vantrel::controls
