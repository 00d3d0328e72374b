#include "host/forms/access_keys.h"

namespace vantrel::forms {

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

void AccessKeyMap::Set(AccessKeyTarget* control, const std::string& key) {
  for (auto it = keys_.begin(); it != keys_.end(); ++it) {
    if (it->first == control) {
      if (key.empty()) {
        keys_.erase(it);
      } else {
        it->second = LowerAscii(key);
      }
      return;
    }
  }
  if (control && !key.empty()) keys_.emplace_back(control, LowerAscii(key));
}

void AccessKeyMap::Remove(AccessKeyTarget* control) { Set(control, std::string()); }

AccessKeyTarget* AccessKeyMap::Find(const std::string& key) const {
  const std::string lower = LowerAscii(key);
  for (const auto& e : keys_) {
    if (!lower.empty() && e.second == lower) return e.first;
  }
  return nullptr;
}

bool AccessKeyMap::Dispatch(const std::string& key) {
  AccessKeyTarget* target = Find(key);
  if (!target) return false;
  target->AccessKeyPressed();
  return true;
}

}  // namespace vantrel::forms
