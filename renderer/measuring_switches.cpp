#include "renderer/measuring_switches.h"

#include <cstdio>

namespace vantrel {

MeasuringSwitches measuringSwitchesFrom(const char* bareFrame,
                                        const char* keptPicture) {
  const std::string bare = bareFrame != nullptr ? bareFrame : "";
  const std::string kept = keptPicture != nullptr ? keptPicture : "";
  MeasuringSwitches switches;
  if (bare == "1" || bare == "plain") switches.content = FrameContent::BareFade;
  switches.keepPicture = bare != "plain";
  if (kept == "float") {
    switches.trailOptions.finest = TrailPrecision::Float16;
  } else if (kept == "8bit" || kept == "copy") {
    switches.trailOptions.finest = TrailPrecision::EightBit;
  }
  switches.trailOptions.preferFramebuffer = kept != "copy";
  return switches;
}

std::string frameStatsText(long long frames, double seconds,
                           double cpuSeconds) {
  char text[96];
  std::snprintf(text, sizeof(text), "frames %lld\nseconds %.3f\ncpu %.3f\n",
                frames, seconds, cpuSeconds);
  return text;
}

}  // namespace vantrel
