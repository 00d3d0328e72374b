#include "host/controls/frame_properties.h"

namespace vantrel::controls {

FrameProperties NewFrameProperties(Colour containerBackColor) {
  FrameProperties p;
  p.FillColour = containerBackColor;
  p.BackColour = containerBackColor;
  return p;
}

std::int16_t ClampShadowOpacity(int value) {
  return static_cast<std::int16_t>(value < 0 ? 0 : value > 100 ? 100 : value);
}

std::int16_t ClampShadowDepth(int value) {
  return static_cast<std::int16_t>(value < 2 ? 2 : value > kMaxShadowDepth ? kMaxShadowDepth : value);
}

std::int16_t ClampCornerDepth(int value) {
  return static_cast<std::int16_t>(value < 0 ? 0 : value > 50 ? 50 : value);
}

FrameProperties ReadFrameProperties(const forms::PropertyBag& bag, Colour back) {
  FrameProperties p;
  p.FrameStyle = bag.ReadInt32("FrameStyle", kFramePlain);
  p.ShadowOpacity = bag.ReadInt16("ShadowOpacity", 50);
  p.ShowShadow = bag.ReadBool("ShowShadow", true);
  p.ShadowDepth = bag.ReadInt16("ShadowDepth", 5);
  p.FillColour = bag.ReadInt32("FillColour", back);
  p.BackColour = bag.ReadInt32("BackColour", back);
  p.BackColourIs = bag.ReadInt32("BackColourIs", 0);
  p.BorderColour = bag.ReadInt32("BorderColour", 0);
  p.CornerDepth = bag.ReadInt16("CornerDepth", 10);
  return p;
}

void WriteFrameProperties(forms::PropertyBag& bag, const FrameProperties& p, Colour back) {
  bag.WriteInt32("FrameStyle", p.FrameStyle, kFramePlain);
  bag.WriteInt16("ShadowOpacity", p.ShadowOpacity, 50);
  bag.WriteBool("ShowShadow", p.ShowShadow, true);
  bag.WriteInt16("ShadowDepth", p.ShadowDepth, 5);
  bag.WriteInt32("FillColour", p.FillColour, back);
  bag.WriteInt32("BackColour", p.BackColour, back);
  bag.WriteInt32("BackColourIs", p.BackColourIs, 0);
  bag.WriteInt32("BorderColour", p.BorderColour, 0);
  bag.WriteInt16("CornerDepth", p.CornerDepth, 10);
}

}  // namespace vantrel::controls
