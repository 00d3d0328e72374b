#include "renderer/gl/measuring_switches.h"

#include <cstdio>

namespace vantrel {

namespace {

// A whole number from 0 to kStarPoolSize, or -1 for anything else.
int starCountFrom(const char* text) {
  if (text == nullptr || text[0] == '\0') return -1;
  int value = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return -1;
    value = value * 10 + (*p - '0');
    if (value > kStarPoolSize) return -1;
  }
  return value;
}

}  // namespace

MeasuringSwitches measuringSwitchesFrom(const char* bareFrame,
                                        const char* keptPicture,
                                        const char* holdStars,
                                        const char* pacing) {
  const std::string bare = bareFrame != nullptr ? bareFrame : "";
  const std::string kept = keptPicture != nullptr ? keptPicture : "";
  MeasuringSwitches switches;
  if (bare == "1" || bare == "plain") switches.content = FrameContent::BareFade;
  switches.keepPicture = bare != "plain";
  TrailOptions& trail = switches.trailOptions;
  if (kept == "float") {
    trail.finest = TrailPrecision::Float16;
  } else if (kept == "8bit" || kept == "copy") {
    trail.finest = TrailPrecision::EightBit;
  }
  trail.preferFramebuffer = kept != "copy";
  trail.useKeptBackBuffer =
      kept != "16bit" && kept != "float" && kept != "8bit" && kept != "copy";
  trail.floorEightBit = kept != "unfloored";
  switches.heldStars = starCountFrom(holdStars);
  switches.paced = pacing == nullptr || std::string(pacing) != "off";
  return switches;
}

void stepStarCount(const MeasuringSwitches& switches, RendererState& state,
                   double& grownSixtieths, double sixtieths) {
  if (switches.heldStars >= 0) {
    state.starCount = switches.heldStars;
  } else {
    stepStarGrowth(state, grownSixtieths, sixtieths);
  }
}

std::string frameStatsText(long long frames, double seconds,
                           double cpuSeconds) {
  char text[96];
  std::snprintf(text, sizeof(text), "frames %lld\nseconds %.3f\ncpu %.3f\n",
                frames, seconds, cpuSeconds);
  return text;
}

void writeFrameStats(const char* path, long long frames, double seconds,
                     double cpuSeconds) {
  if (path == nullptr || path[0] == '\0') return;
  FILE* file = std::fopen(path, "w");
  if (file == nullptr) return;
  std::fputs(frameStatsText(frames, seconds, cpuSeconds).c_str(), file);
  std::fclose(file);
}

}  // namespace vantrel
