#include "host/dialog/win32_dialog_font.h"

#include "host/dialog/win32_dialog_text.h"

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

std::wstring installedFontFace(const std::wstring& face) {
  // NOTE: Wine ships no MS fonts; IPA's Gothic faces (Debian's
  // fonts-ipafont-gothic) cover the same characters with similar metrics.
  static const wchar_t* const kStandIns[] = {
      L"MS PGothic", L"IPAPGothic", L"IPA\xFF30\x30B4\x30B7\x30C3\x30AF" /* IPAPゴシック */,
      L"IPAGothic", L"MS UI Gothic", L"Noto Sans CJK JP", L"Meiryo"};
  HDC dc = GetDC(nullptr);
  std::wstring chosen = face;
  if (!faceInstalled(dc, face.c_str())) {
    for (const wchar_t* standIn : kStandIns) {
      if (faceInstalled(dc, standIn)) {
        chosen = standIn;
        break;
      }
    }
  }
  ReleaseDC(nullptr, dc);
  return chosen;
}

HFONT createDialogFont(const forms::FontDesc& desc) {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  LOGFONTW font{};
  // The size in points as a character height in pixels at this resolution.
  font.lfHeight = -static_cast<LONG>(desc.size * dpi / 72.0 + 0.5);
  font.lfWeight = desc.weight;
  font.lfCharSet = static_cast<BYTE>(desc.charset);
  font.lfItalic = desc.italic;
  font.lfUnderline = desc.underline;
  font.lfStrikeOut = desc.strikethrough;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, installedFontFace(wideFromUtf8(desc.face)).c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

}  // namespace vantrel
