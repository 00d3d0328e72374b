#include "renderer/hack/frame_rate_meter.h"

#include <cstdio>

namespace vantrel {

bool FrameRateMeter::frame(double nowSeconds, double& framesPerSecond) {
  if (!started_) {
    started_ = true;
    spanStart_ = nowSeconds;
    frames_ = 0;
    return false;
  }
  ++frames_;
  const double span = nowSeconds - spanStart_;
  if (span < 1.0) return false;
  framesPerSecond = static_cast<double>(frames_) / span;
  spanStart_ = nowSeconds;
  frames_ = 0;
  return true;
}

void reportFrameRate(FrameRateMeter& meter, double nowSeconds, bool print,
                     int starCount) {
  double framesPerSecond = 0.0;
  if (meter.frame(nowSeconds, framesPerSecond) && print) {
    std::fprintf(stderr, "vantrel: %.1f fps, %d stars\n", framesPerSecond,
                 starCount);
  }
}

}  // namespace vantrel
