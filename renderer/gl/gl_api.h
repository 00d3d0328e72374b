#pragma once
// The platform's OpenGL 1.1 and GLU headers, for the drawing files both
// platforms share. Entry points beyond 1.1 are looked up at run time.
#if defined(_WIN32)
// NOTE: the Windows GL headers pull in windows.h unless these are defined;
// the values are the ones windows.h gives them. Platform files include
// windows.h before this header.
#ifndef APIENTRY
#define APIENTRY __stdcall
#endif
#ifndef WINGDIAPI
#define WINGDIAPI __declspec(dllimport)
#endif
#ifndef CALLBACK
#define CALLBACK __stdcall
#endif
#endif
#include <GL/gl.h>
#include <GL/glu.h>

namespace vantrel {

// Looks up an OpenGL entry point by name (wglGetProcAddress or
// glXGetProcAddress); nullptr when the driver lacks it.
using GlProcLookup = void* (*)(const char* name);

}  // namespace vantrel
