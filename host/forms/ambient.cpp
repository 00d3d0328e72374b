#include "host/forms/ambient.h"

#include <algorithm>

namespace vantrel::forms {

void AmbientContainer::SetBackColor(std::int32_t colour) {
  if (colour == backColor_) return;
  backColor_ = colour;
  Announce("BackColor");
}

void AmbientContainer::SetUserMode(bool userMode) {
  if (userMode == userMode_) return;
  userMode_ = userMode;
  Announce("UserMode");
}

void AmbientContainer::SetDefaultControl(AmbientListener* control) {
  if (control == defaultControl_) return;
  defaultControl_ = control;
  Announce("DisplayAsDefault");
}

void AmbientContainer::Attach(AmbientListener* control) {
  if (control && std::find(listeners_.begin(), listeners_.end(), control) == listeners_.end()) {
    listeners_.push_back(control);
  }
}

void AmbientContainer::Detach(AmbientListener* control) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), control), listeners_.end());
  if (defaultControl_ == control) defaultControl_ = nullptr;
}

void AmbientContainer::PropertyChanged(const AmbientListener*, const std::string& name) {
  dirty_ = true;
  changed_.push_back(name);
}

// Iterates over a copy and skips controls detached by an earlier handler, so
// a handler may detach itself or others.
void AmbientContainer::Announce(const std::string& name) {
  const std::vector<AmbientListener*> snapshot = listeners_;
  for (AmbientListener* l : snapshot) {
    if (std::find(listeners_.begin(), listeners_.end(), l) != listeners_.end()) {
      l->AmbientChanged(name);
    }
  }
}

}  // namespace vantrel::forms
