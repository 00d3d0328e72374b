#include "host/controls/button_palette.h"

#include <cstddef>

#include "host/controls/twips_half_even.h"

namespace vantrel::controls {

ButtonPalette InitPalette() {
  ButtonPalette p;
  p.border[0] = MakeColour(201, 199, 186);
  p.cornerA[0] = MakeColour(196, 177, 140);
  p.cornerB[0] = MakeColour(206, 199, 189);
  p.cornerC[0] = MakeColour(196, 177, 140);
  for (int s = 1; s <= 4; ++s) {
    p.border[s] = MakeColour(0, 60, 116);
    p.cornerA[s] = MakeColour(33, 85, 132);
    p.cornerB[s] = MakeColour(123, 150, 173);
    p.cornerC[s] = MakeColour(82, 125, 165);
  }
  p.row1[1] = MakeColour(255, 255, 255);
  p.row2[1] = MakeColour(254, 254, 254);
  p.rowH3[1] = MakeColour(226, 223, 214);
  p.rowH2[1] = MakeColour(214, 208, 197);
  p.rimTop[1] = MakeColour(252, 252, 251);
  p.rimBottom[1] = MakeColour(236, 235, 230);
  p.row1[2] = MakeColour(206, 231, 255);
  p.row2[2] = MakeColour(189, 215, 247);
  p.rowH3[2] = MakeColour(140, 174, 231);
  p.rowH2[2] = MakeColour(107, 130, 239);
  p.rimTop[2] = MakeColour(189, 211, 247);
  p.rimBottom[2] = MakeColour(140, 174, 231);
  p.row1[3] = MakeColour(255, 243, 206);
  p.row2[3] = MakeColour(255, 219, 140);
  p.rowH3[3] = MakeColour(255, 178, 49);
  p.rowH2[3] = MakeColour(230, 150, 0);
  p.rimTop[3] = MakeColour(225, 223, 156);
  p.rimBottom[3] = MakeColour(255, 182, 48);
  p.faceTop = MakeColour(252, 252, 251);
  p.faceBottom = MakeColour(236, 235, 230);
  p.flatDisabled = MakeColour(245, 244, 234);
  p.flatPressed = MakeColour(231, 227, 222);
  p.disabledText = MakeColour(161, 161, 146);
  return p;
}

std::vector<Colour> GradientRows(Colour top, Colour bottom, int n) {
  std::vector<Colour> rows;
  if (n < 0) return rows;
  const Channels t = SplitColour(top);
  const Channels b = SplitColour(bottom);
  // NOTE: n = 0 would divide by zero; its single row is the bottom colour.
  const float div = n == 0 ? 1.0f : static_cast<float>(n);
  const float sr = static_cast<float>(t.red - b.red) / div;
  const float sg = static_cast<float>(t.green - b.green) / div;
  const float sb = static_cast<float>(t.blue - b.blue) / div;
  rows.reserve(static_cast<std::size_t>(n) + 1);
  for (int i = 0; i <= n; ++i) {
    const float fi = static_cast<float>(i);
    rows.push_back(MakeColour(RoundHalfEven(fi * sr + static_cast<float>(b.red)),
                              RoundHalfEven(fi * sg + static_cast<float>(b.green)),
                              RoundHalfEven(fi * sb + static_cast<float>(b.blue))));
  }
  return rows;
}

}  // namespace vantrel::controls
