// Fault drills: the real Vantrel.scr and Vantrel.dll under Wine, with a
// process killed, the settings file made unwritable or unreadable, the music
// file deleted, or the renderer replaced by something that is not a program.
// Each drill works in a fresh copy of the programs' folder and puts the
// user's settings file back afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "tests/drills/drill_support.h"
#include "tests/host/audio_capture.h"
#include "tests/host/win32_process_helpers.h"

namespace vantrel {
namespace {

using drill::kSettingsFolder;
using drill::kSettingsPath;
using test::ChildProcess;

// Under llvmpipe on a shared machine the renderer's first window can be slow,
// and a 100 MB settings file is read and written several times before it.
const DWORD kRendererStartMs = 60000;

std::wstring widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

DWORD since(DWORD start) { return GetTickCount() - start; }

// Waits (pumping this thread's messages) for a process to end.
bool waitProcess(HANDLE process, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return true;
    if (since(start) >= ms) return false;
    test::pumpFor(10);
  }
}

DWORD exitCodeOf(HANDLE process) {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process, &code);
  return code;
}

void pressEscape(HWND window) { PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001); }

// A process started by a drill, with the renderer it brought up.
class ProgramRun {
 public:
  ProgramRun(const std::string& program, const wchar_t* arguments) : process_(widen(program), arguments) {}
  ~ProgramRun() {
    if (renderer_) CloseHandle(renderer_);
  }
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  ChildProcess& process() { return process_; }
  // Waits for the renderer's window and opens its process.
  bool waitForRenderer() {
    window_ = test::waitForWindow(L"Vantrel_VC", kRendererStartMs);
    if (window_) renderer_ = drill::openWindowProcess(window_);
    return renderer_ != nullptr;
  }
  HWND window() const { return window_; }
  HANDLE renderer() const { return renderer_; }
  SIZE windowSize() const {
    RECT r = {};
    GetWindowRect(window_, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }

 private:
  ChildProcess process_;
  HWND window_ = nullptr;
  HANDLE renderer_ = nullptr;
};

class Drill : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "vantrel-drill-" + std::to_string(GetTickCount());
    CreateDirectoryA(folder_.c_str(), nullptr);
    const std::string bin = drill::binFolderA();
    ASSERT_TRUE(CopyFileA((bin + "\\Vantrel.scr").c_str(), scr().c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((bin + "\\Vantrel.dll").c_str(), dll().c_str(), FALSE));
    if (mountedSettings().empty()) {
      CreateDirectoryA(kSettingsFolder, nullptr);
      drill::removeAnything(kSettingsPath);
    }
  }
  void TearDown() override {
    test::endProcessesOwning(L"Vantrel_VC");
    test::endProcessesOwning(L"Vantrel_Main");
    EXPECT_EQ(drill::endProcesses(drill::programProcesses()), 0) << "processes left behind";
    drill::removeAnything(folder_);
  }

  // Set by tests/drills/settings_mount_drill.sh when C:\orlek_temp is a small
  // file system of its own ("readonly" or "full").
  static std::string mountedSettings() {
    const char* mode = std::getenv("VANTREL_DRILL_SETTINGS_MOUNT");
    return mode ? mode : "";
  }
  std::string scr() const { return folder_ + "\\Vantrel.scr"; }
  std::string dll() const { return folder_ + "\\Vantrel.dll"; }
  static std::string song() { return drill::binFolderA() + "\\tone_long.mp3"; }

  // Ends a run by Escape in the renderer; both programs must end with code 0.
  void endByEscape(ProgramRun& run) {
    pressEscape(run.window());
    EXPECT_TRUE(run.process().waitForEnd(5000)) << "the host did not follow the renderer";
    EXPECT_TRUE(waitProcess(run.renderer(), 5000)) << "the renderer did not end on Escape";
    EXPECT_EQ(run.process().exitCode(), 0u);
    EXPECT_EQ(exitCodeOf(run.renderer()), 0u);
  }

  // Whether the cursor shows over whatever the run left in front.
  // NOTE: the show count belongs to a thread's input, so only a process
  // still alive can keep the cursor hidden; Wine reports a showing cursor
  // when no window is in front.
  static bool cursorShownAsLeft() {
    test::pumpFor(200);
    return drill::cursorShowingInForeground();
  }

  drill::SettingsBackup backup_;  // outlives TearDown
  std::string folder_;
};

const std::string kPreviousSettings =
    "[Settings]\r\nWidth= 800\r\nHeight= 600\r\n\r\n" + drill::musicSection(" 0", "");

// --- a process killed mid-run ---------------------------------------------

TEST_F(Drill, RendererKilledMidRunEndsTheHostItsMusicAndTheHiddenCursor) {
  test::AudioCapture capture;
  ASSERT_TRUE(drill::writeBytes(kSettingsPath, drill::musicSection(" 2", song())));
  ProgramRun run(scr(), L"/s");
  ASSERT_TRUE(run.waitForRenderer());
  if (capture.available()) {
    EXPECT_TRUE(capture.growsWithin(4000)) << "the MP3 never played";
  }
  SetForegroundWindow(run.window());
  test::pumpFor(300);
  EXPECT_FALSE(drill::cursorShowingInForeground()) << "the renderer shows the cursor";

  ASSERT_TRUE(TerminateProcess(run.renderer(), 1));
  const DWORD killed = GetTickCount();
  EXPECT_TRUE(run.process().waitForEnd(3000));
  const DWORD followMs = since(killed);
  std::printf("host ended %lu ms after the renderer was killed\n",
              static_cast<unsigned long>(followMs));
  // One 500 ms watch tick, plus the message loop's and Wine's delays.
  EXPECT_LE(followMs, 1500u);
  // The unload handler ends the process with 0; a crash or a kill would not.
  EXPECT_EQ(run.process().exitCode(), 0u);
  if (capture.available()) {
    EXPECT_TRUE(capture.staysStill(1000)) << "music after the run";
  }
  EXPECT_EQ(FindWindowW(nullptr, L"Vantrel_Main"), nullptr);
  EXPECT_TRUE(drill::programProcesses().empty());
  EXPECT_TRUE(cursorShownAsLeft());
}

TEST_F(Drill, HostKilledMidRunLeavesTheRendererRunningUntilEscape) {
  test::AudioCapture capture;
  ASSERT_TRUE(drill::writeBytes(kSettingsPath, drill::musicSection(" 2", song())));
  ProgramRun run(scr(), L"/s");
  ASSERT_TRUE(run.waitForRenderer());
  if (capture.available()) {
    EXPECT_TRUE(capture.growsWithin(4000)) << "the MP3 never played";
  }
  HANDLE host = drill::openWindowProcess(test::waitForWindow(L"Vantrel_Main", 5000));
  ASSERT_NE(host, nullptr);
  ASSERT_TRUE(TerminateProcess(host, 1));
  EXPECT_TRUE(waitProcess(host, 3000));
  CloseHandle(host);
  // The music lived in the host and died with it.
  if (capture.available()) {
    EXPECT_TRUE(capture.staysStill(1000)) << "music after the host's death";
  }

  test::pumpFor(1500);
  EXPECT_EQ(WaitForSingleObject(run.renderer(), 0), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the renderer ended with its host";
  EXPECT_TRUE(IsWindow(run.window()));
  pressEscape(run.window());
  EXPECT_TRUE(waitProcess(run.renderer(), 5000));
  EXPECT_EQ(exitCodeOf(run.renderer()), 0u);
  EXPECT_TRUE(drill::programProcesses().empty());
}

// --- the settings file cannot be written ----------------------------------

// A saver run that cannot replace the settings file still runs, the renderer
// takes the size the previous file holds, and that file stays whole.
TEST_F(Drill, ASettingsFileThatCannotBeReplacedSurvivesWhole) {
  if (!mountedSettings().empty()) GTEST_SKIP() << "settings on a drill mount";
  for (const char* means : {"temporary file locked", "file marked read-only"}) {
    SCOPED_TRACE(means);
    ASSERT_TRUE(drill::writeBytes(kSettingsPath, kPreviousSettings));
    HANDLE lock = INVALID_HANDLE_VALUE;
    if (std::string(means) == "temporary file locked") {
      // Another program holds the file the new settings would be written to.
      lock = CreateFileA((std::string(kSettingsPath) + ".new").c_str(), GENERIC_WRITE, 0, nullptr,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    } else {
      // NOTE: Windows refuses to open a read-only file for writing or to
      // replace it; Wine run as root does both, so only the writer's own
      // check keeps the file.
      ASSERT_TRUE(SetFileAttributesA(kSettingsPath, FILE_ATTRIBUTE_READONLY));
    }
    {
      ProgramRun run(scr(), L"/s");
      ASSERT_TRUE(run.waitForRenderer());
      const SIZE size = run.windowSize();
      EXPECT_EQ(size.cx, 800);
      EXPECT_EQ(size.cy, 600);
      endByEscape(run);
    }
    if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
    SetFileAttributesA(kSettingsPath, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(drill::readBytes(kSettingsPath), kPreviousSettings);
    drill::removeAnything(std::string(kSettingsPath) + ".new");
  }
}

// Run by settings_mount_drill.sh with C:\orlek_temp on a read-only or a full
// file system that already holds the previous settings (800 by 600).
TEST_F(Drill, SettingsFolderReadOnlyOrDiskFullKeepsThePreviousFile) {
  const std::string mode = mountedSettings();
  if (mode.empty()) GTEST_SKIP() << "needs settings_mount_drill.sh";
  SCOPED_TRACE(mode);
  const std::string previous = drill::readBytes(kSettingsPath);
  ASSERT_NE(previous.find("Width= 800"), std::string::npos) << "no previous file was prepared";
  {
    ProgramRun run(scr(), L"/s");
    ASSERT_TRUE(run.waitForRenderer());
    const SIZE size = run.windowSize();
    EXPECT_EQ(size.cx, 800);
    EXPECT_EQ(size.cy, 600);
    endByEscape(run);
  }
  EXPECT_EQ(drill::readBytes(kSettingsPath), previous);
  EXPECT_EQ(GetFileAttributesA((std::string(kSettingsPath) + ".new").c_str()),
            INVALID_FILE_ATTRIBUTES)
      << "a partial new settings file was left behind";
}

// The host killed at moments spread over its start-up, while it writes the
// screen size: the file is always the previous one, or it with "Width" or
// both keys brought up to date, never half written.
TEST_F(Drill, HostKilledWhileWritingNeverLeavesAHalfWrittenSettingsFile) {
  if (!mountedSettings().empty()) GTEST_SKIP() << "settings on a drill mount";
  const std::string width = std::to_string(GetSystemMetrics(SM_CXSCREEN));
  const std::string height = std::to_string(GetSystemMetrics(SM_CYSCREEN));
  const std::string music = drill::musicSection(" 0", "");
  const std::string previous = "[Settings]\r\nWidth= 1\r\nHeight= 2\r\n\r\n" + music;
  const std::string widthDone = "[Settings]\r\nWidth= " + width + "\r\nHeight= 2\r\n\r\n" + music;
  const std::string bothDone =
      "[Settings]\r\nWidth= " + width + "\r\nHeight= " + height + "\r\n\r\n" + music;
  int seen[3] = {0, 0, 0};
  for (DWORD delayMs = 0; delayMs <= 1200; delayMs += 50) {
    SCOPED_TRACE(delayMs);
    ASSERT_TRUE(drill::writeBytes(kSettingsPath, previous));
    {
      ChildProcess host(widen(scr()), L"/s");
      ASSERT_TRUE(host.started());
      Sleep(delayMs);
    }  // terminated here if still running
    drill::endProcesses(drill::programProcesses());
    const std::string now = drill::readBytes(kSettingsPath);
    const int which = now == previous ? 0 : now == widthDone ? 1 : now == bothDone ? 2 : -1;
    EXPECT_NE(which, -1) << "settings file after the kill:\n" << now;
    if (which >= 0) ++seen[which];
  }
  std::printf("kills leaving the file previous / width written / both written: %d / %d / %d\n",
              seen[0], seen[1], seen[2]);
  // The kills must have reached the writes, or the drill proved nothing.
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[2], 0);
}

// --- the settings file is unreadable or absurd ----------------------------

std::string randomBytes(std::size_t n, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(n, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xff);
  return bytes;
}

// 100 MB: random bytes at the start, the rest a hole (sparse on the disk).
bool makeHugeFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const std::string head = randomBytes(4096, 7);
  DWORD written = 0;
  bool ok = WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &written, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = 100LL * 1024 * 1024;
  ok = ok && SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  return CloseHandle(file) && ok;
}

TEST_F(Drill, AFolderAHugeFileOrRandomBytesAsSettingsStillRunAndEnd) {
  if (!mountedSettings().empty()) GTEST_SKIP() << "settings on a drill mount";
  const char* kinds[] = {"folder", "100 MB file", "random bytes"};
  for (const char* kind : kinds) {
    SCOPED_TRACE(kind);
    auto prepare = [&] {
      drill::removeAnything(kSettingsPath);
      const std::string k = kind;
      if (k == "folder") return CreateDirectoryA(kSettingsPath, nullptr) != FALSE;
      if (k == "random bytes") return drill::writeBytes(kSettingsPath, randomBytes(65536, 11));
      return makeHugeFile(kSettingsPath);
    };
    // The renderer alone reads exactly the bad file: it falls back to 1024 by 768.
    ASSERT_TRUE(prepare());
    {
      DWORD start = GetTickCount();
      ProgramRun renderer(dll(), L"");
      ASSERT_TRUE(renderer.waitForRenderer());
      std::printf("%s: renderer window after %lu ms\n", kind,
                  static_cast<unsigned long>(since(start)));
      const SIZE size = renderer.windowSize();
      EXPECT_EQ(size.cx, 1024);
      EXPECT_EQ(size.cy, 768);
      start = GetTickCount();
      pressEscape(renderer.window());
      EXPECT_TRUE(waitProcess(renderer.renderer(), 5000));
      EXPECT_EQ(exitCodeOf(renderer.renderer()), 0u);
      std::printf("%s: renderer ended %lu ms after Escape\n", kind,
                  static_cast<unsigned long>(since(start)));
    }
    // A whole saver run over the same file starts, runs and ends normally.
    ASSERT_TRUE(prepare());
    {
      DWORD start = GetTickCount();
      ProgramRun run(scr(), L"/s");
      ASSERT_TRUE(run.waitForRenderer());
      std::printf("%s: saver run's renderer window after %lu ms\n", kind,
                  static_cast<unsigned long>(since(start)));
      test::pumpFor(1000);
      EXPECT_TRUE(run.process().running());
      endByEscape(run);
    }
    EXPECT_TRUE(drill::programProcesses().empty());
  }
}

// --- the music file vanishes ----------------------------------------------

TEST_F(Drill, TheSoundFileDeletedWhileItPlaysEndsNormallyAndSilently) {
  test::AudioCapture capture;
  for (const char* name : {"tone_long.mp3", "tone_short.wav"}) {
    SCOPED_TRACE(name);
    const std::string ending = std::string(name).substr(std::string(name).size() - 4);
    const std::string file = folder_ + "\\song" + ending;
    ASSERT_TRUE(CopyFileA((drill::binFolderA() + "\\" + name).c_str(), file.c_str(), FALSE));
    ASSERT_TRUE(drill::writeBytes(kSettingsPath, drill::musicSection(" 2", file)));
    ProgramRun run(scr(), L"/s");
    ASSERT_TRUE(run.waitForRenderer());
    if (capture.available()) {
      EXPECT_TRUE(capture.growsWithin(4000)) << "the music never played";
    }
    // NOTE: the MP3 player holds the file with delete sharing, so the delete
    // is accepted and the name goes when its last handle closes (Wine even
    // lets it be opened meanwhile); the WAV player holds it without, so the
    // delete is refused while it plays, as on Windows.
    const bool deleted = DeleteFileA(file.c_str()) != FALSE;
    const DWORD error = GetLastError();
    if (!deleted) {
      EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    }
    std::printf("%s: delete while playing %s\n", name, deleted ? "accepted" : "refused");
    // Past the 8 s MP3's end, so the keep-alive restarts a file that is gone;
    // the half-second WAV loops many times over.
    test::pumpFor(9000);
    EXPECT_TRUE(run.process().running()) << "the host died without its renderer ending";
    EXPECT_EQ(WaitForSingleObject(run.renderer(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    endByEscape(run);
    if (capture.available()) {
      EXPECT_TRUE(capture.staysStill(1000)) << "music after the run";
    }
    // Once the run is over nothing holds the file any more.
    if (!deleted) {
      EXPECT_TRUE(DeleteFileA(file.c_str())) << "error " << GetLastError();
    }
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the music file is still held open";
  }
}

// --- the renderer is not a program ----------------------------------------

TEST_F(Drill, ARendererThatIsNoProgramEndsTheRunAtOnce) {
  test::AudioCapture capture;
  ASSERT_TRUE(drill::writeBytes(kSettingsPath, drill::musicSection(" 2", song())));
  const std::string fakes[] = {
      randomBytes(8192, 3),
      "This is not a program.\r\n",
      std::string("MZ") + std::string(62, '\0'),  // a DOS header and nothing after it
      std::string(),
  };
  int index = 0;
  for (const std::string& bytes : fakes) {
    SCOPED_TRACE(index++);
    ASSERT_TRUE(drill::writeBytes(dll(), bytes));
    ChildProcess host(widen(scr()), L"/s");
    const DWORD start = GetTickCount();
    EXPECT_TRUE(host.waitForEnd(3000)) << "the host hangs";
    const DWORD endMs = since(start);
    std::printf("no-program renderer %d: host ended after %lu ms\n", index,
                static_cast<unsigned long>(endMs));
    EXPECT_LE(endMs, 2000u);
    EXPECT_EQ(host.exitCode(), 0u);
    EXPECT_EQ(FindWindowW(nullptr, L"Vantrel_VC"), nullptr);
    EXPECT_TRUE(drill::programProcesses().empty()) << "a process was left behind";
    if (capture.available()) {
    EXPECT_TRUE(capture.staysStill(800)) << "music after the run";
  }
    EXPECT_TRUE(cursorShownAsLeft());
  }
}

}  // namespace
}  // namespace vantrel
