#pragma once
// Dialog units to pixels, as the dialog manager converts a template's rectangles: one
// horizontal unit is a quarter of the dialog font's average character width, one vertical unit
// an eighth of its character height.

#include <QFont>
#include <QRect>
#include <QSize>

#include "ui/Types.h"

namespace ui::qt {

// The dialog font: the application's default sans-serif face at 8 points, the size the
// templates were laid out for (DejaVu Sans 8 where fonts-dejavu-core is installed).
QFont DialogFont();

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  int charWidth() const { return charWidth_; }
  int charHeight() const { return charHeight_; }
  int x(int units) const { return Scale(units, charWidth_, 4); }
  int y(int units) const { return Scale(units, charHeight_, 8); }
  QRect ToPixels(const Rect& rect) const;
  QSize ToPixels(const Size& size) const;

 private:
  static int Scale(int units, int base, int divisor);
  int charWidth_;
  int charHeight_;
};

}  // namespace ui::qt
