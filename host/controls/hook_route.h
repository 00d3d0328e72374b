#pragma once
// How an intercepted message is routed: the before phase, then the window's
// previous procedure unless a before callback handled the message, then the
// after phase. Portable; the Windows engine instantiates it.
#include <cstdint>

#include "host/controls/hook_table.h"

namespace vantrel::controls {

struct HookMessageArgs {
  std::uintptr_t window = 0;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

// lookup() -> const HookRecord* : the record afresh, or null once it has been
//   unhooked (so a callback may unhook the window, even its own engine).
// callback(bool before, bool& handled, intptr_t& result, HookMessageArgs&)
// forward(HookMessageArgs&) -> intptr_t : the previous procedure.
template <class Lookup, class Callback, class Forward>
std::intptr_t RouteMessage(HookMessageArgs& args, Lookup&& lookup, Callback&& callback,
                           Forward&& forward) {
  std::intptr_t result = 0;
  bool handled = false;
  if (const HookRecord* r = lookup(); r && HookListWants(r->beforeList, r->beforeCount, args.message)) {
    callback(true, handled, result, args);
  }
  if (handled) return result;
  result = forward(args);
  if (const HookRecord* r = lookup(); r && HookListWants(r->afterList, r->afterCount, args.message)) {
    callback(false, handled, result, args);
  }
  return result;
}

}  // namespace vantrel::controls
