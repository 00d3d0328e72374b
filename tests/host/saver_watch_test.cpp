#include "host/saver_watch.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(MusicFileType, LastThreeCharactersInAnyCase) {
  EXPECT_EQ(musicFileTypeOf("C:\\a.wav"), MusicFileType::Wav);
  EXPECT_EQ(musicFileTypeOf("C:\\a.WaV"), MusicFileType::Wav);
  EXPECT_EQ(musicFileTypeOf("C:\\a b.Mp3"), MusicFileType::Mp3);
  EXPECT_EQ(musicFileTypeOf("C:\\a.mp3 "), MusicFileType::None);
  EXPECT_EQ(musicFileTypeOf("C:\\a.wave"), MusicFileType::None);
  EXPECT_EQ(musicFileTypeOf("mp"), MusicFileType::None);
  EXPECT_EQ(musicFileTypeOf("MP3"), MusicFileType::Mp3);
}

TEST(RendererWatch, ASlowRendererIsWaitedFor) {
  RendererWatch watch(30000);
  EXPECT_FALSE(watch.shouldEnd(false, true, 500));
  EXPECT_FALSE(watch.shouldEnd(false, true, 29500));
  EXPECT_FALSE(watch.shouldEnd(true, true, 30000));  // seen at last
  EXPECT_TRUE(watch.windowSeen());
  EXPECT_FALSE(watch.shouldEnd(true, true, 60000));
  EXPECT_TRUE(watch.shouldEnd(false, true, 60500));  // gone after being seen
}

TEST(RendererWatch, EndsWhenTheRendererCannotComeAnyMore) {
  RendererWatch neverStarted;
  EXPECT_TRUE(neverStarted.shouldEnd(false, false, 500));
  RendererWatch tooLate(30000);
  EXPECT_TRUE(tooLate.shouldEnd(false, true, 30000));
  RendererWatch exited;
  EXPECT_TRUE(exited.shouldEnd(true, false, 500) == false && exited.shouldEnd(false, false, 1000));
}

TEST(RendererWatch, AWindowOfThatTitleKeepsTheRunAliveAfterTheProcessEnded) {
  RendererWatch watch;
  EXPECT_FALSE(watch.shouldEnd(true, true, 500));
  EXPECT_FALSE(watch.shouldEnd(true, false, 1000));
}

}  // namespace
}  // namespace vantrel
