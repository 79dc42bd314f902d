#include "ui/qt/FrameWidget.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

#include "ui/qt/QtBackend.h"
#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

bool SameMenu(const std::vector<MenuItem>& a, const std::vector<MenuItem>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].text != b[i].text || a[i].command != b[i].command || !SameMenu(a[i].items, b[i].items))
      return false;
  }
  return true;
}

// Paints into the view's image, and shows each step at once.
class ImageCanvas final : public Canvas {
 public:
  explicit ImageCanvas(ViewWidget& view) : view_(view) {}

  void Fill(Color color) override {
    QImage& image = view_.image();
    QPainter painter(&image);
    painter.fillRect(image.rect(),
                     color == kSystemColor ? view_.palette().color(QPalette::Window) : ToQt(color));
    view_.update();
  }

  void DrawPicture(const Picture& picture, Point topLeft) override {
    const QImage bitmap = ToImage(picture);
    if (bitmap.isNull()) return;
    QImage& image = view_.image();
    QPainter painter(&image);  // clipped to the client area
    painter.drawImage(QPoint(topLeft.x, topLeft.y), bitmap);
    view_.update();
  }

 private:
  ViewWidget& view_;
};

}  // namespace

ViewWidget::ViewWidget(QtBackend& backend, FrameWindow& frame, QWidget* parent)
    : QWidget(parent), backend_(backend), frame_(&frame) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ViewWidget::ScheduleRender() {
  if (pending_) return;
  pending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        pending_ = false;
        Render();
      },
      Qt::QueuedConnection);
}

void ViewWidget::Render() {
  if (!frame_ || width() <= 0 || height() <= 0) return;
  image_ = QImage(size(), QImage::Format_RGB32);
  image_.fill(palette().color(QPalette::Window));
  ImageCanvas canvas(*this);
  const Size client{width(), height()};
  backend_.Call([this, &canvas, client] { frame_->Paint(canvas, client); });
  update();
}

void ViewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (!image_.isNull()) painter.drawImage(QPoint(0, 0), image_);
  if (image_.size() != size()) ScheduleRender();
}

void ViewWidget::resizeEvent(QResizeEvent*) {
  ScheduleRender();
}

FrameWidget::FrameWidget(QtBackend& backend, FrameWindow& frame)
    : backend_(backend), frame_(&frame), view_(new ViewWidget(backend, frame, this)) {
  setCentralWidget(view_);  // the window owns its view, as Qt's widgets are owned
  statusBar()->setSizeGripEnabled(true);
  Sync();
}

void FrameWidget::Detach() {
  frame_ = nullptr;
  view_->Detach();
}

void FrameWidget::Sync() {
  if (!frame_) return;
  setWindowTitle(ToQt(frame_->caption()));
  SyncPanes();
  if (!menuBuilt_ || !SameMenu(builtMenu_, frame_->menu())) BuildMenu();
}

// The first pane carries the message and takes the room; the others are the key-state panes.
void FrameWidget::SyncPanes() {
  const std::vector<std::string>& texts = frame_->statusPanes();
  if (panes_.size() != texts.size()) {
    for (QLabel* pane : panes_) {
      statusBar()->removeWidget(pane);
      pane->deleteLater();
    }
    panes_.clear();
    for (std::size_t i = 0; i < texts.size(); ++i) {
      auto* pane = new QLabel(statusBar());
      pane->setObjectName(QStringLiteral("pane%1").arg(i));
      if (i == 0) {
        statusBar()->addWidget(pane, 1);
      } else {
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        statusBar()->addPermanentWidget(pane);
      }
      panes_.push_back(pane);
    }
  }
  for (std::size_t i = 0; i < texts.size(); ++i) panes_[i]->setText(ToQt(texts[i]));
}

void FrameWidget::BuildMenu() {
  // Menus are rebuilt while one of their commands may still be running: the old ones go later.
  QMenuBar* bar = menuBar();
  bar->clear();
  for (const QPointer<QObject>& old : menuObjects_)
    if (old) old->deleteLater();
  menuObjects_.clear();
  for (const MenuItem& item : frame_->menu()) {
    if (item.items.empty()) {
      if (item.text.empty()) continue;
      QAction* action = bar->addAction(ToQt(item.text));
      const int command = item.command;
      connect(action, &QAction::triggered, this, [this, command] {
        if (frame_) backend_.Call([this, command] { frame_->OnCommand(command); });
      });
      menuObjects_.emplace_back(action);
      continue;
    }
    auto* menu = new QMenu(ToQt(item.text), bar);
    AddItems(*menu, item.items);
    bar->addMenu(menu);
    menuObjects_.emplace_back(menu);
  }
  builtMenu_ = frame_->menu();
  menuBuilt_ = true;
}

void FrameWidget::AddItems(QMenu& menu, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    if (item.text.empty()) {
      menu.addSeparator();
    } else if (!item.items.empty()) {
      QMenu* sub = menu.addMenu(ToQt(item.text));
      AddItems(*sub, item.items);
    } else {
      QAction* action = menu.addAction(ToQt(item.text));
      const int command = item.command;
      action->setData(command);
      connect(action, &QAction::triggered, this, [this, command] {
        if (frame_) backend_.Call([this, command] { frame_->OnCommand(command); });
      });
    }
  }
  // Each command's availability is asked whenever its menu opens.
  connect(&menu, &QMenu::aboutToShow, this, [this, m = &menu] { UpdateAvailability(*m); });
}

void FrameWidget::UpdateAvailability(QMenu& menu) {
  if (!frame_) return;
  backend_.Call([this, &menu] {
    for (QAction* action : menu.actions()) {
      if (action->data().isValid())
        action->setEnabled(frame_->IsCommandEnabled(action->data().toInt()));
    }
  });
}

void FrameWidget::closeEvent(QCloseEvent* event) {
  if (!frame_) {
    event->accept();
    return;
  }
  event->ignore();  // the model asks and decides; FrameWindow::Close closes for good
  backend_.Call([this] { frame_->RequestClose(); });
}

}  // namespace ui::qt
