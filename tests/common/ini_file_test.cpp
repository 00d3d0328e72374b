// Runs natively and under Wine: the file half of the settings file.
#include "common/file_io.h"
#include "common/ini_file.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/common/temp_folder.h"

namespace vantrel {
namespace {

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class IniFile : public ::testing::Test {
 protected:
  test::TempFolder folder;
  std::string path = folder.file("Vantrel.ini");
};

TEST_F(IniFile, WriteCreatesTheFileExactlyAsWindowsDoes) {
  ASSERT_TRUE(writeProfileString(path, "Settings", "Width", " 1024"));
  ASSERT_TRUE(writeProfileString(path, "Settings", "Height", " 768"));
  EXPECT_EQ(slurp(path), "[Settings]\r\nWidth= 1024\r\nHeight= 768\r\n");
  EXPECT_EQ(readProfileInt(path, "SETTINGS", "width", 1), 1024);
  EXPECT_EQ(readProfileString(path, "settings", "HEIGHT", "x"), "768");
}

TEST_F(IniFile, MissingFileSectionKeyOrEmptyValueGiveTheDefault) {
  EXPECT_EQ(readProfileString(path, "Settings", "Width", "d"), "d");
  EXPECT_EQ(readProfileInt(path, "Settings", "Width", 1024), 1024);
  put(path, "[Settings]\nWidth=\nHeight=abc\n");
  EXPECT_EQ(readProfileInt(path, "Settings", "Width", 1024), 1024);
  EXPECT_EQ(readProfileInt(path, "Settings", "Height", 768), 0);
  EXPECT_EQ(readProfileInt(path, "Other", "Height", 768), 768);
  EXPECT_EQ(readProfileString(path, "Settings", "Width", "d"), "");
}

TEST_F(IniFile, OneReadServesEveryValueOfAFileOfAnySize) {
  // Over several of the reader's chunks, with a value in the last one.
  std::string text = "[Settings]\r\nWidth= 1280\r\n";
  text += std::string((3u << 20) + 123, ';') + "\r\n[Late]\r\nKey=end\r\n";
  put(path, text);
  const ProfileFile file(path);
  put(path, "[Settings]\r\nWidth=1\r\n");  // what was read stays what is answered
  EXPECT_EQ(file.readInt("Settings", "Width", 0), 1280);
  EXPECT_EQ(file.readInt("Settings", "Height", 768), 768);
  EXPECT_EQ(file.readString("late", "KEY", ""), "end");
  EXPECT_EQ(file.readString("late", "KEY", "", 3), "en");
  const ProfileFile missing(folder.file("none.ini"));
  EXPECT_EQ(missing.readInt("Settings", "Width", 1024), 1024);
  EXPECT_EQ(missing.readString("Settings", "Width", "d"), "d");
}

TEST_F(IniFile, LongValuesAreCutToTheBuffer) {
  const std::string value(300, 'v');
  ASSERT_TRUE(writeProfileString(path, "Section", "k", value));
  EXPECT_EQ(readProfileString(path, "Section", "k", ""), std::string(255, 'v'));
  EXPECT_EQ(readProfileString(path, "Section", "k", "", 10), std::string(9, 'v'));
  EXPECT_EQ(readProfileString(path, "Section", "none", std::string(300, 'd')), std::string(255, 'd'));
}

TEST_F(IniFile, EditKeepsHandWrittenLinesAndLineEndings) {
  put(path, "[section]\nbgm=1\n; keep me\n[Settings]\nWidth=800\n");
  ASSERT_TRUE(writeProfileString(path, "Settings", "Width", " 1280"));
  ASSERT_TRUE(writeProfileString(path, "Section", "File", ""));
  EXPECT_EQ(slurp(path), "[section]\nbgm=1\n; keep me\nFile=\n[Settings]\nWidth= 1280\n");
}

TEST_F(IniFile, FailedWritesLeaveTheOldFileAndReportFailure) {
  put(path, "[Settings]\r\nWidth= 800\r\n");
  EXPECT_FALSE(writeProfileString(path, "Settings", "Width", "1\r\n[Evil]"));
  EXPECT_FALSE(writeProfileString(folder.file("no folder") + "/x/Vantrel.ini", "S", "k", "v"));
  EXPECT_EQ(slurp(path), "[Settings]\r\nWidth= 800\r\n");
  // A folder standing where the file should be can be neither read nor replaced.
  const std::string dirPath = folder.makeSubfolder("dir.ini");
  EXPECT_FALSE(writeProfileString(dirPath, "S", "k", "v"));
  EXPECT_EQ(readProfileString(dirPath, "S", "k", "d"), "d");
  // No temporary copy is left behind.
  std::string leftover;
  EXPECT_EQ(readWholeFile(path + ".new", leftover), ReadResult::Missing);
}

#ifdef _WIN32
// NOTE: on Windows a file opened without sharing by another program can be
// neither read nor replaced.
TEST_F(IniFile, ALockedFileReadsAsMissingAndIsNotOverwritten) {
  put(path, "[Settings]\r\nWidth= 800\r\n");
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(readProfileInt(path, "Settings", "Width", 1024), 1024);
  EXPECT_FALSE(writeProfileString(path, "Settings", "Width", " 1280"));
  CloseHandle(lock);
  EXPECT_EQ(slurp(path), "[Settings]\r\nWidth= 800\r\n");
  EXPECT_TRUE(writeProfileString(path, "Settings", "Width", " 1280"));
  EXPECT_EQ(readProfileInt(path, "Settings", "Width", 1024), 1280);
}

TEST_F(IniFile, AReadOnlyFileIsReadButNotReplaced) {
  put(path, "[Settings]\r\nWidth= 800\r\n");
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(readProfileInt(path, "Settings", "Width", 1024), 800);
  EXPECT_FALSE(writeProfileString(path, "Settings", "Width", " 1280"));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(slurp(path), "[Settings]\r\nWidth= 800\r\n");
  std::string leftover;
  EXPECT_EQ(readWholeFile(path + ".new", leftover), ReadResult::Missing);
}
#endif

}  // namespace
}  // namespace vantrel
