#include "common/ini_format.h"

#include <cstdint>
#include <vector>

namespace vantrel {
namespace ini {
namespace {

struct Line {
  std::size_t begin;    // first byte of the line
  std::size_t end;      // one past its last content byte (before CR/LF)
  std::size_t next;     // first byte of the following line
};

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isShiftJisLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc);
}

char foldAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::vector<Line> splitLines(const std::string& text) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t nl = text.find('\n', pos);
    Line line;
    line.begin = pos;
    if (nl == std::string::npos) {
      line.end = text.size();
      line.next = text.size();
    } else {
      line.end = (nl > pos && text[nl - 1] == '\r') ? nl - 1 : nl;
      line.next = nl + 1;
    }
    lines.push_back(line);
    pos = line.next;
  }
  return lines;
}

std::string trim(const std::string& s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string> sectionName(const std::string& content) {
  std::string t = trim(content);
  if (t.empty() || t[0] != '[') return std::nullopt;
  std::size_t close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return trim(t.substr(1, close - 1));
}

// Splits a "key=value" line; false for a line with no equals sign.
bool splitEntry(const std::string& content, std::string& key, std::string& value) {
  std::size_t eq = content.find('=');
  if (eq == std::string::npos) return false;
  key = trim(content.substr(0, eq));
  value = content.substr(eq + 1);
  return true;
}

std::string contentOf(const std::string& text, const Line& line) {
  return text.substr(line.begin, line.end - line.begin);
}

std::string lineEndingOf(const std::string& text) {
  std::size_t nl = text.find('\n');
  if (nl == std::string::npos) return "\r\n";
  return (nl > 0 && text[nl - 1] == '\r') ? "\r\n" : "\n";
}

}  // namespace

bool namesEqual(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  bool trail = false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (trail) {
      if (a[i] != b[i]) return false;
      trail = false;
      continue;
    }
    if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    trail = isShiftJisLead(static_cast<unsigned char>(a[i]));
  }
  return true;
}

std::optional<std::string> findValue(const std::string& text, const std::string& section,
                                     const std::string& key) {
  bool inSection = false;
  bool sectionSeen = false;
  for (const Line& line : splitLines(text)) {
    std::string content = contentOf(text, line);
    if (auto name = sectionName(content)) {
      if (sectionSeen && inSection) return std::nullopt;  // first match only
      inSection = namesEqual(*name, section);
      sectionSeen = sectionSeen || inSection;
      continue;
    }
    if (!inSection) continue;
    std::string k;
    std::string v;
    if (!splitEntry(content, k, v) || !namesEqual(k, key)) continue;
    v = trim(v);
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) {
      v = v.substr(1, v.size() - 2);
    }
    return v;
  }
  return std::nullopt;
}

std::string setValue(const std::string& text, const std::string& section, const std::string& key,
                     const std::string& value) {
  const std::string eol = lineEndingOf(text);
  const std::vector<Line> lines = splitLines(text);
  bool inSection = false;
  std::size_t insertAt = std::string::npos;  // after the section's last non-blank line
  for (const Line& line : lines) {
    std::string content = contentOf(text, line);
    if (auto name = sectionName(content)) {
      if (inSection) break;
      inSection = namesEqual(*name, section);
      if (inSection) insertAt = line.next;
      continue;
    }
    if (!inSection) continue;
    if (!trim(content).empty()) insertAt = line.next;
    std::string k;
    std::string v;
    if (splitEntry(content, k, v) && namesEqual(k, key)) {
      // Keep the stored spelling of the key and the line's own ending.
      std::size_t eq = text.find('=', line.begin);
      return text.substr(0, eq + 1) + value + text.substr(line.end);
    }
  }
  const std::string entry = key + "=" + value + eol;
  if (insertAt != std::string::npos) {
    std::string before = text.substr(0, insertAt);
    if (!before.empty() && before.back() != '\n') before += eol;
    return before + entry + text.substr(insertAt);
  }
  std::string out = text;
  if (!out.empty() && out.back() != '\n') out += eol;
  if (!out.empty() && !lines.empty() && !trim(contentOf(text, lines.back())).empty()) out += eol;
  return out + "[" + section + "]" + eol + entry;
}

int parseProfileInt(const std::string& value) {
  std::size_t i = 0;
  while (i < value.size() && isBlank(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
    negative = value[i] == '-';
    ++i;
  }
  std::uint32_t n = 0;
  while (i < value.size() && value[i] >= '0' && value[i] <= '9') {
    n = n * 10u + static_cast<std::uint32_t>(value[i] - '0');
    ++i;
  }
  if (negative) n = 0u - n;
  return static_cast<int>(static_cast<std::int32_t>(n));
}

bool isSingleLine(const std::string& text) {
  return text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

}  // namespace ini
}  // namespace vantrel
