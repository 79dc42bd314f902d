#pragma once
// The real window of a model dialog: one widget per control at its template rectangle, kept in
// step with the model (DialogObserver), and the user's keys, clicks and choices passed into the
// model, which owns editing and focus. Qt's own focus changes are never passed on.

#include <QDialog>
#include <QPalette>
#include <QPointer>
#include <cstddef>
#include <map>
#include <vector>

#include "ui/Dialog.h"
#include "ui/qt/DialogUnits.h"

class QAbstractButton;
class QKeyEvent;
class QMouseEvent;
class QScrollArea;

namespace ui::qt {

class QtBackend;

class DialogWindow final : public QDialog, public DialogObserver {
 public:
  DialogWindow(QtBackend& backend, Dialog& dialog);
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;
  ~DialogWindow() override;

  // The model dialog is going away: the window no longer touches it.
  void Detach();
  Dialog* dialog() const { return dialog_; }
  void ShowAndActivate();
  QWidget* widgetOf(const Control& control) const;
  const DialogUnits& units() const { return units_; }

  // DialogObserver.
  void ControlChanged(Control& control, ControlProperty what) override;
  void FocusChanged(Control* holder) override;
  void CaptionChanged() override;
  void GeometryChanged() override;

  // The model ends dialogs; Qt's own ways of ending one (Escape, done()) do nothing.
  void reject() override {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Item {
    Control* control;
    QWidget* widget;
    QPalette palette;  // the widget's own, before the model's colours
  };

  void CreateWidgets(QWidget* surface);
  QWidget* CreateWidget(Control& control, QWidget* surface);
  void Watch(QObject* object, std::size_t item);
  void ConnectUserChoices(std::size_t item);
  void SizeWindow();
  Item* ItemOf(const Control& control);
  const Item* ItemOf(const Control& control) const;

  // Mirroring the model.
  void Apply(Item& item, ControlProperty what);
  void ApplyAll(Item& item);
  void ApplyText(Item& item);
  void ApplyEnabledAll();
  void ApplyTextSelection(Item& item);
  void ApplySelection(Item& item);
  void ApplyItems(Item& item);
  void ApplyMaxLength(Item& item);
  void ApplyColors(Item& item);
  void ApplyRange(Item& item);
  void ApplyReadOnly(Item& item);
  void ApplyPicture(Item& item);
  void SyncFocus();

  // User input.
  bool OnKey(Item* item, QKeyEvent& event);
  bool PassesToWidget(const Item& item, const QKeyEvent& event) const;
  bool OnMouse(Item& item, QObject* watched, QMouseEvent& event);
  void OnAccessKey(char key);
  void CopySelection(const Control& box) const;
  void PasteInto(Control& box);
  int TextOffsetAt(const Item& item, QObject* watched, QPoint position) const;
  void UserChose(std::size_t item, int index);
  void UserScrolled(std::size_t item, int position);

  QtBackend& backend_;
  Dialog* dialog_;
  DialogUnits units_;
  QScrollArea* scrollArea_ = nullptr;
  QSize clientSize_;
  std::vector<Item> items_;
  std::map<const QObject*, std::size_t> watched_;  // widgets and their viewports
  int syncing_ = 0;                                // > 0 while the model is being mirrored
  QPointer<QAbstractButton> pressed_;              // a button held down by the mouse
  int dragAnchor_ = -1;                            // a box's text offset where a drag began
};

}  // namespace ui::qt
