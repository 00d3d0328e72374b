#include "host/music/vantrel_bgm.h"

#include <cstdlib>
#include <vector>

namespace vantrel {

std::int16_t CD_Watching = 0;
std::string MCI_Reply;

namespace {

const std::int16_t kTrue = -1;
const std::int16_t kFalse = 0;

const std::uint32_t kReplyBuffer = 512;
const std::uint32_t kErrorBuffer = 256;
const std::uint32_t kCdModeBuffer = 255;
const std::uint32_t kMp3ModeBuffer = 30;

// Internal texts, in UTF-8 as every text of this unit.
const char* const kNoCommandText =  // コマンド文字列が指定されていません
    "\u30b3\u30de\u30f3\u30c9\u6587\u5b57\u5217\u304c\u6307\u5b9a\u3055\u308c\u3066\u3044"
    "\u307e\u305b\u3093";
const char* const kNoErrorText =  // Error (文字列が取れません)
    "Error (\u6587\u5b57\u5217\u304c\u53d6\u308c\u307e\u305b\u3093)";

// Text of a NUL-terminated reply buffer.
std::string textOf(const std::vector<char>& buffer) {
  std::size_t n = 0;
  while (n < buffer.size() && buffer[n] != '\0') ++n;
  return std::string(buffer.data(), n);
}

void sendIgnoringResult(MusicPlatform& mci, const std::string& command) {
  mci.sendString(command.c_str(), nullptr, 0);
}

// The first 7 characters of the reply to a mode query.
std::string askMode(MusicPlatform& mci, const char* command, std::uint32_t bufferSize) {
  std::vector<char> buffer(bufferSize, '\0');
  mci.sendString(command, buffer.data(), bufferSize);
  return textOf(buffer).substr(0, 7);
}

bool containsErr(const std::string& reply) {
  std::string upper = reply;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper.find("ERR") != std::string::npos;
}

// The current-track reply as a number; false when it is none.
bool readTrack(const std::string& text, long& track) {
  const char* begin = text.c_str();
  char* end = nullptr;
  track = std::strtol(begin, &end, 10);
  if (end == begin) return false;
  while (*end == ' ') ++end;
  return *end == '\0';
}

}  // namespace

std::int32_t MCI_Send(MusicPlatform& mci, const std::string& command, std::string& reply) {
  if (command.empty()) {
    reply = kNoCommandText;
    return -1;
  }
  std::vector<char> buffer(kReplyBuffer, '\0');
  std::uint32_t result = mci.sendString(command.c_str(), buffer.data(), kReplyBuffer);
  if (result == 0) {
    reply = textOf(buffer);
    return 0;
  }
  std::vector<char> text(kErrorBuffer, '\0');
  reply = mci.errorString(result, text.data(), kErrorBuffer) ? textOf(text) : kNoErrorText;
  return static_cast<std::int32_t>(result);
}

std::string MCI_Ask(MusicPlatform& mci, const std::string& command) {
  std::int32_t result = MCI_Send(mci, command, MCI_Reply);
  if (result != 0) return "Error:" + std::to_string(result);
  return MCI_Reply;
}

std::int32_t CD_Play(MusicPlatform& mci, const std::string& device, const std::string& from,
                     const std::string& to) {
  std::string command = "play " + device;
  if (!from.empty()) command += " from " + from;
  if (!to.empty()) command += " to " + to;
  return MCI_Send(mci, command, MCI_Reply);
}

void CD_Open(MusicPlatform& mci) {
  sendIgnoringResult(mci, "open cdaudio");
  sendIgnoringResult(mci, "set cdaudio time format tmsf");
}

void CD_Watch(MusicPlatform& mci, std::int16_t track) {
  CD_Watching = kTrue;
  std::string current = MCI_Ask(mci, "status cdaudio current track");
  if (containsErr(current)) {
    CD_Watching = kFalse;
    return;
  }
  std::string count = MCI_Ask(mci, "status cdaudio number of tracks");
  if (containsErr(count)) {
    CD_Watching = kFalse;
    return;
  }
  std::string mode = askMode(mci, "status cdaudio mode", kCdModeBuffer);
  if (track != 0) {
    long currentTrack = 0;
    bool numeric = readTrack(current, currentTrack);
    if (!numeric) {
      // A current track that is no number ends the watch, as a run-time error would.
      CD_Watching = kFalse;
      return;
    }
    if (mode == "stopped" || currentTrack != track) {
      std::string start = MCI_Ask(mci, "status cdaudio position track " + std::to_string(track));
      CD_Play(mci, "cdaudio", start, "");
    }
  } else if (mode == "stopped") {
    CD_Play(mci, "cdaudio", "", "");
  }
}

void CD_Close(MusicPlatform& mci) {
  sendIgnoringResult(mci, "stop cdaudio");
  sendIgnoringResult(mci, "close cdaudio");
}

void MP3_OpenPlay(MusicPlatform& mci, const std::string& file) {
  std::string command = "open \"" + file + "\" type MPEGVideo Alias MP3Play";
  if (mci.sendString(command.c_str(), nullptr, 0) == 0) sendIgnoringResult(mci, "play MP3Play");
}

bool MP3_IsPlaying(MusicPlatform& mci) {
  return askMode(mci, "status MP3Play mode", kMp3ModeBuffer) == "playing";
}

void MP3_Watch(MusicPlatform& mci) {
  if (MP3_IsPlaying(mci)) return;
  sendIgnoringResult(mci, "stop MP3Play");
  sendIgnoringResult(mci, "play MP3Play from 0");
}

void MP3_Close(MusicPlatform& mci) {
  sendIgnoringResult(mci, "stop MP3Play");
  sendIgnoringResult(mci, "close MP3Play");
}

void WAV_PlayLoop(MusicPlatform& mci, const std::string& file) {
  if (mci.waveOutDeviceCount() == 0) return;
  mci.playSound(file.c_str(), kWavLoopFlags);
}

void WAV_Stop(MusicPlatform& mci) { mci.playSound(nullptr, 0); }

}  // namespace vantrel
