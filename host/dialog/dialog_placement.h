// Where the settings dialog opens: centred across the screen and one third
// of the free height from the top. All values in twips.
#pragma once

namespace vantrel {

struct TwipsPoint {
  long left;
  long top;
};

// (screen - window) rounded to whole twips (half to even), then divided by 2
// across and by 3 down, truncating toward zero; a window larger than the
// screen gets a negative position.
TwipsPoint dialogPosition(double screenWidth, double screenHeight, double windowWidth,
                          double windowHeight);

}  // namespace vantrel
