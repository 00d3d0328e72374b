#include "host/dialog/dialog_placement.h"

#include "host/base/round_half_even.h"

namespace vantrel {

TwipsPoint dialogPosition(double screenWidth, double screenHeight, double windowWidth,
                          double windowHeight) {
  // C++ integer division truncates toward zero, as the placement demands.
  const long freeWidth = static_cast<long>(roundHalfEven(screenWidth - windowWidth));
  const long freeHeight = static_cast<long>(roundHalfEven(screenHeight - windowHeight));
  return TwipsPoint{freeWidth / 2, freeHeight / 3};
}

}  // namespace vantrel
