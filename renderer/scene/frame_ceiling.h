#pragma once
// How many refreshes each frame is shown for: a whole number, so frames stay
// evenly spaced, chosen from the display's rate and what asks for fewer
// frames. Pure.

namespace vantrel {

constexpr int kMinFrameCeiling = 10;   // frames a second a user may set
constexpr int kMaxFrameCeiling = 240;
constexpr int kPowerSavingFrameRate = 30;  // at most, while saving power

struct FrameLimits {
  int maxFramesPerSecond = 0;  // the user's ceiling; 0: none
  bool preview = false;        // a small preview: half the ceiling
  bool powerSaving = false;    // the system saves power: kPowerSavingFrameRate
};

// A window a host gave the saver is a preview below this size.
constexpr int kPreviewBelowWidth = 640;
constexpr int kPreviewBelowHeight = 480;
inline bool previewSized(int width, int height) {
  return width < kPreviewBelowWidth || height < kPreviewBelowHeight;
}

// Refreshes a frame lasts at the rate the platform reports (Hz; a whole
// number N stands for N up to N+1, an unusable one for 60 Hz, as for the
// pacer). A display at 60 Hz or more is drawn at refresh/k with
// k = floor(refresh/60), a rate just under a multiple of 60 (59.94, 119.88,
// 239.76) counting as that multiple; a slower one at its own rate. Each
// limit then only raises k.
int refreshesPerFrame(double reportedHz, const FrameLimits& limits);

}  // namespace vantrel
