#pragma once
// The button's persisted properties and their keys "Caption", "Enabled",
// "ForeColor", "Font", "FocusRect".
#include <string>

#include "host/controls/colour.h"
#include "host/forms/font_desc.h"
#include "host/forms/property_bag.h"

namespace vantrel::controls {

struct ButtonProperties {
  std::string Caption = "&OK";  // UTF-8
  bool Enabled = true;
  Colour ForeColor = 0;
  forms::FontDesc Font;  // Verdana 8.25 pt, weight 400, character set 0
  bool FocusRect = true;
};

// Missing or malformed keys give "&OK", true, 0, currentFont, true.
ButtonProperties ReadButtonProperties(const forms::PropertyBag& bag,
                                      const forms::FontDesc& currentFont);
// Writes in the order Caption, Enabled, ForeColor, Font, FocusRect; the font
// is always written.
void WriteButtonProperties(forms::PropertyBag& bag, const ButtonProperties& props);

}  // namespace vantrel::controls
