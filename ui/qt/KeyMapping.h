#pragma once
// What a key press in a real window means to the model.

#include <QKeyEvent>
#include <vector>

#include "ui/Types.h"

namespace ui::qt {

struct KeyIntent {
  enum class Kind {
    Ignore,     // no meaning to the model (a modifier alone, a control-letter)
    Keys,       // key presses for Dialog::PressKey
    Copy,       // Ctrl+C, Ctrl+Insert
    Cut,        // Ctrl+X, Shift+Delete
    Paste,      // Ctrl+V, Shift+Insert
    AccessKey,  // Alt+letter or digit: the control whose text marks it with "&"
  };
  Kind kind = Kind::Ignore;
  std::vector<Key> keys;  // Kind::Keys
  char accessKey = 0;     // Kind::AccessKey, lower case
};

// Printable characters carry their code; other keys 256 plus their virtual-key code, the
// scheme of ui::Key's constants (Page Up is 256 + 33, F5 is 256 + 116).
KeyIntent Interpret(const QKeyEvent& event);

}  // namespace ui::qt
