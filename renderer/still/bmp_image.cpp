#include "renderer/still/bmp_image.h"

namespace vantrel {

namespace {
void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFFu);
  put16(out, v >> 16);
}
}  // namespace

std::vector<std::uint8_t> encodeBmp24(int width, int height,
                                      const std::vector<std::uint8_t>& rgb) {
  std::vector<std::uint8_t> out;
  if (width <= 0 || height <= 0 ||
      rgb.size() < static_cast<std::size_t>(width) * height * 3) {
    return out;
  }
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
  out.reserve(54 + imageBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, 54 + imageBytes);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);  // BITMAPINFOHEADER
  put32(out, static_cast<std::uint32_t>(width));
  put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);  // BI_RGB
  put32(out, imageBytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* src = &rgb[static_cast<std::size_t>(row) * width * 3];
    for (int col = 0; col < width; ++col) {
      out.push_back(src[col * 3 + 2]);  // BMP stores blue, green, red
      out.push_back(src[col * 3 + 1]);
      out.push_back(src[col * 3 + 0]);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad)
      out.push_back(0);
  }
  return out;
}

}  // namespace vantrel
