#include "host/win32_renderer_start.h"

#include "host/base/win32_path_text.h"
#include "host/forms/program_folder.h"

namespace vantrel {

std::wstring rendererProgram() {
  std::wstring folder = widePathOf(ProgramFolder());
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  return folder + L"Vantrel.dll";
}

Win32RendererStarter::~Win32RendererStarter() {
  if (process_) CloseHandle(process_);
}

void Win32RendererStarter::allowForeground() { AllowSetForegroundWindow(ASFW_ANY); }

bool Win32RendererStarter::startProcess(const std::wstring& program,
                                        const std::wstring& commandLine) {
  std::wstring line = commandLine;  // CreateProcessW may write into it
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi)) {
    return false;
  }
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  return true;
}

}  // namespace vantrel
