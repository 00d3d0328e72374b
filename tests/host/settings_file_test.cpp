#include "host/base/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/base/bgm_settings.h"
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
  // The second byte of "ソ" (83 5C) and of "表" (95 5C) is the byte of "\".
  EXPECT_EQ(FolderOfPath("C:\\Music\\\x83\x5c.mp3"), "C:\\Music");
  EXPECT_EQ(FolderOfPath("C:\\\x95\x5c\\a.mp3"), "C:\\\x95\x5c");
  EXPECT_EQ(FolderOfPath("\x83\x5c"), "");
  // Marked UTF-8 keeps its marker, so the folder is a path text too; its
  // bytes are never taken as 932 ("ğ" is C4 9F, and 9F leads a 932 pair).
  EXPECT_EQ(FolderOfPath("<UTF-8>C:\\\xc4\x9f\\a.mp3"), "<UTF-8>C:\\\xc4\x9f");
  EXPECT_EQ(FolderOfPath("<UTF-8>C:\\Jos\xc3\xa9\\a.mp3"), "<UTF-8>C:\\Jos\xc3\xa9");
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

TEST_F(MusicSettings, MarkedPathsLoadWholeAndUnmarkedOnesAreCutAsBefore) {
  // A marked path longer than 255 bytes names its file exactly.
  const std::string deep = folder.makeSubfolder(std::string(120, 'd') + "\xc3\xa9") + "/" +
                           std::string(100, 'f') + "\xf0\x9f\x98\x80.mp3";
  put(deep, "ID3");
  const std::string marked = "<UTF-8>" + deep;
  ASSERT_GT(marked.size(), 255u);
  load(" 2", " 0", marked);
  EXPECT_EQ(BGM_Kind, 2);
  EXPECT_EQ(BGM_File, marked);
  EXPECT_EQ(BGM_Folder, FolderOfPath(marked));
  EXPECT_TRUE(FileExists(marked));
  // Unmarked, the same bytes are cut to 255 and name no file.
  load(" 2", " 0", deep);
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(ReadIniValue(kSectionMusic, kKeyBgmFile, ini), deep.substr(0, 255));
  // Marked text for a file that is gone loads as no file.
  load(" 2", " 0", "<UTF-8>" + folder.file("gone.mp3"));
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(BGM_File, "");
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
