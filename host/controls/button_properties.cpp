#include "host/controls/button_properties.h"

namespace vantrel::controls {

ButtonProperties ReadButtonProperties(const forms::PropertyBag& bag,
                                      const forms::FontDesc& currentFont) {
  ButtonProperties p;
  p.Caption = bag.ReadString("Caption", "&OK");
  p.ForeColor = bag.ReadInt32("ForeColor", 0);
  p.Font = bag.ReadFont("Font", currentFont);
  p.FocusRect = bag.ReadBool("FocusRect", true);
  p.Enabled = bag.ReadBool("Enabled", true);
  return p;
}

void WriteButtonProperties(forms::PropertyBag& bag, const ButtonProperties& p) {
  bag.WriteString("Caption", p.Caption, "&OK");
  bag.WriteBool("Enabled", p.Enabled, true);
  bag.WriteInt32("ForeColor", p.ForeColor, 0);
  bag.WriteFont("Font", p.Font);
  bag.WriteBool("FocusRect", p.FocusRect, true);
}

}  // namespace vantrel::controls
