#pragma once
// Focus movement between the tab stops of a form, as the keystrokes "{TAB}"
// and "+{TAB}" would do it.
#include <windows.h>

#include <string>

namespace vantrel::forms {

// Moves the focus from `from` to the next ("{TAB}") or previous ("+{TAB}")
// tab stop of its top-level form, through nested containers. Other texts do
// nothing. False when nothing moved.
bool SendFocusKeys(HWND from, const std::string& keys);

}  // namespace vantrel::forms
