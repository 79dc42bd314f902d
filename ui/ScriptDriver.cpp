#include "ui/ScriptDriver.h"

#include <algorithm>

namespace ui {
namespace {

std::string Describe(const Dialog& d) {
  return "'" + d.caption() + "' (" + std::to_string(d.resourceId()) + ")";
}

std::string Describe(const MessageBoxSpec& box) {
  return "\"" + box.text + "\" (caption \"" + box.caption + "\", " + ToString(box.icon) + ", " +
         ToString(box.buttons) + ")";
}

}  // namespace

ScriptDriver& ScriptDriver::Add(std::string what, int dialog, std::function<void(Dialog&)> act) {
  steps_.push_back(Step{std::move(what), dialog, std::move(act), {}, ui::Answer::Ok});
  return *this;
}

ScriptDriver& ScriptDriver::Type(int id, std::string text, int dialog) {
  return Add("type \"" + text + "\" into " + std::to_string(id), dialog, [id, text](Dialog& d) {
    d.Click(id);
    Control& box = d.control(id);
    if (d.focus() != &box) return;
    box.SetTextSelection(static_cast<int>(box.text().size()), 0);
    d.TypeText(text);
  });
}

ScriptDriver& ScriptDriver::Type(std::string name, std::string text) {
  return Add("type \"" + text + "\" into " + name, 0, [name, text](Dialog& d) {
    Control& box = d.control(name);
    d.Click(box.id());
    if (d.focus() != &box) return;
    box.SetTextSelection(static_cast<int>(box.text().size()), 0);
    d.TypeText(text);
  });
}

ScriptDriver& ScriptDriver::Replace(int id, std::string text, int dialog) {
  return Add("replace the text of " + std::to_string(id) + " by \"" + text + "\"", dialog,
             [id, text](Dialog& d) {
               Control& box = d.control(id);
               d.Click(id);
               if (d.focus() != &box) return;
               box.SelectAllText();
               if (text.empty()) d.PressKey(Key{Key::kBackspace});
               d.TypeText(text);
             });
}

ScriptDriver& ScriptDriver::Keys(std::string text, int dialog) {
  return Add("type \"" + text + "\"", dialog, [text](Dialog& d) { d.TypeText(text); });
}

ScriptDriver& ScriptDriver::Press(Key key, int dialog) {
  return Add("press key " + std::to_string(key.code), dialog,
             [key](Dialog& d) { d.PressKey(key); });
}

ScriptDriver& ScriptDriver::Tab(int dialog) {
  return Press(Key{Key::kTab}, dialog);
}

ScriptDriver& ScriptDriver::BackTab(int dialog) {
  return Press(Key{Key::kTab, true}, dialog);
}

ScriptDriver& ScriptDriver::Click(int id, int dialog) {
  return Add("click " + std::to_string(id), dialog, [id](Dialog& d) { d.Click(id); });
}

ScriptDriver& ScriptDriver::Click(std::string name) {
  return Add("click " + name, 0, [name](Dialog& d) { d.Click(d.control(name).id()); });
}

ScriptDriver& ScriptDriver::Focus(int id, int dialog) {
  return Add("focus " + std::to_string(id), dialog, [id](Dialog& d) { d.SetFocus(id); });
}

ScriptDriver& ScriptDriver::Choose(int id, int item, int dialog) {
  return Add("choose item " + std::to_string(item) + " of " + std::to_string(id), dialog,
             [id, item](Dialog& d) { d.Choose(id, item); });
}

ScriptDriver& ScriptDriver::Choose(std::string name, std::string item) {
  return Add("choose \"" + item + "\" in " + name, 0, [name, item](Dialog& d) {
    Control& c = d.control(name);
    const int index = c.FindItemExact(item);
    if (index < 0) throw ScriptError(name + " has no item \"" + item + "\"");
    d.Choose(c.id(), index);
  });
}

ScriptDriver& ScriptDriver::Paste(int id, std::string text, int dialog) {
  return Add("paste \"" + text + "\" into " + std::to_string(id), dialog,
             [id, text](Dialog& d) { d.PasteText(id, text); });
}

ScriptDriver& ScriptDriver::Scroll(std::string name, int position) {
  return Add("scroll " + name + " to " + std::to_string(position), 0,
             [name, position](Dialog& d) { d.Scroll(d.control(name).id(), position); });
}

ScriptDriver& ScriptDriver::CloseBox(int dialog) {
  return Add("close the window", dialog, [](Dialog& d) { d.CloseBox(); });
}

ScriptDriver& ScriptDriver::Do(std::function<void(Dialog&)> step, int dialog) {
  return Add("a step of the test", dialog, std::move(step));
}

ScriptDriver& ScriptDriver::Answer(ExpectedBox expected, ui::Answer answer) {
  steps_.push_back(Step{"answer \"" + expected.text + "\"", 0, {}, std::move(expected), answer});
  return *this;
}

ScriptDriver& ScriptDriver::Answer(std::string text, std::string caption, ui::Answer answer) {
  return Answer(ExpectedBox{std::move(text), std::move(caption), {}, {}, {}}, answer);
}

void ScriptDriver::Perform(Step& step, Dialog& dialog) {
  if (!step.act) {
    throw ScriptError("the script expected a message box (" + step.what + "), but window " +
                      Describe(dialog) + " waits for the user");
  }
  if (step.dialog != 0 && step.dialog != dialog.resourceId()) {
    throw ScriptError("the step \"" + step.what + "\" is meant for window " +
                      std::to_string(step.dialog) + ", but window " + Describe(dialog) + " runs");
  }
  step.act(dialog);
  RunPosted();
}

void ScriptDriver::Play(Dialog& dialog) {
  while (!steps_.empty()) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    Perform(step, dialog);
  }
}

void ScriptDriver::RunPosted() {
  for (;;) {
    std::function<void()> task;
    {
      std::lock_guard lock(postedLock_);
      if (posted_.empty()) return;
      task = std::move(posted_.front());
      posted_.pop_front();
    }
    task();
  }
}

std::vector<std::string> ScriptDriver::boxTexts() const {
  std::vector<std::string> texts;
  for (const auto& b : boxes_) texts.push_back(b.text);
  return texts;
}

void ScriptDriver::RunModal(Dialog& dialog) {
  shown_.push_back(&dialog);
  while (!dialog.hasEnded()) {
    if (steps_.empty())
      throw ScriptError("modal window " + Describe(dialog) + " waits on an empty script");
    Step step = std::move(steps_.front());
    steps_.pop_front();
    Perform(step, dialog);
  }
}

void ScriptDriver::EndModal(Dialog&) {}

void ScriptDriver::ShowWindow(Dialog& dialog) {
  if (std::find(shown_.begin(), shown_.end(), &dialog) == shown_.end()) shown_.push_back(&dialog);
}

void ScriptDriver::HideWindow(Dialog&) {}

void ScriptDriver::DestroyWindow(Dialog& dialog) {
  shown_.erase(std::remove(shown_.begin(), shown_.end(), &dialog), shown_.end());
}

void ScriptDriver::ShowFrame(FrameWindow&) {
  ++framesShown_;
}

void ScriptDriver::FrameChanged(FrameWindow&) {}

ui::Answer ScriptDriver::ShowMessageBox(const MessageBoxSpec& box) {
  boxes_.push_back(box);
  if (steps_.empty() || steps_.front().act)
    throw ScriptError("unexpected message box " + Describe(box));
  Step step = std::move(steps_.front());
  steps_.pop_front();
  const ExpectedBox& e = step.expected;
  const bool matches = e.text == box.text && (!e.caption || *e.caption == box.caption) &&
                       (!e.icon || *e.icon == box.icon) &&
                       (!e.buttons || *e.buttons == box.buttons) &&
                       (!e.defaultButton || *e.defaultButton == box.defaultButton);
  if (!matches) {
    throw ScriptError("message box " + Describe(box) + " where the script expected \"" + e.text +
                      "\"" + (e.caption ? " (caption \"" + *e.caption + "\")" : std::string()));
  }
  return step.answer;
}

void ScriptDriver::Sound(const Tone& tone) {
  sounds_.push_back(tone);
}

void ScriptDriver::SetWaitCursor(bool on) {
  waitCursor_ = on;
}

void ScriptDriver::Post(std::function<void()> task) {
  std::lock_guard lock(postedLock_);
  posted_.push_back(std::move(task));
}

}  // namespace ui
