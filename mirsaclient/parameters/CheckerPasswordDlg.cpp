#include "mirsaclient/parameters/CheckerPasswordDlg.h"

#include "mirsaclient/resources/PasswordIds.h"
#include "mirsaclient/resources/PasswordTemplates.h"
#include "mirsaclient/shell/ProcessState.h"

namespace mirsa {

CCheckerPasswordDlg::CCheckerPasswordDlg(ui::Toolkit& toolkit)
    : ui::Dialog(toolkit, CheckerPasswordTemplate()) {
  SetCancelButton(IDC_CHECKER_CANCEL);
  On(IDC_CHECKER_OK, ui::Event::Click, [this] {
    // Exactly, with case and blanks.
    Finish(GetDlgItemText(IDC_CHECKER_PASSWORD) == g_strCheckerPassword ? kCheckerPasswordRight
                                                                        : kCheckerPasswordWrong);
  });
  On(IDC_CHECKER_CANCEL, ui::Event::Click, [this] { Finish(kCheckerPasswordCancelled); });
}

bool CCheckerPasswordDlg::OnInitDialog() {
  passwordResult_ = kCheckerPasswordWrong;
  SetDlgItemText(IDC_CHECKER_PASSWORD, "");
  return true;
}

void CCheckerPasswordDlg::Finish(int result) {
  passwordResult_ = result;
  EndDialog(result);
}

}  // namespace mirsa
