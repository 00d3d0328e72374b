// The renderer's start over the real platform.
#pragma once

#include <windows.h>

#include <string>

#include "host/renderer_start.h"

namespace vantrel {

// The renderer program beside the host: its folder followed by "\Vantrel.dll".
std::wstring rendererProgram();

// RendererStarter over AllowSetForegroundWindow and CreateProcessW; keeps
// the started process's handle.
class Win32RendererStarter : public RendererStarter {
 public:
  Win32RendererStarter() = default;
  ~Win32RendererStarter() override;
  Win32RendererStarter(const Win32RendererStarter&) = delete;
  Win32RendererStarter& operator=(const Win32RendererStarter&) = delete;

  void allowForeground() override;
  bool startProcess(const std::wstring& program, const std::wstring& commandLine) override;
  // The started process; nullptr when none started.
  HANDLE process() const { return process_; }

 private:
  HANDLE process_ = nullptr;
};

}  // namespace vantrel
