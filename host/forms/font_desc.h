#pragma once
// A font as controls store it: face (UTF-8), size in points, weight, character
// set and style flags. Portable; the Windows side turns it into an HFONT.
#include <optional>
#include <string>

namespace vantrel::forms {

struct FontDesc {
  std::string face = "Verdana";
  double size = 8.25;  // points
  int weight = 400;
  int charset = 0;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;

  bool operator==(const FontDesc& o) const;
  bool operator!=(const FontDesc& o) const { return !(*this == o); }
};

// "face;size;weight;charset;italic;underline;strikethrough", e.g.
// "Verdana;8.25;400;0;0;0;0". A ';' in the face is written as "\;".
std::string FontToText(const FontDesc& font);
// Empty when the text is not a font in that form.
std::optional<FontDesc> FontFromText(const std::string& text);

}  // namespace vantrel::forms
