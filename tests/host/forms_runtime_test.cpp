#include "host/forms/program_folder.h"
#include "host/forms/twips_truncating.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(Twips, PerPixelFollowsTheScreensResolution) {
  EXPECT_EQ(twipsPerPixel(96), 15);
  EXPECT_EQ(twipsPerPixel(120), 12);
  EXPECT_EQ(twipsPerPixel(144), 10);
  EXPECT_EQ(twipsPerPixel(0), 15);
  EXPECT_EQ(twipsPerPixel(5000), 1);
  EXPECT_EQ(twipsToPixels(15360, 15), 1024);
  EXPECT_EQ(twipsToPixels(29, 15), 1);
  EXPECT_EQ(twipsToPixels(100, 0), 0);
  EXPECT_EQ(pixelsToTwips(768, 15), 11520);
}

TEST(ProgramFolder, FolderOfTheModulePath) {
  EXPECT_EQ(folderOfModulePath("C:\\Saver\\Vantrel.scr"), "C:\\Saver");
  EXPECT_EQ(folderOfModulePath("C:\\Vantrel.scr"), "C:\\");
  EXPECT_EQ(folderOfModulePath("\\\\server\\share\\Vantrel.scr"), "\\\\server\\share");
  EXPECT_EQ(folderOfModulePath("Vantrel.scr"), "");
}

}  // namespace
}  // namespace vantrel
