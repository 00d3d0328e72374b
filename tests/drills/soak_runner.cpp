// The soak under Wine: consecutive saver runs of Vantrel.scr /s ended by
// Escape in the renderer, then preview runs ended by destroying the preview's
// parent window. After each run it counts the programs' processes still
// alive, checks the settings file and records how long the run took to end.
//   vantrel_soak [--saver N] [--preview N] [--run-ms MS] [--no-music] [--long S]
// Prints one line per failing run and the figures; exit code 1 when any run
// failed, left a process behind or spoilt the settings file. With --long, one
// more saver run is kept going for S seconds first, and the host's and the
// renderer must stay up all along (scripts/soak.sh samples their memory).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/drills/drill_support.h"
#include "tests/host/win32_process_helpers.h"

namespace vantrel {
namespace {

using drill::kSettingsPath;

struct Figures {
  explicit Figures(const char* what) : name(what) {}
  const char* name;
  int runs = 0;
  int failedRuns = 0;
  int leftovers = 0;
  int integrityFailures = 0;
  std::vector<DWORD> endMs;

  void print() const {
    std::vector<DWORD> sorted = endMs;
    std::sort(sorted.begin(), sorted.end());
    std::printf("%s runs: %d, failed: %d, leftover processes: %d, settings integrity failures: %d\n",
                name, runs, failedRuns, leftovers, integrityFailures);
    if (sorted.empty()) return;
    std::printf("%s end time ms: min %lu, median %lu, max %lu\n", name,
                static_cast<unsigned long>(sorted.front()),
                static_cast<unsigned long>(sorted[sorted.size() / 2]),
                static_cast<unsigned long>(sorted.back()));
  }
  bool clean() const { return failedRuns == 0 && leftovers == 0 && integrityFailures == 0; }
};

// Counts and ends (by id) the programs' processes still alive after a run.
// NOTE: a process that has just called ExitProcess can still be listed for
// a moment under Wine, so the count is taken after a short grace.
int countLeftovers() {
  std::vector<DWORD> ids = drill::programProcesses();
  for (int i = 0; i < 20 && !ids.empty(); ++i) {
    test::pumpFor(25);
    ids = drill::programProcesses();
  }
  drill::endProcesses(ids);
  return static_cast<int>(ids.size());
}

// One saver run; false when it did not run or end as it should.
bool saverRun(const std::wstring& scr, DWORD runMs, DWORD& endMs) {
  test::ChildProcess host(scr, L"/s");
  HWND window = test::waitForWindow(L"Vantrel_VC", 30000);
  if (!window) {
    std::printf("  no renderer window within 30 s\n");
    return false;
  }
  HANDLE renderer = drill::openWindowProcess(window);
  test::pumpFor(runMs);
  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  const DWORD pressed = GetTickCount();
  const bool hostEnded = host.waitForEnd(10000);
  const bool rendererEnded = renderer && WaitForSingleObject(renderer, 10000) == WAIT_OBJECT_0;
  endMs = GetTickCount() - pressed;
  DWORD rendererCode = 1;
  if (renderer) {
    GetExitCodeProcess(renderer, &rendererCode);
    CloseHandle(renderer);
  }
  if (!hostEnded || !rendererEnded || host.exitCode() != 0 || rendererCode != 0) {
    std::printf("  host %s (code %lu), renderer %s (code %lu)\n", hostEnded ? "ended" : "running",
                static_cast<unsigned long>(host.exitCode()), rendererEnded ? "ended" : "running",
                static_cast<unsigned long>(rendererCode));
    return false;
  }
  return true;
}

// One preview run in a parent window of this program; false when the preview
// did not appear or its process did not end with the parent.
bool previewRun(const std::wstring& scr, DWORD& endMs) {
  HWND parent = CreateWindowW(L"STATIC", L"soak preview parent", WS_POPUP | WS_VISIBLE, 10, 10,
                              152, 112, nullptr, nullptr, nullptr, nullptr);
  if (!parent) return false;
  const std::wstring args =
      L"/p " + std::to_wstring(static_cast<long long>(reinterpret_cast<LONG_PTR>(parent)));
  test::ChildProcess host(scr, args);
  HWND preview = nullptr;
  const DWORD start = GetTickCount();
  while (!preview && GetTickCount() - start < 10000) {
    preview = FindWindowExW(parent, nullptr, nullptr, L"Preview Window");
    if (!preview) test::pumpFor(10);
  }
  DestroyWindow(parent);
  const DWORD destroyed = GetTickCount();
  const bool ended = host.waitForEnd(10000);
  endMs = GetTickCount() - destroyed;
  if (!preview || !ended || host.exitCode() != 0) {
    std::printf("  preview %s, process %s (code %lu)\n", preview ? "shown" : "never shown",
                ended ? "ended" : "running", static_cast<unsigned long>(host.exitCode()));
    return false;
  }
  return true;
}

// One saver run kept going for seconds; false when a program ended by
// itself or the run did not end on Escape.
bool longRun(const std::wstring& scr, int seconds) {
  test::ChildProcess host(scr, L"/s");
  HWND window = test::waitForWindow(L"Vantrel_VC", 30000);
  HANDLE renderer = window ? drill::openWindowProcess(window) : nullptr;
  if (!renderer) {
    std::printf("long run: no renderer window\n");
    return false;
  }
  bool alive = true;
  for (int t = 0; alive && t < seconds; t += 10) {
    test::pumpFor(static_cast<DWORD>(seconds - t < 10 ? seconds - t : 10) * 1000);
    alive = WaitForSingleObject(renderer, 0) == WAIT_TIMEOUT && host.running();
    if (!alive) std::printf("long run: a program ended by itself within %d s\n", t + 10);
  }
  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  const bool ended = host.waitForEnd(10000) && WaitForSingleObject(renderer, 10000) == WAIT_OBJECT_0;
  std::printf("long run of %d s: %s, %s on Escape\n", seconds,
              alive ? "both programs stayed up" : "a program ended early",
              ended ? "both ended" : "not ended");
  CloseHandle(renderer);
  return alive && ended && host.exitCode() == 0;
}

int argNumber(int argc, char** argv, const char* name, int fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
  }
  return fallback;
}

bool argFlag(int argc, char** argv, const char* name) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return true;
  }
  return false;
}

int soak(int argc, char** argv) {
  const int saverRuns = argNumber(argc, argv, "--saver", 100);
  const int previewRuns = argNumber(argc, argv, "--preview", 100);
  const DWORD runMs = static_cast<DWORD>(argNumber(argc, argv, "--run-ms", 500));
  const std::string bin = drill::binFolderA();
  const std::wstring scr = test::binFolder() + L"\\Vantrel.scr";

  drill::SettingsBackup backup;
  CreateDirectoryA(drill::kSettingsFolder, nullptr);
  const std::string song = bin + "\\tone_long.mp3";
  const bool music = !argFlag(argc, argv, "--no-music") &&
                     GetFileAttributesA(song.c_str()) != INVALID_FILE_ATTRIBUTES;
  drill::writeBytes(kSettingsPath, drill::musicSection(music ? " 2" : " 0", music ? song : ""));
  const drill::MusicKeys keys = drill::readMusicKeys(drill::readBytes(kSettingsPath));
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  std::printf("soak: %d saver runs (%lu ms each, music %s), %d preview runs, screen %dx%d\n",
              saverRuns, static_cast<unsigned long>(runMs), music ? "MP3" : "none", previewRuns,
              width, height);
  std::fflush(stdout);

  bool longClean = true;
  const int longSeconds = argNumber(argc, argv, "--long", 0);
  if (longSeconds > 0) {
    longClean = longRun(scr, longSeconds);
    const int left = countLeftovers();
    if (left) std::printf("long run left %d process(es)\n", left);
    longClean = longClean && left == 0;
  }

  Figures saver("saver");
  for (int i = 0; i < saverRuns; ++i) {
    DWORD endMs = 0;
    ++saver.runs;
    if (!saverRun(scr, runMs, endMs)) {
      ++saver.failedRuns;
      std::printf("saver run %d failed\n", i + 1);
    } else {
      saver.endMs.push_back(endMs);
    }
    const int left = countLeftovers();
    if (left) std::printf("saver run %d left %d process(es)\n", i + 1, left);
    saver.leftovers += left;
    const std::string problem =
        drill::checkSettingsFile(drill::readBytes(kSettingsPath), width, height, keys);
    if (!problem.empty()) {
      ++saver.integrityFailures;
      std::printf("saver run %d: %s\n", i + 1, problem.c_str());
    }
    if ((i + 1) % 10 == 0) std::printf("  %d saver runs done\n", i + 1);
    std::fflush(stdout);
  }

  // Preview touches no file: the settings must stay as the saver runs left them.
  const std::string before = drill::readBytes(kSettingsPath);
  Figures preview("preview");
  for (int i = 0; i < previewRuns; ++i) {
    DWORD endMs = 0;
    ++preview.runs;
    if (!previewRun(scr, endMs)) {
      ++preview.failedRuns;
      std::printf("preview run %d failed\n", i + 1);
    } else {
      preview.endMs.push_back(endMs);
    }
    const int left = countLeftovers();
    if (left) std::printf("preview run %d left %d process(es)\n", i + 1, left);
    preview.leftovers += left;
    if (drill::readBytes(kSettingsPath) != before) {
      ++preview.integrityFailures;
      std::printf("preview run %d changed the settings file\n", i + 1);
    }
    std::fflush(stdout);
  }

  saver.print();
  preview.print();
  return longClean && saver.clean() && preview.clean() ? 0 : 1;
}

}  // namespace
}  // namespace vantrel

int main(int argc, char** argv) { return vantrel::soak(argc, argv); }
