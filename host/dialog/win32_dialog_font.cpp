#include "host/dialog/win32_dialog_font.h"

namespace vantrel {
namespace {

int CALLBACK noteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool faceInstalled(HDC dc, const wchar_t* face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(dc, &query, noteFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

std::wstring dialogFontFace() {
  // NOTE: Wine ships no MS fonts; IPA's Gothic faces (Debian's
  // fonts-ipafont-gothic) cover the same characters.
  static const wchar_t* const kFaces[] = {
      L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF",  // ＭＳ Ｐゴシック
      L"MS PGothic", L"IPAPGothic", L"IPA\xFF30\x30B4\x30B7\x30C3\x30AF", L"IPAGothic",
      L"MS UI Gothic", L"Noto Sans CJK JP", L"Meiryo"};
  HDC dc = GetDC(nullptr);
  std::wstring chosen = kFaces[0];
  for (const wchar_t* face : kFaces) {
    if (faceInstalled(dc, face)) {
      chosen = face;
      break;
    }
  }
  ReleaseDC(nullptr, dc);
  return chosen;
}

HFONT createDialogFont() {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  LOGFONTW font{};
  // 9.75 points in pixels at this resolution, as a character height.
  font.lfHeight = -MulDiv(975, dpi, 7200);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, dialogFontFace().c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

}  // namespace vantrel
