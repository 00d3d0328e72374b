// Splits a fuzzer's input into NUL-separated fields, so one input can carry
// a file's text and the names and values that act on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {
namespace fuzz {

// The first `count` fields of the input; missing ones are empty.
inline std::vector<std::string> splitFields(const std::uint8_t* data, std::size_t size,
                                            std::size_t count) {
  std::vector<std::string> fields(count);
  std::size_t field = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0 && field + 1 < count) {
      ++field;
      continue;
    }
    fields[field].push_back(static_cast<char>(data[i]));
  }
  return fields;
}

}  // namespace fuzz
}  // namespace vantrel
