#pragma once
// The real window of a program's main frame: caption, menu bar, status bar panes, and a view
// that the model paints through a ui::Canvas. The close box asks the model (RequestClose); the
// window really goes only when the model closes the frame.

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "ui/FrameWindow.h"

class QLabel;
class QMenu;

namespace ui::qt {

class QtBackend;

// The client area. The model paints into an image outside Qt's paint event, because the first
// paint of a program may run modal dialogs (a nested event loop must not run inside a paint).
class ViewWidget final : public QWidget {
 public:
  ViewWidget(QtBackend& backend, FrameWindow& frame, QWidget* parent);
  void Detach() { frame_ = nullptr; }
  // What the model painted last; the view shows it.
  QImage& image() { return image_; }
  void ScheduleRender();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Render();

  QtBackend& backend_;
  FrameWindow* frame_;
  QImage image_;
  bool pending_ = false;
};

class FrameWidget final : public QMainWindow {
 public:
  FrameWidget(QtBackend& backend, FrameWindow& frame);
  FrameWidget(const FrameWidget&) = delete;
  FrameWidget& operator=(const FrameWidget&) = delete;

  // The model frame is going away: the window closes and no longer touches it.
  void Detach();
  // Caption, status panes and menu from the model.
  void Sync();
  ViewWidget& view() const { return *view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void SyncPanes();
  void BuildMenu();
  void AddItems(QMenu& menu, const std::vector<MenuItem>& items);
  void UpdateAvailability(QMenu& menu);

  QtBackend& backend_;
  FrameWindow* frame_;
  ViewWidget* view_;
  std::vector<QLabel*> panes_;
  std::vector<MenuItem> builtMenu_;
  std::vector<QPointer<QObject>> menuObjects_;  // what the last menu build made
  bool menuBuilt_ = false;
};

}  // namespace ui::qt
