#pragma once
// A colour label: a label control of a dialog whose text colour the program changes at run time,
// as the client's forms mark their mandatory fields. The colours live in the label control
// (Control::textColor, backColor), so a colour set while the dialog is hidden shows when it is
// shown, and a renderer repaints the label, background included, whenever they change.

#include "ui/Types.h"

namespace ui {

class Control;

class CColorLabel {
 public:
  // Attaches to a label control of a dialog that outlives this object; any other kind of
  // control is refused (std::invalid_argument). The label starts in the system's colours.
  explicit CColorLabel(Control& label);

  // A colour value (red in the lowest byte), or kSystemColor for the system's button-text
  // colour.
  void SetLabelTextColor(Color color);

  Color textColor() const;
  Color backColor() const;
  Control& label() const { return label_; }

 private:
  Control& label_;
};

}  // namespace ui
