#pragma once
// The caption of a new button, chosen so buttons placed one after another on
// a form read "&OK", "&Cancel", "&Apply".
#include <string>
#include <vector>

namespace vantrel::controls {

// siblingCaptions: captions of the other buttons of this kind on the form.
std::string DefaultCaption(const std::vector<std::string>& siblingCaptions,
                           const std::string& controlName);

}  // namespace vantrel::controls
