#include "host/forms/win32_message_box.h"

#include <windows.h>

namespace vantrel {

void showMessageBox(const std::wstring& text, const std::wstring& caption) {
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK);
}

}  // namespace vantrel
