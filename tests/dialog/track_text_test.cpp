#include "host/dialog/track_text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(TrackText, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(trackFromText("2.5"), 2);
  EXPECT_EQ(trackFromText("3.5"), 4);
  EXPECT_EQ(trackFromText("0.5"), 0);
  EXPECT_EQ(trackFromText("2.51"), 3);
  EXPECT_EQ(trackFromText("-2.5"), -2);
  EXPECT_EQ(trackFromText("-3.5"), -4);
  EXPECT_EQ(trackFromText("5"), 5);
}

TEST(TrackText, NonNumericTextSavesZero) {
  for (const char* text : {"", "abc", "   ", "5a", "a5", ".", "-", "+", "1e", "1e+", "1..2", "1 2",
                           "0x10", "--1", "1,5"}) {
    EXPECT_EQ(trackFromText(text), 0) << '"' << text << '"';
    EXPECT_FALSE(isNumericText(text)) << '"' << text << '"';
  }
}

TEST(TrackText, AcceptsBlanksSignsPointsAndExponents) {
  EXPECT_EQ(trackFromText("  7 "), 7);
  EXPECT_EQ(trackFromText("\t12\t"), 12);
  EXPECT_EQ(trackFromText("+9"), 9);
  EXPECT_EQ(trackFromText("-4"), -4);
  EXPECT_EQ(trackFromText(".5"), 0);
  EXPECT_EQ(trackFromText("1.5"), 2);
  EXPECT_EQ(trackFromText("7."), 7);
  EXPECT_EQ(trackFromText("1e1"), 10);
  EXPECT_EQ(trackFromText("2.5E1"), 25);
  EXPECT_EQ(trackFromText("15e-1"), 2);
  EXPECT_EQ(trackFromText("25e-1"), 2);
}

// The setting is a 16-bit integer: numbers beyond it are clamped to its ends.
TEST(TrackText, ClampsNumbersBeyondTheSixteenBitRange) {
  EXPECT_EQ(trackFromText("32767"), 32767);
  EXPECT_EQ(trackFromText("32767.4"), 32767);
  EXPECT_EQ(trackFromText("32767.5"), 32767);
  EXPECT_EQ(trackFromText("99999"), 32767);
  EXPECT_EQ(trackFromText("1e300"), 32767);
  EXPECT_EQ(trackFromText("1e999"), 32767);
  EXPECT_EQ(trackFromText("-32768"), -32768);
  EXPECT_EQ(trackFromText("-32768.5"), -32768);
  EXPECT_EQ(trackFromText("-99999"), -32768);
  EXPECT_EQ(trackFromText("-1e999"), -32768);
  EXPECT_EQ(trackFromText("1e-999"), 0);
  EXPECT_EQ(trackFromText("123456789012345678901234567890"), 32767);
}

TEST(TrackText, FormatsWithoutLeadingZerosAndZeroAsEmpty) {
  EXPECT_EQ(formatTrack(0), "");
  EXPECT_EQ(formatTrack(7), "7");
  EXPECT_EQ(formatTrack(12), "12");
  EXPECT_EQ(formatTrack(30), "30");
  EXPECT_EQ(formatTrack(-7), "-7");
  EXPECT_EQ(formatTrack(32767), "32767");
  EXPECT_EQ(formatTrack(-32768), "-32768");
}

}  // namespace
}  // namespace vantrel
