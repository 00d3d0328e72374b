#include "host/forms/font_desc.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace vantrel::forms {

bool FontDesc::operator==(const FontDesc& o) const {
  return face == o.face && std::fabs(size - o.size) < 1e-6 && weight == o.weight &&
         charset == o.charset && italic == o.italic && underline == o.underline &&
         strikethrough == o.strikethrough;
}

std::string FontToText(const FontDesc& font) {
  std::string face;
  for (char c : font.face) {
    if (c == ';' || c == '\\') face += '\\';
    face += c;
  }
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << face << ';' << font.size << ';' << font.weight << ';' << font.charset << ';'
      << (font.italic ? 1 : 0) << ';' << (font.underline ? 1 : 0) << ';'
      << (font.strikethrough ? 1 : 0);
  return out.str();
}

namespace {

std::vector<std::string> SplitFields(const std::string& text) {
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      fields.back() += text[++i];
    } else if (text[i] == ';') {
      fields.emplace_back();
    } else {
      fields.back() += text[i];
    }
  }
  return fields;
}

bool ParseLong(const std::string& s, long lo, long hi, long& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  if (*end != '\0' || v < lo || v > hi) return false;
  out = v;
  return true;
}

}  // namespace

std::optional<FontDesc> FontFromText(const std::string& text) {
  std::vector<std::string> f = SplitFields(text);
  if (f.size() != 7 || f[0].empty()) return std::nullopt;
  FontDesc font;
  font.face = f[0];
  std::istringstream in(f[1]);
  in.imbue(std::locale::classic());
  double size = 0;
  if (!(in >> size) || !in.eof() || !(size > 0 && size <= 1638)) return std::nullopt;
  font.size = size;
  long weight, charset, italic, underline, strike;
  if (!ParseLong(f[2], 0, 1000, weight) || !ParseLong(f[3], 0, 255, charset) ||
      !ParseLong(f[4], 0, 1, italic) || !ParseLong(f[5], 0, 1, underline) ||
      !ParseLong(f[6], 0, 1, strike)) {
    return std::nullopt;
  }
  font.weight = static_cast<int>(weight);
  font.charset = static_cast<int>(charset);
  font.italic = italic != 0;
  font.underline = underline != 0;
  font.strikethrough = strike != 0;
  return font;
}

}  // namespace vantrel::forms
