#include "mirsaclient/shell/ProcessState.h"

namespace mirsa {

std::string g_strMemberCode;
std::string g_strBankName;
std::string g_strBankCode;
std::string g_strZoneCode;
std::string g_strBranchCode;
std::string g_strPlr;
std::string g_strCheckerPassword;
std::string g_strServerAddress;
std::string g_strConnectionName;
std::string g_strUserId;
std::string g_strUserRole;
int g_nFailedLogins = 0;
CApplicationForm* g_pApplicationForm = nullptr;
bool g_bFormOpen = false;
bool g_bAddEnabled = false;
bool g_bModifyEnabled = false;
bool g_bDeleteEnabled = false;
bool g_bVerifyEnabled = false;

void ResetProcessState() {
  for (std::string* s : {&g_strMemberCode, &g_strBankName, &g_strBankCode, &g_strZoneCode,
                         &g_strBranchCode, &g_strPlr, &g_strCheckerPassword, &g_strServerAddress,
                         &g_strConnectionName, &g_strUserId, &g_strUserRole})
    s->clear();
  g_nFailedLogins = 0;
  g_pApplicationForm = nullptr;
  g_bFormOpen = false;
  g_bAddEnabled = g_bModifyEnabled = g_bDeleteEnabled = g_bVerifyEnabled = false;
}

}  // namespace mirsa
