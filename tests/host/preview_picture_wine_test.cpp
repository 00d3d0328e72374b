// The preview still as Vantrel.scr carries it, decoded and painted by the
// host's own code into boxes of several sizes under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "host/preview_picture.h"
#include "host/win32_jpeg_picture.h"
#include "tests/host/win32_process_helpers.h"

namespace vantrel {
namespace {

const COLORREF kSentinel = RGB(255, 0, 255);

// A 32-bit top-down bitmap in a memory DC, filled with the sentinel colour.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                               nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(kSentinel);
    RECT all = {0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  // The colour at x, y as a COLORREF.
  COLORREF at(int x, int y) const {
    GdiFlush();
    const DWORD p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff);
  }
  int sentinelPixels() const {
    int n = 0;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) n += at(x, y) == kSentinel;
    }
    return n;
  }
  // Pixels of one quarter of the canvas brighter than a dark background.
  int litPixelsInQuarter(int q) const {
    int n = 0;
    for (int y = (q / 2) * height_ / 2; y < (q / 2 + 1) * height_ / 2; ++y) {
      for (int x = (q % 2) * width_ / 2; x < (q % 2 + 1) * width_ / 2; ++x) {
        const COLORREF c = at(x, y);
        n += GetRValue(c) + GetGValue(c) + GetBValue(c) > 60;
      }
    }
    return n;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  DWORD* bits_ = nullptr;
};

class PreviewStill : public ::testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    module_ = LoadLibraryExW((test::binFolder() + L"\\Vantrel.scr").c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
    ASSERT_TRUE(still_.loadResource(VANTREL_PREVIEW_JPEG, module_));
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
    OleUninitialize();
  }
  HMODULE module_ = nullptr;
  JpegPicture still_;
};

TEST_F(PreviewStill, ShipsAtTwiceTheBoxSizeInItsProportions) {
  const SIZE size = still_.size();
  EXPECT_EQ(size.cx, 304);
  EXPECT_EQ(size.cy, 224);
}

TEST_F(PreviewStill, FillsBoxesOfEveryShapeEdgeToEdge) {
  for (SIZE box : {SIZE{152, 112}, SIZE{228, 168}, SIZE{304, 224}, SIZE{200, 100},
                   SIZE{100, 200}}) {
    SCOPED_TRACE(std::to_string(box.cx) + "x" + std::to_string(box.cy));
    Canvas canvas(box.cx, box.cy);
    RECT target = {0, 0, box.cx, box.cy};
    still_.paintFilling(canvas.dc(), target);
    EXPECT_EQ(canvas.sentinelPixels(), 0);
    for (int q = 0; q < 4; ++q) EXPECT_GT(canvas.litPixelsInQuarter(q), 0) << "quarter " << q;
  }
}

TEST_F(PreviewStill, KeepsItsProportionsWhenScaled) {
  // The same point of the picture lands on the same relative place in boxes
  // of the picture's shape: compare a small box against a larger one sampled
  // at the matching positions.
  Canvas small(152, 112), large(228, 168);
  RECT smallBox = {0, 0, 152, 112}, largeBox = {0, 0, 228, 168};
  still_.paintFilling(small.dc(), smallBox);
  still_.paintFilling(large.dc(), largeBox);
  long long difference = 0, contrast = 0;
  for (int y = 4; y < 108; y += 4) {
    for (int x = 4; x < 148; x += 4) {
      const COLORREF a = small.at(x, y), b = large.at(x * 3 / 2, y * 3 / 2);
      const COLORREF c = small.at(151 - x, 111 - y);  // an unrelated place
      difference += abs(GetRValue(a) - GetRValue(b)) + abs(GetGValue(a) - GetGValue(b));
      contrast += abs(GetRValue(a) - GetRValue(c)) + abs(GetGValue(a) - GetGValue(c));
    }
  }
  // Matching places agree far better than unrelated ones.
  EXPECT_LT(difference * 3, contrast);
}

}  // namespace
}  // namespace vantrel
