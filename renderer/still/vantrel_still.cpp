// Renders one still picture of the star flight with the renderer's own
// drawing code and writes it as a 24-bit BMP:
//   vantrel_still <width> <height> <seed> <frames> <out.bmp> [frames-per-second]
// The scene runs `frames` frames at a fixed step of 1/rate s (default 30, 10
// to 240) in a hidden window, so the picture depends only on the arguments.
// It honours the renderers' measuring switches (VANTREL_HOLD_STARS,
// VANTREL_KEPT_PICTURE), so pictures at several rates can be compared at a
// known load.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "renderer/gl/scene_view.h"
#include "renderer/still/bmp_image.h"
#include "renderer/wgl/wgl_context.h"

namespace {

const char kStillClass[] = "VantrelStill";

bool parseInt(const char* text, long long low, long long high, long long& value) {
  char* end = nullptr;
  value = std::strtoll(text, &end, 10);
  return end != text && *end == '\0' && value >= low && value <= high;
}

int fail(const char* what) {
  std::fprintf(stderr, "vantrel_still: %s\n", what);
  return 1;
}

bool writeFile(const char* path, const std::vector<std::uint8_t>& bytes) {
  FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  long long width, height, seed, frames, rate = 30;
  if ((argc != 6 && argc != 7) || !parseInt(argv[1], 1, 4096, width) ||
      !parseInt(argv[2], 1, 4096, height) ||
      !parseInt(argv[3], 0, 0xFFFFFFFFLL, seed) ||
      !parseInt(argv[4], 1, 100000, frames) ||
      (argc == 7 && !parseInt(argv[6], 10, 240, rate))) {
    std::fprintf(stderr,
                 "usage: vantrel_still <width> <height> <seed> <frames> "
                 "<out.bmp> [frames-per-second]\n");
    return 2;
  }

  WNDCLASSA windowClass = {};
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kStillClass;
  if (!RegisterClassA(&windowClass)) return fail("cannot register the window class");
  // Hidden: the picture is drawn into the off-screen copy and read from there.
  HWND window = CreateWindowExA(0, kStillClass, "vantrel_still", WS_POPUP, 0, 0,
                                static_cast<int>(width), static_cast<int>(height),
                                nullptr, nullptr, windowClass.hInstance, nullptr);
  if (window == nullptr) return fail("cannot create the window");
  HDC dc = GetDC(window);
  if (!vantrel::setPixelFormatOn(dc)) return fail("no pixel format");
  HGLRC context = vantrel::createCurrentContext(dc);
  if (context == nullptr) return fail("no OpenGL context");

  // The scene's clock counts frames, `rate` to the second, as a renderer's
  // clock counts its counter.
  vantrel::ViewStart start;
  start.switches = vantrel::measuringSwitchesFrom(
      nullptr, std::getenv("VANTREL_KEPT_PICTURE"),
      std::getenv("VANTREL_HOLD_STARS"));
  start.size = {static_cast<int>(width), static_cast<int>(height)};
  start.seed = static_cast<std::uint32_t>(seed);
  start.clockFrequency = rate;
  start.lookup = vantrel::wglProcLookup;
  start.swapBlack = false;
  auto view = std::make_unique<vantrel::SceneView>();
  if (!view->start(start)) return fail("out of memory");
  if (view->trails().mode() == vantrel::TrailMode::None) {
    return fail("cannot keep an off-screen picture");
  }
  for (long long frame = 1; frame <= frames; ++frame) {
    view->drawFrame(vantrel::ClockReading{frame, 0});
    SwapBuffers(dc);
  }

  std::vector<std::uint8_t> rgb;
  const bool read = view->trails().readPixels(
      0, 0, view->state().screenWidth, view->state().screenHeight, rgb);
  view->release();
  wglMakeCurrent(nullptr, nullptr);
  wglDeleteContext(context);
  DestroyWindow(window);
  if (!read) return fail("cannot read the picture back");
  if (!writeFile(argv[5], vantrel::encodeBmp24(static_cast<int>(width),
                                               static_cast<int>(height), rgb))) {
    return fail("cannot write the BMP file");
  }
  return 0;
}
