#pragma once
// The calculator's start: the member is known from the header file of the current year, or
// identifies itself in the member ID dialog (whose acceptance cuts the account list down to
// its accounts); then the entry form is shown.

#include <filesystem>
#include <memory>

#include "tallisk/member/TalliskSession.h"
#include "ui/Toolkit.h"

namespace tallisk {

class frmPeriodicalData;

class TalliskApp {
 public:
  // `uploadServer`: where the output file goes (the trust's server unless a test names one).
  TalliskApp(ui::Toolkit& toolkit, std::filesystem::path programDir,
             FtpServerAddress uploadServer = {});
  ~TalliskApp();

  // Answers true when the entry form is shown (it ends the process when it closes), false when
  // the member ID dialog was cancelled and the program is to end.
  bool Start();

  TalliskSession& session() { return session_; }
  frmPeriodicalData* mainForm() const { return form_.get(); }

 private:
  void ShowMainForm();

  ui::Toolkit& toolkit_;
  TalliskSession session_;
  std::unique_ptr<frmPeriodicalData> form_;
};

}  // namespace tallisk
