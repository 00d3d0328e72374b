#pragma once
// Whether the pointer has moved far enough to end the saver: a mouse that
// is bumped or drifts a pixel should not, a hand that moves it should. Pure.

namespace vantrel {

// Distance in surface-local units (logical pixels) beyond which pointer
// motion ends the saver.
constexpr double kPointerTravelLimit = 8.0;

class PointerTravel {
 public:
  // The pointer came onto a surface at (x, y): the place later motion is
  // measured from. A surface that appears under a resting pointer reports
  // it this way, which must not count as motion.
  void enter(double x, double y);
  // The pointer is at (x, y) on the surface it entered. True once it is
  // more than kPointerTravelLimit from where it entered, in any direction.
  bool moveTo(double x, double y);

 private:
  bool entered_ = false;
  double startX_ = 0.0;
  double startY_ = 0.0;
};

}  // namespace vantrel
