#pragma once
// The Qt 6 Widgets backend of the toolkit model: real windows for dialogs and the frame, real
// message boxes, nested event loops for modal runs.
//
// A program's main():
//   QApplication app(argc, argv);
//   ui::qt::QtBackend backend;          // after the QApplication
//   ui::Toolkit toolkit(backend);
//   CMainFrame frame(toolkit);          // the model's windows
//   frame.ShowMaximized();
//   return backend.Exec();              // the exit code of Toolkit::EndProcess or
//   FrameWindow::Close
//
// Qt never sees an exception: every call from Qt into the model goes through Call(), which
// catches ui::ProcessEnd (the process ends with its code: every event loop stops and every
// modal run rethrows ui::ProcessEnd so that the model unwinds) and any other exception (printed
// on stderr; the process ends with code 70).

#include <QPointer>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "ui/Backend.h"

class QDialog;
class QEventLoop;
class QMainWindow;
class QMessageBox;
class QObject;
class QWidget;

namespace ui {
class Dialog;
class FrameWindow;
}  // namespace ui

namespace ui::qt {

class DialogWindow;
class FrameWidget;

class QtBackend final : public Backend {
 public:
  // The exit code of an exception other than ui::ProcessEnd that reached an event handler.
  static constexpr int kInternalErrorExitCode = 70;

  QtBackend();  // the QApplication must exist
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;
  ~QtBackend() override;

  // Runs the main event loop until the process ends; answers its exit code.
  int Exec();
  bool ending() const { return ending_; }
  int exitCode() const { return exitCode_; }
  // Ends the process with `code` (the first code given wins): stops every event loop.
  void EndProcess(int code);

  // Runs model code from a Qt event, signal, timer or paint, catching what it throws.
  template <class F>
  void Call(F&& modelCode) noexcept {
    try {
      std::forward<F>(modelCode)();
    } catch (...) {
      Caught(std::current_exception());
    }
  }

  // The real windows (null until first shown), for entry points and tests.
  QDialog* windowOf(const Dialog& dialog) const;
  QMainWindow* windowOf(const FrameWindow& frame) const;

  // Backend.
  void RunModal(Dialog& dialog) override;
  void EndModal(Dialog& dialog) override;
  void ShowWindow(Dialog& dialog) override;
  void HideWindow(Dialog& dialog) override;
  void DestroyWindow(Dialog& dialog) override;
  void ShowFrame(FrameWindow& frame) override;
  void FrameChanged(FrameWindow& frame) override;
  void CloseFrame(FrameWindow& frame) override;
  Answer ShowMessageBox(const MessageBoxSpec& box) override;
  void Sound(const Tone& tone) override;
  void SetWaitCursor(bool on) override;
  void Post(std::function<void()> task) override;
  void ProcessEvents() override;

 private:
  struct ModalRun {
    const Dialog* dialog;
    QEventLoop* loop;
  };
  void Caught(std::exception_ptr error) noexcept;
  void ThrowIfEnding() const;
  DialogWindow& WindowFor(Dialog& dialog);
  static void Activate(QWidget* window);
  void ActivateNext() const;

  std::unique_ptr<QObject> context_;  // receives posted tasks; gone with the backend
  std::map<const Dialog*, std::unique_ptr<DialogWindow>> dialogs_;
  std::map<const FrameWindow*, std::unique_ptr<FrameWidget>> frames_;
  std::vector<ModalRun> modalRuns_;               // innermost last
  std::vector<QPointer<QMessageBox>> openBoxes_;  // innermost last
  bool inExec_ = false;
  bool ending_ = false;
  int exitCode_ = 0;
};

}  // namespace ui::qt
