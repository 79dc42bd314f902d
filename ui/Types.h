#pragma once
// Plain value types of the toolkit model.

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

// A rectangle in dialog units, as a dialog template holds it.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// A colour as the programs store it: red in the lowest byte, then green, then blue.
// kSystemColor stands for the system's own colour of the element (-1 in the programs).
using Color = std::int32_t;
inline constexpr Color kSystemColor = -1;
constexpr Color Rgb(int red, int green, int blue) {
  return red | (green << 8) | (blue << 16);
}
constexpr int RedOf(Color c) {
  return c & 0xFF;
}
constexpr int GreenOf(Color c) {
  return (c >> 8) & 0xFF;
}
constexpr int BlueOf(Color c) {
  return (c >> 16) & 0xFF;
}

// A bitmap of the programs' resources: rows of 0x00RRGGBB pixels, top row first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// A key press as the dialog sees it. Printable characters carry their code (as in the forms
// toolkit's KeyAscii); the other keys have codes above 255. Setting `code` to 0 drops the key.
struct Key {
  int code = 0;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;

  static constexpr int kNone = 0;
  static constexpr int kBackspace = 8;
  static constexpr int kTab = 9;
  static constexpr int kEnter = 13;
  static constexpr int kEscape = 27;
  static constexpr int kDelete = 256 + 46;
  static constexpr int kLeft = 256 + 37;
  static constexpr int kRight = 256 + 39;
  static constexpr int kUp = 256 + 38;
  static constexpr int kDown = 256 + 40;
  static constexpr int kHome = 256 + 36;
  static constexpr int kEnd = 256 + 35;
  static constexpr int kF1 = 256 + 112;

  bool dropped() const { return code == kNone; }
  bool printable() const { return code >= 32 && code < 256 && code != 127; }
  char character() const { return static_cast<char>(code); }
  static Key Char(char c) { return Key{static_cast<unsigned char>(c)}; }
};

}  // namespace ui
