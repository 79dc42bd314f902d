#include "ui/Control.h"

#include <algorithm>

#include "ui/Dialog.h"
#include "ui/IpAddress.h"
#include "ui/TextCase.h"

namespace ui {

Control::Control(Dialog& owner, ControlKind kind, int id, std::string name, Rect rect,
                 std::string text, ControlStyle style)
    : owner_(owner),
      kind_(kind),
      id_(id),
      name_(std::move(name)),
      rect_(rect),
      style_(style),
      text_(kind == ControlKind::IpAddress ? NormalizeIpAddress(text) : std::move(text)),
      readOnly_(style.readOnly) {}

bool Control::isBox() const {
  switch (kind_) {
    case ControlKind::Edit:
    case ControlKind::MultiLineEdit:
    case ControlKind::MaskedEdit:
    case ControlKind::IpAddress:
      return true;
    default:
      return false;
  }
}

bool Control::canTakeFocus() const {
  switch (kind_) {
    case ControlKind::Label:
    case ControlKind::GroupBox:
    case ControlKind::ProgressBar:
    case ControlKind::Picture:
      return false;
    default:
      return visible_ && isEffectivelyEnabled();
  }
}

void Control::Changed(ControlProperty what) {
  owner_.ControlChanged(*this, what);
}

void Control::SetText(std::string_view text) {
  // An address control holds its text in the dotted form of its four fields.
  const std::string next =
      kind_ == ControlKind::IpAddress ? NormalizeIpAddress(text) : std::string(text);
  if (text_ == next) return;
  text_ = next;
  selStart_ = std::min<int>(selStart_, static_cast<int>(text_.size()));
  selLength_ = 0;
  if (kind_ == ControlKind::ComboBox || kind_ == ControlKind::ListBox) {
    selection_ = FindItemExact(text_);
    Changed(ControlProperty::Selection);
  }
  Changed(ControlProperty::Text);
}

void Control::SetMaxLength(int limit) {
  maxLength_ = std::max(0, limit);
  Changed(ControlProperty::MaxLength);
}

void Control::SetTextSelection(int start, int length) {
  const int size = static_cast<int>(text_.size());
  selStart_ = std::clamp(start, 0, size);
  selLength_ = std::clamp(length, 0, size - selStart_);
  Changed(ControlProperty::TextSelection);
}

bool Control::isEffectivelyEnabled() const {
  if (!enabled_) return false;
  for (int outer = container_; outer != 0;) {
    const Control* box = owner_.find(outer);
    if (!box) break;
    if (!box->enabled_) return false;
    outer = box->container_;
  }
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed(ControlProperty::Enabled);
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed(ControlProperty::Visible);
}

void Control::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  Changed(ControlProperty::ReadOnly);
}

void Control::SetChecked(bool checked) {
  if (checked && kind_ == ControlKind::RadioButton) {
    for (const auto& other : owner_.controls()) {
      if (other.get() != this && other->kind_ == ControlKind::RadioButton &&
          other->style_.group == style_.group && other->checked_) {
        other->checked_ = false;
        other->Changed(ControlProperty::Checked);
      }
    }
  }
  if (checked_ == checked) return;
  checked_ = checked;
  Changed(ControlProperty::Checked);
}

int Control::AddItem(std::string_view item) {
  auto at = items_.end();
  if (style_.sorted) {
    at = std::upper_bound(
        items_.begin(), items_.end(), item,
        [](std::string_view a, const std::string& b) { return LessIgnoringCase(a, b); });
  }
  const int index = static_cast<int>(at - items_.begin());
  items_.insert(at, std::string(item));
  if (selection_ >= index) ++selection_;
  Changed(ControlProperty::Items);
  return index;
}

void Control::ClearItems() {
  items_.clear();
  selection_ = -1;
  Changed(ControlProperty::Items);
  if (kind_ == ControlKind::ComboBox) SetText("");
}

void Control::SetSelection(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  selection_ = index;
  Changed(ControlProperty::Selection);
  if (kind_ == ControlKind::ComboBox || kind_ == ControlKind::ListBox) {
    const std::string chosen = index < 0 ? std::string() : items_[index];
    if (chosen != text_) {
      text_ = chosen;
      Changed(ControlProperty::Text);
    }
  }
}

int Control::FindItemExact(std::string_view item) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (EqualIgnoringCase(items_[i], item)) return static_cast<int>(i);
  }
  return -1;
}

void Control::SetTextColor(Color c) {
  textColor_ = c;
  Changed(ControlProperty::Colors);
}

void Control::SetBackColor(Color c) {
  backColor_ = c;
  Changed(ControlProperty::Colors);
}

void Control::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  Changed(ControlProperty::Range);
  if (position_ < minimum_ || position_ > maximum_)
    SetPosition(std::clamp(position_, minimum_, maximum_));
}

void Control::SetPosition(int position) {
  position = std::clamp(position, minimum_, maximum_);
  if (position_ == position) return;
  position_ = position;
  Changed(ControlProperty::Position);
}

void Control::SetMask(std::string_view mask) {
  mask_ = std::string(mask);
  Changed(ControlProperty::Mask);
  if (mask_.find('#') == std::string::npos) return;
  // A mask with digit places shows the empty prompt form.
  std::string empty = mask_;
  std::replace(empty.begin(), empty.end(), '#', prompt_);
  SetText(empty);
}

void Control::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  Changed(ControlProperty::Image);
}

void Control::SetTip(std::string_view tip) {
  tip_ = std::string(tip);
  Changed(ControlProperty::Tip);
}

}  // namespace ui
