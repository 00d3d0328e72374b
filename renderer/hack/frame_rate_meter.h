#pragma once
// Counts frames and reports their rate about once a second. The meter is
// pure: the caller gives the time.

namespace vantrel {

class FrameRateMeter {
 public:
  // Counts one frame drawn at nowSeconds. True when a second or more has
  // passed since the last report, with the frames a second over that span.
  bool frame(double nowSeconds, double& framesPerSecond);

 private:
  bool started_ = false;
  double spanStart_ = 0.0;
  long long frames_ = 0;
};

// Counts a frame at nowSeconds; once a second, with `print` (--fps), writes
// "vantrel: N fps, M stars" to standard error.
void reportFrameRate(FrameRateMeter& meter, double nowSeconds, bool print,
                     int starCount);

}  // namespace vantrel
