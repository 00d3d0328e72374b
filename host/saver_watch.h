// Decisions of the saver run that need no window: which music a file gets,
// and when the renderer watch ends the run.
#pragma once

#include <string>

namespace vantrel {

enum class MusicFileType { None, Wav, Mp3 };

// By the last three characters of the file name, upper-cased: "WAV" or "MP3".
MusicFileType musicFileTypeOf(const std::string& file);

// Follows the renderer's window for the 500 ms watch. The run ends once the
// window, seen before, has gone; before it is first seen the run ends only
// when the renderer's process has ended (or never started) or the window
// has not come within the start-up limit, so a slow start is not mistaken
// for an end.
class RendererWatch {
 public:
  explicit RendererWatch(long startLimitMs = 30000) : startLimitMs_(startLimitMs) {}

  // One poll: true when the run should end.
  bool shouldEnd(bool windowFound, bool processRunning, long msSinceStart);
  bool windowSeen() const { return seen_; }

 private:
  long startLimitMs_;
  bool seen_ = false;
};

}  // namespace vantrel
