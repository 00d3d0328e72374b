#pragma once
// The keystroke texts controls send to move the focus: "{TAB}" to the next
// tab stop, "+{TAB}" (Shift+Tab) to the previous one.
#include <string>

namespace vantrel::forms {

// +1 for "{TAB}", -1 for "+{TAB}", 0 for any other text.
int FocusStepOf(const std::string& keys);

}  // namespace vantrel::forms
