#include "renderer/hack/hack_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

HackParse parse(std::vector<const char*> args) {
  args.insert(args.begin(), "vantrel");
  return parseHackOptions(static_cast<int>(args.size()), args.data());
}

TEST(HackOptions, NoArgumentsGiveAnOwnWindowAndTheSceneDefaults) {
  const HackParse result = parse({});
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.options.target, HackTarget::OwnWindow);
  EXPECT_EQ(result.options.speed, 10);
  EXPECT_EQ(result.options.stars, 50);
  EXPECT_FALSE(result.options.fps);
  EXPECT_FALSE(result.options.help);
  EXPECT_EQ(result.options.maxFps, 0);
}

TEST(HackOptions, OneOrTwoDashesAndEveryOption) {
  for (const char* dashes : {"-", "--"}) {
    const std::string root = std::string(dashes) + "root";
    const std::string speed = std::string(dashes) + "speed";
    const std::string stars = std::string(dashes) + "stars";
    const std::string fps = std::string(dashes) + "fps";
    const std::string maxFps = std::string(dashes) + "max-fps";
    const HackParse result =
        parse({root.c_str(), speed.c_str(), "200", stars.c_str(), "0",
               fps.c_str(), maxFps.c_str(), "240"});
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.options.target, HackTarget::Root);
    EXPECT_EQ(result.options.speed, 200);
    EXPECT_EQ(result.options.stars, 0);
    EXPECT_TRUE(result.options.fps);
    EXPECT_EQ(result.options.maxFps, 240);
  }
  EXPECT_EQ(parse({"--max-fps", "10"}).options.maxFps, 10);
  // A bad ceiling is one line, and the display's rate applies.
  for (const char* bad : {"9", "241", "0", "60fps"}) {
    const HackParse limited = parse({"--max-fps", bad, "--speed", "20"});
    EXPECT_TRUE(limited.ok) << bad;
    EXPECT_EQ(limited.options.maxFps, 0) << bad;
    EXPECT_EQ(limited.options.speed, 20) << bad;
    EXPECT_NE(limited.warning.find(bad), std::string::npos) << limited.warning;
    EXPECT_EQ(limited.warning.find('\n'), std::string::npos);
  }
  EXPECT_EQ(parse({"--max-fps", "60"}).warning, "");
  EXPECT_TRUE(parse({"--help"}).options.help);
  EXPECT_TRUE(parse({"-h"}).options.help);
}

TEST(HackOptions, WindowIdDecimalOrHexWinsOverRootInAnyOrder) {
  HackParse result = parse({"-window-id", "0x400008"});
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.options.target, HackTarget::WindowId);
  EXPECT_EQ(result.options.windowId, 0x400008ul);
  result = parse({"--window-id", "4194312"});
  EXPECT_EQ(result.options.windowId, 4194312ul);
  // XScreenSaver's settings program previews with both.
  for (const auto& args : {std::vector<const char*>{"--window-id",
                                                    "0X1fffffff", "--root"},
                           std::vector<const char*>{"-root", "-window-id",
                                                    "0X1fffffff", "-root"}}) {
    result = parse(args);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.options.target, HackTarget::WindowId) << args[0];
    EXPECT_EQ(result.options.windowId, 0x1FFFFFFFul);
  }
  result = parse({"--window-id", "5", "--window-id", "7"});
  EXPECT_EQ(result.options.windowId, 7ul);
}

TEST(HackOptions, AddToXScreenSaverIsAnActionOfItsOwn) {
  EXPECT_FALSE(parse({"--root"}).options.addToXScreenSaver);
  EXPECT_TRUE(parse({"--add-to-xscreensaver"}).options.addToXScreenSaver);
  EXPECT_TRUE(parse({"-add-to-xscreensaver"}).options.addToXScreenSaver);
  EXPECT_FALSE(parse({"--add-to-xscreensaver", "now"}).ok);
}

TEST(HackOptions, BadArgumentsGiveOneLineNamingThem) {
  const std::vector<std::vector<const char*>> bad = {
      {"--speed", "0"},
      {"--speed", "201"},
      {"--speed", "10.5"},
      {"--speed", "-3"},
      {"--speed", ""},
      {"--stars", "1001"},
      {"--max-fps"},
      {"--stars", "99999999999999999999999"},
      {"--window-id", "0"},
      {"--window-id", "0x"},
      {"--window-id", "0x20000000"},
      {"--window-id", "12a"},
      {"--window-id", " 5"},
      {"--speed"},
      {"--colour"},
      {"stray"},
      {"-"},
  };
  for (const auto& args : bad) {
    const HackParse result = parse(args);
    EXPECT_FALSE(result.ok) << args[0];
    EXPECT_FALSE(result.error.empty()) << args[0];
    EXPECT_EQ(result.error.find('\n'), std::string::npos) << result.error;
    EXPECT_NE(result.error.find(args.back()[0] == '-' ? args.back() + 1
                                                      : args.back()),
              std::string::npos)
        << result.error;
  }
}

TEST(HackOptions, ControlCharactersCannotBreakTheOneLine) {
  for (const char* arg : {"\nx", "--speed\n", "a\rb", "\x1b[2J"}) {
    const HackParse result = parse({arg});
    ASSERT_FALSE(result.ok);
    for (char c : result.error) {
      EXPECT_GE(static_cast<unsigned char>(c), 0x20) << result.error;
    }
  }
  const HackParse value = parse({"--stars", "1\n2"});
  EXPECT_NE(value.error.find("'1?2'"), std::string::npos) << value.error;
}

TEST(HackOptions, XScreenSaverWindowOrTheRoot) {
  unsigned long id = 99;
  EXPECT_TRUE(rootTargetWindow(nullptr, id));
  EXPECT_EQ(id, 0ul);
  EXPECT_TRUE(rootTargetWindow("", id));
  EXPECT_EQ(id, 0ul);
  EXPECT_TRUE(rootTargetWindow("0x400008", id));
  EXPECT_EQ(id, 0x400008ul);
  EXPECT_TRUE(rootTargetWindow("77", id));
  EXPECT_EQ(id, 77ul);
  EXPECT_FALSE(rootTargetWindow("window", id));
  EXPECT_FALSE(rootTargetWindow("0x400008 ", id));
  // As hosts hand them on: negative, signed, overlong and zero are no ids.
  for (const char* bad : {"-4194312", "+77", "0x", "0", "0x0", "536870912",
                          "99999999999999999999999999", "0x4000080000000000",
                          "1e6", "0b101", "\xff"}) {
    EXPECT_FALSE(rootTargetWindow(bad, id)) << bad;
  }
  EXPECT_TRUE(rootTargetWindow("536870911", id));
  EXPECT_EQ(id, 0x1FFFFFFFul);
}

TEST(HackOptions, UsageNamesEveryOption) {
  const std::string usage = hackUsage("vantrel");
  for (const char* word : {"--root", "--window-id", "--speed", "--stars",
                           "--fps", "--max-fps", "XSCREENSAVER_WINDOW",
                           "standard error", "power-saver",
                           "--add-to-xscreensaver"}) {
    EXPECT_NE(usage.find(word), std::string::npos) << word;
  }
}

}  // namespace
}  // namespace vantrel
