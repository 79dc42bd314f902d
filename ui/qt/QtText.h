#pragma once
// Conversions between the model's plain values and Qt's.
//
// The model's text is single-byte text, as the programs' files hold it; it crosses into Qt as
// Latin-1, so that every byte survives the round trip and a key's code is its character.

#include <QColor>
#include <QImage>
#include <QString>
#include <string>
#include <string_view>

#include "ui/Types.h"

namespace ui::qt {

inline QString ToQt(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
  return text.toLatin1().toStdString();
}

inline QColor ToQt(Color color) {
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

// A bitmap of the resources (0x00RRGGBB pixels, top row first) as an opaque image.
QImage ToImage(const Picture& picture);

// The text without the "&" that marks an access key ("&&" stands for one "&").
QString WithoutAccessKey(const QString& text);

}  // namespace ui::qt
