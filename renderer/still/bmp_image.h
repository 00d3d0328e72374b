#pragma once
#include <cstdint>
#include <vector>

namespace vantrel {

// A 24-bit BMP file of width x height pixels from tightly packed RGB rows,
// bottom row first (the order glReadPixels delivers).
std::vector<std::uint8_t> encodeBmp24(int width, int height,
                                      const std::vector<std::uint8_t>& rgb);

}  // namespace vantrel
