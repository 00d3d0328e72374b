#pragma once
// The renderer's run-time settings and their keyboard and growth rules.
// Pure: the window procedure and the message loop apply the results.

namespace vantrel {

// The keys the renderer reacts to; each platform maps its own codes onto
// them, and every other key is Other.
enum class SceneKey { Other, Escape, Left, Up, Right, Down };

// A window's client area in pixels, as the platform reports it.
struct ViewSize {
  int width = 0;
  int height = 0;
};

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
KeyResult handleKey(RendererState& state, SceneKey key);

// Automatic growth adds a star every 11/60 s of active running.
constexpr double kSixtiethsPerStar = 11.0;

// One active frame of automatic growth, `sixtieths` long (sixtiethsIn: a
// long step counts as a short one, so a resume adds no burst): a star for
// every kSixtiethsPerStar grown, and the step past kStarPoolSize starts again
// from 0. At steps of exactly 1, every 11th call adds a star.
void stepStarGrowth(RendererState& state, double& grownSixtieths,
                    double sixtieths = 1.0);

// The window's new client size; a height of 0 becomes 1 so the projection
// never has an empty range.
void applyClientSize(RendererState& state, ViewSize size);

}  // namespace vantrel
