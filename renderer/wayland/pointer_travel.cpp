#include "renderer/wayland/pointer_travel.h"

namespace vantrel {

void PointerTravel::enter(double x, double y) {
  entered_ = true;
  startX_ = x;
  startY_ = y;
}

bool PointerTravel::moveTo(double x, double y) {
  // NOTE: motion without an enter first cannot happen on the wire; taking
  // the first place seen as the start keeps a buggy compositor from ending
  // the saver on its first event.
  if (!entered_) {
    enter(x, y);
    return false;
  }
  const double dx = x - startX_;
  const double dy = y - startY_;
  return dx * dx + dy * dy > kPointerTravelLimit * kPointerTravelLimit;
}

}  // namespace vantrel
