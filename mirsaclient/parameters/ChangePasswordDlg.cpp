#include "mirsaclient/parameters/ChangePasswordDlg.h"

#include <stdexcept>
#include <string>

#include "mirsaclient/parameters/OneLineBoxes.h"
#include "mirsaclient/resources/ParameterIds.h"
#include "mirsaclient/resources/PasswordIds.h"
#include "mirsaclient/resources/PasswordTemplates.h"
#include "ui/Toolkit.h"

namespace mirsa {
namespace {

constexpr const char* kCaption = "TALVO - PARAMETERS";
// The parameter file keeps a password in at most this many characters.
constexpr int kPasswordWidth = 19;

int PasswordBoxOf(std::string_view target) {
  if (target == kTargetChecker) return IDC_PARAM_CHECKER_PASSWORD;
  if (target == kTargetMaker1) return IDC_PARAM_MAKER1_PASSWORD;
  if (target == kTargetMaker2) return IDC_PARAM_MAKER2_PASSWORD;
  throw std::invalid_argument("no password of \"" + std::string(target) + "\"");
}

}  // namespace

CChangePasswordDlg::CChangePasswordDlg(ui::Toolkit& toolkit, ui::Dialog& owner,
                                       std::string_view target)
    : ui::Dialog(toolkit, ChangePasswordTemplate()),
      owner_(owner),
      ownerBox_(PasswordBoxOf(target)) {
  // The new password goes into the one-line parameter file.
  for (int id : {IDC_CHANGE_OLD, IDC_CHANGE_NEW, IDC_CHANGE_CONFIRM}) {
    RefuseFieldSeparator(*this, id);
    control(id).SetMaxLength(kPasswordWidth);
  }
}

bool CChangePasswordDlg::OnInitDialog() {
  SetFocus(IDC_CHANGE_OLD);
  return false;
}

void CChangePasswordDlg::Inform(const char* text) {
  toolkit().MessageBox(text, kCaption, ui::Buttons::Ok, ui::Icon::Information);
}

void CChangePasswordDlg::OnOK() {
  const std::string oldPassword = GetDlgItemText(IDC_CHANGE_OLD);
  const std::string newPassword = GetDlgItemText(IDC_CHANGE_NEW);
  const std::string confirmed = GetDlgItemText(IDC_CHANGE_CONFIRM);
  if (newPassword.empty() || confirmed.empty()) {
    Inform("Password cannot be Null");
    SetFocus(IDC_CHANGE_NEW);
    return;
  }
  if (newPassword != confirmed) {
    Inform(" New Passwords do not match");
    SetFocus(IDC_CHANGE_NEW);
    return;
  }
  if (owner_.GetDlgItemText(ownerBox_) != oldPassword) {
    Inform("Old Password does not match");
    SetFocus(IDC_CHANGE_OLD);
    return;
  }
  owner_.SetDlgItemText(ownerBox_, newPassword);
  Inform("Password Changed");
  EndDialog(ui::IDOK);
}

}  // namespace mirsa
