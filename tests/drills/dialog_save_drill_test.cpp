// The settings dialog's save when the settings file cannot be replaced: the
// dialog still closes, and the previous file stays whole. Without a drill
// mount the new file's place is locked by another program or the file is
// marked read-only; under settings_mount_drill.sh C:\orlek_temp is
// read-only or full.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/dialog/wine_dialog_driver.h"
#include "tests/drills/drill_support.h"

namespace vantrel {
namespace {

using drill::kSettingsPath;

std::string mountedSettings() {
  const char* mode = std::getenv("VANTREL_DRILL_SETTINGS_MOUNT");
  return mode ? mode : "";
}

// Opens "/c", chooses the CD with track 5 and confirms; true once the
// dialog's process has ended.
bool saveCdTrackFive() {
  test::Program program;
  if (!program.start(test::programPath(), L"/c")) return false;
  HWND dialog = test::waitForTopWindow(test::kDialogTitle, 15000);
  EXPECT_NE(dialog, nullptr);
  if (!dialog) return false;
  Sleep(500);  // the load and the zoom pass before input arrives
  test::click(test::findControl(dialog, "lbl_BGM", 1));
  HWND combo = test::findControl(dialog, "BGM_Repeat");
  EXPECT_TRUE(test::waitFor([&] { return IsWindowEnabled(combo) != 0; }, 5000));
  SetWindowTextW(combo, L"5");
  test::click(test::findControl(dialog, "Cmd_Set"));
  DWORD code = 1;
  const bool ended = program.waitForExit(10000, &code);
  EXPECT_EQ(code, 0u);
  return ended;
}

TEST(DialogSaveDrill, ALockedPlaceForTheNewFileOrAReadOnlyFileKeepsThePreviousFile) {
  if (!mountedSettings().empty()) GTEST_SKIP() << "settings on a drill mount";
  drill::SettingsBackup backup;
  CreateDirectoryA(drill::kSettingsFolder, nullptr);
  const std::string previous = "[Settings]\r\nWidth= 800\r\n\r\n" + drill::musicSection(" 0", "");
  ASSERT_TRUE(drill::writeBytes(kSettingsPath, previous));
  HANDLE lock = CreateFileA((std::string(kSettingsPath) + ".new").c_str(), GENERIC_WRITE, 0,
                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(saveCdTrackFive());
  CloseHandle(lock);
  EXPECT_EQ(drill::readBytes(kSettingsPath), previous);

  // A settings file marked read-only is not replaced either.
  ASSERT_TRUE(SetFileAttributesA(kSettingsPath, FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(saveCdTrackFive());
  SetFileAttributesA(kSettingsPath, FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(drill::readBytes(kSettingsPath), previous);

  // The same save with nothing in the way does write: the drills above are real.
  drill::removeAnything(std::string(kSettingsPath) + ".new");
  EXPECT_TRUE(saveCdTrackFive());
  const drill::MusicKeys saved = drill::readMusicKeys(drill::readBytes(kSettingsPath));
  EXPECT_EQ(saved.kind, "1");
  EXPECT_EQ(saved.track, "5");
}

TEST(DialogSaveDrill, SettingsFolderReadOnlyOrDiskFullKeepsThePreviousFile) {
  const std::string mode = mountedSettings();
  if (mode.empty()) GTEST_SKIP() << "needs settings_mount_drill.sh";
  SCOPED_TRACE(mode);
  const std::string previous = drill::readBytes(kSettingsPath);
  ASSERT_NE(previous.find("Width= 800"), std::string::npos) << "no previous file was prepared";
  EXPECT_TRUE(saveCdTrackFive());
  EXPECT_EQ(drill::readBytes(kSettingsPath), previous);
  EXPECT_EQ(GetFileAttributesA((std::string(kSettingsPath) + ".new").c_str()),
            INVALID_FILE_ATTRIBUTES)
      << "a partial new settings file was left behind";
}

}  // namespace
}  // namespace vantrel
