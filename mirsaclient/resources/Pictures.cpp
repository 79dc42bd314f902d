#include "mirsaclient/resources/Pictures.h"

#include <cstdlib>

namespace mirsa {
namespace {

constexpr std::uint32_t Pixel(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
         static_cast<std::uint32_t>(b);
}

// A bank's front on a blue field: a pediment, six columns, steps and a plinth.
ui::Picture DrawMainPicture() {
  ui::Picture p{kMainPictureWidth, kMainPictureHeight, {}};
  p.pixels.resize(static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height));
  auto at = [&](int x, int y) -> std::uint32_t& {
    return p.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) +
                    static_cast<std::size_t>(x)];
  };
  const std::uint32_t stone = Pixel(236, 232, 220);
  const std::uint32_t shade = Pixel(190, 184, 168);
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) at(x, y) = Pixel(20, 46 + y / 6, 96 + y / 3);
  }
  auto box = [&](int x0, int y0, int x1, int y1, std::uint32_t c) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) at(x, y) = c;
  };
  const int cx = p.width / 2;
  for (int y = 40; y < 92; ++y) {  // pediment
    const int half = (y - 40) * 120 / 52;
    for (int x = cx - half; x <= cx + half; ++x) at(x, y) = (y > 86) ? shade : stone;
  }
  box(cx - 124, 92, cx + 125, 102, shade);  // entablature
  for (int i = 0; i < 6; ++i) {             // columns
    const int x0 = cx - 110 + i * 42;
    box(x0, 102, x0 + 20, 196, stone);
    box(x0 + 14, 102, x0 + 20, 196, shade);
  }
  box(cx - 130, 196, cx + 131, 206, stone);  // steps
  box(cx - 140, 206, cx + 141, 216, shade);
  box(cx - 150, 216, cx + 151, 226, stone);
  for (int y = 56; y < 80; ++y) {  // a round seal in the pediment
    for (int x = cx - 12; x <= cx + 12; ++x) {
      const int dx = x - cx, dy = y - 68;
      if (dx * dx + dy * dy <= 144) at(x, y) = Pixel(200, 150, 40);
    }
  }
  return p;
}

}  // namespace

const ui::Picture& MainPicture() {
  static const ui::Picture picture = DrawMainPicture();
  return picture;
}

}  // namespace mirsa
