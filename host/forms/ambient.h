#pragma once
// The ambient properties a form offers the controls placed on it (BackColor,
// UserMode, DisplayAsDefault), with change announcements, and the sink through
// which a control reports that one of its own properties changed.
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::forms {

// Implemented by a control placed on a form.
class AmbientListener {
 public:
  // name: "BackColor", "UserMode" or "DisplayAsDefault".
  virtual void AmbientChanged(const std::string& name) = 0;

 protected:
  ~AmbientListener() = default;
};

class AmbientContainer {
 public:
  // Colour value: red + 256 * green + 65536 * blue; top bit set = system colour.
  std::int32_t BackColor() const { return backColor_; }
  bool UserMode() const { return userMode_; }
  // True for the one control the form shows as its default button.
  bool DisplayAsDefault(const AmbientListener* control) const {
    return control != nullptr && control == defaultControl_;
  }

  void SetBackColor(std::int32_t colour);
  void SetUserMode(bool userMode);
  void SetDefaultControl(AmbientListener* control);

  void Attach(AmbientListener* control);
  // Also clears the default control when it is this one. Safe during an
  // announcement.
  void Detach(AmbientListener* control);

  // A control's property changed: the form's saved data is out of date.
  void PropertyChanged(const AmbientListener* control, const std::string& name);
  bool Dirty() const { return dirty_; }
  const std::vector<std::string>& ChangedProperties() const { return changed_; }

 private:
  void Announce(const std::string& name);

  std::int32_t backColor_ = static_cast<std::int32_t>(0x8000000F);  // button face
  bool userMode_ = true;
  AmbientListener* defaultControl_ = nullptr;
  std::vector<AmbientListener*> listeners_;
  bool dirty_ = false;
  std::vector<std::string> changed_;
};

}  // namespace vantrel::forms
