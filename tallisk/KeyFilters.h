#pragma once
// The keys that the calculator's boxes filter before a character reaches them: the forms
// toolkit shows a box's key filter the typed characters and Backspace only. Tab, Enter and
// Escape move the focus or press buttons, keys with Ctrl or Alt are commands and the other
// keys move the caret; none of these reach a filter.

#include <cctype>

#include "ui/Types.h"

namespace tallisk {

inline bool IsTypedCharacter(const ui::Key& key) {
  if (key.ctrl || key.alt) return false;
  if (key.code == ui::Key::kTab || key.code == ui::Key::kEnter || key.code == ui::Key::kEscape)
    return false;
  return key.code > 0 && key.code < 256;
}

inline bool IsDigitOrBackspace(const ui::Key& key) {
  return key.code == ui::Key::kBackspace ||
         (key.printable() && std::isdigit(static_cast<unsigned char>(key.character())) != 0);
}

}  // namespace tallisk
