#pragma once
// Readable ScreenRect values in test failures.
#include <ostream>

#include "renderer/windows/cover_layout.h"

namespace vantrel {

inline void PrintTo(const ScreenRect& rect, std::ostream* out) {
  *out << "(" << rect.left << "," << rect.top << ")-(" << rect.right << ","
       << rect.bottom << ")";
}

}  // namespace vantrel
