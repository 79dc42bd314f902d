#include "ui/qt/QtText.h"

namespace ui::qt {

QImage ToImage(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() < static_cast<std::size_t>(picture.width) * picture.height)
    return {};
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width; ++x)
      line[x] = 0xFF000000u | picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
  }
  return image;
}

QString WithoutAccessKey(const QString& text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    plain.append(text[i]);
  }
  return plain;
}

}  // namespace ui::qt
