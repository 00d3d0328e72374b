#include "host/base/number_text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(NumberText, NonNegativeNumbersGetALeadingBlank) {
  EXPECT_EQ(numberToText(1024), " 1024");
  EXPECT_EQ(numberToText(0), " 0");
  EXPECT_EQ(numberToText(-5), "-5");
  EXPECT_EQ(numberToText(-32768), "-32768");
}

TEST(NumberText, ParsesOnlyWholeNumericTexts) {
  EXPECT_EQ(parseNumber(" 2"), 2.0);
  EXPECT_EQ(parseNumber("2.9"), 2.9);
  EXPECT_EQ(parseNumber("-1e2 "), -100.0);
  EXPECT_EQ(parseNumber(".5"), 0.5);
  EXPECT_EQ(parseNumber(""), std::nullopt);
  EXPECT_EQ(parseNumber("abc"), std::nullopt);
  EXPECT_EQ(parseNumber("2x"), std::nullopt);
  EXPECT_EQ(parseNumber("1e999"), std::nullopt);
  EXPECT_EQ(parseNumber("-"), std::nullopt);
}

TEST(NumberText, FloorsInto16Bits) {
  EXPECT_EQ(floorToInt16(2.9), 2);
  EXPECT_EQ(floorToInt16(-0.5), -1);
  EXPECT_EQ(floorToInt16(32767.9), 32767);
  EXPECT_EQ(floorToInt16(32768.0), std::nullopt);
  EXPECT_EQ(floorToInt16(-32769.0), std::nullopt);
}

}  // namespace
}  // namespace vantrel
