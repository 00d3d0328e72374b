#include "common/ini_format.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace ini {
namespace {

// "BGM区分" in Shift-JIS (code page 932).
const std::string kKindKey = "BGM\x8b\xe6\x95\xaa";

TEST(IniFind, StripsBlanksAroundValuesAndMatchesNamesWithoutCase) {
  const std::string text = "[Settings]\r\nWidth= 1024\r\n  height  =\t768 \r\n";
  EXPECT_EQ(findValue(text, "settings", "WIDTH"), "1024");
  EXPECT_EQ(findValue(text, "SETTINGS", "Height"), "768");
  EXPECT_EQ(findValue(text, "Settings", "Depth"), std::nullopt);
  EXPECT_EQ(findValue(text, "Other", "Width"), std::nullopt);
}

TEST(IniFind, HandlesLfEmptyValuesQuotesAndOddLines) {
  const std::string text =
      "junk before any section\n[ Section ]\nnoequals\nEmpty=\nQuoted=\"C:\\a b.mp3\"\n"
      "Half=\"open\nEq=a=b\n";
  EXPECT_EQ(findValue(text, "Section", "Empty"), "");
  EXPECT_EQ(findValue(text, "Section", "Quoted"), "C:\\a b.mp3");
  EXPECT_EQ(findValue(text, "Section", "Half"), "\"open");
  EXPECT_EQ(findValue(text, "Section", "Eq"), "a=b");
  EXPECT_EQ(findValue(text, "Section", "noequals"), std::nullopt);
}

TEST(IniFind, FirstSectionAndFirstKeyWin) {
  const std::string text = "[A]\nk=1\nk=2\n[B]\nx=9\n[a]\nk=3\nz=4\n";
  EXPECT_EQ(findValue(text, "A", "k"), "1");
  EXPECT_EQ(findValue(text, "A", "z"), std::nullopt);
  EXPECT_EQ(findValue(text, "B", "x"), "9");
}

TEST(IniNames, ShiftJisNamesAreRawBytesAndTrailBytesAreNotFolded) {
  EXPECT_TRUE(namesEqual("bgm\x8b\xe6\x95\xaa", kKindKey));
  // 0x83 0x41 and 0x83 0x61 are two different katakana, not one letter in two cases.
  EXPECT_FALSE(namesEqual("\x83\x41", "\x83\x61"));
  EXPECT_FALSE(namesEqual("Width", "Widt"));
  const std::string text = "[Section]\r\n" + kKindKey + "= 2\r\n";
  EXPECT_EQ(findValue(text, "section", kKindKey), "2");
}

TEST(IniSet, NewFileGetsSectionAndKeyWithCrlf) {
  EXPECT_EQ(setValue("", "Settings", "Width", " 1024"), "[Settings]\r\nWidth= 1024\r\n");
}

TEST(IniSet, ReplacesOnlyTheValueAndKeepsEveryOtherByte) {
  const std::string text = "; note\r\n[settings]\r\nWIDTH = 800\r\nHeight= 600\r\n\r\n[Section]\r\nx=1\r\n";
  EXPECT_EQ(setValue(text, "Settings", "Width", " 1024"),
            "; note\r\n[settings]\r\nWIDTH = 1024\r\nHeight= 600\r\n\r\n[Section]\r\nx=1\r\n");
  EXPECT_EQ(setValue(text, "Section", "x", ""),
            "; note\r\n[settings]\r\nWIDTH = 800\r\nHeight= 600\r\n\r\n[Section]\r\nx=\r\n");
}

TEST(IniSet, NewKeyGoesAfterTheSectionsLastEntryBeforeBlankLines) {
  const std::string text = "[Settings]\r\nWidth= 1024\r\n\r\n[Section]\r\nx=1\r\n";
  EXPECT_EQ(setValue(text, "Settings", "Height", " 768"),
            "[Settings]\r\nWidth= 1024\r\nHeight= 768\r\n\r\n[Section]\r\nx=1\r\n");
}

TEST(IniSet, NewSectionIsAppendedAfterOneBlankLineInTheFilesLineEnding) {
  EXPECT_EQ(setValue("[Settings]\nWidth= 1024\n", "Section", "k", "v"),
            "[Settings]\nWidth= 1024\n\n[Section]\nk=v\n");
  // No final line break, and a file already ending in a blank line.
  EXPECT_EQ(setValue("[A]\r\nx=1", "B", "k", "v"), "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n");
  EXPECT_EQ(setValue("[A]\r\nx=1\r\n\r\n", "B", "k", "v"), "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n");
  // A section header that is the last line, with no line break.
  EXPECT_EQ(setValue("[A]", "a", "k", "v"), "[A]\r\nk=v\r\n");
}

TEST(IniSet, WrittenValuesReadBack) {
  std::string text;
  text = setValue(text, "Section", kKindKey, " 2");
  text = setValue(text, "Section", "BGM\xd8\xcb\xdf\xb0\xc4", " 0");
  text = setValue(text, "Section", "BGM\xcc\xa7\xb2\xd9", "");
  text = setValue(text, "Settings", "Width", " 1280");
  EXPECT_EQ(findValue(text, "Section", kKindKey), "2");
  EXPECT_EQ(findValue(text, "Section", "BGM\xcc\xa7\xb2\xd9"), "");
  EXPECT_EQ(findValue(text, "Settings", "Width"), "1280");
  EXPECT_EQ(text,
            "[Section]\r\n" + kKindKey + "= 2\r\nBGM\xd8\xcb\xdf\xb0\xc4= 0\r\nBGM\xcc\xa7\xb2\xd9=\r\n"
            "\r\n[Settings]\r\nWidth= 1280\r\n");
}

TEST(IniInt, ParsesLikeTheProfileReader) {
  EXPECT_EQ(parseProfileInt(" 1280"), 1280);
  EXPECT_EQ(parseProfileInt("-5"), -5);
  EXPECT_EQ(parseProfileInt("+7x"), 7);
  EXPECT_EQ(parseProfileInt("2.9"), 2);
  EXPECT_EQ(parseProfileInt("abc"), 0);
  EXPECT_EQ(parseProfileInt("-"), 0);
  EXPECT_EQ(parseProfileInt("4294967297"), 1);  // wraps at 32 bits, never overflows
}

TEST(IniLines, LineBreaksAndNulAreNotSingleLine) {
  EXPECT_TRUE(isSingleLine("C:\\Music\\a b.mp3"));
  EXPECT_FALSE(isSingleLine("a\r\nb"));
  EXPECT_FALSE(isSingleLine("a\nb"));
  EXPECT_FALSE(isSingleLine(std::string("a\0b", 3)));
}

}  // namespace
}  // namespace ini
}  // namespace vantrel
