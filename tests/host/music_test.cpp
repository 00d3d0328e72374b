#include "host/music/vantrel_bgm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace vantrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Records every call; answers commands from a table (reply text and result).
class RecordingPlatform : public MusicPlatform {
 public:
  struct Answer {
    std::string reply;
    std::uint32_t result = 0;
  };

  std::uint32_t sendString(const char* command, char* reply, std::uint32_t length) override {
    commands.push_back(command);
    replyLengths.push_back(length);
    Answer a = answers.count(command) ? answers[command] : Answer{};
    if (reply && length > 0) {
      std::size_t n = std::min<std::size_t>(a.reply.size(), length - 1);
      std::memcpy(reply, a.reply.data(), n);
      reply[n] = '\0';
    }
    return a.result;
  }
  bool errorString(std::uint32_t code, char* text, std::uint32_t length) override {
    errorLengths.push_back(length);
    if (!knowsErrors) return false;
    std::string t = "text of " + std::to_string(code);
    std::strncpy(text, t.c_str(), length - 1);
    return true;
  }
  bool playSound(const char* name, std::uint32_t flags) override {
    sounds.push_back({name ? name : "<null>", flags});
    return true;
  }
  std::uint32_t waveOutDeviceCount() override { return devices; }

  // The commands sent after the first one equal to marker.
  std::vector<std::string> after(const std::string& marker) const {
    std::vector<std::string> out;
    bool seen = false;
    for (const std::string& c : commands) {
      if (seen) out.push_back(c);
      if (c == marker) seen = true;
    }
    return out;
  }

  std::map<std::string, Answer> answers;
  std::vector<std::string> commands;
  std::vector<std::uint32_t> replyLengths;
  std::vector<std::uint32_t> errorLengths;
  std::vector<std::pair<std::string, std::uint32_t>> sounds;
  bool knowsErrors = true;
  std::uint32_t devices = 1;
};

class Cd : public ::testing::Test {
 protected:
  void drive(const std::string& current, const std::string& mode) {
    mci.answers["status cdaudio current track"] = {current, 0};
    mci.answers["status cdaudio number of tracks"] = {"12", 0};
    mci.answers["status cdaudio mode"] = {mode, 0};
    mci.answers["status cdaudio position track 3"] = {"03:00:00:00", 0};
  }
  RecordingPlatform mci;
};

TEST_F(Cd, OpenSetsTheTimeFormatAndStartsNothing) {
  CD_Open(mci);
  CD_Close(mci);
  EXPECT_THAT(mci.commands, ElementsAre("open cdaudio", "set cdaudio time format tmsf",
                                        "stop cdaudio", "close cdaudio"));
  EXPECT_THAT(mci.replyLengths, ElementsAre(0u, 0u, 0u, 0u));
}

TEST_F(Cd, WholeDiscRestartsOnlyWhenStopped) {
  drive("1", "stopped");
  CD_Watch(mci, 0);
  EXPECT_EQ(CD_Watching, -1);
  EXPECT_THAT(mci.after("status cdaudio mode"), ElementsAre("play cdaudio"));
  EXPECT_THAT(mci.replyLengths, ElementsAre(512u, 512u, 255u, 512u));
  mci.commands.clear();
  drive("1", "playing");
  CD_Watch(mci, 0);
  EXPECT_THAT(mci.after("status cdaudio mode"), IsEmpty());
}

TEST_F(Cd, ChosenTrackRepeatsFromItsStart) {
  drive("4", "playing");
  CD_Watch(mci, 3);
  EXPECT_THAT(mci.after("status cdaudio mode"),
              ElementsAre("status cdaudio position track 3", "play cdaudio from 03:00:00:00"));
  mci.commands.clear();
  drive("3", "playing");
  CD_Watch(mci, 3);
  EXPECT_THAT(mci.after("status cdaudio mode"), IsEmpty());
  mci.commands.clear();
  drive("3", "stopped");
  CD_Watch(mci, 3);
  EXPECT_EQ(mci.after("status cdaudio mode").size(), 2u);
  EXPECT_EQ(CD_Watching, -1);
}

TEST_F(Cd, ModeIsJudgedByItsFirstSevenCharactersCaseSensitively) {
  drive("1", "stopped and more");
  CD_Watch(mci, 0);
  EXPECT_THAT(mci.after("status cdaudio mode"), ElementsAre("play cdaudio"));
  mci.commands.clear();
  drive("1", "Stopped");
  CD_Watch(mci, 0);
  EXPECT_THAT(mci.after("status cdaudio mode"), IsEmpty());
}

TEST_F(Cd, FailingQueriesEndTheWatch) {
  drive("1", "stopped");
  mci.answers["status cdaudio current track"] = {"", 266};
  CD_Watch(mci, 0);
  EXPECT_EQ(CD_Watching, 0);
  EXPECT_THAT(mci.commands, ElementsAre("status cdaudio current track"));

  mci.commands.clear();
  drive("1", "stopped");
  mci.answers["status cdaudio number of tracks"] = {"terrible", 0};  // "err" in lower case
  CD_Watch(mci, 0);
  EXPECT_EQ(CD_Watching, 0);
  EXPECT_EQ(mci.commands.size(), 2u);

  mci.commands.clear();
  drive("x", "playing");  // a current track that is no number
  CD_Watch(mci, 3);
  EXPECT_EQ(CD_Watching, 0);
  EXPECT_THAT(mci.after("status cdaudio mode"), IsEmpty());
}

TEST_F(Cd, AMissingTrackPlaysFromTheErrorText) {
  drive("1", "playing");
  mci.answers["status cdaudio position track 9"] = {"", 277};
  CD_Watch(mci, 9);
  EXPECT_THAT(mci.after("status cdaudio mode"),
              ElementsAre("status cdaudio position track 9", "play cdaudio from Error:277"));
}

TEST(MciSend, RepliesErrorsAndTheEmptyCommand) {
  RecordingPlatform mci;
  std::string reply;
  EXPECT_EQ(MCI_Send(mci, "", reply), -1);
  EXPECT_EQ(reply, "\u30b3\u30de\u30f3\u30c9\u6587\u5b57\u5217\u304c\u6307\u5b9a\u3055\u308c"
                   "\u3066\u3044\u307e\u305b\u3093");  // コマンド文字列が指定されていません
  EXPECT_TRUE(mci.commands.empty());

  mci.answers["status x mode"] = {"paused", 0};
  EXPECT_EQ(MCI_Send(mci, "status x mode", reply), 0);
  EXPECT_EQ(reply, "paused");

  mci.answers["close cdaudio"] = {"", 263};
  EXPECT_EQ(MCI_Send(mci, "close cdaudio", reply), 263);
  EXPECT_EQ(reply, "text of 263");
  EXPECT_THAT(mci.errorLengths, ElementsAre(256u));
  EXPECT_EQ(MCI_Ask(mci, "close cdaudio"), "Error:263");
  EXPECT_EQ(MCI_Reply, "text of 263");

  mci.knowsErrors = false;
  EXPECT_EQ(MCI_Send(mci, "close cdaudio", reply), 263);
  EXPECT_EQ(reply, "Error (\u6587\u5b57\u5217\u304c\u53d6\u308c\u307e\u305b\u3093)");
}

TEST(MciSend, LongRepliesAreCutToTheBuffer) {
  RecordingPlatform mci;
  mci.answers["info"] = {std::string(600, 'r'), 0};
  EXPECT_EQ(MCI_Ask(mci, "info"), std::string(511, 'r'));
}

TEST(CdPlay, BuildsFromAndToInOrder) {
  RecordingPlatform mci;
  CD_Play(mci, "cdaudio", "", "5");
  CD_Play(mci, "cdaudio", "2", "5");
  CD_Play(mci, "cdaudio", "2", "");
  EXPECT_THAT(mci.commands, ElementsAre("play cdaudio to 5", "play cdaudio from 2 to 5",
                                        "play cdaudio from 2"));
}

TEST(Mp3, OpensTheQuotedPathAndPlaysOnlyWhenOpened) {
  RecordingPlatform mci;
  MP3_OpenPlay(mci, "C:\\My Music\\a b.mp3");
  EXPECT_THAT(mci.commands,
              ElementsAre("open \"C:\\My Music\\a b.mp3\" type MPEGVideo Alias MP3Play",
                          "play MP3Play"));
  // Paths in any script pass through as their UTF-8, inside the same quotes.
  mci.commands.clear();
  MP3_OpenPlay(mci, "C:\\Jos\u00e9\\\u0141\u00f3d\u017a \U0001F600.mp3");
  EXPECT_THAT(mci.commands,
              ElementsAre("open \"C:\\Jos\u00e9\\\u0141\u00f3d\u017a \U0001F600.mp3\" type "
                          "MPEGVideo Alias MP3Play",
                          "play MP3Play"));
  RecordingPlatform failing;
  failing.answers["open \"x.mp3\" type MPEGVideo Alias MP3Play"] = {"", 277};
  MP3_OpenPlay(failing, "x.mp3");
  EXPECT_EQ(failing.commands.size(), 1u);
}

TEST(Mp3, WatchRestartsAnythingButPlaying) {
  RecordingPlatform mci;
  mci.answers["status MP3Play mode"] = {"playing", 0};
  MP3_Watch(mci);
  EXPECT_THAT(mci.commands, ElementsAre("status MP3Play mode"));
  EXPECT_THAT(mci.replyLengths, ElementsAre(30u));
  for (const char* mode : {"paused", "stopped", "", "Playing"}) {
    mci.commands.clear();
    mci.answers["status MP3Play mode"] = {mode, 0};
    MP3_Watch(mci);
    EXPECT_THAT(mci.commands,
                ElementsAre("status MP3Play mode", "stop MP3Play", "play MP3Play from 0"))
        << mode;
  }
  mci.commands.clear();
  MP3_Close(mci);
  EXPECT_THAT(mci.commands, ElementsAre("stop MP3Play", "close MP3Play"));
}

TEST(Wav, LoopsWithAsyncAndLoopAndStopsWithNull) {
  RecordingPlatform mci;
  WAV_PlayLoop(mci, "C:\\a.wav");
  WAV_Stop(mci);
  ASSERT_EQ(mci.sounds.size(), 2u);
  EXPECT_EQ(mci.sounds[0], std::make_pair(std::string("C:\\a.wav"), 9u));
  EXPECT_EQ(mci.sounds[1], std::make_pair(std::string("<null>"), 0u));
  WAV_PlayLoop(mci, "C:\\\u041c\u0443\u0437\u044b\u043a\u0430.wav");  // Музыка
  EXPECT_EQ(mci.sounds[2].first, "C:\\\u041c\u0443\u0437\u044b\u043a\u0430.wav");
  RecordingPlatform silent;
  silent.devices = 0;
  WAV_PlayLoop(silent, "C:\\a.wav");
  EXPECT_TRUE(silent.sounds.empty());
}

}  // namespace
}  // namespace vantrel
