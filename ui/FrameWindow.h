#pragma once
// A program's main window: caption, menu, status bar panes and a client area that the program
// draws (the view). The menu's commands are evaluated for availability whenever it is shown.

#include <string>
#include <string_view>
#include <vector>

#include "ui/Types.h"

namespace ui {

class Toolkit;

// What the view draws on.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void Fill(Color color) = 0;
  virtual void DrawPicture(const Picture& picture, Point topLeft) = 0;
};

struct MenuItem {
  std::string text;  // "&" marks the access key; empty for a separator
  int command = 0;
  std::vector<MenuItem> items;  // a pop-up menu's items
};

class FrameWindow {
 public:
  FrameWindow(Toolkit& toolkit, std::string caption);
  FrameWindow(const FrameWindow&) = delete;
  FrameWindow& operator=(const FrameWindow&) = delete;
  virtual ~FrameWindow();

  Toolkit& toolkit() const { return toolkit_; }
  const std::string& caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  const std::vector<std::string>& statusPanes() const { return statusPanes_; }
  void SetStatusPanes(std::vector<std::string> panes);
  const std::vector<MenuItem>& menu() const { return menu_; }
  void SetMenu(std::vector<MenuItem> menu);
  bool maximized() const { return maximized_; }
  bool shown() const { return shown_; }

  void ShowMaximized();
  // Closes the window for good: the program's main window closing ends the process.
  void Close();

  // From the renderer (or a test): paint the client area of the given size.
  void Paint(Canvas& canvas, Size client) { OnPaint(canvas, client); }
  // The close box or Alt+F4.
  void RequestClose() { OnCloseRequest(); }
  virtual bool IsCommandEnabled(int command) const {
    (void)command;
    return true;
  }
  virtual void OnCommand(int command) { (void)command; }

 protected:
  virtual void OnPaint(Canvas& canvas, Size client) = 0;
  virtual void OnCloseRequest() {}

 private:
  Toolkit& toolkit_;
  std::string caption_;
  std::vector<std::string> statusPanes_;
  std::vector<MenuItem> menu_;
  bool maximized_ = false;
  bool shown_ = false;
};

}  // namespace ui
