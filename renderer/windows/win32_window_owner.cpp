#include "renderer/windows/win32_window_owner.h"

namespace vantrel {

void keepWindowOwner(HWND window, LPARAM createStruct) {
  const auto* create = reinterpret_cast<const CREATESTRUCTA*>(createStruct);
  SetWindowLongPtrA(window, GWLP_USERDATA,
                    reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

WindowOwner* windowOwner(HWND window) {
  return reinterpret_cast<WindowOwner*>(
      GetWindowLongPtrA(window, GWLP_USERDATA));
}

void forgetWindowOwner(HWND window) {
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace vantrel
