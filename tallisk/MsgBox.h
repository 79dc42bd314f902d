#pragma once
// The calculator's message boxes: a box that names no title of its own shows the program's
// title, "Tallisk", with an OK button.

#include <string_view>

#include "ui/MessageBox.h"
#include "ui/Toolkit.h"

namespace tallisk {

inline constexpr std::string_view kProgramTitle = "Tallisk";

inline ui::Answer MsgBox(ui::Toolkit& toolkit, std::string_view text,
                         std::string_view title = kProgramTitle,
                         ui::Buttons buttons = ui::Buttons::Ok, ui::Icon icon = ui::Icon::None) {
  return toolkit.MessageBox(text, title, buttons, icon);
}

}  // namespace tallisk
