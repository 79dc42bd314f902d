#pragma once
// A window of the toolkit model: a set of controls with their state, events and focus.
//
// THE EVENT AND FOCUS CONTRACT. The field checks of the forms depend on the order in which
// focus and message boxes fire events, so the model makes it deterministic, the same in tests
// and in real windows. Forms rely on these rules and never patch around them.
//
//  1. Every programmatic change of a control's text fires its Change event, exactly as typing
//     does (only when the text really changes).
//  2. SetFocus(B): the control that holds the focus gets FocusOut, then B gets FocusIn,
//     synchronously and re-entrantly: handlers may move the focus again or show message boxes.
//     A control gets FocusOut only if it got FocusIn. If a FocusOut handler moves the focus
//     elsewhere, the original target B does not get its FocusIn.
//  3. Before FocusOut, a control with a Validate handler is asked; answering false keeps the
//     focus where it is and fires nothing else (the forms toolkit's Validate with Cancel).
//  4. A message box takes the focus: the control that holds it gets FocusOut when the box
//     opens, and whichever control is the focus target when the box closes gets FocusIn.
//     SetFocus while a box is open only changes the target.
//  5. Key presses pass the dialog's key preview first, then the control's key handler; either
//     may drop the key (set its code to 0). Then Tab moves to the next enabled, visible tab
//     stop in tab order (Shift+Tab to the previous), Enter presses the default button (if it is
//     enabled; a multi-line box that wants Return takes Enter itself), Escape presses the
//     cancel button, and other keys edit the focused box.
//  6. A click moves the focus to the button first (rule 2). The click happens only if the
//     button then holds the focus and is enabled: a FocusOut handler that takes the focus
//     elsewhere, or shows a message box, swallows the click.
//  7. A modal run blocks its caller until EndDialog; "end the process" unwinds every modal run
//     (Toolkit::EndProcess). Closing a window with its close box calls OnClose.
//  8. The forms toolkit of the calculator differs in one point: there a message box leaves the
//     focus alone (no FocusOut when it opens, no FocusIn when it closes), so a GotFocus handler
//     may show a box and move the focus without being called again. Such a window says so with
//     SetMessageBoxesMoveFocus(false); rule 4 then does not apply to it.
//  9. A window is activated when it becomes the toolkit's active window after it was created
//     (Show, or the user coming back to it from another window, and a modal window right after
//     OnInitDialog): OnActivate runs then, as the forms toolkit's Activate event.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Control.h"
#include "ui/DialogTemplate.h"

namespace ui {

class Toolkit;

enum class Event {
  Change,  // the text changed
  FocusIn,
  FocusOut,
  Click,         // buttons, check boxes, radio buttons; a command of the dialog
  SelChange,     // the user chose another item of a combo or list box
  Scroll,        // a scroll bar's position changed
  MaskRejected,  // a masked edit box refused a keystroke
  DoubleClick,
};

// A renderer keeps real widgets in step with the model through this interface.
class DialogObserver {
 public:
  virtual ~DialogObserver() = default;
  virtual void ControlChanged(Control& control, ControlProperty what) = 0;
  virtual void FocusChanged(Control* holder) = 0;
  virtual void CaptionChanged() = 0;
  virtual void GeometryChanged() = 0;
};

class Dialog {
 public:
  Dialog(Toolkit& toolkit, DialogTemplate layout);
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog();

  Toolkit& toolkit() const { return toolkit_; }
  int resourceId() const { return layout_.resourceId; }
  const DialogTemplate& layout() const { return layout_; }
  const std::string& caption() const { return caption_; }
  void SetCaption(std::string_view caption);

  // Controls, in tab order.
  Control& control(int id) const;
  Control& control(std::string_view name) const;
  Control* find(int id) const;
  Control* find(std::string_view name) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  void SetTabOrder(const std::vector<int>& ids);
  // Text helpers in the manner of the dialog framework.
  std::string GetDlgItemText(int id) const { return control(id).text(); }
  void SetDlgItemText(int id, std::string_view text) { control(id).SetText(text); }
  void EnableDlgItem(int id, bool enable) { control(id).SetEnabled(enable); }

  // Events.
  using Handler = std::function<void()>;
  void On(int id, Event event, Handler handler);
  void On(std::string_view name, Event event, Handler handler);
  void OnValidate(int id, std::function<bool()> handler);
  void OnKey(int id, std::function<void(Key&)> handler);
  void SetKeyPreview(std::function<void(Control* focused, Key&)> preview);
  int defaultButton() const { return defaultButton_; }
  void SetDefaultButton(int id);
  int cancelButton() const { return cancelButton_; }
  void SetCancelButton(int id) { cancelButton_ = id; }
  // Rule 8: whether a message box takes the focus of this window (true, the default).
  bool messageBoxesMoveFocus() const { return boxesMoveFocus_; }
  void SetMessageBoxesMoveFocus(bool move) { boxesMoveFocus_ = move; }

  // Focus (rules 2 to 4).
  Control* focus() const { return holder_; }
  Control* focusTarget() const { return target_; }
  void SetFocus(int id);
  void SetFocus(Control& control);
  void SetFocus(std::string_view name) { SetFocus(control(name)); }

  // What the user does, from a renderer or the scripted driver.
  void PressKey(Key key);
  void TypeText(std::string_view text);  // each character as a key press
  void Click(int id);
  void Choose(int id, int item);
  void PasteText(int id, std::string_view text);  // replaces the box's selected text
  void Scroll(int id, int position);
  void CloseBox() { OnClose(); }
  void Tab(bool backward = false);

  // Life of the window.
  int DoModal();  // runs modally; answers the EndDialog result
  void Create();  // a modeless window: initialises it, does not show it
  void Show();
  void Hide();
  void Destroy();
  void EndDialog(int result);
  bool isModal() const { return modal_; }
  bool isCreated() const { return created_; }
  bool isShown() const { return shown_; }
  bool hasEnded() const { return ended_; }
  int result() const { return result_; }

  // The position and size given in pixels by the program (-1: the template's).
  Rect windowRect() const { return windowRect_; }
  void MoveWindow(Rect pixels);

  // A renderer registers itself here (one at a time).
  void SetObserver(DialogObserver* observer) { observer_ = observer; }
  DialogObserver* observer() const { return observer_; }

  // Called by the toolkit around a message box (rule 4).
  void MessageBoxOpening();
  void MessageBoxClosed();
  // Called by the toolkit when the window becomes the active one (rule 9).
  void Activated();

 protected:
  // Answer true to put the focus on the first tab stop afterwards.
  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  virtual void OnClose() { Command(cancelButton_); }
  virtual void OnActivate() {}
  // A button's command: its Click handlers, else OnOK for IDOK and OnCancel for IDCANCEL.
  void Command(int id);

 private:
  friend class Control;
  void ControlChanged(Control& control, ControlProperty what);
  void Fire(Control& control, Event event);
  bool Validate(Control& control);
  void Initialize();
  void EditText(Control& box, const Key& key);
  void EditMasked(Control& box, const Key& key);
  Control* NextTabStop(Control* from, bool backward) const;
  std::vector<Control*> Find(std::function<bool(const Control&)> test) const;

  Toolkit& toolkit_;
  DialogTemplate layout_;
  std::string caption_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::pair<int, Event>, std::vector<Handler>> handlers_;
  std::map<int, std::function<bool()>> validators_;
  std::map<int, std::function<void(Key&)>> keyHandlers_;
  std::function<void(Control*, Key&)> keyPreview_;
  int defaultButton_ = IDOK;
  int cancelButton_ = IDCANCEL;
  Control* holder_ = nullptr;
  Control* target_ = nullptr;
  int openBoxes_ = 0;
  bool boxesMoveFocus_ = true;
  bool modal_ = false;
  bool created_ = false;
  bool shown_ = false;
  bool ended_ = false;
  int result_ = 0;
  Rect windowRect_{-1, -1, -1, -1};
  DialogObserver* observer_ = nullptr;
};

}  // namespace ui
