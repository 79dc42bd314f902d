#include "ui/qt/DialogWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "ui/Toolkit.h"
#include "ui/qt/KeyMapping.h"
#include "ui/qt/QtBackend.h"
#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

// Keeps Qt's signals of the widgets from coming back into the model while it is mirrored.
class Syncing {
 public:
  explicit Syncing(int& depth) : depth_(depth) { ++depth_; }
  Syncing(const Syncing&) = delete;
  Syncing& operator=(const Syncing&) = delete;
  ~Syncing() { --depth_; }

 private:
  int& depth_;
};

bool IsButton(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::CheckBox ||
         kind == ControlKind::RadioButton;
}

bool TakesTextColour(ControlKind kind) {
  return kind != ControlKind::ProgressBar && kind != ControlKind::ScrollBar &&
         kind != ControlKind::Picture;
}

bool HasBase(const Control& c) {
  return c.isBox() || c.kind() == ControlKind::ComboBox || c.kind() == ControlKind::ListBox;
}

// A multi-line box's text breaks lines with CR LF; its widget with one character.
QString DisplayText(const std::string& text) {
  QString shown = ToQt(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

int ToDisplayOffset(const std::string& text, int offset) {
  const int size = static_cast<int>(text.size());
  int shown = 0;
  for (int i = 0; i < offset && i < size; ++i) {
    if (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n') {
      if (i + 1 >= offset) break;  // between CR and LF: before the break
      ++i;
    }
    ++shown;
  }
  return shown;
}

int FromDisplayOffset(const std::string& text, int shown) {
  const int size = static_cast<int>(text.size());
  int offset = 0;
  for (int n = 0; n < shown && offset < size; ++n) {
    const bool lineBreak = text[offset] == '\r' && offset + 1 < size && text[offset + 1] == '\n';
    offset += lineBreak ? 2 : 1;
  }
  return offset;
}

// The lower-case access key that "&" marks in a control's text, or 0.
char AccessKeyOf(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
  }
  return 0;
}

QString ObjectNameOf(const Control& c) {
  return c.name().empty() ? QString::number(c.id()) : ToQt(c.name());
}

}  // namespace

DialogWindow::DialogWindow(QtBackend& backend, Dialog& dialog)
    : backend_(backend), dialog_(&dialog), units_(DialogFont()) {
  const DialogTemplate& layout = dialog.layout();
  setFont(DialogFont());
  setObjectName(dialog.resourceId() != 0 ? QString::number(dialog.resourceId())
                                         : ToQt(dialog.caption()));
  setWindowTitle(ToQt(dialog.caption()));
  setWindowFlags(layout.captionBar ? Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                   : Qt::Dialog | Qt::FramelessWindowHint);
  setFocusPolicy(Qt::NoFocus);
  setSizeGripEnabled(false);
  clientSize_ = units_.ToPixels(layout.size);

  QWidget* surface = this;
  if (layout.verticalScrollBar) {
    // The content keeps its template size and scrolls inside the window.
    auto* frame = new QVBoxLayout(this);  // owned by the window, as Qt's widgets are
    frame->setContentsMargins(0, 0, 0, 0);
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* content = new QWidget;
    content->setFixedSize(clientSize_);
    scrollArea_->setWidget(content);
    frame->addWidget(scrollArea_);
    surface = content;
  }
  CreateWidgets(surface);
  installEventFilter(this);  // keys that reach the window itself (no control holds the focus)
  SizeWindow();
  dialog.SetObserver(this);
}

DialogWindow::~DialogWindow() {
  if (dialog_ && dialog_->observer() == this) dialog_->SetObserver(nullptr);
}

void DialogWindow::Detach() {
  if (dialog_ && dialog_->observer() == this) dialog_->SetObserver(nullptr);
  dialog_ = nullptr;
  items_.clear();
  watched_.clear();
  hide();
}

void DialogWindow::CreateWidgets(QWidget* surface) {
  for (const auto& control : dialog_->controls()) {
    QWidget* widget = CreateWidget(*control, surface);
    items_.push_back(Item{control.get(), widget, widget->palette()});
  }
  for (std::size_t i = 0; i < items_.size(); ++i) {
    Watch(items_[i].widget, i);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(items_[i].widget))
      Watch(area->viewport(), i);
    ConnectUserChoices(i);
  }
  // A label's access key moves the focus to the control after it, as in the dialog manager.
  for (std::size_t i = 0; i < items_.size(); ++i) {
    auto* label = qobject_cast<QLabel*>(items_[i].widget);
    if (!label || items_[i].control->kind() != ControlKind::Label) continue;
    for (std::size_t j = i + 1; j < items_.size(); ++j) {
      const ControlKind kind = items_[j].control->kind();
      if (kind == ControlKind::Label || kind == ControlKind::GroupBox) continue;
      label->setBuddy(items_[j].widget);
      break;
    }
  }
  // Group boxes are drawn behind the controls they hold.
  for (Item& item : items_)
    if (item.control->kind() == ControlKind::GroupBox) item.widget->lower();
  for (Item& item : items_) ApplyAll(item);
}

QWidget* DialogWindow::CreateWidget(Control& c, QWidget* surface) {
  const ControlStyle& style = c.style();
  QWidget* widget = nullptr;
  // Widgets belong to their parent, as everywhere in Qt.
  switch (c.kind()) {
    case ControlKind::Label: {
      auto* label = new QLabel(surface);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment((style.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
      widget = label;
      break;
    }
    case ControlKind::Edit:
    case ControlKind::MaskedEdit:
    case ControlKind::IpAddress: {
      auto* edit = new QLineEdit(surface);
      if (style.password) edit->setEchoMode(QLineEdit::Password);
      if (style.rightAligned) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      edit->setContextMenuPolicy(Qt::NoContextMenu);
      edit->setAcceptDrops(false);
      widget = edit;
      break;
    }
    case ControlKind::MultiLineEdit: {
      auto* edit = new QPlainTextEdit(surface);
      edit->setContextMenuPolicy(Qt::NoContextMenu);
      edit->setAcceptDrops(false);
      edit->viewport()->setAcceptDrops(false);
      widget = edit;
      break;
    }
    case ControlKind::ComboBox:
      widget = new QComboBox(surface);
      break;
    case ControlKind::ListBox:
      widget = new QListWidget(surface);
      break;
    case ControlKind::CheckBox:
      widget = new QCheckBox(surface);
      break;
    case ControlKind::RadioButton: {
      auto* radio = new QRadioButton(surface);
      radio->setAutoExclusive(false);  // the model keeps the groups
      widget = radio;
      break;
    }
    case ControlKind::PushButton: {
      auto* button = new QPushButton(surface);
      button->setAutoDefault(false);
      button->setDefault(c.id() == dialog_->defaultButton());
      widget = button;
      break;
    }
    case ControlKind::GroupBox:
      widget = new QGroupBox(surface);
      break;
    case ControlKind::ProgressBar: {
      auto* bar = new QProgressBar(surface);
      bar->setTextVisible(false);
      widget = bar;
      break;
    }
    case ControlKind::ScrollBar:
      widget = new QScrollBar(Qt::Vertical, surface);
      break;
    case ControlKind::Picture: {
      auto* picture = new QLabel(surface);
      picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      widget = picture;
      break;
    }
  }
  widget->setObjectName(ObjectNameOf(c));
  widget->setAccessibleName(ToQt(c.accessibleName()));
  widget->setFocusPolicy(Qt::NoFocus);  // the model moves the focus, never Qt
  widget->setAttribute(Qt::WA_InputMethodEnabled, false);
  QRect rect = units_.ToPixels(c.rect());
  // A combo box's rectangle includes its dropped-down list.
  if (c.kind() == ControlKind::ComboBox)
    rect.setHeight(std::min(rect.height(), widget->sizeHint().height()));
  widget->setGeometry(rect);
  return widget;
}

void DialogWindow::Watch(QObject* object, std::size_t item) {
  watched_[object] = item;
  object->installEventFilter(this);
}

void DialogWindow::ConnectUserChoices(std::size_t i) {
  QWidget* widget = items_[i].widget;
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    connect(combo, &QComboBox::activated, this, [this, i](int index) { UserChose(i, index); });
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    connect(list, &QListWidget::currentRowChanged, this, [this, i](int row) { UserChose(i, row); });
  } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
    connect(bar, &QScrollBar::valueChanged, this, [this, i](int value) { UserScrolled(i, value); });
  }
}

void DialogWindow::SizeWindow() {
  QSize size = clientSize_;
  if (scrollArea_) {
    size.rwidth() += scrollArea_->verticalScrollBar()->sizeHint().width();
    if (const QScreen* display = screen())
      size.setHeight(std::min(size.height(), display->availableGeometry().height() * 9 / 10));
  }
  const Rect given = dialog_ ? dialog_->windowRect() : Rect{-1, -1, -1, -1};
  if (given.width > 0) size.setWidth(given.width);
  if (given.height > 0) size.setHeight(given.height);
  if (scrollArea_) {
    setMinimumSize(0, 0);
    resize(size);
  } else {
    setFixedSize(size);
  }
  if (given.x != -1 && given.y != -1) move(given.x, given.y);
}

DialogWindow::Item* DialogWindow::ItemOf(const Control& control) {
  for (Item& item : items_)
    if (item.control == &control) return &item;
  return nullptr;
}

const DialogWindow::Item* DialogWindow::ItemOf(const Control& control) const {
  for (const Item& item : items_)
    if (item.control == &control) return &item;
  return nullptr;
}

QWidget* DialogWindow::widgetOf(const Control& control) const {
  const Item* item = ItemOf(control);
  return item ? item->widget : nullptr;
}

void DialogWindow::ShowAndActivate() {
  show();
  raise();
  activateWindow();
  SyncFocus();
}

// ---- Mirroring the model -------------------------------------------------------------------

void DialogWindow::ControlChanged(Control& control, ControlProperty what) {
  if (Item* item = ItemOf(control)) Apply(*item, what);
}

void DialogWindow::Apply(Item& item, ControlProperty what) {
  const Syncing syncing(syncing_);
  switch (what) {
    case ControlProperty::Text:
      ApplyText(item);
      break;
    case ControlProperty::Enabled:
      ApplyEnabledAll();  // a group box takes the controls it holds with it
      SyncFocus();
      break;
    case ControlProperty::Visible:
      item.widget->setVisible(item.control->visible());
      SyncFocus();
      break;
    case ControlProperty::Checked:
      if (auto* button = qobject_cast<QAbstractButton*>(item.widget)) {
        button->setCheckable(item.control->kind() != ControlKind::PushButton);
        button->setChecked(item.control->checked());
      }
      break;
    case ControlProperty::Items:
      ApplyItems(item);
      break;
    case ControlProperty::Selection:
      ApplySelection(item);
      break;
    case ControlProperty::TextSelection:
      ApplyTextSelection(item);
      break;
    case ControlProperty::MaxLength:
      ApplyMaxLength(item);
      break;
    case ControlProperty::Colors:
      ApplyColors(item);
      break;
    case ControlProperty::Range:
    case ControlProperty::Position:
      ApplyRange(item);
      break;
    case ControlProperty::Tip:
      item.widget->setToolTip(ToQt(item.control->tip()));
      break;
    case ControlProperty::Mask:
      break;  // the model keeps the mask's literals and prompts in the text itself
    case ControlProperty::ReadOnly:
      ApplyReadOnly(item);
      break;
    case ControlProperty::Image:
      ApplyPicture(item);
      break;
  }
}

void DialogWindow::ApplyAll(Item& item) {
  const Syncing syncing(syncing_);
  const Control& c = *item.control;
  ApplyItems(item);
  ApplyMaxLength(item);
  ApplyText(item);
  ApplyRange(item);
  ApplyReadOnly(item);
  ApplyPicture(item);
  if (auto* button = qobject_cast<QAbstractButton*>(item.widget)) {
    button->setCheckable(c.kind() != ControlKind::PushButton);
    button->setChecked(c.checked());
  }
  item.widget->setToolTip(ToQt(c.tip()));
  item.widget->setEnabled(c.isEffectivelyEnabled());
  item.widget->setVisible(c.visible());
}

void DialogWindow::ApplyText(Item& item) {
  const Control& c = *item.control;
  const QString text = ToQt(c.text());
  switch (c.kind()) {
    case ControlKind::Label: {
      auto* label = static_cast<QLabel*>(item.widget);
      // With a buddy the label shows its access key; without, the "&" would show as it is.
      label->setText(label->buddy() ? text : WithoutAccessKey(text));
      break;
    }
    case ControlKind::Edit:
    case ControlKind::MaskedEdit:
    case ControlKind::IpAddress:
      ApplyMaxLength(item);
      static_cast<QLineEdit*>(item.widget)->setText(text);
      ApplyTextSelection(item);
      break;
    case ControlKind::MultiLineEdit:
      static_cast<QPlainTextEdit*>(item.widget)->setPlainText(DisplayText(c.text()));
      ApplyTextSelection(item);
      break;
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
      ApplySelection(item);
      break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::PushButton:
      static_cast<QAbstractButton*>(item.widget)->setText(text);
      break;
    case ControlKind::GroupBox:
      static_cast<QGroupBox*>(item.widget)->setTitle(text);
      break;
    case ControlKind::ProgressBar:
    case ControlKind::ScrollBar:
    case ControlKind::Picture:
      break;
  }
}

void DialogWindow::ApplyEnabledAll() {
  for (Item& item : items_) item.widget->setEnabled(item.control->isEffectivelyEnabled());
}

void DialogWindow::ApplyTextSelection(Item& item) {
  const Control& c = *item.control;
  const int start = c.selectionStart();
  const int length = c.selectionLength();
  if (auto* edit = qobject_cast<QLineEdit*>(item.widget)) {
    if (length > 0) {
      edit->setSelection(start, length);
    } else {
      edit->deselect();
      edit->setCursorPosition(start);
    }
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(item.widget)) {
    QTextCursor cursor(text->document());
    cursor.setPosition(ToDisplayOffset(c.text(), start));
    cursor.setPosition(ToDisplayOffset(c.text(), start + length), QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    text->ensureCursorVisible();
  }
}

void DialogWindow::ApplyItems(Item& item) {
  const Control& c = *item.control;
  QStringList entries;
  for (const std::string& entry : c.items()) entries.append(ToQt(entry));
  if (auto* combo = qobject_cast<QComboBox*>(item.widget)) {
    combo->clear();
    combo->addItems(entries);
  } else if (auto* list = qobject_cast<QListWidget*>(item.widget)) {
    list->clear();
    list->addItems(entries);
  } else {
    return;
  }
  ApplySelection(item);
}

void DialogWindow::ApplySelection(Item& item) {
  const int selection = item.control->selection();
  if (auto* combo = qobject_cast<QComboBox*>(item.widget)) {
    combo->setCurrentIndex(selection);
  } else if (auto* list = qobject_cast<QListWidget*>(item.widget)) {
    list->setCurrentRow(selection);
    if (selection < 0) list->clearSelection();
  }
}

void DialogWindow::ApplyMaxLength(Item& item) {
  auto* edit = qobject_cast<QLineEdit*>(item.widget);
  if (!edit) return;
  // The model enforces the limit on typing; a program's own text may be longer and must show.
  constexpr int kUnlimited = 32767;
  const int limit = item.control->maxLength();
  const int length = static_cast<int>(item.control->text().size());
  edit->setMaxLength(limit > 0 ? std::max(limit, length) : std::max(kUnlimited, length));
}

void DialogWindow::ApplyColors(Item& item) {
  const Control& c = *item.control;
  QPalette palette = item.palette;
  const bool base = HasBase(c);
  if (c.textColor() != kSystemColor && TakesTextColour(c.kind())) {
    const QColor colour = ToQt(c.textColor());
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, base ? QPalette::Text : QPalette::WindowText, colour);
      palette.setColor(group, QPalette::ButtonText, colour);
    }
  }
  QColor background;
  if (c.backColor() != kSystemColor) {
    background = ToQt(c.backColor());
  } else if (c.isBox() && c.readOnly()) {
    background = item.palette.color(QPalette::Window);  // a read-only box shows the dialog's face
  }
  if (background.isValid()) {
    palette.setColor(base ? QPalette::Base : QPalette::Window, background);
    if (c.kind() == ControlKind::PushButton) palette.setColor(QPalette::Button, background);
  }
  item.widget->setPalette(palette);
  if (!base) item.widget->setAutoFillBackground(c.backColor() != kSystemColor);
}

void DialogWindow::ApplyRange(Item& item) {
  const Control& c = *item.control;
  if (auto* progress = qobject_cast<QProgressBar*>(item.widget)) {
    progress->setRange(c.minimum(), c.maximum());
    progress->setValue(c.position());
  } else if (auto* bar = qobject_cast<QScrollBar*>(item.widget)) {
    bar->setRange(c.minimum(), c.maximum());
    bar->setValue(c.position());
  }
}

void DialogWindow::ApplyReadOnly(Item& item) {
  if (auto* edit = qobject_cast<QLineEdit*>(item.widget)) {
    edit->setReadOnly(item.control->readOnly());
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(item.widget)) {
    text->setReadOnly(item.control->readOnly());
  }
  ApplyColors(item);
}

void DialogWindow::ApplyPicture(Item& item) {
  if (item.control->kind() != ControlKind::Picture) return;
  const QImage image = ToImage(item.control->picture());
  static_cast<QLabel*>(item.widget)
      ->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
}

void DialogWindow::FocusChanged(Control* holder) {
  const Syncing syncing(syncing_);
  SyncFocus();
  if (!holder) return;
  if (Item* item = ItemOf(*holder)) {
    ApplyTextSelection(*item);  // Qt drops a box's selection when it loses the focus
    if (scrollArea_) scrollArea_->ensureWidgetVisible(item->widget);
  }
}

// Qt's focus follows the model's: the holder's widget, else the window itself.
void DialogWindow::SyncFocus() {
  if (!dialog_) return;
  if (Control* holder = dialog_->focus()) {
    if (Item* item = ItemOf(*holder); item && item->widget->isEnabled()) {
      if (!item->widget->hasFocus()) item->widget->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  if (focusWidget() && focusWidget() != this) setFocus(Qt::OtherFocusReason);
}

void DialogWindow::CaptionChanged() {
  if (dialog_) setWindowTitle(ToQt(dialog_->caption()));
}

void DialogWindow::GeometryChanged() {
  SizeWindow();
}

// ---- User input ----------------------------------------------------------------------------

bool DialogWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && dialog_) {
    // A modeless window the user brings forward becomes the toolkit's active window.
    if (!dialog_->isModal()) backend_.Call([this] { dialog_->toolkit().Activate(*dialog_); });
    SyncFocus();
  }
  return QDialog::event(e);
}

void DialogWindow::closeEvent(QCloseEvent* e) {
  e->ignore();  // the model decides whether the window goes
  if (dialog_) backend_.Call([this] { dialog_->CloseBox(); });
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* e) {
  if (!dialog_) {
    // The model dialog is gone: nothing reaches a widget any more.
    switch (e->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        return true;
      default:
        return false;
    }
  }
  const auto found = watched_.find(watched);
  Item* item =
      found != watched_.end() && found->second < items_.size() ? &items_[found->second] : nullptr;
  switch (e->type()) {
    case QEvent::ShortcutOverride:
      // Every key, Alt+letter included, comes to the model as a key press, never as a shortcut.
      e->accept();
      return true;
    case QEvent::KeyPress:
      return OnKey(item, *static_cast<QKeyEvent*>(e));
    case QEvent::KeyRelease:
      return !(item && PassesToWidget(*item, *static_cast<QKeyEvent*>(e)));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      return item && OnMouse(*item, watched, *static_cast<QMouseEvent*>(e));
    case QEvent::Wheel:
      return item && item->control->kind() == ControlKind::ComboBox;  // would choose an item
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
      return item && item->control->isBox();  // would edit behind the model's back
    default:
      return false;
  }
}

// Navigation keys of a list, combo or scroll bar that holds the focus work the widget itself;
// what the user then chooses comes into the model as a choice or a scroll.
bool DialogWindow::PassesToWidget(const Item& item, const QKeyEvent& e) const {
  if (!dialog_ || dialog_->focus() != item.control) return false;
  const int key = e.key();
  switch (item.control->kind()) {
    case ControlKind::ComboBox:
      return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Home ||
             key == Qt::Key_End || key == Qt::Key_F4;
    case ControlKind::ListBox:
      return (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Home ||
              key == Qt::Key_End) &&
             !e.modifiers().testFlag(Qt::AltModifier);
    case ControlKind::ScrollBar:
      return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
             key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
    default:
      return false;
  }
}

bool DialogWindow::OnKey(Item* item, QKeyEvent& e) {
  if (item && PassesToWidget(*item, e)) return false;
  const KeyIntent intent = Interpret(e);
  backend_.Call([this, &intent] {
    Control* focused = dialog_->focus();
    switch (intent.kind) {
      case KeyIntent::Kind::Ignore:
        break;
      case KeyIntent::Kind::Keys:
        for (const Key& key : intent.keys) {
          if (!dialog_) break;
          dialog_->PressKey(key);
        }
        break;
      case KeyIntent::Kind::Copy:
        if (focused) CopySelection(*focused);
        break;
      case KeyIntent::Kind::Cut:
        if (focused && focused->isBox() && !focused->readOnly() && !focused->style().password &&
            focused->selectionLength() > 0) {
          CopySelection(*focused);
          dialog_->PressKey(Key{Key::kDelete});
        }
        break;
      case KeyIntent::Kind::Paste:
        if (focused && focused->isBox()) PasteInto(*focused);
        break;
      case KeyIntent::Kind::AccessKey:
        OnAccessKey(intent.accessKey);
        break;
    }
  });
  return true;
}

void DialogWindow::CopySelection(const Control& box) const {
  if (!box.isBox() || box.style().password || box.selectionLength() == 0) return;
  const std::string selected = box.text().substr(static_cast<std::size_t>(box.selectionStart()),
                                                 static_cast<std::size_t>(box.selectionLength()));
  box.dialog().toolkit().SetClipboardText(selected);
  QGuiApplication::clipboard()->setText(ToQt(selected));
}

void DialogWindow::PasteInto(Control& box) {
  std::string text = FromQt(QGuiApplication::clipboard()->text());
  if (box.kind() == ControlKind::MultiLineEdit) {
    std::string withBreaks;  // lines break with CR LF in the model
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) withBreaks.push_back('\r');
      withBreaks.push_back(text[i]);
    }
    text = std::move(withBreaks);
  } else {
    text = text.substr(0, text.find_first_of("\r\n"));  // a one-line box takes the first line
  }
  box.dialog().toolkit().SetClipboardText(text);
  dialog_->PasteText(box.id(), text);
}

// Alt+key: a button marked with the key is clicked; a label or group box marked with it sends
// the focus to the next control that can take it.
void DialogWindow::OnAccessKey(char key) {
  const auto& controls = dialog_->controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    Control& c = *controls[i];
    if (!c.visible() || !c.isEffectivelyEnabled() || AccessKeyOf(c.text()) != key) continue;
    if (IsButton(c.kind())) {
      dialog_->Click(c.id());
      return;
    }
    if (c.kind() != ControlKind::Label && c.kind() != ControlKind::GroupBox) continue;
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      Control& next = *controls[j];
      if (!next.canTakeFocus()) continue;
      dialog_->SetFocus(next);
      if (dialog_ && dialog_->focus() == &next && next.isBox()) next.SelectAllText();
      return;
    }
    return;
  }
}

int DialogWindow::TextOffsetAt(const Item& item, QObject* watched, QPoint position) const {
  if (auto* edit = qobject_cast<QLineEdit*>(item.widget)) return edit->cursorPositionAt(position);
  if (auto* text = qobject_cast<QPlainTextEdit*>(item.widget)) {
    const QPoint inViewport =
        watched == text->viewport() ? position : text->viewport()->mapFrom(text, position);
    return FromDisplayOffset(item.control->text(), text->cursorForPosition(inViewport).position());
  }
  return 0;
}

bool DialogWindow::OnMouse(Item& item, QObject* watched, QMouseEvent& e) {
  Control& c = *item.control;
  const QEvent::Type type = e.type();
  const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
  const bool left = e.button() == Qt::LeftButton;
  const int id = c.id();

  if (IsButton(c.kind())) {
    auto* button = static_cast<QAbstractButton*>(item.widget);
    if (press && left) {
      pressed_ = button;
      button->setDown(true);
    } else if (type == QEvent::MouseMove && pressed_ == button) {
      button->setDown(button->rect().contains(e.position().toPoint()));
    } else if (type == QEvent::MouseButtonRelease && left && pressed_ == button) {
      pressed_ = nullptr;
      button->setDown(false);
      // A click is a press and a release on the button, as the dialog manager has it.
      if (button->rect().contains(e.position().toPoint()))
        backend_.Call([this, id] { dialog_->Click(id); });
    }
    return true;
  }
  if (c.isBox()) {
    if (press && left) {
      const QPoint at = e.position().toPoint();
      backend_.Call([this, &item, &c, watched, at, id] {
        dialog_->Click(id);
        if (!dialog_ || dialog_->focus() != &c) return;
        dragAnchor_ = TextOffsetAt(item, watched, at);
        c.SetTextSelection(dragAnchor_, 0);
      });
    } else if (type == QEvent::MouseMove && dragAnchor_ >= 0 &&
               e.buttons().testFlag(Qt::LeftButton) && dialog_->focus() == &c) {
      const int to = TextOffsetAt(item, watched, e.position().toPoint());
      backend_.Call([&c, this, to] {
        c.SetTextSelection(std::min(dragAnchor_, to), std::abs(to - dragAnchor_));
      });
    } else if (type == QEvent::MouseButtonRelease) {
      dragAnchor_ = -1;
    }
    return true;
  }
  if (c.kind() == ControlKind::ComboBox || c.kind() == ControlKind::ListBox ||
      c.kind() == ControlKind::ScrollBar) {
    if (!(press && left)) return false;
    backend_.Call([this, id] { dialog_->Click(id); });
    // Qt works the widget (drops the list, picks the item) only once the model gave it the focus.
    return !(dialog_ && dialog_->focus() == &c);
  }
  return false;
}

void DialogWindow::UserChose(std::size_t i, int index) {
  if (syncing_ > 0 || !dialog_ || i >= items_.size()) return;
  const int id = items_[i].control->id();
  backend_.Call([this, id, index] { dialog_->Choose(id, index); });
  // The model may have refused the choice (the focus could not move): show what it holds.
  if (dialog_ && i < items_.size()) {
    const Syncing syncing(syncing_);
    ApplySelection(items_[i]);
  }
}

void DialogWindow::UserScrolled(std::size_t i, int position) {
  if (syncing_ > 0 || !dialog_ || i >= items_.size()) return;
  const int id = items_[i].control->id();
  backend_.Call([this, id, position] { dialog_->Scroll(id, position); });
  if (dialog_ && i < items_.size()) {
    const Syncing syncing(syncing_);
    ApplyRange(items_[i]);
  }
}

}  // namespace ui::qt
