#include "host/saver_watch.h"

namespace vantrel {

MusicFileType musicFileTypeOf(const std::string& file) {
  if (file.size() < 3) return MusicFileType::None;
  std::string ending = file.substr(file.size() - 3);
  for (char& c : ending) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (ending == "WAV") return MusicFileType::Wav;
  if (ending == "MP3") return MusicFileType::Mp3;
  return MusicFileType::None;
}

bool RendererWatch::shouldEnd(bool windowFound, bool processRunning, long msSinceStart) {
  if (windowFound) {
    seen_ = true;
    return false;
  }
  if (seen_) return true;
  return !processRunning || msSinceStart >= startLimitMs_;
}

}  // namespace vantrel
