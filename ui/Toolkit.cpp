#include "ui/Toolkit.h"

#include <algorithm>

#include "ui/Dialog.h"

namespace ui {

Toolkit::Toolkit(Backend& backend) : backend_(backend) {}

Answer Toolkit::MessageBox(std::string_view text, std::string_view caption, Buttons buttons,
                           Icon icon, int defaultButton) {
  Dialog* owner = activeDialog();
  if (owner) owner->MessageBoxOpening();
  MessageBoxSpec box{std::string(text), std::string(caption), buttons, icon, defaultButton};
  Answer answer = Answer::Cancel;
  try {
    answer = backend_.ShowMessageBox(box);
  } catch (...) {
    if (owner) owner->MessageBoxClosed();
    throw;
  }
  if (owner) owner->MessageBoxClosed();
  return answer;
}

void Toolkit::Tone(int frequency, int milliseconds) {
  tones_.push_back({frequency, milliseconds});
  backend_.Sound(tones_.back());
}

Toolkit::WaitCursor::WaitCursor(Toolkit& toolkit) : toolkit_(toolkit) {
  if (toolkit_.waitCursors_++ == 0) toolkit_.backend_.SetWaitCursor(true);
}

Toolkit::WaitCursor::~WaitCursor() {
  if (--toolkit_.waitCursors_ == 0) toolkit_.backend_.SetWaitCursor(false);
}

void Toolkit::EndProcess(int exitCode) {
  ending_ = true;
  exitCode_ = exitCode;
  throw ProcessEnd{exitCode};
}

Dialog* Toolkit::activeDialog() const {
  return active_.empty() ? nullptr : active_.back();
}

void Toolkit::Activate(Dialog& dialog) {
  const bool becomesActive = activeDialog() != &dialog;
  Forget(dialog);
  active_.push_back(&dialog);
  if (becomesActive) dialog.Activated();
}

void Toolkit::Forget(Dialog& dialog) {
  active_.erase(std::remove(active_.begin(), active_.end(), &dialog), active_.end());
}

}  // namespace ui
