// Vantrel.scr as the platform starts it, under Wine: each test copies the
// host and a renderer (a fake that can start late, or the real one) into a
// fresh folder and runs it there.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/host/audio_capture.h"
#include "tests/host/win32_process_helpers.h"

namespace vantrel {
namespace {

using test::ChildProcess;

const char kIni[] = "C:\\orlek_temp\\Vantrel.ini";

std::string slurp(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void put(const char* path, const std::string& bytes) {
  CreateDirectoryA("C:\\orlek_temp", nullptr);
  std::ofstream(path, std::ios::binary) << bytes;
}

// A folder with Vantrel.scr and, unless told otherwise, a renderer beside it.
class HostRun : public ::testing::Test {
 protected:
  void SetUp() override {
    // NOTE: a program ended by the test before may keep its window for a
    // moment under Wine; the single-instance check would then end the next
    // start at once.
    for (const wchar_t* title : {L"Vantrel_VC", L"Vantrel_Main", L"\u25a0Vantrel\u25a0"}) {
      test::endProcessesOwning(title);
      ASSERT_TRUE(test::waitForNoWindow(title, 5000)) << "a window is left from before";
    }
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"vantrel-host-" + std::to_wstring(GetTickCount());
    CreateDirectoryW(folder_.c_str(), nullptr);
    ASSERT_TRUE(test::copyInto(test::binFolder() + L"\\Vantrel.scr", scr()));
    // Other suites share the settings file: keep theirs and put it back.
    hadSettings_ = GetFileAttributesA(kIni) != INVALID_FILE_ATTRIBUTES;
    if (hadSettings_) savedSettings_ = slurp(kIni);
    DeleteFileA(kIni);
  }
  void TearDown() override {
    if (hadSettings_) {
      put(kIni, savedSettings_);
    } else {
      DeleteFileA(kIni);
    }
    test::endProcessesOwning(L"Vantrel_VC");
    test::endProcessesOwning(L"Vantrel_Main");
    DeleteFileW(scr().c_str());
    DeleteFileW((folder_ + L"\\Vantrel.dll").c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  void useRenderer(const wchar_t* program) {
    ASSERT_TRUE(test::copyInto(test::binFolder() + L"\\" + program, folder_ + L"\\Vantrel.dll"));
  }
  std::wstring scr() const { return folder_ + L"\\Vantrel.scr"; }

  std::wstring folder_;
  bool hadSettings_ = false;
  std::string savedSettings_;
};

std::string screenSizeLines() {
  return "Width= " + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "\r\nHeight= " +
         std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "\r\n";
}

TEST_F(HostRun, SaverWritesTheScreenSizeStartsTheRendererAndFollowsItsEnd) {
  useRenderer(L"fake_renderer.exe");
  const std::string reportPath = "C:\\orlek_temp\\renderer-start.txt";
  DeleteFileA(reportPath.c_str());
  ChildProcess host(scr(), L"/s", "VANTREL_FAKE_REPORT=" + reportPath);
  ASSERT_TRUE(host.started());
  HWND renderer = test::waitForWindow(L"Vantrel_VC", 10000);
  ASSERT_NE(renderer, nullptr);
  EXPECT_NE(test::waitForWindow(L"Vantrel_Main", 2000), nullptr);
  EXPECT_EQ(slurp(kIni), "[Settings]\r\n" + screenSizeLines());
  // Started in a normal window (show mode 1) with no arguments: the command
  // line is the quoted program path alone.
  const std::wstring folderW = folder_;
  const std::string program = std::string(folderW.begin(), folderW.end()) + "\\Vantrel.dll";
  EXPECT_EQ(slurp(reportPath.c_str()), "show 1\ncommand line \"" + program + "\"\n");
  DeleteFileA(reportPath.c_str());
  // A second start while the run is on ends at once and writes nothing.
  put(kIni, "[Settings]\r\nWidth= 1\r\n");
  ChildProcess second(scr(), L"/s");
  EXPECT_TRUE(second.waitForEnd(5000));
  EXPECT_EQ(slurp(kIni), "[Settings]\r\nWidth= 1\r\n");
  EXPECT_TRUE(host.running());

  PostMessageW(renderer, WM_CLOSE, 0, 0);
  const DWORD closed = GetTickCount();
  while (IsWindow(renderer) && GetTickCount() - closed < 3000) test::pumpFor(5);
  const DWORD rendererGoneMs = GetTickCount() - closed;
  while (FindWindowW(nullptr, L"Vantrel_Main") && GetTickCount() - closed < 3000) test::pumpFor(5);
  const DWORD windowGoneMs = GetTickCount() - closed;
  EXPECT_TRUE(host.waitForEnd(3000));
  const DWORD followMs = GetTickCount() - closed;
  std::printf("renderer window gone %lu ms, saver window gone %lu ms, host ended %lu ms after WM_CLOSE\n",
              static_cast<unsigned long>(rendererGoneMs), static_cast<unsigned long>(windowGoneMs),
              static_cast<unsigned long>(followMs));
  // The watch polls every 500 ms: the host follows the window's end within a second.
  EXPECT_LE(followMs - rendererGoneMs, 1000u);
  EXPECT_EQ(host.exitCode(), 0u);
  EXPECT_EQ(FindWindowW(nullptr, L"Vantrel_Main"), nullptr);
}

TEST_F(HostRun, TheRealRendererEndsOnEscapeAndTheHostFollows) {
  if (GetFileAttributesW((test::binFolder() + L"\\Vantrel.dll").c_str()) == INVALID_FILE_ATTRIBUTES) {
    GTEST_SKIP() << "Vantrel.dll is not built";
  }
  useRenderer(L"Vantrel.dll");
  ChildProcess host(scr(), L"/s");
  HWND renderer = test::waitForWindow(L"Vantrel_VC", 20000);
  ASSERT_NE(renderer, nullptr);
  EXPECT_EQ(slurp(kIni), "[Settings]\r\n" + screenSizeLines());
  RECT r = {};
  GetWindowRect(renderer, &r);
  EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
  DWORD rendererId = 0;
  GetWindowThreadProcessId(renderer, &rendererId);
  HANDLE rendererProcess = OpenProcess(SYNCHRONIZE, FALSE, rendererId);
  ASSERT_NE(rendererProcess, nullptr);
  test::pumpFor(1000);
  PostMessageW(renderer, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  const DWORD pressed = GetTickCount();
  EXPECT_TRUE(host.waitForEnd(5000));
  EXPECT_EQ(WaitForSingleObject(rendererProcess, 5000), WAIT_OBJECT_0);
  const DWORD bothGoneMs = GetTickCount() - pressed;
  CloseHandle(rendererProcess);
  std::printf("renderer and host gone %lu ms after Escape\n", static_cast<unsigned long>(bothGoneMs));
  EXPECT_LE(bothGoneMs, 1000u);
}

TEST_F(HostRun, ARendererThatStartsLateIsWaitedFor) {
  useRenderer(L"fake_renderer.exe");
  ChildProcess host(scr(), L"", "VANTREL_FAKE_DELAY_MS=2500");
  test::pumpFor(1500);  // three watch ticks with no renderer window yet
  EXPECT_TRUE(host.running());
  HWND renderer = test::waitForWindow(L"Vantrel_VC", 10000);
  ASSERT_NE(renderer, nullptr);
  test::pumpFor(700);
  EXPECT_TRUE(host.running());
  PostMessageW(renderer, WM_CLOSE, 0, 0);
  EXPECT_TRUE(host.waitForEnd(3000));
}

TEST_F(HostRun, ARendererThatEndsWithoutAWindowEndsTheRun) {
  useRenderer(L"fake_renderer.exe");
  ChildProcess host(scr(), L"/s", "VANTREL_FAKE_NO_WINDOW=1");
  EXPECT_TRUE(host.waitForEnd(5000));
}

// Starts the host at scr in every mode; each must end at once, having
// created no folder and written nothing.
void expectEveryModeEndsAtOnce(const std::wstring& scr) {
  for (const wchar_t* args : {L"/s", L"/c", L"/p 1234", L""}) {
    SCOPED_TRACE(args);
    RemoveDirectoryA("C:\\orlek_temp");
    DeleteFileA(kIni);
    ChildProcess host(scr, args);
    EXPECT_TRUE(host.waitForEnd(5000));
    EXPECT_EQ(host.exitCode(), 0u);
    EXPECT_EQ(GetFileAttributesA(kIni), INVALID_FILE_ATTRIBUTES);
  }
  EXPECT_EQ(FindWindowW(nullptr, L"Vantrel_VC"), nullptr);
}

TEST_F(HostRun, AnOpenSettingsDialogOrSaverWindowStopsEveryMode) {
  useRenderer(L"fake_renderer.exe");
  for (const wchar_t* title : {L"\u25a0Vantrel\u25a0", L"Vantrel_Main"}) {
    HWND other = CreateWindowW(L"STATIC", title, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    expectEveryModeEndsAtOnce(scr());
    DestroyWindow(other);
  }
}

// The session's mutex that a saver run or settings dialog holds.
const wchar_t kRunMutex[] = L"Local\\Vantrel.SaverOrSettings";

bool runMutexExists() {
  HANDLE m = OpenMutexW(SYNCHRONIZE, FALSE, kRunMutex);
  if (m) CloseHandle(m);
  return m != nullptr;
}

int topWindowsTitled(const wchar_t* title) {
  int n = 0;
  for (HWND w = FindWindowW(nullptr, title); w; w = FindWindowExW(nullptr, w, nullptr, title)) ++n;
  return n;
}

TEST_F(HostRun, TheSessionsMutexHeldElsewhereStopsEveryMode) {
  useRenderer(L"fake_renderer.exe");
  HANDLE held = CreateMutexW(nullptr, FALSE, kRunMutex);
  ASSERT_NE(held, nullptr);
  expectEveryModeEndsAtOnce(scr());
  CloseHandle(held);
  EXPECT_FALSE(runMutexExists());
}

TEST_F(HostRun, TwoStartsReleasedTogetherMakeExactlyOneRun) {
  useRenderer(L"fake_renderer.exe");
  const int kRounds = 50;
  int raced = 0;  // rounds in which neither start had ended before the gate opened
  DWORD slowestRenderer = 0;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    const std::string gateName =
        "VantrelStartGate" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(round);
    HANDLE gate = CreateEventA(nullptr, TRUE, FALSE, gateName.c_str());
    ASSERT_NE(gate, nullptr);
    const std::string env = "VANTREL_START_GATE=" + gateName;
    ChildProcess first(scr(), L"/s", env);
    ChildProcess second(scr(), L"/s", env);
    test::pumpFor(400);  // both reach the gate and wait there
    raced += first.running() && second.running();
    SetEvent(gate);
    // The start that loses ends at once; the other runs the saver.
    const DWORD released = GetTickCount();
    while (first.running() && second.running() && GetTickCount() - released < 5000) {
      test::pumpFor(10);
    }
    ASSERT_NE(first.running(), second.running()) << "both or neither still running";
    ChildProcess& loser = first.running() ? second : first;
    ChildProcess& winner = first.running() ? first : second;
    EXPECT_EQ(loser.exitCode(), 0u);
    // Waited for as long as the host itself waits: a start slowed by a busy
    // machine is not the fault this looks for.
    const DWORD asked = GetTickCount();
    HWND renderer = test::waitForWindow(L"Vantrel_VC", 30000);
    ASSERT_NE(renderer, nullptr) << (winner.running() ? "the run still waits" : "the run ended");
    const DWORD took = GetTickCount() - asked;
    if (took > slowestRenderer) slowestRenderer = took;
    EXPECT_EQ(topWindowsTitled(L"Vantrel_VC"), 1);
    EXPECT_EQ(topWindowsTitled(L"Vantrel_Main"), 1);
    EXPECT_TRUE(runMutexExists());
    PostMessageW(renderer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(winner.waitForEnd(5000));
    EXPECT_EQ(winner.exitCode(), 0u);
    // Nothing left behind: no window, no mutex, for the next round to find.
    EXPECT_TRUE(test::waitForNoWindow(L"Vantrel_VC", 3000));
    EXPECT_EQ(FindWindowW(nullptr, L"Vantrel_Main"), nullptr);
    EXPECT_FALSE(runMutexExists());
    CloseHandle(gate);
  }
  std::printf("%d of %d rounds released both starts at once; renderer window within %lu ms\n",
              raced, kRounds, static_cast<unsigned long>(slowestRenderer));
  EXPECT_GE(raced, kRounds * 9 / 10);
}

TEST_F(HostRun, AMissingRendererIsReportedInJapanese) {
  ChildProcess host(scr(), L"/s");
  HWND box = test::waitForWindow(L"Vantrel", 10000, L"#32770");
  ASSERT_NE(box, nullptr);
  std::wstring texts;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM all) -> BOOL {
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        *reinterpret_cast<std::wstring*>(all) += std::wstring(text) + L"|";
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  EXPECT_NE(texts.find(L"Vantrel.dll \u304c\u540c\u3058\uff8c\uff6b\uff99\uff80\uff9e\u5185\u306b"
                       L"\u898b\u3064\u304b\u308a\u307e\u305b\u3093\uff01|"),
            std::wstring::npos);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(host.waitForEnd(5000));
  EXPECT_EQ(slurp(kIni).find("Width"), std::string::npos);
}

TEST_F(HostRun, ConfigureUnknownAndGarbageArgumentsEndWithoutARun) {
  useRenderer(L"fake_renderer.exe");
  const std::wstring huge = L"/s" + std::wstring(10000, L'x');
  for (const std::wstring& args :
       {std::wstring(L"/a"), std::wstring(L"s"), std::wstring(L"\u00ff\u00fe garbage \"\""),
        std::wstring(L"/x") + std::wstring(10000, L'9')}) {
    SCOPED_TRACE(args.substr(0, 20));
    ChildProcess host(scr(), args);
    EXPECT_TRUE(host.waitForEnd(5000));
    EXPECT_EQ(slurp(kIni).find("Width"), std::string::npos);
  }
  // Configure mode opens the settings dialog, writes no screen size, and
  // ends when the dialog closes.
  for (const wchar_t* args : {L"/c", L"/c:1234"}) {
    SCOPED_TRACE(args);
    ChildProcess host(scr(), args);
    HWND dialog = test::waitForWindow(L"\u25a0Vantrel\u25a0", 10000);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(FindWindowW(nullptr, L"Vantrel_VC"), nullptr);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(host.waitForEnd(5000));
    EXPECT_EQ(slurp(kIni).find("Width"), std::string::npos);
  }
  // A 10,000-character "/s..." is still a saver run.
  ChildProcess host(scr(), huge);
  HWND renderer = test::waitForWindow(L"Vantrel_VC", 10000);
  ASSERT_NE(renderer, nullptr);
  PostMessageW(renderer, WM_CLOSE, 0, 0);
  EXPECT_TRUE(host.waitForEnd(3000));
}

// The music section as the settings dialog writes it ("BGM区分", "BGMﾌｧｲﾙ").
std::string musicSection(const std::string& kind, const std::string& file) {
  return "[Section]\r\nBGM\x8b\xe6\x95\xaa=" + kind + "\r\nBGM\xd8\xcb\xdf\xb0\xc4= 0\r\n"
         "BGM\xcc\xa7\xb2\xd9=" + file + "\r\n";
}

std::string binFileA(const char* name) {
  std::wstring folder = test::binFolder();
  return std::string(folder.begin(), folder.end()) + "\\" + name;
}

// Runs "/s" with the fake renderer for a while, ends the renderer and
// checks that the host follows; returns the host's exit code.
DWORD runAndEnd(const std::wstring& scr, DWORD runMs, const test::AudioCapture* capture,
                bool expectSound) {
  ChildProcess host(scr, L"/s");
  HWND renderer = test::waitForWindow(L"Vantrel_VC", 10000);
  EXPECT_NE(renderer, nullptr) << "host " << (host.running() ? "still running" : "ended")
                               << ", saver window "
                               << (FindWindowW(nullptr, L"Vantrel_Main") ? "there" : "gone");
  test::pumpFor(runMs);
  if (capture) {
    EXPECT_EQ(capture->growsWithin(1500), expectSound);
  }
  PostMessageW(renderer, WM_CLOSE, 0, 0);
  EXPECT_TRUE(host.waitForEnd(5000));
  if (capture) {
    EXPECT_TRUE(capture->staysStill(800)) << "sound after the run";
  }
  return host.exitCode();
}

TEST_F(HostRun, ChosenMusicPlaysDuringTheRunAndStopsAfterIt) {
  test::AudioCapture capture;
  if (!capture.available()) GTEST_SKIP() << "no VANTREL_AUDIO_CAPTURE device";
  useRenderer(L"fake_renderer.exe");
  for (const char* song : {"tone_long.mp3", "tone_short.wav"}) {
    SCOPED_TRACE(song);
    put(kIni, musicSection(" 2", binFileA(song)));
    EXPECT_EQ(runAndEnd(scr(), 2500, &capture, true), 0u);  // the MP3 keeps going, the WAV loops
  }
}

TEST_F(HostRun, BadSettingsNeitherCrashNorHangNorLeaveMusic) {
  test::AudioCapture capture;
  useRenderer(L"fake_renderer.exe");
  const std::string song = binFileA("tone_long.mp3");
  const char binary[] = "\x00\xff\xfe[Section]\r\n\x81\x00=\x01\x02\r\n[\r\n=\r\n";
  const std::string cases[] = {
      std::string(binary, sizeof binary - 1),
      musicSection("99999999999999999999", song),
      musicSection("-1", song),
      musicSection(" 1", ""),  // a CD without a drive
      musicSection(" 2", "\"" + song + "\""),
      musicSection(" 2", "C:\\\"quoted\".mp3"),
      musicSection(" 2", "C:\\" + std::string(300, 'a') + ".mp3"),
      musicSection(" 2", "C:\\\x82\xa0\xff\xfe\x80.mp3"),
      musicSection(" 2", binFileA("fake_renderer.exe")),  // plays nothing: not WAV or MP3
  };
  for (std::size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    SCOPED_TRACE(i);
    put(kIni, cases[i]);
    const bool playable = i == 4;  // only the quoted real path names a playable file
    EXPECT_EQ(runAndEnd(scr(), 300, capture.available() ? &capture : nullptr, playable), 0u);
  }
  // A settings file locked by another program: nothing can be read or written.
  put(kIni, musicSection(" 2", song));
  HANDLE lock = CreateFileA(kIni, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(runAndEnd(scr(), 300, capture.available() ? &capture : nullptr, false), 0u);
  CloseHandle(lock);
  EXPECT_EQ(slurp(kIni), musicSection(" 2", song));
}

// The preview window inside a stand-in for the settings page's box, once it
// has been made a child there; nullptr when it did not come.
HWND waitForPreview(HWND page) {
  HWND preview = nullptr;
  for (int i = 0; i < 250 && !preview; ++i) {
    preview = FindWindowExW(page, nullptr, nullptr, L"Preview Window");
    test::pumpFor(20);
  }
  return preview;
}

TEST_F(HostRun, PreviewIsAFramelessChildFillingItsBoxAndEndsWithIt) {
  // The settings page's box at 100 % and at 150 % display scale.
  for (SIZE box : {SIZE{152, 112}, SIZE{228, 168}}) {
    SCOPED_TRACE(box.cx);
    HWND page = CreateWindowW(L"STATIC", L"settings page", WS_POPUP | WS_VISIBLE, 10, 10, box.cx,
                              box.cy, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(page, nullptr);
    const std::wstring args =
        L"/p " + std::to_wstring(static_cast<long long>(reinterpret_cast<LONG_PTR>(page)));
    ChildProcess host(scr(), args);
    HWND preview = waitForPreview(page);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(GetAncestor(preview, GA_PARENT), page);
    const LONG_PTR style = GetWindowLongPtrW(preview, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_POPUP);
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME), 0);
    EXPECT_EQ(GetWindowLongPtrW(preview, GWL_EXSTYLE) &
                  (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE),
              0);
    RECT window = {}, client = {}, parentClient = {};
    GetWindowRect(preview, &window);
    GetClientRect(preview, &client);
    GetClientRect(page, &parentClient);
    EXPECT_EQ(window.left, 10);
    EXPECT_EQ(window.top, 10);
    EXPECT_EQ(client.right, parentClient.right);
    EXPECT_EQ(client.bottom, parentClient.bottom);
    EXPECT_EQ(client.right, box.cx);
    EXPECT_EQ(client.bottom, box.cy);
    EXPECT_EQ(GetFileAttributesA(kIni), INVALID_FILE_ATTRIBUTES);  // nothing written
    EXPECT_TRUE(host.running());
    DestroyWindow(page);
    EXPECT_TRUE(host.waitForEnd(5000));
  }
}

TEST_F(HostRun, PreviewOfSomethingThatIsNoWindowEndsAtOnce) {
  for (const wchar_t* args : {L"/p 12345", L"/p abc", L"/p", L"/p 0"}) {
    SCOPED_TRACE(args);
    ChildProcess host(scr(), args);
    EXPECT_TRUE(host.waitForEnd(5000));
  }
}

}  // namespace
}  // namespace vantrel
