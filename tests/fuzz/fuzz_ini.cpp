// The INI reader and writer over arbitrary file text: no input crashes them,
// a value written is the value read back, other entries keep their values,
// and writing the same value again changes nothing.
#include <cstdlib>

#include "common/ini_format.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using vantrel::ini::findValue;
using vantrel::ini::setValue;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// What a reader gets back for a written value: blanks around it stripped and
// one pair of enclosing quotes removed.
std::string asRead(const std::string& value) {
  std::string v = trim(value);
  if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
    v = v.substr(1, v.size() - 2);
  return v;
}

// Names a caller can store: one line, no surrounding blanks, and nothing that
// would make the line read as another section or split the entry elsewhere.
bool usableKey(const std::string& k) {
  return !k.empty() && vantrel::ini::isSingleLine(k) && trim(k) == k &&
         k.find('=') == std::string::npos && k[0] != '[';
}
bool usableSection(const std::string& s) {
  return !s.empty() && vantrel::ini::isSingleLine(s) && trim(s) == s &&
         s.find(']') == std::string::npos;
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto f = vantrel::fuzz::splitFields(data, size, 5);
  const std::string& text = f[0];
  const std::string& section = f[1];
  const std::string& key = f[2];
  const std::string& value = f[3];
  const std::string& otherKey = f[4];

  (void)findValue(text, section, key);
  (void)vantrel::ini::parseProfileInt(value);
  if (!usableSection(section) || !usableKey(key) || !vantrel::ini::isSingleLine(value)) return 0;

  const std::string written = setValue(text, section, key, value);
  const auto readBack = findValue(written, section, key);
  check(readBack.has_value() && *readBack == asRead(value));
  check(setValue(written, section, key, value) == written);
  if (usableKey(otherKey) && !vantrel::ini::namesEqual(otherKey, key))
    check(findValue(written, section, otherKey) == findValue(text, section, otherKey));
  return 0;
}
