#pragma once
// The form's access keys: which control answers Alt+key. Keys are single
// characters in lower case (UTF-8 text); the first control registered under a
// key wins, as on the platform's forms.
#include <string>
#include <utility>
#include <vector>

namespace vantrel::forms {

class AccessKeyTarget {
 public:
  virtual void AccessKeyPressed() = 0;

 protected:
  ~AccessKeyTarget() = default;
};

class AccessKeyMap {
 public:
  // An empty key removes the control's key.
  void Set(AccessKeyTarget* control, const std::string& key);
  void Remove(AccessKeyTarget* control);
  AccessKeyTarget* Find(const std::string& key) const;
  // Calls the matching control; false when none matches.
  bool Dispatch(const std::string& key);

 private:
  std::vector<std::pair<AccessKeyTarget*, std::string>> keys_;
};

// Lower case of ASCII letters; other text unchanged.
std::string LowerAscii(std::string text);

}  // namespace vantrel::forms
