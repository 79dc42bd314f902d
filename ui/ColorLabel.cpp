#include "ui/ColorLabel.h"

#include <stdexcept>
#include <string>

#include "ui/Control.h"

namespace ui {

CColorLabel::CColorLabel(Control& label) : label_(label) {
  if (label.kind() != ControlKind::Label)
    throw std::invalid_argument("control " + std::to_string(label.id()) + " is not a label");
}

void CColorLabel::SetLabelTextColor(Color color) {
  label_.SetTextColor(color);
}

Color CColorLabel::textColor() const {
  return label_.textColor();
}

Color CColorLabel::backColor() const {
  return label_.backColor();
}

}  // namespace ui
