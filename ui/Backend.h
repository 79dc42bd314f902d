#pragma once
// What the toolkit model needs from whatever shows it: real windows (ui/qt) or the scripted
// driver of the tests (ui/ScriptDriver).

#include <functional>

#include "ui/MessageBox.h"

namespace ui {

class Dialog;
class FrameWindow;

struct Tone {
  int frequency = 0;  // Hz; 0 for the system beep
  int milliseconds = 0;
  bool operator==(const Tone&) const = default;
};

class Backend {
 public:
  virtual ~Backend() = default;
  // Blocks until the dialog has ended (Dialog::hasEnded) or the process is ending.
  virtual void RunModal(Dialog& dialog) = 0;
  // The dialog has ended: a blocked RunModal may return now.
  virtual void EndModal(Dialog& dialog) = 0;
  virtual void ShowWindow(Dialog& dialog) = 0;
  virtual void HideWindow(Dialog& dialog) = 0;
  virtual void DestroyWindow(Dialog& dialog) = 0;
  virtual void ShowFrame(FrameWindow& frame) = 0;
  virtual void FrameChanged(FrameWindow& frame) = 0;
  // The frame's window goes away (FrameWindow::Close, or the frame is destroyed). Closing the
  // program's main window ends the process.
  virtual void CloseFrame(FrameWindow& frame) { (void)frame; }
  virtual Answer ShowMessageBox(const MessageBoxSpec& box) = 0;
  virtual void Sound(const Tone& tone) = 0;
  virtual void SetWaitCursor(bool on) = 0;
  // Runs `task` once the current event has been handled. Safe to call from any thread.
  virtual void Post(std::function<void()> task) = 0;
  // Handles the window events that are waiting, then returns (a waiting loop's "do events").
  virtual void ProcessEvents() = 0;
};

}  // namespace ui
