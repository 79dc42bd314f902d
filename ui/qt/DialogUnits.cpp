#include "ui/qt/DialogUnits.h"

#include <QApplication>
#include <QFontMetrics>

namespace ui::qt {

QFont DialogFont() {
  QFont font = QApplication::font();
  font.setPointSize(8);
  return font;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  // The average width of the 52 letters, rounded, as the dialog manager measures it.
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  charWidth_ = (letters / 26 + 1) / 2;
  charHeight_ = metrics.height();
}

int DialogUnits::Scale(int units, int base, int divisor) {
  // Rounds half away from zero, as the dialog manager's MulDiv does.
  const long product = static_cast<long>(units) * base;
  const long half = divisor / 2;
  return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

QRect DialogUnits::ToPixels(const Rect& rect) const {
  const int left = x(rect.x);
  const int top = y(rect.y);
  return QRect(left, top, x(rect.x + rect.width) - left, y(rect.y + rect.height) - top);
}

QSize DialogUnits::ToPixels(const Size& size) const {
  return QSize(x(size.width), y(size.height));
}

}  // namespace ui::qt
