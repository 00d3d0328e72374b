// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

namespace vantrel {
namespace test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // The path of name inside the folder (the file is not created).
  std::string file(const std::string& name) const;
  // Creates a folder inside this one and returns its path.
  std::string makeSubfolder(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace test
}  // namespace vantrel
