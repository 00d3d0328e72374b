#include "host/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/bgm_settings.h"
#include "tests/common/temp_folder.h"

namespace vantrel {
namespace {

void put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(FolderOfPath, CutsAtTheLastColonOrBackslash) {
  EXPECT_EQ(FolderOfPath("C:\\Music\\a.mp3"), "C:\\Music");
  EXPECT_EQ(FolderOfPath("C:\\a.mp3"), "C:");
  EXPECT_EQ(FolderOfPath("C:a.mp3"), "C:");
  EXPECT_EQ(FolderOfPath("a.mp3"), "");
  EXPECT_EQ(FolderOfPath(""), "");
  EXPECT_EQ(FolderOfPath("\\\\server\\share\\x.wav"), "\\\\server\\share");
}

class MusicSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    BGM_Kind = 0;
    BGM_Track = 0;
    BGM_File.clear();
    BGM_Folder.clear();
    put(song, "ID3");
  }
  // Writes the music section as the dialog would, then loads it.
  void load(const std::string& kind, const std::string& track, const std::string& file) {
    WriteIniValue(kSectionMusic, kKeyBgmKind, kind, ini);
    WriteIniValue(kSectionMusic, kKeyBgmTrack, track, ini);
    WriteIniValue(kSectionMusic, kKeyBgmFile, file, ini);
    loadBgmSettingsFrom(ini, "C:\\Saver");
  }

  test::TempFolder folder;
  std::string ini = folder.file("Vantrel.ini");
  std::string song = folder.file("song.mp3");
};

TEST_F(MusicSettings, KeysAreWrittenAsShiftJisInTheDialogsOrder) {
  load(" 1", " 5", "");
  EXPECT_EQ(slurp(ini),
            "[Section]\r\nBGM\x8b\xe6\x95\xaa= 1\r\nBGM\xd8\xcb\xdf\xb0\xc4= 5\r\n"
            "BGM\xcc\xa7\xb2\xd9=\r\n");
  EXPECT_EQ(BGM_Kind, 1);
  EXPECT_EQ(BGM_Track, 5);
  EXPECT_EQ(BGM_File, "");
  EXPECT_EQ(BGM_Folder, "C:\\Saver");
}

TEST_F(MusicSettings, NumbersAreFlooredAndBadTextsLeaveTheStartValue) {
  load("2.9", "abc", song);
  EXPECT_EQ(BGM_Kind, 2);
  EXPECT_EQ(BGM_Track, 0);
  EXPECT_EQ(BGM_File, song);
  EXPECT_EQ(BGM_Folder, FolderOfPath(song));
  load("99999", "-3", song);  // out of 16-bit range: unchanged
  EXPECT_EQ(BGM_Kind, 2);
  EXPECT_EQ(BGM_Track, -3);
  load("", "", song);
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(BGM_Track, 0);
}

TEST_F(MusicSettings, AnUnreadableFileTurnsKind2IntoNoneAndLeavesOtherKinds) {
  load(" 2", " 0", folder.file("deleted.mp3"));
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(BGM_File, "");
  load(" 2", " 0", folder.path());  // a folder
  EXPECT_EQ(BGM_Kind, 0);
  load(" 1", " 0", folder.file("deleted.mp3"));
  EXPECT_EQ(BGM_Kind, 1);
  EXPECT_EQ(BGM_File, "");
  load("-4", " 0", "");
  EXPECT_EQ(BGM_Kind, -4);
  load(" 2", " 0", std::string(300, 'a'));
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(BGM_Folder, "C:\\Saver");
}

TEST_F(MusicSettings, ATrailingBackslashIsIgnoredByFileExists) {
  EXPECT_TRUE(FileExists(song + "\\"));
  EXPECT_TRUE(FileExists(song));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists("\\"));
}

TEST_F(MusicSettings, GarbageFilesAndMissingFilesLoadAsNoMusic) {
  const char garbage[] = "\x00\xff[Section\n=\n[Section]\n\xfe\xfd=\x01\nBGM\x8b\xe6\x95\xaa=\"\"\"\n";
  put(ini, std::string(garbage, sizeof garbage - 1));
  loadBgmSettingsFrom(ini, "C:\\Saver");
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(BGM_File, "");
  loadBgmSettingsFrom(folder.file("missing.ini"), "C:\\Saver");
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(ReadIniValue(kSectionMusic, kKeyBgmKind, folder.file("missing.ini")), "");
}

}  // namespace
}  // namespace vantrel
