// The dialog's artwork files as the program's resources need them.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string artBytes(const std::string& name) {
  std::ifstream in(std::string(VANTREL_DIALOG_ART_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned le16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

struct Size {
  unsigned width = 0, height = 0;
};

// Width and height from a JPEG's start-of-frame segment.
Size jpegSize(const std::string& b) {
  std::size_t at = 2;
  while (at + 9 < b.size()) {
    if (static_cast<unsigned char>(b[at]) != 0xFF) return {};
    const unsigned marker = static_cast<unsigned char>(b[at + 1]);
    const unsigned length =
        static_cast<unsigned char>(b[at + 2]) << 8 | static_cast<unsigned char>(b[at + 3]);
    if (marker >= 0xC0 && marker <= 0xC3) {
      const auto be16 = [&](std::size_t i) {
        return static_cast<unsigned char>(b[i]) << 8 | static_cast<unsigned char>(b[i + 1]);
      };
      return Size{static_cast<unsigned>(be16(at + 7)), static_cast<unsigned>(be16(at + 5))};
    }
    at += 2 + length;
  }
  return {};
}

TEST(DialogArtwork, BannerFramesAndMarksHaveTheirSizes) {
  for (int n = 1; n <= 24; ++n) {
    const std::string name = (n < 10 ? "banner0" : "banner") + std::to_string(n) + ".jpg";
    const std::string bytes = artBytes(name);
    ASSERT_GT(bytes.size(), 4u) << name;
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF) << name;
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8) << name;
    const Size s = jpegSize(bytes);
    EXPECT_EQ(s.width, 120u) << name;
    EXPECT_EQ(s.height, 50u) << name;
  }
  for (const char* name : {"mark_off.jpg", "mark_on.jpg"}) {
    const Size s = jpegSize(artBytes(name));
    EXPECT_EQ(s.width, 12u) << name;
    EXPECT_EQ(s.height, 12u) << name;
  }
  // The animation ends on the empty frame the boxes rest on: the last frame
  // differs from those that carry the advertisement.
  EXPECT_NE(artBytes("banner24.jpg"), artBytes("banner12.jpg"));
}

TEST(DialogArtwork, CursorIsA32PixelHandWithItsHotSpotOnTheFingertip) {
  const std::string cur = artBytes("hand.cur");
  ASSERT_GE(cur.size(), 22u + 40u);
  EXPECT_EQ(le16(cur, 0), 0u);
  EXPECT_EQ(le16(cur, 2), 2u);  // a cursor, not an icon
  EXPECT_EQ(le16(cur, 4), 1u);  // one image
  EXPECT_EQ(static_cast<unsigned char>(cur[6]), 32u);
  EXPECT_EQ(static_cast<unsigned char>(cur[7]), 32u);
  EXPECT_EQ(le16(cur, 10), 12u);  // hot spot x
  EXPECT_EQ(le16(cur, 12), 1u);   // hot spot y
}

TEST(DialogArtwork, IconsAre32PixelsIn256Colours) {
  for (const char* name : {"window.ico", "program.ico"}) {
    const std::string ico = artBytes(name);
    ASSERT_GE(ico.size(), 22u + 40u) << name;
    EXPECT_EQ(le16(ico, 2), 1u) << name;
    EXPECT_EQ(static_cast<unsigned char>(ico[6]), 32u) << name;
    EXPECT_EQ(static_cast<unsigned char>(ico[7]), 32u) << name;
    EXPECT_EQ(le16(ico, 12), 8u) << name;  // bits per pixel
    EXPECT_EQ(le16(ico, 22 + 14), 8u) << name;  // the image's own header agrees
  }
}

}  // namespace
