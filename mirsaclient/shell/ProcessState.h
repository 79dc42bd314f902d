#pragma once
// The client's process-wide state: the parameter values in use, the logged-in user, the open
// application form and the availability of the four application commands. These live for the
// whole process, as the client has always kept them.

#include <string>

namespace mirsa {

class CApplicationForm;

extern std::string g_strMemberCode;
extern std::string g_strBankName;
extern std::string g_strBankCode;
extern std::string g_strZoneCode;
extern std::string g_strBranchCode;
extern std::string g_strPlr;
extern std::string g_strCheckerPassword;
extern std::string g_strServerAddress;
extern std::string g_strConnectionName;

extern std::string g_strUserId;    // upper case
extern std::string g_strUserRole;  // "M" for either maker, "C" for the checker
extern int g_nFailedLogins;

extern CApplicationForm* g_pApplicationForm;
extern bool g_bFormOpen;
extern bool g_bAddEnabled;
extern bool g_bModifyEnabled;
extern bool g_bDeleteEnabled;
extern bool g_bVerifyEnabled;

inline constexpr const char* kRoleMaker = "M";
inline constexpr const char* kRoleChecker = "C";

// Back to the values of a process that has just started (tests).
void ResetProcessState();

}  // namespace mirsa
