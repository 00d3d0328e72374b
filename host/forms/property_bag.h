#pragma once
// A control's saved properties: text values under keys that match without
// regard to case. Follows the form platform's contract: a value equal to the
// default passed with it is not written, a missing key reads as the default
// passed with the read, and a value of the wrong type or range reads as that
// default too.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/forms/font_desc.h"

namespace vantrel::forms {

class PropertyBag {
 public:
  std::int32_t ReadInt32(const std::string& key, std::int32_t def) const;
  std::int16_t ReadInt16(const std::string& key, std::int16_t def) const;
  bool ReadBool(const std::string& key, bool def) const;
  std::string ReadString(const std::string& key, const std::string& def) const;
  FontDesc ReadFont(const std::string& key, const FontDesc& def) const;

  void WriteInt32(const std::string& key, std::int32_t value, std::int32_t def);
  void WriteInt16(const std::string& key, std::int16_t value, std::int16_t def);
  void WriteBool(const std::string& key, bool value, bool def);
  void WriteString(const std::string& key, const std::string& value, const std::string& def);
  // The font is compared with no default: the platform passes a text as the
  // default of a font, which never equals a font object, so it is always written.
  void WriteFont(const std::string& key, const FontDesc& value);

  // Raw access for the saved-layout reader and writer; keys keep their case.
  void SetRaw(const std::string& key, const std::string& value);
  const std::string* FindRaw(const std::string& key) const;
  void Remove(const std::string& key);
  const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

// Case-insensitive comparison of ASCII keys.
bool KeysEqual(const std::string& a, const std::string& b);

}  // namespace vantrel::forms
