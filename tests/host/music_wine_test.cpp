// The music unit over the real winmm under Wine, with the test environment's
// ALSA device recording what is played (VANTREL_AUDIO_CAPTURE).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "host/base/win32_path_text.h"
#include "host/music/vantrel_bgm.h"
#include "host/music/win32_music_platform.h"
#include "tests/host/audio_capture.h"
#include "tests/host/win32_process_helpers.h"

namespace vantrel {
namespace {

std::string binFile(const char* name) {
  std::wstring folder = test::binFolder();
  return std::string(folder.begin(), folder.end()) + "\\" + name;
}

class RealMusic : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!capture.available()) GTEST_SKIP() << "no VANTREL_AUDIO_CAPTURE device";
    if (mci.waveOutDeviceCount() == 0) GTEST_SKIP() << "no wave output device";
  }
  Win32MusicPlatform mci;
  test::AudioCapture capture;
};

TEST_F(RealMusic, Mp3WithBlanksInItsPathPlaysAndStopsOnClose) {
  const std::string folder = binFile("music folder");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string song = folder + "\\tone long.mp3";
  ASSERT_TRUE(CopyFileA(binFile("tone_long.mp3").c_str(), song.c_str(), FALSE));
  MP3_OpenPlay(mci, song);
  test::pumpFor(300);
  EXPECT_TRUE(MP3_IsPlaying(mci));
  EXPECT_TRUE(capture.growsWithin(1500));
  MP3_Close(mci);
  EXPECT_FALSE(MP3_IsPlaying(mci));
  EXPECT_TRUE(capture.staysStill(800));
  DeleteFileA(song.c_str());
  RemoveDirectoryA(folder.c_str());
}

// Names in scripts the ANSI code page cannot hold: Latin accents, Polish,
// Cyrillic and an emoji (UTF-16, as the platform names files).
const wchar_t* const kWorldNames[] = {L"Jos\u00e9", L"\u0141\u00f3d\u017a",
                                      L"\u041c\u0443\u0437\u044b\u043a\u0430",
                                      L"\U0001F3B5 tune"};

TEST_F(RealMusic, FilesNamedInAnyScriptPlayThroughTheWideEntryPoints) {
  const std::wstring bin = test::binFolder();
  for (const wchar_t* name : kWorldNames) {
    const std::wstring folder = bin + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* kind : {L"mp3", L"wav"}) {
      const std::wstring song = folder + L"\\" + name + L"." + kind;
      SCOPED_TRACE(utf8OfWide(song));
      const std::wstring source = bin + (kind[0] == L'm' ? L"\\tone_long.mp3" : L"\\tone_short.wav");
      ASSERT_TRUE(CopyFileW(source.c_str(), song.c_str(), FALSE));
      if (kind[0] == L'm') {
        MP3_OpenPlay(mci, utf8OfWide(song));
        test::pumpFor(300);
        EXPECT_TRUE(MP3_IsPlaying(mci));
        EXPECT_TRUE(capture.growsWithin(1500));
        MP3_Close(mci);
      } else {
        WAV_PlayLoop(mci, utf8OfWide(song));
        EXPECT_TRUE(capture.growsWithin(1500));
        WAV_Stop(mci);
      }
      test::pumpFor(300);
      EXPECT_TRUE(capture.staysStill(600));
      DeleteFileW(song.c_str());
    }
    RemoveDirectoryW(folder.c_str());
  }
}

TEST_F(RealMusic, Mp3WatchRestartsAFileThatHasEnded) {
  MP3_OpenPlay(mci, binFile("tone_short.mp3"));
  test::pumpFor(1500);  // the file lasts half a second
  EXPECT_FALSE(MP3_IsPlaying(mci));
  MP3_Watch(mci);
  test::pumpFor(100);
  EXPECT_TRUE(MP3_IsPlaying(mci));
  MP3_Close(mci);
}

TEST_F(RealMusic, WavLoopsUntilStopped) {
  WAV_PlayLoop(mci, binFile("tone_short.wav"));
  test::pumpFor(1200);  // more than twice the sound's length
  const auto bytes = capture.size();
  EXPECT_TRUE(capture.growsWithin(1000)) << "still playing after " << bytes << " bytes";
  WAV_Stop(mci);
  test::pumpFor(300);
  EXPECT_TRUE(capture.staysStill(800));
}

TEST(RealCd, NoDriveEndsTheWatchQuietly) {
  Win32MusicPlatform mci;
  CD_Open(mci);
  CD_Watch(mci, 0);
  EXPECT_EQ(CD_Watching, 0);
  EXPECT_NE(MCI_Ask(mci, "status cdaudio mode").find("Error:"), std::string::npos);
  CD_Close(mci);
}

}  // namespace
}  // namespace vantrel
