#include "host/command_line.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct Case {
  const char* arguments;
  HostMode mode;
  std::int32_t handle;
};

TEST(CommandLine, ModesAndPreviewHandles) {
  const Case cases[] = {
      {"/p 1234", HostMode::Preview, 1234},
      {"-P 1234", HostMode::Preview, 1234},
      {"/p:1234", HostMode::Preview, 1234},
      {"/p1234", HostMode::Preview, 234},  // the number starts at the fourth character
      {"/p", HostMode::Preview, 0},
      {"/p abc", HostMode::Preview, 0},
      {"/p 12ab", HostMode::Preview, 12},
      {"/p 1 2 3", HostMode::Preview, 123},  // blanks are skipped inside the number
      {"/p -7", HostMode::Preview, -7},
      {"/p 99999999999", HostMode::Preview, 0},  // does not fit 32 bits
      {"/p 2.5", HostMode::Preview, 2},          // half to even
      {"/p 3.5", HostMode::Preview, 4},
      {"/c", HostMode::Configure, 0},
      {"/c:1234", HostMode::Configure, 0},
      {"-C", HostMode::Configure, 0},
      {"/s", HostMode::Saver, 0},
      {"/S", HostMode::Saver, 0},
      {"-s", HostMode::Saver, 0},
      {"", HostMode::SaverQuiet, 0},
      {"s", HostMode::Other, 0},  // no second character
      {"/a", HostMode::Other, 0},
      {"//s", HostMode::Other, 0},
      {"\xff\xfe", HostMode::Other, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    CommandLine parsed = parseCommandLine(c.arguments);
    EXPECT_EQ(parsed.mode, c.mode);
    EXPECT_EQ(parsed.previewHandle, c.handle);
  }
}

TEST(CommandLine, HugeArgumentsAreHandled) {
  EXPECT_EQ(parseCommandLine("/s" + std::string(10000, 'x')).mode, HostMode::Saver);
  CommandLine p = parseCommandLine("/p " + std::string(10000, '9'));
  EXPECT_EQ(p.mode, HostMode::Preview);
  EXPECT_EQ(p.previewHandle, 0);
}

TEST(CommandLine, ArgumentTextFollowsTheProgramName) {
  EXPECT_EQ(argumentText("\"C:\\Program Files\\Vantrel.scr\" /p 1234"), "/p 1234");
  EXPECT_EQ(argumentText("C:\\WINDOWS\\Vantrel.scr   /s"), "/s");
  EXPECT_EQ(argumentText("Vantrel.scr"), "");
  EXPECT_EQ(argumentText("\"unterminated /s"), "");
  EXPECT_EQ(argumentText(""), "");
}

}  // namespace
}  // namespace vantrel
