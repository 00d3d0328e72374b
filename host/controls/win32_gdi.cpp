#include "host/controls/win32_gdi.h"

#include <cmath>

#include "host/forms/win32_screen.h"

namespace vantrel::controls {

COLORREF ToColorRef(Colour c) {
  const auto v = static_cast<std::uint32_t>(c);
  if (v & 0x80000000u) return GetSysColor(static_cast<int>(v & 0xFFu));
  return static_cast<COLORREF>(v & 0xFFFFFFu);
}

MemorySurface::~MemorySurface() {
  if (dc_) {
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
  }
}

bool MemorySurface::Resize(int width, int height) {
  if (width < 1) width = 1;
  if (height < 1) height = 1;
  if (dc_ && width == width_ && height == height_) return true;
  if (!dc_) {
    dc_ = CreateCompatibleDC(nullptr);
    if (!dc_) return false;
  }
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> bmp(CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bmp) return false;
  HGDIOBJ previous = SelectObject(dc_, bmp.Get());
  if (!oldBitmap_) oldBitmap_ = previous;
  bitmap_ = std::move(bmp);
  width_ = width;
  height_ = height;
  return true;
}

void MemorySurface::Show(HDC dc) const {
  if (dc_) BitBlt(dc, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

void MemorySurface::Clear(COLORREF colour) { FillBox(dc_, 0, 0, width_, height_, colour); }

Colour MemorySurface::Get(int x, int y) const {
  if (!dc_ || x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
  return static_cast<Colour>(GetPixel(dc_, x, y) & 0xFFFFFFu);
}

void MemorySurface::Set(int x, int y, Colour c) {
  if (dc_) SetPixel(dc_, x, y, ToColorRef(c));
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
  if (!pen) return;
  SelectScope sel(dc, pen.Get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  if (!brush) return;
  RECT r{left, top, right, bottom};
  FillRect(dc, &r, brush.Get());
}

std::wstring Utf8ToWide(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
  return out;
}

// The form host's figure, so controls and forms agree on the unit.
double ScreenTwipsPerPixelX() { return vantrel::screenTwipsPerPixelX(); }

GdiObject<HFONT> CreateFontFrom(const forms::FontDesc& font) {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  LOGFONTW lf = {};
  lf.lfHeight = -static_cast<LONG>(std::lround(font.size * dpi / 72.0));
  lf.lfWeight = font.weight;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfStrikeOut = font.strikethrough;
  lf.lfCharSet = static_cast<BYTE>(font.charset);
  lf.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = Utf8ToWide(font.face);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return GdiObject<HFONT>(CreateFontIndirectW(&lf));
}

}  // namespace vantrel::controls
