#include <cstdio>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "renderer/still/bmp_image.h"
#include "renderer/scene/renderer_state.h"
#include "renderer/scene/scene_clock.h"
#include "renderer/windows/virtual_keys.h"
#include "renderer/windows/window_size.h"

namespace vantrel {
namespace {

TEST(HandleKey, SpeedLimits) {
  RendererState state;
  EXPECT_EQ(state.speed, 10.0f);
  handleKey(state, SceneKey::Right);
  EXPECT_EQ(state.speed, 11.0f);
  state.speed = 1.0f;
  handleKey(state, SceneKey::Left);
  EXPECT_EQ(state.speed, 1.0f);
  state.speed = 1.5f;
  handleKey(state, SceneKey::Left);
  EXPECT_EQ(state.speed, 1.0f);
  state.speed = 200.0f;
  handleKey(state, SceneKey::Right);
  EXPECT_EQ(state.speed, 200.0f);
}

TEST(HandleKey, StarCountLimitsNeverZero) {
  RendererState state;
  state.starCount = 980;
  handleKey(state, SceneKey::Up);
  EXPECT_EQ(state.starCount, 1000);
  handleKey(state, SceneKey::Up);
  EXPECT_EQ(state.starCount, 1000);
  state.starCount = 70;
  handleKey(state, SceneKey::Down);
  EXPECT_EQ(state.starCount, 50);
  state.starCount = 0;  // after the automatic wrap
  handleKey(state, SceneKey::Down);
  EXPECT_EQ(state.starCount, 50);
  state.starCount = 120;
  handleKey(state, SceneKey::Down);
  EXPECT_EQ(state.starCount, 70);
}

TEST(HandleKey, EscapeQuitsOtherKeysChangeNothing) {
  RendererState state;
  EXPECT_EQ(handleKey(state, SceneKey::Escape), KeyResult::Quit);
  for (unsigned key : {0x20u, 0x0Du, 0x24u, 0x29u, 0x41u, 0x70u}) {
    EXPECT_EQ(handleKey(state, sceneKeyForVirtualKey(key)), KeyResult::None);
  }
  EXPECT_EQ(sceneKeyForVirtualKey(0x1B), SceneKey::Escape);
  EXPECT_EQ(sceneKeyForVirtualKey(0x25), SceneKey::Left);
  EXPECT_EQ(sceneKeyForVirtualKey(0x26), SceneKey::Up);
  EXPECT_EQ(sceneKeyForVirtualKey(0x27), SceneKey::Right);
  EXPECT_EQ(sceneKeyForVirtualKey(0x28), SceneKey::Down);
  EXPECT_EQ(state.speed, 10.0f);
  EXPECT_EQ(state.starCount, 50);
}

TEST(StarGrowth, OneStarEveryElevenFramesAndWrapsToZero) {
  RendererState state;
  double counter = 0.0;
  for (int i = 0; i < 10; ++i) stepStarGrowth(state, counter);
  EXPECT_EQ(state.starCount, 50);
  stepStarGrowth(state, counter);
  EXPECT_EQ(state.starCount, 51);
  EXPECT_EQ(counter, 0);
  state.starCount = 1000;
  for (int i = 0; i < 11; ++i) stepStarGrowth(state, counter);
  EXPECT_EQ(state.starCount, 0);
  for (int i = 0; i < 22; ++i) stepStarGrowth(state, counter);
  EXPECT_EQ(state.starCount, 2);
}

TEST(ClientSize, HeightZeroBecomesOne) {
  RendererState state;
  applyClientSize(state, viewSizeFromSizeParam((0u << 16) | 800u));
  EXPECT_EQ(state.screenWidth, 800);
  EXPECT_EQ(state.screenHeight, 1);
  applyClientSize(state, viewSizeFromSizeParam((600u << 16) | 1280u));
  EXPECT_EQ(state.screenWidth, 1280);
  EXPECT_EQ(state.screenHeight, 600);
}

TEST(SceneClock, CounterClock) {
  SceneClock clock;
  clock.start(1000000, 5000000, 0);
  EXPECT_EQ(clock.elapsedSeconds(), 0.0f);
  clock.tick(5020000, 0);
  EXPECT_FLOAT_EQ(clock.elapsedSeconds(), 0.02f);
  EXPECT_FLOAT_EQ(clock.frameDelta(), 0.02f);  // first frame: delta = elapsed
  clock.tick(8020000, 0);  // a three-second pause
  EXPECT_FLOAT_EQ(clock.elapsedSeconds(), 3.02f);
  EXPECT_FLOAT_EQ(clock.frameDelta(), 3.0f);
}

TEST(SceneClock, ZeroFrequencyFallsBackToMilliseconds) {
  SceneClock clock;
  clock.start(0, 0, 0xFFFFFF00u);  // the tick count is about to wrap
  EXPECT_TRUE(clock.usesTicks());
  clock.tick(123456, 0xFFFFFF00u + 40u);
  EXPECT_FLOAT_EQ(clock.elapsedSeconds(), 0.04f);
  clock.tick(0, 0x00000100u);  // wrapped: 512 ms after the start
  EXPECT_FLOAT_EQ(clock.elapsedSeconds(), 0.512f);
  EXPECT_FLOAT_EQ(clock.frameDelta(), 0.472f);
}

TEST(WindowSize, ZeroNegativeAndHugeGiveDefault) {
  EXPECT_EQ(chooseScreenSide(0, 1024), 1024);
  EXPECT_EQ(chooseScreenSide(1280, 1024), 1280);
  EXPECT_EQ(chooseScreenSide(-1280, 1024), 1024);
  EXPECT_EQ(chooseScreenSide(16384, 768), 16384);
  EXPECT_EQ(chooseScreenSide(16385, 768), 768);
  EXPECT_EQ(chooseScreenSide(2147483647, 768), 768);
}

class WindowSizeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = ::testing::TempDir() + "vantrel_size_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name() +
            ".ini";
  }
  void TearDown() override { std::remove(path_.c_str()); }
  void write(const std::string& text) {
    std::ofstream(path_, std::ios::binary) << text;
  }
  std::string path_;
};

TEST_F(WindowSizeFile, MissingFileGivesDefaults) {
  const WindowSize size = readRendererSettings(path_).size;
  EXPECT_EQ(size.width, 1024);
  EXPECT_EQ(size.height, 768);
}

TEST_F(WindowSizeFile, LeadingBlankAndMissingKey) {
  write("[Settings]\r\nWidth= 1280\r\n");
  const WindowSize size = readRendererSettings(path_).size;
  EXPECT_EQ(size.width, 1280);
  EXPECT_EQ(size.height, 768);
}

TEST_F(WindowSizeFile, BadValuesGiveSaneSize) {
  write("[Settings]\r\nWidth=abc\r\nHeight=-600\r\n");
  WindowSize size = readRendererSettings(path_).size;
  EXPECT_EQ(size.width, 1024);
  EXPECT_EQ(size.height, 768);
  write("[Settings]\r\nWidth=" + std::string(300, '9') + "\r\nHeight=0\r\n");
  size = readRendererSettings(path_).size;
  EXPECT_EQ(size.width, 1024);
  EXPECT_EQ(size.height, 768);
  write(std::string("[Settings]\r\nWidth=\xff\xfe\x01\x80\r\nHeight=99999\r\n"));
  size = readRendererSettings(path_).size;
  EXPECT_EQ(size.width, 1024);
  EXPECT_EQ(size.height, 768);
  write("");
  size = readRendererSettings(path_).size;
  EXPECT_EQ(size.width, 1024);
}

TEST_F(WindowSizeFile, MaxFramesPerSecondOrNone) {
  write("[Settings]\r\nWidth= 1280\r\nMaxFramesPerSecond= 30\r\n");
  EXPECT_EQ(readRendererSettings(path_).maxFramesPerSecond, 30);
  for (const char* bad : {"9", "241", "-30", "abc", "", "99999999999"}) {
    write(std::string("[Settings]\r\nMaxFramesPerSecond=") + bad + "\r\n");
    EXPECT_EQ(readRendererSettings(path_).maxFramesPerSecond, 0) << bad;
  }
  write("[Settings]\r\nMaxFramesPerSecond=240\r\n");
  EXPECT_EQ(readRendererSettings(path_).maxFramesPerSecond, 240);
  write("[Settings]\r\nMaxFramesPerSecond=10\r\n");
  EXPECT_EQ(readRendererSettings(path_).maxFramesPerSecond, 10);
}

TEST(Bmp24, HeaderAndPaddedBottomUpRows) {
  // 2 x 2: bottom row red, green; top row blue, white.
  const std::vector<std::uint8_t> rgb = {255, 0, 0, 0, 255, 0,
                                         0, 0, 255, 255, 255, 255};
  const std::vector<std::uint8_t> bmp = encodeBmp24(2, 2, rgb);
  ASSERT_EQ(bmp.size(), 54u + 8u * 2u);  // 6 bytes of pixels padded to 8
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(bmp[2], 70);
  EXPECT_EQ(bmp[10], 54);
  EXPECT_EQ(bmp[18], 2);
  EXPECT_EQ(bmp[22], 2);
  EXPECT_EQ(bmp[28], 24);
  EXPECT_EQ(bmp[54], 0);  // first pixel, stored blue, green, red
  EXPECT_EQ(bmp[56], 255);
  EXPECT_EQ(bmp[57 + 1], 255);  // second pixel green
  EXPECT_EQ(bmp[60], 0);        // padding
  EXPECT_EQ(bmp[62], 255);      // top row first pixel blue
  EXPECT_TRUE(encodeBmp24(3, 3, rgb).empty());  // too little data
}

}  // namespace
}  // namespace vantrel
