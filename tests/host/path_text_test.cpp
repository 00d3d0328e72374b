#include "host/base/path_text.h"

#include <gtest/gtest.h>

#include "host/renderer_start.h"

namespace vantrel {
namespace {

TEST(PathText, TheMarkerIsRecognisedOnlyAtTheStart) {
  EXPECT_TRUE(isUtf8PathText("<UTF-8>C:\\a.mp3"));
  EXPECT_TRUE(isUtf8PathText(utf8PathText("C:\\Jos\xc3\xa9.mp3")));
  EXPECT_EQ(utf8OfPathText(utf8PathText("C:\\Jos\xc3\xa9.mp3")), "C:\\Jos\xc3\xa9.mp3");
  for (const char* text : {"C:\\a.mp3", "", "<UTF-8", "x<UTF-8>C:\\a.mp3", "<utf-8>C:\\a.mp3",
                           " <UTF-8>C:\\a.mp3", "\x83\x5c<UTF-8>"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(isUtf8PathText(text));
    EXPECT_EQ(utf8OfPathText(text), "");
  }
}

TEST(PathText, ReadsBackWholeWithinTheLimitOfItsKind) {
  EXPECT_TRUE(pathTextReadsBackWhole(std::string(254, 'a')));
  EXPECT_FALSE(pathTextReadsBackWhole(std::string(255, 'a')));
  // 254 characters of three UTF-8 bytes each, the chooser's longest.
  std::string longest = "<UTF-8>";
  for (int i = 0; i < 254; ++i) longest += "\xe3\x81\x82";  // あ
  EXPECT_TRUE(pathTextReadsBackWhole(longest));
  EXPECT_FALSE(pathTextReadsBackWhole(longest + "a"));
}

// Records the two platform steps in the order they come.
class RecordingStarter : public RendererStarter {
 public:
  void allowForeground() override { calls.push_back(L"allow foreground"); }
  bool startProcess(const std::wstring& program, const std::wstring& commandLine) override {
    calls.push_back(L"start " + program + L" | " + commandLine);
    return starts;
  }
  std::vector<std::wstring> calls;
  bool starts = true;
};

TEST(RendererStart, ReleasesTheForegroundBeforeTheProcessStarts) {
  RecordingStarter starter;
  EXPECT_TRUE(startRendererProcess(starter, L"C:\\\u0141\u00f3d\u017a\\Vantrel.dll"));
  ASSERT_EQ(starter.calls.size(), 2u);
  EXPECT_EQ(starter.calls[0], L"allow foreground");
  // No arguments: the quoted program path is the whole command line.
  EXPECT_EQ(starter.calls[1],
            L"start C:\\\u0141\u00f3d\u017a\\Vantrel.dll | \"C:\\\u0141\u00f3d\u017a\\Vantrel.dll\"");
  RecordingStarter refused;
  refused.starts = false;
  EXPECT_FALSE(startRendererProcess(refused, L"C:\\Vantrel.dll"));
  EXPECT_EQ(refused.calls.size(), 2u);
}

}  // namespace
}  // namespace vantrel
