// Child-window identifiers of the settings dialog's controls, so that tests
// and tools can find a control of the running dialog by name.
#pragma once

#include <string>

namespace vantrel {

// The identifier of a control (index -1 for a control that is not an
// array element); 0 for a name the dialog does not have.
int dialogControlId(const std::string& name, int index = -1);

}  // namespace vantrel
