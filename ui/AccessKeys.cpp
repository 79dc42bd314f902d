#include "ui/AccessKeys.h"

#include <cctype>

namespace ui {
namespace {

char Folded(char c) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool TakesAccessKey(const Control& c) {
  return c.kind() == ControlKind::PushButton || c.kind() == ControlKind::CheckBox ||
         c.kind() == ControlKind::RadioButton;
}

}  // namespace

char AccessKeyOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1];
    ++i;  // "&&" shows one "&"
  }
  return 0;
}

bool PressAccessKey(Dialog& dialog, Key& key) {
  if (!key.alt || !key.printable()) return false;
  const char wanted = Folded(key.character());
  key.code = Key::kNone;  // Alt and a letter is a command, never a typed character
  for (const auto& c : dialog.controls()) {
    if (!TakesAccessKey(*c) || !c->visible() || !c->isEffectivelyEnabled()) continue;
    const char marked = AccessKeyOf(c->text());
    if (marked == 0 || Folded(marked) != wanted) continue;
    dialog.Click(c->id());
    return true;
  }
  return false;
}

}  // namespace ui
