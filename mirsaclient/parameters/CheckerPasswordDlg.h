#pragma once
// The checker's password, dialog 152, asked for before an upload. It shows no message: the
// caller reads the result and reports a wrong password. Cancel is the default button, so
// Enter cancels, as Escape and the close box do.

#include "ui/Dialog.h"

namespace mirsa {

// Results of the checker password dialog.
enum CheckerPasswordResult : int {
  kCheckerPasswordWrong = 0,  // also the result before any button is pressed
  kCheckerPasswordRight = 1,
  kCheckerPasswordCancelled = 2,
};

class CCheckerPasswordDlg : public ui::Dialog {
 public:
  explicit CCheckerPasswordDlg(ui::Toolkit& toolkit);
  // Read after the dialog has ended; DoModal answers the same value.
  int passwordResult() const { return passwordResult_; }

 protected:
  bool OnInitDialog() override;

 private:
  void Finish(int result);

  int passwordResult_ = kCheckerPasswordWrong;
};

}  // namespace mirsa
