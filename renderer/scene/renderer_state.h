#pragma once
// The renderer's run-time settings and their keyboard and growth rules.
// Pure: the window procedure and the message loop apply the results.

namespace vantrel {

// Virtual-key codes the renderer reacts to (the platform's VK_* values).
constexpr unsigned kKeyEscape = 0x1B;
constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyUp = 0x26;
constexpr unsigned kKeyRight = 0x27;
constexpr unsigned kKeyDown = 0x28;

constexpr int kStarPoolSize = 1000;
constexpr int kDefaultScreenWidth = 1024;
constexpr int kDefaultScreenHeight = 768;

// Fields in the order the renderer has always kept them. The pixel-format
// request that follows them lives with the WGL code (wgl_context.cpp), since
// this header stays free of windows.h.
struct RendererState {
  float speed = 10.0f;     // star-colour and ribbon time scale, 1 to 200
  int starCount = 50;      // live stars, 0 to kStarPoolSize
  int screenHeight = kDefaultScreenHeight;  // pixels
  int screenWidth = kDefaultScreenWidth;    // pixels
};

enum class KeyResult { None, Quit };

// Applies one key press to the state; Quit asks the caller to post the quit
// request.
KeyResult handleKey(RendererState& state, unsigned virtualKey);

// One active loop pass of automatic growth: every 11th call adds a star, and
// the step past kStarPoolSize starts again from 0.
void stepStarGrowth(RendererState& state, int& growthCounter);

// The size a WM_SIZE reports; a height of 0 becomes 1 so the projection
// never has an empty range.
void applyClientSize(RendererState& state, unsigned sizeParam);

}  // namespace vantrel
