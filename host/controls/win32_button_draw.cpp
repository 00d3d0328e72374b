#include "host/controls/win32_button_draw.h"

#include <vector>

#include "host/controls/win32_gdi.h"

namespace vantrel::controls {

void DrawGradient(HDC dc, int left, int top, int right, int bottom, Colour topColour,
                  Colour bottomColour) {
  const std::vector<Colour> rows = GradientRows(topColour, bottomColour, bottom - top);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int y = bottom - static_cast<int>(i);
    DrawLine(dc, left, y, right, y, ToColorRef(rows[i]));
  }
}

namespace {

void PaintBorder(HDC dc, int w, int h, COLORREF c) {
  DrawLine(dc, 3, 0, w - 3, 0, c);
  DrawLine(dc, 0, 3, 0, h - 3, c);
  DrawLine(dc, 3, h - 1, w - 3, h - 1, c);
  DrawLine(dc, w - 1, 3, w - 1, h - 3, c);
}

void PaintGradientFace(HDC dc, int w, int h, const ButtonPalette& p, int s) {
  DrawGradient(dc, 1, 3, w - 1, h - 2, p.rimTop[s], p.rimBottom[s]);
  DrawGradient(dc, 3, 3, w - 3, h - 3, p.faceTop, p.faceBottom);
  DrawLine(dc, 1, 1, w, 1, ToColorRef(p.row1[s]));
  DrawLine(dc, 1, 2, w, 2, ToColorRef(p.row2[s]));
  DrawLine(dc, 1, h - 3, w, h - 3, ToColorRef(p.rowH3[s]));
  DrawLine(dc, 2, h - 2, w - 1, h - 2, ToColorRef(p.rowH2[s]));
}

void PaintCorners(HDC dc, int w, int h, const ButtonPalette& p, int s) {
  const COLORREF a = ToColorRef(p.cornerA[s]);
  const COLORREF b = ToColorRef(p.cornerB[s]);
  const COLORREF c = ToColorRef(p.cornerC[s]);
  const struct { int x, y; COLORREF colour; } pixels[] = {
      {0, 1, b}, {1, 0, b}, {0, 2, a}, {2, 0, a}, {1, 1, c},
      {w - 1, 1, b}, {w - 2, 0, b}, {w - 1, 2, a}, {w - 3, 0, a}, {w - 2, 1, c},
      {0, h - 2, b}, {1, h - 1, b}, {0, h - 3, a}, {2, h - 1, a}, {1, h - 2, c},
      {w - 1, h - 2, b}, {w - 2, h - 1, b}, {w - 1, h - 3, a}, {w - 3, h - 1, a}, {w - 2, h - 2, c},
  };
  for (const auto& px : pixels) SetPixel(dc, px.x, px.y, px.colour);
}

void PaintCaption(HDC dc, int w, int h, const ButtonPalette& p, const ButtonLook& look) {
  SetTextColor(dc, ToColorRef(look.enabled ? look.foreColor : p.disabledText));
  SetBkMode(dc, TRANSPARENT);
  SelectScope font(dc, look.font);
  RECT r{3, 3, w - 3, h - 3};
  // NOTE: drawn as UTF-16, so Japanese captions show whatever the system's
  // ANSI code page; "&" still marks the access key and "&&" shows one "&".
  DrawTextW(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (look.hasFocus && look.focusRect && look.state > 1) {
    SetTextColor(dc, RGB(0, 0, 0));
    DrawFocusRect(dc, &r);
  }
}

}  // namespace

void PaintButton(HDC dc, int w, int h, const ButtonPalette& p, const ButtonLook& look) {
  const int s = look.state < 0 || look.state > 4 ? kStateNormal : look.state;
  PaintBorder(dc, w, h, ToColorRef(p.border[s]));
  if (s == kStateDisabled || s == kStatePressed) {
    FillBox(dc, 1, 1, w - 1, h - 1, ToColorRef(s == kStateDisabled ? p.flatDisabled : p.flatPressed));
  } else {
    PaintGradientFace(dc, w, h, p, s);
  }
  PaintCorners(dc, w, h, p, s);
  PaintCaption(dc, w, h, p, look);
}

}  // namespace vantrel::controls
