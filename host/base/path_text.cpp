#include "host/base/path_text.h"

namespace vantrel {
namespace {

bool isCp932LeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc); }

}  // namespace

const char kUtf8PathMarker[] = "<UTF-8>";

bool isUtf8PathText(const std::string& text) { return text.rfind(kUtf8PathMarker, 0) == 0; }

std::string utf8PathText(const std::string& utf8) { return kUtf8PathMarker + utf8; }

bool pathTextReadsBackWhole(const std::string& text) {
  return isUtf8PathText(text) ? text.size() <= kMarkedPathTextLimit : text.size() < 255;
}

std::string folderOfPathText(const std::string& text) {
  const bool cp932 = !isUtf8PathText(text);
  std::size_t end = 0;  // one past the last separator
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == ':' || c == '\\') end = i + 1;
    if (cp932 && isCp932LeadByte(c)) ++i;  // its second byte is never a separator
  }
  std::string folder = text.substr(0, end);
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::string utf8OfPathText(const std::string& text) {
  return isUtf8PathText(text) ? text.substr(sizeof kUtf8PathMarker - 1) : std::string();
}

}  // namespace vantrel
