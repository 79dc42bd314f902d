#include "ui/qt/KeyMapping.h"

#include <cctype>

namespace ui::qt {
namespace {

constexpr int kVirtualKeyBase = 256;

// Virtual-key codes of the keys that carry no character.
int VirtualKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    default:
      break;
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
  return 0;
}

Key WithModifiers(int code, Qt::KeyboardModifiers modifiers) {
  return Key{code, modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
             modifiers.testFlag(Qt::AltModifier)};
}

KeyIntent Single(Key key) {
  return KeyIntent{KeyIntent::Kind::Keys, {key}, 0};
}

KeyIntent Of(KeyIntent::Kind kind) {
  return KeyIntent{kind, {}, 0};
}

}  // namespace

KeyIntent Interpret(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  const bool shift = mods.testFlag(Qt::ShiftModifier);
  const bool ctrl = mods.testFlag(Qt::ControlModifier);
  const bool alt = mods.testFlag(Qt::AltModifier);
  const int qtKey = event.key();

  switch (qtKey) {
    case Qt::Key_Tab:
      return Single(WithModifiers(Key::kTab, mods));
    case Qt::Key_Backtab:
      return Single(WithModifiers(Key::kTab, mods | Qt::ShiftModifier));
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Single(WithModifiers(Key::kEnter, mods));
    case Qt::Key_Escape:
      return Single(WithModifiers(Key::kEscape, mods));
    case Qt::Key_Backspace:
      return Single(WithModifiers(Key::kBackspace, mods));
    case Qt::Key_Insert:
      if (ctrl) return Of(KeyIntent::Kind::Copy);
      if (shift) return Of(KeyIntent::Kind::Paste);
      break;
    case Qt::Key_Delete:
      if (shift) return Of(KeyIntent::Kind::Cut);
      break;
    default:
      break;
  }
  if (const int vk = VirtualKey(qtKey)) return Single(WithModifiers(kVirtualKeyBase + vk, mods));

  if (ctrl && !alt) {
    switch (qtKey) {
      case Qt::Key_C:
        return Of(KeyIntent::Kind::Copy);
      case Qt::Key_X:
        return Of(KeyIntent::Kind::Cut);
      case Qt::Key_V:
        return Of(KeyIntent::Kind::Paste);
      default:
        return {};  // other control letters edit nothing
    }
  }
  if (alt && !ctrl) {
    const bool letter = qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
    const bool digit = qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9;
    if (!letter && !digit) return {};
    const char c = letter ? static_cast<char>('a' + (qtKey - Qt::Key_A))
                          : static_cast<char>('0' + (qtKey - Qt::Key_0));
    return KeyIntent{KeyIntent::Kind::AccessKey, {}, c};
  }

  KeyIntent typed{KeyIntent::Kind::Keys, {}, 0};
  for (const QChar c : event.text()) {
    const char16_t code = c.unicode();
    if (code >= 32 && code < 256 && code != 127) typed.keys.push_back(WithModifiers(code, mods));
  }
  if (typed.keys.empty()) return {};
  return typed;
}

}  // namespace ui::qt
