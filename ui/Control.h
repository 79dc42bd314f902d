#pragma once
// One control of a dialog: its id (or name, for the forms of the calculator), its kind and its
// state. Logic reads and writes controls through these setters; each setter tells the dialog,
// which fires the control's events and keeps a renderer in step.

#include <string>
#include <string_view>
#include <vector>

#include "ui/Types.h"

namespace ui {

class Dialog;

enum class ControlKind {
  Label,
  Edit,
  MultiLineEdit,
  MaskedEdit,
  ComboBox,  // a drop-down list: the user picks one of its items
  ListBox,
  CheckBox,
  RadioButton,
  PushButton,
  GroupBox,  // also the frames of the forms toolkit: disabling one disables what it holds
  ProgressBar,
  IpAddress,  // four numbers, dotted text: ui/IpAddress.h
  ScrollBar,
  Picture,
};

// What a setter changed, for a renderer that mirrors the model.
enum class ControlProperty {
  Text,
  Enabled,
  Visible,
  Checked,
  Items,
  Selection,
  TextSelection,
  MaxLength,
  Colors,
  Range,
  Position,
  Tip,
  Mask,
  ReadOnly,
  Image,  // a picture control's bitmap
};

// Fixed properties that a dialog template gives a control.
struct ControlStyle {
  bool upperCase = false;   // typed letters become capitals
  bool digitsOnly = false;  // only the digits 0 to 9 can be typed
  bool password = false;    // characters are shown masked
  bool readOnly = false;
  bool sorted = false;      // combo and list items are kept in order, without regard to case
  bool wantReturn = false;  // a multi-line box takes Enter as a line break
  bool rightAligned = false;
  bool defaultButton = false;
  bool tabStop = true;
  int group = 0;  // radio buttons of one group exclude each other
};

class Control {
 public:
  Control(Dialog& owner, ControlKind kind, int id, std::string name, Rect rect, std::string text,
          ControlStyle style);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Dialog& dialog() const { return owner_; }
  ControlKind kind() const { return kind_; }
  int id() const { return id_; }
  const std::string& name() const { return name_; }
  const Rect& rect() const { return rect_; }
  const ControlStyle& style() const { return style_; }
  bool isBox() const;  // takes text from the keyboard
  bool canTakeFocus() const;

  // Text. Every change fires the change event, whoever makes it.
  const std::string& text() const { return text_; }
  void SetText(std::string_view text);
  int maxLength() const { return maxLength_; }  // 0: no limit
  void SetMaxLength(int limit);
  // The selected part of the text (also the caret when the length is 0).
  int selectionStart() const { return selStart_; }
  int selectionLength() const { return selLength_; }
  void SetTextSelection(int start, int length);
  void SelectAllText() { SetTextSelection(0, static_cast<int>(text_.size())); }

  // Enabled and visible. A control inside a disabled group box counts as disabled.
  bool enabled() const { return enabled_; }
  bool isEffectivelyEnabled() const;
  void SetEnabled(bool enabled);
  bool visible() const { return visible_; }
  void SetVisible(bool visible);
  bool readOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // The group box that holds this control (0: none).
  int container() const { return container_; }
  void SetContainer(int groupBoxId) { container_ = groupBoxId; }

  // Check boxes and radio buttons. Checking a radio button clears the others of its group.
  bool checked() const { return checked_; }
  void SetChecked(bool checked);

  // Combo and list boxes. A combo box's text is the text of its selected item.
  const std::vector<std::string>& items() const { return items_; }
  int AddItem(std::string_view item);  // answers the position it took
  void ClearItems();
  int selection() const { return selection_; }  // -1: none
  void SetSelection(int index);
  int FindItemExact(std::string_view item) const;  // without regard to case; -1 if absent

  // Colours (labels: text and background; boxes: background).
  Color textColor() const { return textColor_; }
  Color backColor() const { return backColor_; }
  void SetTextColor(Color c);
  void SetBackColor(Color c);

  // Scroll bars and progress bars.
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int position() const { return position_; }
  void SetRange(int minimum, int maximum);
  void SetPosition(int position);  // a scroll bar fires its scroll event when it moves

  // Masked edit boxes: "#" stands for a digit; every other mask character is a literal. While
  // the mask holds a "#", the text shows the prompt character in each empty digit place.
  const std::string& mask() const { return mask_; }
  char promptChar() const { return prompt_; }
  void SetMask(std::string_view mask);

  // Picture controls: the bitmap they show.
  const Picture& picture() const { return picture_; }
  void SetPicture(Picture picture);

  const std::string& tip() const { return tip_; }
  void SetTip(std::string_view tip);
  // The text a screen reader announces: the box's label.
  const std::string& accessibleName() const { return accessibleName_; }
  void SetAccessibleName(std::string_view name) { accessibleName_ = std::string(name); }

 private:
  void Changed(ControlProperty what);

  Dialog& owner_;
  ControlKind kind_;
  int id_;
  std::string name_;
  Rect rect_;
  ControlStyle style_;
  std::string text_;
  int maxLength_ = 0;
  int selStart_ = 0;
  int selLength_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool readOnly_ = false;
  int container_ = 0;
  bool checked_ = false;
  std::vector<std::string> items_;
  int selection_ = -1;
  Color textColor_ = kSystemColor;
  Color backColor_ = kSystemColor;
  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
  std::string mask_;
  char prompt_ = '_';
  Picture picture_;
  std::string tip_;
  std::string accessibleName_;
};

}  // namespace ui
