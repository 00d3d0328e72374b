#include "host/controls/access_key.h"

#include "host/forms/access_keys.h"

namespace vantrel::controls {

namespace {

// Length of the UTF-8 sequence starting with byte c (1 for stray bytes).
size_t SequenceLength(unsigned char c) {
  if (c >= 0xF0 && c < 0xF8) return 4;
  if (c >= 0xE0) return c < 0xF0 ? 3 : 1;
  if (c >= 0xC0) return 2;
  return 1;
}

}  // namespace

// Scans every position up to the last but one, so "&x" and "&&&x" give "x".
std::string GetAccessKey(const std::string& caption) {
  size_t p = 0;
  while (p + 1 < caption.size()) {
    if (caption[p] == '&') {
      if (caption[p + 1] == '&') {
        p += 2;
        continue;
      }
      const size_t len = SequenceLength(static_cast<unsigned char>(caption[p + 1]));
      return forms::LowerAscii(caption.substr(p + 1, len));
    }
    ++p;
  }
  return std::string();
}

}  // namespace vantrel::controls
