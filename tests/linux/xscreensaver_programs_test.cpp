// Adding the hack to ~/.xscreensaver's programs list as text: the entry
// lands as the list's last, XScreenSaver's continued-line syntax survives,
// and nothing else of the file moves.
#include "renderer/hack/xscreensaver_programs.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

const std::string kOurs = "  GL: vantrel --root \\n";

struct Case {
  const char* name;
  std::string before;
  std::string after;
};

TEST(XScreenSaverPrograms, EveryWayAListCanEnd) {
  const Case cases[] = {
      {"blank line closes the list",
       "mode: one\nprograms: \\\n  maze --root \\n\\\n\nnice: 10\n",
       "mode: one\nprograms: \\\n  maze --root \\n\\\n" + kOurs +
           "\\\n\nnice: 10\n"},
      {"last entry without its \\n escape",
       "programs: \\\n  maze --root \\\n\n",
       "programs: \\\n  maze --root \\\n\\n\\\n" + kOurs + "\\\n\n"},
      {"empty list", "programs:\n\nnice: 10\n",
       "programs:\\\n" + kOurs + "\n\nnice: 10\n"},
      {"entry on the key's line", "programs: maze --root\ntimeout: 1\n",
       "programs: maze --root \\n\\\n" + kOurs + "\ntimeout: 1\n"},
      {"last line ends the list with its entry",
       "programs: \\\n  maze --root \\n\n",
       "programs: \\\n  maze --root \\n\\\n" + kOurs + "\n"},
      {"file ends inside the list", "programs: \\\n  maze --root \\n\\",
       "programs: \\\n  maze --root \\n\\\n" + kOurs + "\n"},
      {"no line end at all", "programs:", "programs:\\\n" + kOurs + "\n"},
      {"a lone CR at the end is no line end", "programs: maze\r",
       "programs: maze\r \\n\\\n" + kOurs + "\n"},
      {"CRLF line ends", "programs: \\\r\n  maze \\n\\\r\n\r\nnice: 1\r\n",
       "programs: \\\r\n  maze \\n\\\r\n" + kOurs + "\\\r\n\r\nnice: 1\r\n"},
      {"the last programs line counts",
       "programs: a\n\nprograms: \\\n  b \\n\\\n\n",
       "programs: a\n\nprograms: \\\n  b \\n\\\n" + kOurs + "\\\n\n"},
      {"an escaped backslash ends the list",
       "programs: \\\n  echo \\\\\nnice: 1\n",
       "programs: \\\n  echo \\\\ \\n\\\n" + kOurs + "\nnice: 1\n"},
  };
  for (const Case& c : cases) {
    const ProgramsEditResult result = addToProgramsList(c.before);
    EXPECT_EQ(result.outcome, ProgramsEdit::Added) << c.name;
    EXPECT_EQ(result.text, c.after) << c.name;
    // Running it again finds the entry and changes nothing.
    const ProgramsEditResult again = addToProgramsList(result.text);
    EXPECT_EQ(again.outcome, ProgramsEdit::AlreadyListed) << c.name;
    EXPECT_EQ(again.text, result.text) << c.name;
  }
}

TEST(XScreenSaverPrograms, AnyEntryRunningVantrelCounts) {
  for (const char* entry :
       {"GL: vantrel --root", "- GL: \t\tvantrel --root --stars 9",
        "-\t/usr/libexec/xscreensaver/vantrel -root", "GL:vantrel",
        "\"Star flight\" GL: vantrel --root", "default-n: vantrel",
        "GL: \"Star flight\" vantrel"}) {
    EXPECT_TRUE(entryRunsVantrel(entry)) << entry;
  }
  for (const char* entry :
       {"", "GL: maze --root", "vantrel-old --root", "GL: maze --root vantrel",
        "/opt/vantrel/bin/other", "\"vantrel\" GL: maze", "\"unclosed vantrel"}) {
    EXPECT_FALSE(entryRunsVantrel(entry)) << entry;
  }
}

TEST(XScreenSaverPrograms, OnlyListsInTheProgramsResourceCount) {
  // Mentioned elsewhere, or in a comment, vantrel is not yet in the list.
  const std::string file =
      "! vantrel --root\ntextProgram: vantrel\nprograms: \\\n  maze \\n\\\n\n";
  EXPECT_EQ(addToProgramsList(file).outcome, ProgramsEdit::Added);
  const std::string listed = "programs: \\\n  maze \\n\\\n- vantrel \\n\\\n\n";
  EXPECT_EQ(addToProgramsList(listed).outcome, ProgramsEdit::AlreadyListed);
}

TEST(XScreenSaverPrograms, NoListOrNoTextLeavesTheFileAlone) {
  for (const std::string& file :
       {std::string(""), std::string("mode: one\n"),
        std::string("xprograms: maze\n"), std::string("# programs:\n")}) {
    const ProgramsEditResult result = addToProgramsList(file);
    EXPECT_EQ(result.outcome, ProgramsEdit::NoList) << file;
    EXPECT_EQ(result.text, file);
  }
  const std::string binary("programs: \\\n  maze\0 \\n\\\n\n", 24);
  const ProgramsEditResult result = addToProgramsList(binary);
  EXPECT_EQ(result.outcome, ProgramsEdit::NotText);
  EXPECT_EQ(result.text, binary);
}

}  // namespace
}  // namespace vantrel
