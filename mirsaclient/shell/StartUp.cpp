#include "mirsaclient/shell/StartUp.h"

#include <filesystem>
#include <system_error>

#include "mirsaclient/parameters/ParameterDlg.h"
#include "mirsaclient/shell/LoginDlg.h"
#include "mirsaclient/shell/ParameterFile.h"
#include "mirsaclient/shell/WorkingDirs.h"
#include "platform/CaseBlindPath.h"
#include "ui/Toolkit.h"

namespace mirsa {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMemberCodeLength = 12;

// The root is an existing directory whose name is "MIRSA" in any case; else it is created.
void MakeWorkingRoot() {
  std::error_code ec;
  const fs::path cwd = platform::CurrentDir();
  for (fs::directory_iterator it(cwd, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_directory(ec) &&
        platform::EqualsIgnoringCase(it->path().filename().string(), kWorkingRootName))
      return;
  }
  fs::create_directory(cwd / kWorkingRootName, ec);  // a failure shows later, not here
}

void MakeExportDir() {
  std::error_code ec;
  const fs::path dir = ClientPath("\\MIRSA\\Export");
  if (!fs::exists(dir, ec)) fs::create_directory(dir, ec);
}

void RunFirstRunParameterMaintenance(ui::Toolkit& toolkit) {
  CParameterDlg parameters(toolkit);
  parameters.DoModal();
}

}  // namespace

bool IsWellFormedMemberCode(const std::string& memberCode) {
  return memberCode.size() == kMemberCodeLength &&
         memberCode.find_first_not_of("0123456789") == std::string::npos;
}

void RunStartUpSequence(ui::Toolkit& toolkit) {
  MakeWorkingRoot();
  MakeExportDir();
  if (!ParameterFileExists()) {
    RunFirstRunParameterMaintenance(toolkit);
    return;
  }
  const auto parameters = ReadParameterFile();
  const std::string memberCode = parameters ? (*parameters)[kMemberCode] : std::string();
  if (!IsWellFormedMemberCode(memberCode)) {
    toolkit.MessageBox("The parameter file is improperly formatted - please re-create it",
                       "TALVO-LOGIN", ui::Buttons::Ok, ui::Icon::Information);
    std::error_code ec;
    fs::remove(ParameterFilePath(), ec);
    RunFirstRunParameterMaintenance(toolkit);
    return;
  }
  CLoginDlg login(toolkit);
  login.DoModal();
}

}  // namespace mirsa
