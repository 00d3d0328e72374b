#include "host/forms/win32_focus.h"

#include "host/forms/focus_keys.h"

namespace vantrel::forms {

bool SendFocusKeys(HWND from, const std::string& keys) {
  const int step = FocusStepOf(keys);
  if (step == 0 || !from) return false;
  HWND form = GetAncestor(from, GA_ROOT);
  if (!form) return false;
  // NOTE: GetNextDlgTabItem walks into children of WS_EX_CONTROLPARENT
  // containers (the frame control sets it), so nested controls take part.
  HWND next = GetNextDlgTabItem(form, from, step < 0 ? TRUE : FALSE);
  if (!next || next == from) return false;
  return SetFocus(next) != nullptr || GetFocus() == next;
}

}  // namespace vantrel::forms
