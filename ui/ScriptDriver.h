#pragma once
// The scripted driver: how tests play a user. A test queues what the user does (type, Tab,
// click, choose, answer the next message box) and then runs the program's code. Every modal
// run pulls its next step from the script; a modal run that waits on an empty script, and a
// message box that no step expects, fail the test with the window's caption or the box's text.

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/Dialog.h"
#include "ui/MessageBox.h"
#include "ui/Types.h"

namespace ui {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a test expects of a message box. Empty parts are not checked.
struct ExpectedBox {
  std::string text;
  std::optional<std::string> caption;
  std::optional<Icon> icon;
  std::optional<Buttons> buttons;
  std::optional<int> defaultButton;
};

class ScriptDriver : public Backend {
 public:
  // Steps, run in order. `dialog` is the resource id of the window the step is meant for
  // (0: whichever window is running); a step meant for another window fails the test.
  ScriptDriver& Type(int id, std::string text, int dialog = 0);  // click into the box, type
  ScriptDriver& Type(std::string name, std::string text);
  ScriptDriver& Replace(int id, std::string text, int dialog = 0);  // select all, then type
  ScriptDriver& Keys(std::string text, int dialog = 0);             // type into the focused control
  ScriptDriver& Press(Key key, int dialog = 0);
  ScriptDriver& Tab(int dialog = 0);
  ScriptDriver& BackTab(int dialog = 0);
  ScriptDriver& Click(int id, int dialog = 0);
  ScriptDriver& Click(std::string name);
  ScriptDriver& Focus(int id, int dialog = 0);
  ScriptDriver& Choose(int id, int item, int dialog = 0);
  ScriptDriver& Choose(std::string name, std::string item);
  ScriptDriver& Paste(int id, std::string text, int dialog = 0);
  ScriptDriver& Scroll(std::string name, int position);
  ScriptDriver& CloseBox(int dialog = 0);
  // A step of the test's own, run against the window that is running (checks, for example).
  ScriptDriver& Do(std::function<void(Dialog&)> step, int dialog = 0);
  // Answers the next message box, after checking it.
  ScriptDriver& Answer(ExpectedBox expected, ui::Answer answer = ui::Answer::Ok);
  ScriptDriver& Answer(std::string text, std::string caption, ui::Answer answer = ui::Answer::Ok);

  // Runs the queued steps against a modeless window until the script is empty.
  void Play(Dialog& dialog);
  // Runs tasks posted by the program (Toolkit::Post).
  void RunPosted();
  bool scriptDone() const { return steps_.empty(); }
  std::size_t stepsLeft() const { return steps_.size(); }

  // What happened.
  const std::vector<MessageBoxSpec>& boxes() const { return boxes_; }
  std::vector<std::string> boxTexts() const;
  const std::vector<Tone>& sounds() const { return sounds_; }
  const std::vector<const Dialog*>& shownWindows() const { return shown_; }
  int framesShown() const { return framesShown_; }
  bool waitCursor() const { return waitCursor_; }

  // Backend.
  void RunModal(Dialog& dialog) override;
  void EndModal(Dialog& dialog) override;
  void ShowWindow(Dialog& dialog) override;
  void HideWindow(Dialog& dialog) override;
  void DestroyWindow(Dialog& dialog) override;
  void ShowFrame(FrameWindow& frame) override;
  void FrameChanged(FrameWindow& frame) override;
  ui::Answer ShowMessageBox(const MessageBoxSpec& box) override;
  void Sound(const Tone& tone) override;
  void SetWaitCursor(bool on) override;
  void Post(std::function<void()> task) override;
  void ProcessEvents() override { RunPosted(); }

 private:
  struct Step {
    std::string what;  // for failure messages
    int dialog = 0;
    std::function<void(Dialog&)> act;  // empty for an answer
    ExpectedBox expected;
    ui::Answer answer = ui::Answer::Ok;
  };
  ScriptDriver& Add(std::string what, int dialog, std::function<void(Dialog&)> act);
  void Perform(Step& step, Dialog& dialog);

  std::deque<Step> steps_;
  std::mutex postedLock_;  // tasks may be posted from a worker thread
  std::deque<std::function<void()>> posted_;
  std::vector<MessageBoxSpec> boxes_;
  std::vector<Tone> sounds_;
  std::vector<const Dialog*> shown_;
  int framesShown_ = 0;
  bool waitCursor_ = false;
};

}  // namespace ui
