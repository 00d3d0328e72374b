#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "renderer/hack/hack_options.h"

namespace vantrel {
namespace {

HackParse parse(std::vector<const char*> args) {
  args.insert(args.begin(), "vantrel");
  return parseHackOptions(static_cast<int>(args.size()), args.data());
}

TEST(WaylandOption, TakesTheSceneOptionsWithEitherDashes) {
  for (const char* flag : {"-wayland", "--wayland"}) {
    const HackParse result =
        parse({flag, "--speed", "30", "--stars", "1000", "--fps"});
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(result.options.wayland);
    EXPECT_EQ(result.options.speed, 30);
    EXPECT_EQ(result.options.stars, 1000);
    EXPECT_TRUE(result.options.fps);
  }
  EXPECT_FALSE(parse({}).options.wayland);
  EXPECT_NE(hackUsage("vantrel").find("--wayland"), std::string::npos);
}

TEST(WaylandOption, NoXWindowBesideIt) {
  for (const std::vector<const char*>& args :
       {std::vector<const char*>{"--wayland", "--root"},
        std::vector<const char*>{"--window-id", "0x400008", "--wayland"}}) {
    const HackParse result = parse(args);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("--wayland"), std::string::npos)
        << result.error;
    EXPECT_EQ(result.error.find('\n'), std::string::npos);
  }
}

}  // namespace
}  // namespace vantrel
