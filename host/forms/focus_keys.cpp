#include "host/forms/focus_keys.h"

namespace vantrel::forms {

int FocusStepOf(const std::string& keys) {
  if (keys == "{TAB}") return 1;
  if (keys == "+{TAB}") return -1;
  return 0;
}

}  // namespace vantrel::forms
