// The shipped programs carry what Windows shows of them: a version record,
// an application manifest, and (the screensaver) its display name.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string programPath(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of('\\') + 1);
  return folder + name;
}

std::string versionString(const std::vector<char>& block, const char* name) {
  std::string query = std::string("\\StringFileInfo\\040904b0\\") + name;
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) ||
      length == 0)
    return {};
  return std::string(value);
}

std::string manifestOf(HMODULE module) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const char* bytes = static_cast<const char*>(LockResource(loaded));
  return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

class ProgramResources : public ::testing::TestWithParam<const char*> {};

TEST_P(ProgramResources, CarryVersionRecordAndManifest) {
  const std::string path = programPath(GetParam());
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u) << path;
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
  EXPECT_EQ(versionString(block, "ProductName"), "Vantrel");
  EXPECT_EQ(versionString(block, "FileVersion"), VANTREL_VERSION);
  EXPECT_EQ(versionString(block, "OriginalFilename"), GetParam());
  EXPECT_FALSE(versionString(block, "FileDescription").empty());

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), VANTREL_VERSION_MAJOR);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), VANTREL_VERSION_MINOR);

  HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  const std::string manifest = manifestOf(module);
  EXPECT_NE(manifest.find("asInvoker"), std::string::npos);
  EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
  EXPECT_NE(manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"), std::string::npos);
  const bool isHost = std::string(GetParam()) == "Vantrel.scr";
  EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos, isHost);
  FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ProgramResources,
                         ::testing::Values("Vantrel.scr", "Vantrel.dll"));

TEST(ScreensaverDisplayName, IsStringOne) {
  HMODULE module =
      LoadLibraryExA(programPath("Vantrel.scr").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  char name[64] = {};
  EXPECT_EQ(LoadStringA(module, 1, name, sizeof name), 7);
  EXPECT_STREQ(name, "Vantrel");
  FreeLibrary(module);
}

}  // namespace
