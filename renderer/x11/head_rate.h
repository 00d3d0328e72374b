#pragma once
// The refresh rate of the monitor a window is on: each monitor (a CRTC in
// XRandR's terms) shows its own part of the screen at its own rate. Pure.
#include <vector>

namespace vantrel {

// A mode's timings as XRandR gives them.
struct ModeTimings {
  double dotClockHz = 0.0;
  unsigned hTotal = 0;  // pixels a line, blanking included
  unsigned vTotal = 0;  // lines a frame, blanking included
  bool doubleScan = false;  // each line sent twice
  bool interlace = false;   // a refresh shows every other line
};

// Refreshes a second of `mode`, as exact as its clock; 0 where its timings
// say nothing (Xvfb's modes have no clock).
double modeRefreshRate(const ModeTimings& mode);

// A monitor's part of the screen, in screen pixels, and its rate in Hz.
struct Head {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  double hz = 0.0;
};

// The rate of the head under screen pixel (x, y), or of the head nearest it
// where none is under it; the slowest where heads overlap (clones), so
// frames outrun none of them. 0 without heads.
double headRateAt(const std::vector<Head>& heads, int x, int y);

}  // namespace vantrel
