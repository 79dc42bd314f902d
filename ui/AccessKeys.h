#pragma once
// Access keys of the forms toolkit: Alt and the letter marked with "&" in a button's caption
// ("&Add", "&Edit") presses that button. A form calls this from its key preview.

#include <string_view>

#include "ui/Dialog.h"
#include "ui/Types.h"

namespace ui {

// The letter that "&" marks in a caption ("&&" is a plain "&"); 0 when none is marked.
char AccessKeyOf(std::string_view caption);

// For Alt and a letter: drops the key (it types nothing) and clicks the visible, enabled push
// button, check box or radio button whose caption marks that letter (without regard to case);
// answers whether one was clicked.
bool PressAccessKey(Dialog& dialog, Key& key);

}  // namespace ui
