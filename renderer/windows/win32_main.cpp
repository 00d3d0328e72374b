// Program entry of Vantrel.dll, the full-screen renderer.
#include <windows.h>

#include "renderer/windows/win32_renderer.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return vantrel::runRenderer(instance);
}
