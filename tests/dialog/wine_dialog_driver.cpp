#include "tests/dialog/wine_dialog_driver.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "host/dialog/dialog_control_ids.h"

namespace vantrel::test {

const wchar_t kDialogTitle[] = L"\x25A0Vantrel\x25A0";
const char kIniPath[] = "C:\\orlek_temp\\Vantrel.ini";

Program::~Program() {
  if (pi_.hProcess) {
    if (running()) {
      // A dialog left open by a failed check: close it, then insist.
      if (!waitForExit(0)) {
        HWND dialog = FindWindowW(nullptr, kDialogTitle);
        if (dialog) PostMessageW(dialog, WM_CLOSE, 0, 0);
        if (!waitForExit(3000)) TerminateProcess(pi_.hProcess, 1);
      }
    }
    WaitForSingleObject(pi_.hProcess, 5000);
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
  }
}

bool Program::start(const std::wstring& exePath, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exePath + L"\" " + arguments;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  const std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\'));
  return CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &si, &pi_) != 0;
}

bool Program::waitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (!pi_.hProcess) return true;
  if (WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(pi_.hProcess, exitCode);
  return true;
}

bool Program::running() const {
  return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

std::wstring programPath() { return binFolder() + L"\\Vantrel.scr"; }

bool waitFor(const std::function<bool()>& predicate, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (predicate()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(50);
  }
}

HWND waitForTopWindow(const wchar_t* title, DWORD timeoutMs) {
  HWND found = nullptr;
  waitFor([&] { return (found = FindWindowW(nullptr, title)) != nullptr && IsWindowVisible(found); },
          timeoutMs);
  return found;
}

namespace {

struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK matchChild(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  if (GetDlgCtrlID(child) == search->id) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND findControl(HWND dialog, const std::string& name, int index) {
  ChildSearch search{dialogControlId(name, index), nullptr};
  if (search.id == 0) return nullptr;
  EnumChildWindows(dialog, matchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring windowText(HWND window) {
  // NOTE: GetWindowText does not ask a window of another process for its
  // text (a combo box's edit text would read as its empty title).
  wchar_t buffer[1024] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL,
                      5000, &copied);
  return buffer;
}

void clickAt(HWND window, int x, int y, bool rightButton) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  Sleep(50);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input[0], sizeof(INPUT));
  Sleep(50);
  SendInput(1, &input[1], sizeof(INPUT));
  Sleep(150);
}

void click(HWND window, bool rightButton) {
  RECT r;
  GetClientRect(window, &r);
  clickAt(window, r.right / 2, r.bottom / 2, rightButton);
}

COLORREF clientPixel(HWND window, int x, int y) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return c;
}

bool anyLitPixel(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = r.right;
  info.bmiHeader.biHeight = -r.bottom;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool lit = false;
  if (dib) {
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, r.right, r.bottom, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, old);
    GdiFlush();
    const auto* pixel = static_cast<const DWORD*>(bits);
    for (LONG i = 0; i < r.right * r.bottom && !lit; ++i) lit = (pixel[i] & 0xFFFFFF) != 0;
    DeleteObject(dib);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return lit;
}

std::string readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool saveScreenshot(const std::string& name) {
  const int w = GetSystemMetrics(SM_CXSCREEN);
  const int h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = false;
  if (dib) {
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    GdiFlush();
    const DWORD stride = ((static_cast<DWORD>(w) * 3 + 3) / 4) * 4;
    const DWORD imageSize = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    std::wstring folder = binFolder() + L"\\..\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::ofstream out(std::filesystem::path(folder) / (name + ".bmp"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageSize);
    ok = static_cast<bool>(out);
    DeleteObject(dib);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

}  // namespace vantrel::test
