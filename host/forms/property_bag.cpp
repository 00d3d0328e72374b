#include "host/forms/property_bag.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace vantrel::forms {

bool KeysEqual(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

namespace {

// Whole-text decimal integer within [lo, hi]; blanks around it are allowed.
bool ParseInteger(const std::string& text, long long lo, long long hi, long long& out) {
  const char* s = text.c_str();
  while (*s == ' ' || *s == '\t') ++s;
  if (*s == '\0') return false;
  char* end = nullptr;
  errno = 0;
  long long v = std::strtoll(s, &end, 10);
  if (end == s || errno == ERANGE) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0' || v < lo || v > hi) return false;
  out = v;
  return true;
}

}  // namespace

const std::string* PropertyBag::FindRaw(const std::string& key) const {
  for (const auto& e : entries_) {
    if (KeysEqual(e.first, key)) return &e.second;
  }
  return nullptr;
}

void PropertyBag::SetRaw(const std::string& key, const std::string& value) {
  for (auto& e : entries_) {
    if (KeysEqual(e.first, key)) {
      e.second = value;
      return;
    }
  }
  entries_.emplace_back(key, value);
}

void PropertyBag::Remove(const std::string& key) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (KeysEqual(it->first, key)) {
      entries_.erase(it);
      return;
    }
  }
}

std::int32_t PropertyBag::ReadInt32(const std::string& key, std::int32_t def) const {
  const std::string* raw = FindRaw(key);
  long long v = 0;
  if (!raw || !ParseInteger(*raw, INT32_MIN, INT32_MAX, v)) return def;
  return static_cast<std::int32_t>(v);
}

std::int16_t PropertyBag::ReadInt16(const std::string& key, std::int16_t def) const {
  const std::string* raw = FindRaw(key);
  long long v = 0;
  if (!raw || !ParseInteger(*raw, INT16_MIN, INT16_MAX, v)) return def;
  return static_cast<std::int16_t>(v);
}

bool PropertyBag::ReadBool(const std::string& key, bool def) const {
  const std::string* raw = FindRaw(key);
  if (!raw) return def;
  if (KeysEqual(*raw, "True")) return true;
  if (KeysEqual(*raw, "False")) return false;
  long long v = 0;
  if (!ParseInteger(*raw, INT32_MIN, INT32_MAX, v)) return def;
  return v != 0;
}

std::string PropertyBag::ReadString(const std::string& key, const std::string& def) const {
  const std::string* raw = FindRaw(key);
  return raw ? *raw : def;
}

FontDesc PropertyBag::ReadFont(const std::string& key, const FontDesc& def) const {
  const std::string* raw = FindRaw(key);
  if (!raw) return def;
  return FontFromText(*raw).value_or(def);
}

// A value equal to its default is removed rather than written, so that a
// later read gives that default back whatever was stored before.
void PropertyBag::WriteInt32(const std::string& key, std::int32_t value, std::int32_t def) {
  if (value == def) return Remove(key);
  SetRaw(key, std::to_string(value));
}

void PropertyBag::WriteInt16(const std::string& key, std::int16_t value, std::int16_t def) {
  if (value == def) return Remove(key);
  SetRaw(key, std::to_string(value));
}

void PropertyBag::WriteBool(const std::string& key, bool value, bool def) {
  if (value == def) return Remove(key);
  SetRaw(key, value ? "True" : "False");
}

void PropertyBag::WriteString(const std::string& key, const std::string& value,
                              const std::string& def) {
  if (value == def) return Remove(key);
  SetRaw(key, value);
}

void PropertyBag::WriteFont(const std::string& key, const FontDesc& value) {
  SetRaw(key, FontToText(value));
}

}  // namespace vantrel::forms
