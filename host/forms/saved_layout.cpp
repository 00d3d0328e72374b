#include "host/forms/saved_layout.h"

namespace vantrel::forms {

namespace {

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      char n = s[++i];
      out += n == 'n' ? '\n' : n == 'r' ? '\r' : n == 't' ? '\t' : n == 's' ? ' ' : n;
    } else {
      out += s[i];
    }
  }
  return out;
}

// Blanks at either end are written as "\\s" so that reading, which trims
// lines, keeps them.
std::string Escape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c == ' ' && (i == 0 || i + 1 == s.size())) out += "\\s";
    else out += c;
  }
  return out;
}

}  // namespace

const LayoutControl* SavedLayout::Find(const std::string& name) const {
  for (const auto& c : controls) {
    if (KeysEqual(c.name, name)) return &c;
  }
  return nullptr;
}

LayoutControl* SavedLayout::Find(const std::string& name) {
  for (auto& c : controls) {
    if (KeysEqual(c.name, name)) return &c;
  }
  return nullptr;
}

LayoutControl& SavedLayout::Add(const std::string& name) {
  if (LayoutControl* c = Find(name)) return *c;
  controls.push_back(LayoutControl{name, {}});
  return controls.back();
}

// A repeated section continues the control of that name; a repeated key
// keeps its last value.
SavedLayout ParseLayout(const std::string& text) {
  SavedLayout layout;
  LayoutControl* current = nullptr;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t nl = text.find('\n', pos);
    if (nl == std::string::npos) nl = text.size();
    const std::string line = Trim(text.substr(pos, nl - pos));
    pos = nl + 1;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      // A header cut short (no "]") still names its control.
      const std::string name =
          Trim(close == std::string::npos ? line.substr(1) : line.substr(1, close - 1));
      current = name.empty() ? nullptr : &layout.Add(name);
      continue;
    }
    const size_t eq = line.find('=');
    if (!current || eq == std::string::npos) continue;
    const std::string key = Trim(line.substr(0, eq));
    if (key.empty()) continue;
    current->bag.SetRaw(key, Unescape(Trim(line.substr(eq + 1))));
  }
  return layout;
}

std::string WriteLayout(const SavedLayout& layout) {
  std::string out;
  for (const auto& c : layout.controls) {
    out += "[" + c.name + "]\n";
    for (const auto& e : c.bag.Entries()) out += e.first + "=" + Escape(e.second) + "\n";
    out += "\n";
  }
  return out;
}

}  // namespace vantrel::forms
