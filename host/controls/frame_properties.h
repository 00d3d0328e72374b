#pragma once
// The frame control's nine persisted properties, the setters' clamping and
// their persistence under the keys "FrameStyle", "ShadowOpacity", ...
#include <cstdint>

#include "host/controls/colour.h"
#include "host/forms/property_bag.h"

namespace vantrel::controls {

// Style values: rounded panel, plain panel; any other value draws no panel.
constexpr std::int32_t kFrameRounded = 0;
constexpr std::int32_t kFramePlain = 1;

// Largest ShadowDepth the setter stores.
constexpr std::int16_t kMaxShadowDepth = 40;

struct FrameProperties {
  std::int32_t FrameStyle = kFramePlain;
  std::int16_t ShadowOpacity = 50;  // percent
  bool ShowShadow = true;
  std::int16_t ShadowDepth = 5;  // pixels
  Colour FillColour = 0;
  Colour BackColour = 0;
  std::int32_t BackColourIs = 0;
  Colour BorderColour = 0;
  std::int16_t CornerDepth = 10;  // pixels
};

// Defaults of a new instance; both colours are the container's background.
FrameProperties NewFrameProperties(Colour containerBackColor);

// What the setters store.
std::int16_t ClampShadowOpacity(int value);  // 0..100
std::int16_t ClampShadowDepth(int value);    // 2..kMaxShadowDepth
std::int16_t ClampCornerDepth(int value);    // 0..50

// Reads the nine keys as stored, without clamping; a missing or malformed key
// gives its default (the colours default to containerBackColor).
FrameProperties ReadFrameProperties(const forms::PropertyBag& bag, Colour containerBackColor);
void WriteFrameProperties(forms::PropertyBag& bag, const FrameProperties& props,
                          Colour containerBackColor);

}  // namespace vantrel::controls
