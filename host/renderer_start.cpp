#include "host/renderer_start.h"

namespace vantrel {

bool startRendererProcess(RendererStarter& starter, const std::wstring& program) {
  starter.allowForeground();
  return starter.startProcess(program, L"\"" + program + L"\"");
}

}  // namespace vantrel
