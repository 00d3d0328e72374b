#include "tests/common/temp_folder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

namespace vantrel {
namespace test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path p = fs::temp_directory_path() /
               ("vantrel-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(p);
  path_ = p.string();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TempFolder::file(const std::string& name) const {
  return (fs::path(path_) / name).string();
}

std::string TempFolder::makeSubfolder(const std::string& name) const {
  fs::path p = fs::path(path_) / name;
  fs::create_directories(p);
  return p.string();
}

}  // namespace test
}  // namespace vantrel
