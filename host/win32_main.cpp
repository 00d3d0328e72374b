// Entry point of Vantrel.scr.
#include <windows.h>

#include "host/command_line.h"
#include "host/win32_startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // NOTE: the whole command line, not WinMain's, whose handling of a quoted
  // program name differs between runtimes.
  const int code = vantrel::runHost(vantrel::argumentText(GetCommandLineA()));
  ExitProcess(static_cast<UINT>(code));
}
