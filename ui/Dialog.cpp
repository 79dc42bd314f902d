#include "ui/Dialog.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "ui/IpAddress.h"
#include "ui/Toolkit.h"

namespace ui {
namespace {

// Synthetic ids of controls that a form addresses by name only.
constexpr int kFirstNamedControlId = 100000;

std::string LabelAsName(std::string_view label) {
  std::string name;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label[i] == '&' && i + 1 < label.size() && label[i + 1] != '&') continue;
    name.push_back(label[i]);
  }
  const auto first = name.find_first_not_of(' ');
  const auto last = name.find_last_not_of(' ');
  return first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
}

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// A line break of a multi-line box is CR LF and moves and deletes as one character.
int CharWidthBefore(const std::string& text, int at) {
  if (at <= 0) return 0;
  return at >= 2 && text.compare(static_cast<std::size_t>(at - 2), 2, "\r\n") == 0 ? 2 : 1;
}

int CharWidthAt(const std::string& text, int at) {
  if (at >= static_cast<int>(text.size())) return 0;
  return text.compare(static_cast<std::size_t>(at), 2, "\r\n") == 0 ? 2 : 1;
}

}  // namespace

Dialog::Dialog(Toolkit& toolkit, DialogTemplate layout)
    : toolkit_(toolkit), layout_(std::move(layout)), caption_(layout_.caption) {
  int nextNamedId = kFirstNamedControlId;
  std::string lastLabel;
  for (const ControlTemplate& t : layout_.controls) {
    const int id = t.id != 0 ? t.id : nextNamedId++;
    auto control = std::make_unique<Control>(*this, t.kind, id, t.name, t.rect, t.text, t.style);
    control->SetContainer(t.container);
    if (t.maxLength > 0) control->SetMaxLength(t.maxLength);
    for (const std::string& item : t.items) control->AddItem(item);
    if (!t.tip.empty()) control->SetTip(t.tip);
    if (t.style.defaultButton) defaultButton_ = id;
    if (t.kind == ControlKind::Label) {
      lastLabel = LabelAsName(t.text);
    } else if (t.kind != ControlKind::GroupBox) {
      control->SetAccessibleName(control->isBox() || t.kind == ControlKind::ComboBox ||
                                         t.kind == ControlKind::ListBox
                                     ? lastLabel
                                     : LabelAsName(t.text));
    }
    controls_.push_back(std::move(control));
    if (!t.mask.empty()) controls_.back()->SetMask(t.mask);
  }
}

Dialog::~Dialog() {
  toolkit_.Forget(*this);
  toolkit_.backend().DestroyWindow(*this);
}

void Dialog::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  if (observer_) observer_->CaptionChanged();
}

Control* Dialog::find(int id) const {
  for (const auto& c : controls_)
    if (c->id() == id) return c.get();
  return nullptr;
}

Control* Dialog::find(std::string_view name) const {
  for (const auto& c : controls_)
    if (c->name() == name) return c.get();
  return nullptr;
}

Control& Dialog::control(int id) const {
  if (Control* c = find(id)) return *c;
  throw std::out_of_range("dialog " + std::to_string(resourceId()) + " has no control " +
                          std::to_string(id));
}

Control& Dialog::control(std::string_view name) const {
  if (Control* c = find(name)) return *c;
  throw std::out_of_range("form '" + caption_ + "' has no control " + std::string(name));
}

void Dialog::SetTabOrder(const std::vector<int>& ids) {
  std::vector<std::unique_ptr<Control>> ordered;
  for (int id : ids) {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [id](const auto& c) { return c && c->id() == id; });
    if (it == controls_.end())
      throw std::out_of_range("tab order names no control " + std::to_string(id));
    ordered.push_back(std::move(*it));
  }
  for (auto& rest : controls_)
    if (rest) ordered.push_back(std::move(rest));
  controls_ = std::move(ordered);
}

void Dialog::On(int id, Event event, Handler handler) {
  handlers_[{id, event}].push_back(std::move(handler));
}

void Dialog::On(std::string_view name, Event event, Handler handler) {
  On(control(name).id(), event, std::move(handler));
}

void Dialog::OnValidate(int id, std::function<bool()> handler) {
  validators_[id] = std::move(handler);
}

void Dialog::OnKey(int id, std::function<void(Key&)> handler) {
  keyHandlers_[id] = std::move(handler);
}

void Dialog::SetKeyPreview(std::function<void(Control*, Key&)> preview) {
  keyPreview_ = std::move(preview);
}

void Dialog::SetDefaultButton(int id) {
  defaultButton_ = id;
}

void Dialog::ControlChanged(Control& control, ControlProperty what) {
  if (observer_) observer_->ControlChanged(control, what);
  if (what == ControlProperty::Text) Fire(control, Event::Change);
  if (what == ControlProperty::Position && control.kind() == ControlKind::ScrollBar)
    Fire(control, Event::Scroll);
}

void Dialog::Fire(Control& control, Event event) {
  auto it = handlers_.find({control.id(), event});
  if (it == handlers_.end()) return;
  const std::vector<Handler> handlers = it->second;  // a handler may register others
  for (const Handler& h : handlers) h();
}

bool Dialog::Validate(Control& control) {
  auto it = validators_.find(control.id());
  return it == validators_.end() || it->second();
}

// Focus: rules 2 to 4 of the contract.
void Dialog::SetFocus(int id) {
  SetFocus(control(id));
}

void Dialog::SetFocus(Control& next) {
  if (openBoxes_ > 0 || holder_ == &next) {
    target_ = &next;
    return;
  }
  if (holder_ && !Validate(*holder_)) return;
  target_ = &next;
  if (Control* old = holder_) {
    holder_ = nullptr;
    if (observer_) observer_->FocusChanged(nullptr);
    Fire(*old, Event::FocusOut);
    if (target_ != &next || holder_ != nullptr || openBoxes_ > 0) return;
  }
  holder_ = &next;
  if (observer_) observer_->FocusChanged(holder_);
  Fire(next, Event::FocusIn);
}

void Dialog::MessageBoxOpening() {
  if (!boxesMoveFocus_) return;
  if (++openBoxes_ != 1 || holder_ == nullptr) return;
  Control* old = holder_;
  target_ = old;
  holder_ = nullptr;
  if (observer_) observer_->FocusChanged(nullptr);
  Fire(*old, Event::FocusOut);
}

void Dialog::MessageBoxClosed() {
  if (!boxesMoveFocus_) return;
  if (--openBoxes_ != 0 || holder_ != nullptr || target_ == nullptr) return;
  if (!created_ || !target_->canTakeFocus()) return;
  holder_ = target_;
  if (observer_) observer_->FocusChanged(holder_);
  Fire(*holder_, Event::FocusIn);
}

void Dialog::Activated() {
  if (created_) OnActivate();
}

Control* Dialog::NextTabStop(Control* from, bool backward) const {
  const int n = static_cast<int>(controls_.size());
  if (n == 0) return nullptr;
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (controls_[i].get() == from) start = i;
  auto eligible = [this](const Control& c) {
    if (!c.canTakeFocus() || !c.style().tabStop) return false;
    if (c.kind() != ControlKind::RadioButton || c.checked()) return true;
    // Tab lands on the checked button of a radio group, or on its first when none is checked.
    for (const auto& other : controls_) {
      if (other->kind() == ControlKind::RadioButton && other->style().group == c.style().group) {
        if (other->checked()) return false;
      }
    }
    for (const auto& other : controls_) {
      if (other->kind() == ControlKind::RadioButton && other->style().group == c.style().group &&
          other->canTakeFocus())
        return other.get() == &c;
    }
    return false;
  };
  for (int step = 1; step <= n; ++step) {
    const int i = backward ? ((start < 0 ? n : start) - step + 2 * n) % n : (start + step + n) % n;
    if (eligible(*controls_[i])) return controls_[i].get();
  }
  return nullptr;
}

void Dialog::Tab(bool backward) {
  Control* next = NextTabStop(holder_ ? holder_ : target_, backward);
  if (!next) return;
  SetFocus(*next);
  // Tabbing into a box selects its whole text, as the dialog framework does.
  if (holder_ == next && next->isBox()) next->SelectAllText();
}

void Dialog::Command(int id) {
  auto it = handlers_.find({id, Event::Click});
  if (it != handlers_.end()) {
    Fire(control(id), Event::Click);
  } else if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  }
}

void Dialog::PressKey(Key key) {
  if (!modal_) toolkit_.Activate(*this);
  Control* focused = holder_;
  if (keyPreview_) keyPreview_(focused, key);
  if (key.dropped()) return;
  if (focused) {
    auto it = keyHandlers_.find(focused->id());
    if (it != keyHandlers_.end()) it->second(key);
    if (key.dropped()) return;
  }
  switch (key.code) {
    case Key::kTab:
      Tab(key.shift);
      return;
    case Key::kEnter: {
      if (focused && focused->kind() == ControlKind::MultiLineEdit && focused->style().wantReturn) {
        EditText(*focused, key);
        return;
      }
      if (focused && focused->kind() == ControlKind::PushButton) {
        Command(focused->id());
        return;
      }
      Control* button = find(defaultButton_);
      if (!button || (button->visible() && button->isEffectivelyEnabled())) Command(defaultButton_);
      return;
    }
    case Key::kEscape: {
      Control* button = find(cancelButton_);
      if (!button || button->isEffectivelyEnabled()) Command(cancelButton_);
      return;
    }
    default:
      break;
  }
  if (!focused || !focused->isEffectivelyEnabled()) return;
  if (focused->kind() == ControlKind::MaskedEdit) {
    EditMasked(*focused, key);
  } else if (focused->kind() == ControlKind::IpAddress) {
    EditIpAddress(*focused, key);
  } else if (focused->isBox()) {
    EditText(*focused, key);
  } else if (key.code == ' ' && focused->kind() != ControlKind::ComboBox &&
             focused->kind() != ControlKind::ListBox && focused->kind() != ControlKind::ScrollBar) {
    Click(focused->id());
  }
}

void Dialog::TypeText(std::string_view text) {
  for (char c : text) PressKey(c == '\n' ? Key{Key::kEnter} : Key::Char(c));
}

void Dialog::EditText(Control& box, const Key& key) {
  if (box.readOnly()) return;
  std::string text = box.text();
  int start = box.selectionStart();
  int length = box.selectionLength();
  auto replace = [&](std::string_view with) {
    std::string next = text.substr(0, start) + std::string(with) + text.substr(start + length);
    if (box.maxLength() > 0 && static_cast<int>(next.size()) > box.maxLength()) return;
    box.SetText(next);
    box.SetTextSelection(start + static_cast<int>(with.size()), 0);
  };
  switch (key.code) {
    case Key::kBackspace:
      if (length == 0 && start > 0) {
        length = CharWidthBefore(text, start);
        start -= length;
      }
      if (length > 0) replace("");
      return;
    case Key::kDelete:
      if (length == 0) length = CharWidthAt(text, start);
      if (length > 0) replace("");
      return;
    case Key::kLeft:
      box.SetTextSelection(start - CharWidthBefore(text, start), 0);
      return;
    case Key::kRight:
      box.SetTextSelection(length > 0 ? start + length : start + CharWidthAt(text, start), 0);
      return;
    case Key::kHome:
      box.SetTextSelection(0, 0);
      return;
    case Key::kEnd:
      box.SetTextSelection(static_cast<int>(text.size()), 0);
      return;
    case Key::kEnter:
      replace("\r\n");
      return;
    default:
      break;
  }
  if (!key.printable()) return;
  char c = key.character();
  if (box.style().digitsOnly && !IsDigit(c)) return;
  if (box.style().upperCase) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  replace(std::string_view(&c, 1));
}

void Dialog::EditMasked(Control& box, const Key& key) {
  const std::string& mask = box.mask();
  std::string text = box.text();
  if (mask.find('#') == std::string::npos || text.size() != mask.size()) return;
  const char prompt = box.promptChar();
  if (box.selectionLength() == static_cast<int>(text.size()) && key.code != Key::kTab) {
    for (std::size_t i = 0; i < mask.size(); ++i)
      if (mask[i] == '#') text[i] = prompt;
  }
  if (key.code == Key::kBackspace) {
    for (std::size_t i = text.size(); i-- > 0;) {
      if (mask[i] == '#' && text[i] != prompt) {
        text[i] = prompt;
        box.SetText(text);
        box.SetTextSelection(static_cast<int>(i), 0);
        return;
      }
    }
    return;
  }
  if (!key.printable()) return;
  const std::size_t place = [&] {
    for (std::size_t i = 0; i < mask.size(); ++i)
      if (mask[i] == '#' && text[i] == prompt) return i;
    return std::string::npos;
  }();
  const char c = key.character();
  if (place != std::string::npos && IsDigit(c)) {
    text[place] = c;
    box.SetText(text);
    box.SetTextSelection(static_cast<int>(place) + 1, 0);
    return;
  }
  // Typing the literal that comes next is accepted silently; anything else is refused.
  const bool literalNext = place != std::string::npos && place > 0 && mask[place - 1] == c;
  if (!literalNext) Fire(box, Event::MaskRejected);
}

void Dialog::Click(int id) {
  Control& c = control(id);
  if (!c.visible() || !c.isEffectivelyEnabled()) return;
  if (!modal_) toolkit_.Activate(*this);
  if (c.canTakeFocus()) {
    SetFocus(c);
    if (holder_ != &c) return;  // the click was swallowed (contract rule 6)
    if (!c.isBox() && c.kind() != ControlKind::PushButton && c.kind() != ControlKind::CheckBox &&
        c.kind() != ControlKind::RadioButton)
      return;
  }
  if (c.isBox()) return;
  if (c.kind() == ControlKind::CheckBox) c.SetChecked(!c.checked());
  if (c.kind() == ControlKind::RadioButton) c.SetChecked(true);
  Command(id);
}

void Dialog::Choose(int id, int item) {
  Control& c = control(id);
  if (!c.visible() || !c.isEffectivelyEnabled()) return;
  SetFocus(c);
  if (holder_ != &c) return;
  c.SetSelection(item);
  Fire(c, Event::SelChange);
}

void Dialog::PasteText(int id, std::string_view pasted) {
  Control& box = control(id);
  if (!box.isEffectivelyEnabled() || box.readOnly()) return;
  SetFocus(box);
  if (holder_ != &box) return;
  const std::string& text = box.text();
  const int start = box.selectionStart();
  std::string with(pasted);
  if (box.maxLength() > 0) {
    const int room = box.maxLength() - static_cast<int>(text.size()) + box.selectionLength();
    with = with.substr(0, static_cast<std::size_t>(std::max(0, room)));
  }
  box.SetText(text.substr(0, start) + with + text.substr(start + box.selectionLength()));
  box.SetTextSelection(start + static_cast<int>(with.size()), 0);
}

void Dialog::Scroll(int id, int position) {
  Control& bar = control(id);
  if (bar.isEffectivelyEnabled()) bar.SetPosition(position);
}

void Dialog::Initialize() {
  created_ = true;
  ended_ = false;
  result_ = 0;
  const bool focusFirst = OnInitDialog();
  if (focusFirst && !ended_ && holder_ == nullptr) {
    if (Control* first = NextTabStop(nullptr, false)) SetFocus(*first);
  }
  if (modal_ && !ended_ && toolkit_.activeDialog() == this) OnActivate();
}

int Dialog::DoModal() {
  modal_ = true;
  toolkit_.Activate(*this);
  struct Finish {
    Dialog& d;
    ~Finish() {
      d.toolkit_.Forget(d);
      d.modal_ = false;
      d.shown_ = false;
      d.created_ = false;
      d.holder_ = d.target_ = nullptr;
    }
  } finish{*this};
  Initialize();
  if (!ended_) {
    shown_ = true;
    toolkit_.backend().RunModal(*this);
  }
  return result_;
}

void Dialog::Create() {
  modal_ = false;
  Initialize();
}

void Dialog::Show() {
  shown_ = true;
  toolkit_.Activate(*this);
  toolkit_.backend().ShowWindow(*this);
}

void Dialog::Hide() {
  shown_ = false;
  toolkit_.backend().HideWindow(*this);
}

void Dialog::Destroy() {
  toolkit_.Forget(*this);
  toolkit_.backend().DestroyWindow(*this);
  shown_ = false;
  created_ = false;
  holder_ = target_ = nullptr;
}

void Dialog::EndDialog(int result) {
  ended_ = true;
  result_ = result;
  if (modal_) {
    toolkit_.backend().EndModal(*this);
  } else {
    Hide();
  }
}

void Dialog::MoveWindow(Rect pixels) {
  windowRect_ = pixels;
  if (observer_) observer_->GeometryChanged();
}

}  // namespace ui
