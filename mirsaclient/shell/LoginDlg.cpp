#include "mirsaclient/shell/LoginDlg.h"

#include "mirsaclient/resources/LoginIds.h"
#include "mirsaclient/resources/LoginTemplate.h"
#include "mirsaclient/shell/ParameterFile.h"
#include "mirsaclient/shell/ProcessState.h"
#include "ui/TextCase.h"
#include "ui/Toolkit.h"

namespace mirsa {
namespace {

constexpr int kLoginAttempts = 3;
constexpr const char* kLoginCaption = "TALVO - LOGIN";

// The server address up to its first character that is neither a digit nor '.'.
std::string CutServerAddress(const std::string& address) {
  return address.substr(0, address.find_first_not_of("0123456789."));
}

void CopyIntoProcessState(const ParameterSet& p) {
  g_strMemberCode = p[kMemberCode];
  g_strBankName = p[kBankName];
  g_strBankCode = p[kBankCode];
  g_strZoneCode = p[kZoneCode];
  g_strBranchCode = p[kBranchCode];
  g_strPlr = p[kPlr];
  g_strCheckerPassword = p[kCheckerPassword];
  g_strServerAddress = CutServerAddress(p[kServerAddress]);
  g_strConnectionName = p[kConnectionName];
}

}  // namespace

CLoginDlg::CLoginDlg(ui::Toolkit& toolkit) : ui::Dialog(toolkit, LoginTemplate()) {
  On(IDC_LOGIN_PASSWORD, ui::Event::Change, [this] { OnChangePassword(); });
}

bool CLoginDlg::OnInitDialog() {
  EnableDlgItem(ui::IDOK, false);
  return true;
}

void CLoginDlg::OnChangePassword() {
  const std::string& password = GetDlgItemText(IDC_LOGIN_PASSWORD);
  EnableDlgItem(ui::IDOK, password.find_first_not_of(' ') != std::string::npos);
}

void CLoginDlg::OnOK() {
  const auto parameters = ReadParameterFile();
  if (!parameters) return;
  CopyIntoProcessState(*parameters);

  const std::string user = ui::ToUpper(GetDlgItemText(IDC_LOGIN_USERNAME));
  const std::string password = GetDlgItemText(IDC_LOGIN_PASSWORD);
  struct Account {
    ParameterField id, password;
    const char* role;
  };
  // The checker is compared first, so a checker id that equals a maker's wins.
  constexpr Account kAccounts[] = {{kCheckerId, kCheckerPassword, kRoleChecker},
                                   {kMaker1Id, kMaker1Password, kRoleMaker},
                                   {kMaker2Id, kMaker2Password, kRoleMaker}};
  for (const Account& account : kAccounts) {
    const std::string id = ui::ToUpper((*parameters)[account.id]);
    if (user != id) continue;
    if (password == (*parameters)[account.password]) {
      g_strUserId = id;
      g_strUserRole = account.role;
      EndDialog(ui::IDOK);
      toolkit().MessageBox(g_strUserRole == kRoleChecker
                               ? "You have successfully logged in with CHECKER privileges"
                               : "You have successfully logged in with MAKER privileges",
                           "TALVO-LOGIN", ui::Buttons::Ok, ui::Icon::Information);
      return;
    }
    toolkit().MessageBox("Incorrect Password", kLoginCaption, ui::Buttons::Ok,
                         ui::Icon::Information);
    if (account.id == kMaker1Id) {
      SetDlgItemText(IDC_LOGIN_PASSWORD, "");
      SetFocus(IDC_LOGIN_PASSWORD);
    }
    CountFailure();
    return;
  }
  toolkit().MessageBox("Invalid UserName", kLoginCaption, ui::Buttons::Ok, ui::Icon::Information);
  CountFailure();
  SetFocus(IDC_LOGIN_USERNAME);
}

void CLoginDlg::CountFailure() {
  if (++g_nFailedLogins != kLoginAttempts) return;
  toolkit().MessageBox("Quitting Application", kLoginCaption, ui::Buttons::Ok,
                       ui::Icon::Information);
  toolkit().EndProcess(0);
}

void CLoginDlg::OnCancel() {
  toolkit().EndProcess(0);
}

}  // namespace mirsa
