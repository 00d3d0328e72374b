#pragma once
// GDI objects that free themselves, and the persistent drawing surface a
// control draws into and shows on repaint.
#include <windows.h>

#include <string>

#include "host/controls/colour.h"
#include "host/controls/frame_smoothing.h"
#include "host/forms/font_desc.h"

namespace vantrel::controls {

// Owns one HPEN, HBRUSH, HFONT, HBITMAP or HRGN.
template <class H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H h) : h_(h) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = o.h_;
      o.h_ = nullptr;
    }
    return *this;
  }
  void Reset(H h = nullptr) {
    if (h_) DeleteObject(h_);
    h_ = h;
  }
  H Release() {
    H h = h_;
    h_ = nullptr;
    return h;
  }
  H Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  H h_ = nullptr;
};

// Selects an object into a DC for a scope, then puts the previous one back.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~SelectScope() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A system-colour reference (top bit set) as the colour it stands for.
COLORREF ToColorRef(Colour c);

// A memory DC with a 32-bit bitmap of the control's size.
class MemorySurface : public PixelSurface {
 public:
  MemorySurface() = default;
  ~MemorySurface();
  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;

  // Keeps the surface when the size is unchanged. False on failure.
  bool Resize(int width, int height);
  HDC Dc() const { return dc_; }
  // Copies the surface to dc at (0, 0).
  void Show(HDC dc) const;
  void Clear(COLORREF colour);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // The stored value of the pixel (red + 256 green + 65536 blue); -1 outside.
  Colour Get(int x, int y) const override;
  void Set(int x, int y, Colour c) override;

 private:
  HDC dc_ = nullptr;
  GdiObject<HBITMAP> bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// A one-pixel solid line from (x1, y1) up to, not including, (x2, y2), drawn
// with a pen made for it.
void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour);
void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour);

// An HFONT for the font at the screen's resolution.
GdiObject<HFONT> CreateFontFrom(const forms::FontDesc& font);

std::wstring Utf8ToWide(const std::string& text);

// Twips per pixel of the screen's horizontal axis (15 at 96 dpi).
double ScreenTwipsPerPixelX();

}  // namespace vantrel::controls
