// Starting the renderer program: the order of the platform's two steps, over
// a narrow seam so it can be tested without starting anything.
#pragma once

#include <string>

namespace vantrel {

class RendererStarter {
 public:
  virtual ~RendererStarter() = default;
  // AllowSetForegroundWindow(ASFW_ANY).
  virtual void allowForeground() = 0;
  // CreateProcess of program with commandLine in a normal, activated window
  // (show mode 1); true when the process started.
  virtual bool startProcess(const std::wstring& program, const std::wstring& commandLine) = 0;
};

// Starts the renderer at program with no arguments (its quoted path is the
// whole command line). The foreground is released first: the renderer asks
// for it as soon as its window exists, which can be before any later call
// of the host would come.
bool startRendererProcess(RendererStarter& starter, const std::wstring& program);

}  // namespace vantrel
