#pragma once
// The button's colour table by visual state, and the rows of its vertical
// gradients.
#include <array>
#include <vector>

#include "host/controls/colour.h"

namespace vantrel::controls {

// Visual states (lState).
enum ButtonState : int {
  kStateDisabled = 0,
  kStateNormal = 1,
  kStateFocused = 2,  // focused or default: blue rim
  kStateHot = 3,      // mouse over: orange rim
  kStatePressed = 4,
};

struct ButtonPalette {
  std::array<Colour, 5> border{}, cornerA{}, cornerB{}, cornerC{};
  // Indexed by state; only states 1 to 3 have gradient faces.
  std::array<Colour, 5> row1{}, row2{}, rowH3{}, rowH2{}, rimTop{}, rimBottom{};
  Colour faceTop = 0, faceBottom = 0;
  Colour flatDisabled = 0, flatPressed = 0;
  Colour disabledText = 0;
};

ButtonPalette InitPalette();

// DrawGradient's rows for a rectangle with n = bottom - top: element i is the
// colour of row bottom - i, for i = 0 .. n (n + 1 rows; none when n < 0).
// Each channel is i * step + bottom channel with a 32-bit float step
// (top - bottom) / n, rounded halves to even. With n = 0 the one row has the
// bottom colour.
std::vector<Colour> GradientRows(Colour top, Colour bottom, int n);

}  // namespace vantrel::controls
