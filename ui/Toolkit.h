#pragma once
// The toolkit's runtime, one per process: message boxes, tones, the wait cursor, the
// clipboard, the active window and the end of the process.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Backend.h"
#include "ui/MessageBox.h"

namespace ui {

class Dialog;

// Thrown by Toolkit::EndProcess: unwinds every modal run up to main (or to a test).
struct ProcessEnd {
  int exitCode = 0;
};

class Toolkit {
 public:
  explicit Toolkit(Backend& backend);
  Toolkit(const Toolkit&) = delete;
  Toolkit& operator=(const Toolkit&) = delete;

  Backend& backend() const { return backend_; }

  // Shows a message box over the active window and answers the button pressed. The box takes
  // the focus of the active window for as long as it is open (see Dialog.h, rule 4).
  Answer MessageBox(std::string_view text, std::string_view caption, Buttons buttons = Buttons::Ok,
                    Icon icon = Icon::None, int defaultButton = 0);

  // Tones: recorded (tests read them) and sounded.
  void Tone(int frequency, int milliseconds);
  void Beep() { Tone(0, 0); }
  const std::vector<ui::Tone>& tones() const { return tones_; }

  // The wait cursor, shown while at least one WaitCursor object lives.
  class WaitCursor {
   public:
    explicit WaitCursor(Toolkit& toolkit);
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor();

   private:
    Toolkit& toolkit_;
  };
  bool waitCursorShown() const { return waitCursors_ > 0; }

  // The clipboard's text.
  const std::string& clipboardText() const { return clipboard_; }
  void SetClipboardText(std::string_view text) { clipboard_ = std::string(text); }
  void ClearClipboard() { clipboard_.clear(); }

  // Ends the process with an exit code: throws ProcessEnd, which every modal run passes on.
  [[noreturn]] void EndProcess(int exitCode = 0);
  bool processEnding() const { return ending_; }
  int exitCode() const { return exitCode_; }

  void Post(std::function<void()> task) { backend_.Post(std::move(task)); }
  void ProcessEvents() { backend_.ProcessEvents(); }

  // The window that receives message boxes' focus handling: the innermost modal dialog, else
  // the modeless dialog activated last.
  Dialog* activeDialog() const;
  // Makes `dialog` the active window; one that was not active before is told (Dialog.h, rule 9).
  void Activate(Dialog& dialog);
  void Forget(Dialog& dialog);  // the dialog is going away

 private:
  Backend& backend_;
  std::vector<ui::Tone> tones_;
  std::vector<Dialog*> active_;  // the last one is active
  std::string clipboard_;
  int waitCursors_ = 0;
  bool ending_ = false;
  int exitCode_ = 0;
};

}  // namespace ui
