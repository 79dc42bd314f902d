#include "tallisk/member/StartUp.h"

#include <system_error>

#include "platform/TextMode.h"
#include "tallisk/MsgBox.h"
#include "tallisk/member/MemberSearch.h"
#include "tallisk/member/dlgMemid.h"
#include "tallisk/records/TextLines.h"
#include "tallisk/records/frmPeriodicalData.h"

namespace tallisk {

namespace fs = std::filesystem;

TalliskApp::TalliskApp(ui::Toolkit& toolkit, fs::path programDir, FtpServerAddress uploadServer)
    : toolkit_(toolkit) {
  session_.files.programDir = std::move(programDir);
  session_.uploadServer = std::move(uploadServer);
}

TalliskApp::~TalliskApp() = default;

bool TalliskApp::Start() {
  std::error_code ec;
  session_.accounts.SetLoaded(fs::exists(session_.files.AccountList(), ec));

  const fs::path header = session_.files.Header(CurrentYear());
  if (fs::exists(header, ec)) {
    const auto text = ReadFileText(header);
    const std::string_view first = text ? platform::FirstLine(*text) : std::string_view();
    session_.currentMemberId = std::string(first.substr(0, first.find('|')));
    ShowMainForm();
    return true;
  }

  dlgMemid memberDialog(toolkit_, session_.files);
  if (memberDialog.DoModal() != ui::IDOK) return false;
  switch (CutDownAccountList(session_.files, memberDialog.memberId())) {
    case CutDownResult::ListMissing:
      MsgBox(toolkit_, "TVPANS file missing\r\nPlease Contact TALVO");
      session_.accounts.SetLoaded(false);
      break;
    case CutDownResult::Done:
      session_.accounts.SetLoaded(true);
      break;
    case CutDownResult::Unchanged:  // the full list stays and serves as well
      break;
  }
  session_.currentMemberId = memberDialog.memberId();
  ShowMainForm();
  return true;
}

void TalliskApp::ShowMainForm() {
  form_ = std::make_unique<frmPeriodicalData>(toolkit_, session_);
  form_->Create();
  form_->Show();
}

}  // namespace tallisk
