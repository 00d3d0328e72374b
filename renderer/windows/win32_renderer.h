#pragma once
// The renderer program: its module state, OpenGL set-up, clock, frame step
// and message loop. Platform header.
#include <windows.h>

#include "renderer/gl/gl_trails.h"
#include "renderer/gl/measuring_switches.h"
#include "renderer/scene/scene.h"
#include "renderer/scene/star_pool.h"

namespace vantrel {

RendererState& rendererState();
Scene& rendererScene();
TrailKeeper& trailKeeper();
HWND mainWindow();
void setMainWindow(HWND window);

// OpenGL on the main window, the random seed, the star pool and the clock.
// Returns 0 when the star pool cannot be allocated (the program then ends),
// 1 otherwise, whether or not OpenGL could be set up.
int initRenderer();
int initOpenGL();
int setupPixelFormat();
// Viewport and projection for the current size, and black pictures; on
// WM_SIZE. Does nothing without a context.
void resetPixelProjection();
// One frame at the clock's time, on every window.
void runFrame();
// One frame at a chosen time (seconds): the main window drawn and swapped,
// then each scene window; runFrame's body.
void runFrameAt(double elapsedSeconds, float frameDelta);
void shutdownRenderer();
bool openGlReady();
// The one rendering context, which every scene window draws with too.
HGLRC sharedRenderingContext();
// Makes the context current on the main window again, with its projection.
void makeMainWindowCurrent();
const MeasuringSwitches& measuringSwitches();
// Whether scene windows get contexts of their own (VANTREL_SCENE_CONTEXT=own,
// to measure) rather than the shared one.
bool sceneContextsOwn();

// Lets tests make the star pool's allocation fail (nullptr: the default).
void setStarPoolAllocator(PoolAllocator allocate);

// Drains the queue and runs a frame per pass while the application is
// active, waits otherwise; returns the quit request's exit code.
int runMessageLoop();
// Frames run since the program started.
long long framesDrawn();

// The whole program: window, set-up, message loop, end. Returns the exit
// code.
int runRenderer(HINSTANCE instance);

}  // namespace vantrel
