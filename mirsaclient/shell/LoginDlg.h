#pragma once
// The login, dialog 130: identifies the user once per process, sets the role and loads the
// parameter values that the rest of the client uses. It returns only after a successful
// login; Cancel and the third failed attempt of the process end the process.

#include "ui/Dialog.h"

namespace mirsa {

class CLoginDlg : public ui::Dialog {
 public:
  explicit CLoginDlg(ui::Toolkit& toolkit);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void OnChangePassword();
  void CountFailure();
};

}  // namespace mirsa
