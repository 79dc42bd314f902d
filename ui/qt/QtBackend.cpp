#include "ui/qt/QtBackend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "ui/Dialog.h"
#include "ui/FrameWindow.h"
#include "ui/Toolkit.h"
#include "ui/qt/DialogWindow.h"
#include "ui/qt/FrameWidget.h"
#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

QMessageBox::Icon IconOf(Icon icon) {
  switch (icon) {
    case Icon::None:
      return QMessageBox::NoIcon;
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Error:
      return QMessageBox::Critical;
    case Icon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// The buttons of a box, in the order the default button's number counts them.
std::vector<QMessageBox::StandardButton> ButtonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return {QMessageBox::Ok};
    case Buttons::OkCancel:
      return {QMessageBox::Ok, QMessageBox::Cancel};
    case Buttons::YesNo:
      return {QMessageBox::Yes, QMessageBox::No};
    case Buttons::YesNoCancel:
      return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case Buttons::RetryCancel:
      return {QMessageBox::Retry, QMessageBox::Cancel};
  }
  return {QMessageBox::Ok};
}

Answer AnswerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Retry:
      return Answer::Retry;
    default:
      return Answer::Cancel;
  }
}

// A Yes/No box has no way out but its two buttons: Escape and the close box do nothing, as
// the system's message boxes have it.
class OnlyItsButtons final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress)
      return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    return event->type() == QEvent::Close && event->spontaneous();
  }
};

}  // namespace

QtBackend::QtBackend() : context_(std::make_unique<QObject>()) {
  if (!QApplication::instance()) throw std::logic_error("QtBackend needs a QApplication");
  // The model ends the process (Toolkit::EndProcess, FrameWindow::Close), not the last window.
  QApplication::setQuitOnLastWindowClosed(false);
}

QtBackend::~QtBackend() {
  for (auto& [dialog, window] : dialogs_) window->Detach();
  for (auto& [frame, window] : frames_) window->Detach();
  dialogs_.clear();
  frames_.clear();
  // Windows destroyed during the run and waiting for the event loop to take them.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int QtBackend::Exec() {
  if (ending_) return exitCode_;
  inExec_ = true;
  const int code = QApplication::exec();
  inExec_ = false;
  return ending_ ? exitCode_ : code;
}

void QtBackend::EndProcess(int code) {
  if (!ending_) {
    ending_ = true;
    exitCode_ = code;
  }
  if (inExec_) {
    QCoreApplication::exit(exitCode_);  // leaves every event loop, the nested ones first
    return;
  }
  // No main loop runs (a modal run before Exec, or a test): stop the loops of our own.
  for (const ModalRun& run : modalRuns_) run.loop->quit();
  for (const QPointer<QMessageBox>& box : openBoxes_)
    if (box) box->done(QMessageBox::Cancel);
}

void QtBackend::Caught(std::exception_ptr error) noexcept {
  try {
    std::rethrow_exception(error);
  } catch (const ProcessEnd& end) {
    EndProcess(end.exitCode);
  } catch (const std::exception& e) {
    std::cerr << "internal error: " << e.what() << std::endl;
    EndProcess(kInternalErrorExitCode);
  } catch (...) {
    std::cerr << "internal error: unknown exception" << std::endl;
    EndProcess(kInternalErrorExitCode);
  }
}

void QtBackend::ThrowIfEnding() const {
  if (ending_) throw ProcessEnd{exitCode_};
}

void QtBackend::Activate(QWidget* window) {
  // Without a window manager nothing gives the activation back when a window closes.
  if (window && window->isVisible()) window->activateWindow();
}

QDialog* QtBackend::windowOf(const Dialog& dialog) const {
  const auto it = dialogs_.find(&dialog);
  return it == dialogs_.end() ? nullptr : it->second.get();
}

QMainWindow* QtBackend::windowOf(const FrameWindow& frame) const {
  const auto it = frames_.find(&frame);
  return it == frames_.end() ? nullptr : it->second.get();
}

DialogWindow& QtBackend::WindowFor(Dialog& dialog) {
  auto& window = dialogs_[&dialog];
  if (!window) window = std::make_unique<DialogWindow>(*this, dialog);
  return *window;
}

// ---- Dialogs -------------------------------------------------------------------------------

void QtBackend::RunModal(Dialog& dialog) {
  ThrowIfEnding();
  const QPointer<QWidget> previous = QApplication::activeWindow();
  DialogWindow& window = WindowFor(dialog);
  window.setWindowModality(Qt::ApplicationModal);
  window.ShowAndActivate();

  QEventLoop loop;
  modalRuns_.push_back(ModalRun{&dialog, &loop});
  struct Finish {
    std::vector<ModalRun>& runs;
    QEventLoop* loop;
    ~Finish() {
      runs.erase(std::remove_if(runs.begin(), runs.end(),
                                [this](const ModalRun& r) { return r.loop == loop; }),
                 runs.end());
    }
  } finish{modalRuns_, &loop};
  while (!dialog.hasEnded() && !ending_) {
    const int code = loop.exec(QEventLoop::DialogExec);
    // Only EndModal and the end of the process stop this loop; anyone else's quit ends the
    // process too, or the loop would spin.
    if (!dialog.hasEnded() && !ending_) EndProcess(code);
  }
  if (const auto it = dialogs_.find(&dialog); it != dialogs_.end()) {
    it->second->hide();
    it->second->setWindowModality(Qt::NonModal);
  }
  Activate(previous);
  ThrowIfEnding();
}

void QtBackend::EndModal(Dialog& dialog) {
  for (const ModalRun& run : modalRuns_)
    if (run.dialog == &dialog) run.loop->quit();
}

void QtBackend::ShowWindow(Dialog& dialog) {
  WindowFor(dialog).ShowAndActivate();
}

void QtBackend::HideWindow(Dialog& dialog) {
  const auto it = dialogs_.find(&dialog);
  if (it == dialogs_.end()) return;
  const bool wasActive = it->second->isActiveWindow();
  it->second->hide();
  if (wasActive) ActivateNext();
}

// The system activates another window when the active one goes; without a window manager the
// backend does: a modal window first, else a shown dialog, else the frame.
void QtBackend::ActivateNext() const {
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
    modal->activateWindow();
    return;
  }
  for (const auto& [dialog, window] : dialogs_) {
    if (window->isVisible()) {
      window->activateWindow();
      return;
    }
  }
  for (const auto& [frame, window] : frames_) {
    if (window->isVisible()) {
      window->activateWindow();
      return;
    }
  }
}

void QtBackend::DestroyWindow(Dialog& dialog) {
  const auto it = dialogs_.find(&dialog);
  if (it == dialogs_.end()) return;
  std::unique_ptr<DialogWindow> window = std::move(it->second);
  dialogs_.erase(it);
  const bool wasActive = window->isActiveWindow();
  window->Detach();
  if (wasActive) ActivateNext();
  // The window may be inside one of its own event handlers: Qt deletes it once that returns.
  window.release()->deleteLater();
}

// ---- The frame -----------------------------------------------------------------------------

void QtBackend::ShowFrame(FrameWindow& frame) {
  auto& window = frames_[&frame];
  if (!window) window = std::make_unique<FrameWidget>(*this, frame);
  window->Sync();
  if (frame.maximized()) {
    // Without a window manager nothing maximises a window: it gets the screen's room itself.
    if (const QScreen* display = window->screen())
      window->setGeometry(display->availableGeometry());
    window->showMaximized();
  } else {
    window->show();
  }
  window->activateWindow();
}

void QtBackend::FrameChanged(FrameWindow& frame) {
  if (const auto it = frames_.find(&frame); it != frames_.end()) it->second->Sync();
}

void QtBackend::CloseFrame(FrameWindow& frame) {
  const auto it = frames_.find(&frame);
  if (it == frames_.end()) return;
  std::unique_ptr<FrameWidget> window = std::move(it->second);
  frames_.erase(it);
  window->Detach();
  window->hide();
  window.release()->deleteLater();
  // The program's main window is gone: so is the process.
  if (frames_.empty()) EndProcess(0);
}

// ---- Message boxes and the rest ------------------------------------------------------------

Answer QtBackend::ShowMessageBox(const MessageBoxSpec& request) {
  ThrowIfEnding();
  const QPointer<QWidget> previous = QApplication::activeWindow();
  // A box stands over the window in front: never over one that is closed and going away.
  QWidget* parent = QApplication::activeModalWidget();
  if (!parent || !parent->isVisible()) parent = previous;
  if (parent && !parent->isVisible()) parent = nullptr;
  auto owned = std::make_unique<QMessageBox>(IconOf(request.icon), ToQt(request.caption),
                                             ToQt(request.text), QMessageBox::NoButton, parent);
  const QPointer<QMessageBox> box = owned.get();
  box->setTextFormat(Qt::PlainText);
  const std::vector<QMessageBox::StandardButton> order = ButtonsOf(request.buttons);
  for (const QMessageBox::StandardButton button : order) box->addButton(button);
  const std::size_t defaultIndex = static_cast<std::size_t>(std::max(0, request.defaultButton));
  box->setDefaultButton(order[std::min(defaultIndex, order.size() - 1)]);
  OnlyItsButtons onlyItsButtons;
  if (request.buttons == Buttons::YesNo) box->installEventFilter(&onlyItsButtons);

  openBoxes_.push_back(box);
  box->exec();
  openBoxes_.erase(std::remove(openBoxes_.begin(), openBoxes_.end(), box), openBoxes_.end());

  Answer answer = Answer::Cancel;
  if (box) {
    if (QAbstractButton* clicked = box->clickedButton())
      answer = AnswerOf(box->standardButton(clicked));
  } else {
    (void)owned.release();  // its parent window was destroyed meanwhile, and the box with it
  }
  owned.reset();
  Activate(previous);
  ThrowIfEnding();
  return answer;
}

void QtBackend::Sound(const Tone&) {
  QApplication::beep();  // the system has no tones of a given pitch and length
}

void QtBackend::SetWaitCursor(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtBackend::Post(std::function<void()> task) {
  // Queued to the thread of the windows, from whichever thread posts it.
  QMetaObject::invokeMethod(
      context_.get(), [this, task = std::move(task)] { Call(task); }, Qt::QueuedConnection);
}

void QtBackend::ProcessEvents() {
  ThrowIfEnding();
  QCoreApplication::processEvents();
  ThrowIfEnding();  // a handler ended the process: the waiting loop unwinds
}

}  // namespace ui::qt
