// The settings dialog's layout as stored with the program: every control
// with its kind, container, position in twips (left, top, width, height,
// relative to the container) and saved properties, in the form host's
// saved-layout text. Control-array elements are named "name(index)".
#pragma once

#include <string>
#include <vector>

#include "host/forms/property_bag.h"

namespace vantrel {

enum class ControlKind { Frame, Button, Label, Image, Picture, Shape, ComboBox, Timer, Unknown };

struct ControlLayout {
  std::string name;       // e.g. "lbl_BGM"
  int index = -1;         // element of a control array, -1 when not an array
  ControlKind kind = ControlKind::Unknown;
  std::string container;  // "" for the window itself, else the container's name
  long left = 0, top = 0, width = 0, height = 0;  // twips
  forms::PropertyBag properties;  // every saved key, geometry included

  std::string caption() const { return properties.ReadString("Caption", ""); }
};

// The window's client size in twips.
constexpr long kDialogClientWidthTwips = 7470;
constexpr long kDialogClientHeightTwips = 3975;

// The controls of a saved layout, in its order (back to front).
std::vector<ControlLayout> dialogLayoutFromText(const std::string& text);

// The entry for name and index in layout, or nullptr.
const ControlLayout* findControl(const std::vector<ControlLayout>& layout, const std::string& name,
                                 int index = -1);

}  // namespace vantrel
