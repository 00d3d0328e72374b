// The settings dialog's designed layout: every control with its container
// and its position in twips (left, top, width, height, relative to the
// container), and its caption as UTF-8. The window code places controls only
// from this table.
#pragma once

#include <string>
#include <vector>

namespace vantrel {

enum class ControlKind { Frame, Button, Label, Image, Picture, Shape, ComboBox };

struct ControlLayout {
  std::string name;       // the control's name, e.g. "lbl_BGM"
  int index;              // element of a control array, -1 when not an array
  ControlKind kind;
  std::string container;  // "" for the window itself, else the container's name
  long left, top, width, height;  // twips
  std::string caption;    // UTF-8; empty when the control has none
};

// The window's client size in twips.
constexpr long kDialogClientWidthTwips = 7470;
constexpr long kDialogClientHeightTwips = 3975;

// The designed table, in creation (back to front) order.
const std::vector<ControlLayout>& designedDialogLayout();

// The entry for name and index in layout, or nullptr.
const ControlLayout* findControl(const std::vector<ControlLayout>& layout, const std::string& name,
                                 int index = -1);

}  // namespace vantrel
