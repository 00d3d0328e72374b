#include "host/dialog/win32_dialog_font.h"

#include "host/base/win32_path_text.h"
#include "host/controls/win32_gdi.h"

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

forms::FontDesc withInstalledFace(forms::FontDesc desc) {
  desc.face = utf8OfWide(installedFontFace(controls::Utf8ToWide(desc.face)));
  return desc;
}

HFONT createDialogFont(const forms::FontDesc& desc) {
  return controls::CreateFontFrom(withInstalledFace(desc)).Release();
}

}  // namespace vantrel
