#include "ui/FrameWindow.h"

#include "ui/Toolkit.h"

namespace ui {

FrameWindow::FrameWindow(Toolkit& toolkit, std::string caption)
    : toolkit_(toolkit), caption_(std::move(caption)) {}

FrameWindow::~FrameWindow() {
  toolkit_.backend().CloseFrame(*this);
}

void FrameWindow::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  if (shown_) toolkit_.backend().FrameChanged(*this);
}

void FrameWindow::SetStatusPanes(std::vector<std::string> panes) {
  statusPanes_ = std::move(panes);
  if (shown_) toolkit_.backend().FrameChanged(*this);
}

void FrameWindow::SetMenu(std::vector<MenuItem> menu) {
  menu_ = std::move(menu);
  if (shown_) toolkit_.backend().FrameChanged(*this);
}

void FrameWindow::ShowMaximized() {
  maximized_ = true;
  shown_ = true;
  toolkit_.backend().ShowFrame(*this);
}

void FrameWindow::Close() {
  shown_ = false;
  toolkit_.backend().CloseFrame(*this);
}

}  // namespace ui
