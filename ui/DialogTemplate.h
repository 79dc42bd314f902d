#pragma once
// A dialog as a resource holds it: caption, size and controls in tab order, with their
// rectangles in dialog units.

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Types.h"

namespace ui {

struct ControlTemplate {
  ControlKind kind = ControlKind::Label;
  int id = 0;
  std::string name;  // the forms of the calculator address controls by name
  std::string text;
  Rect rect;
  ControlStyle style;
  int maxLength = 0;
  std::vector<std::string> items;
  int container = 0;  // the group box that holds the control
  std::string tip;
  std::string mask;  // masked edit boxes
};

struct DialogTemplate {
  int resourceId = 0;
  std::string caption;
  Size size;  // dialog units
  std::vector<ControlTemplate> controls;
  bool captionBar = true;
  bool verticalScrollBar = false;
};

// Control ids that the dialog framework gives its standard buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

}  // namespace ui
