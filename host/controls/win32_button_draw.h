#pragma once
// The button's picture: border, face, rims, corner pixels, caption and focus
// rectangle, drawn into a DC of the button's size.
#include <windows.h>

#include <string>

#include "host/controls/button_palette.h"

namespace vantrel::controls {

struct ButtonLook {
  int state = kStateNormal;  // lState
  bool enabled = true;
  bool hasFocus = false;
  bool focusRect = true;
  Colour foreColor = 0;
  std::wstring caption;
  HFONT font = nullptr;
};

// Paints vertical gradient rows from bottom (bottom colour) up to top (top
// colour), the row at `bottom` included.
void DrawGradient(HDC dc, int left, int top, int right, int bottom, Colour topColour,
                  Colour bottomColour);

// w, h: the button's inner size in pixels.
void PaintButton(HDC dc, int w, int h, const ButtonPalette& palette, const ButtonLook& look);

}  // namespace vantrel::controls
