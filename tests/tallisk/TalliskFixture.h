#pragma once
// A calculator test: a fresh program directory, the clock fixed in April 2004, the scripted
// driver, and the entry form opened on a session of its own.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/TextMode.h"
#include "tallisk/member/TalliskSession.h"
#include "tallisk/records/PeriodicalDataLayout.h"
#include "tallisk/records/frmPeriodicalData.h"
#include "tests/support/TempDir.h"
#include "ui/ScriptDriver.h"
#include "ui/Toolkit.h"

namespace tallisk_test {

inline constexpr const char* kMemberId = "001200340056";

// The trust's list for the tests: three accounts of the member with the same amounts, one
// whose cover has not started, one of another branch of the bank and one of another bank.
inline constexpr const char* kAccountList =
    "001200340056|TV200312345|15/06/2003|ABC Industries|500000|200000\n"
    "001200340056|TV200312346|15/06/2003|Bharat Castings|500000|200000\n"
    "001200340056|TV200312347|15/06/2003|Coastal Foods|500000|200000\n"
    "001200340056|TV200400001||Deccan Prints|300000|100000\n"
    "001200340057|TV200377777|01/04/2003|Other Branch Works|100000|100000\n"
    "009900010001|TV200388888|01/04/2003|Other Bank Works|100000|100000\n";

// The data line of one of the three like accounts: fee 3189 on 250000 and 150000 outstanding.
inline std::string DataLine(const std::string& tvpan, const std::string& borrower) {
  return std::string(kMemberId) + "|" + tvpan + "|" + borrower +
         "|Main Branch|500000|250000|200000|150000|15/06/2003|3189|N|Standard||";
}

class TalliskTest : public ::testing::Test {
 protected:
  std::filesystem::path Path(const std::string& name) const { return dir.path() / name; }
  // Writes a file as the calculator would: in text mode.
  void WriteText(const std::string& name, const std::string& logical) const {
    std::filesystem::create_directories(Path(name).parent_path());
    std::ofstream(Path(name), std::ios::binary) << platform::ToTextMode(logical);
  }
  std::string ReadRaw(const std::string& name) const {
    return platform::ReadBinaryFile(Path(name)).value_or("<missing>");
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }

  testing_support::TempDir dir{false};
  platform::ScopedFixedClock clock{{2004, 4, 15, 10, 30, 0}};
  ui::ScriptDriver driver;
  ui::Toolkit toolkit{driver};
};

// The entry form opened directly, as start-up opens it once the member is known.
class FormTest : public TalliskTest {
 protected:
  void Open(bool withList = true) {
    if (withList) WriteText("tvpans.txt", kAccountList);
    session.files.programDir = dir.path();
    session.currentMemberId = kMemberId;
    session.accounts.SetLoaded(std::filesystem::exists(session.files.AccountList()));
    form = std::make_unique<tallisk::frmPeriodicalData>(toolkit, session);
    form->Create();
    form->Show();
  }
  void Play() { driver.Play(*form); }
  const std::string& Text(std::string_view name) const { return form->control(name).text(); }

  // Queues the steps that enter one account and save it: the TVPAN digits after "TV200", the
  // branch name and the two outstanding amounts.
  void QueueRecord(const std::string& digits, const std::string& tcOutstanding = "250000",
                   const std::string& wcOutstanding = "150000") {
    using namespace tallisk::periodical;
    driver.Click(std::string(cmdAddSave))
        .Keys(digits)
        .Type(std::string(txtBranchName), "Main Branch")
        .Click(std::string(txtTermLoanOS))
        .Keys(tcOutstanding)
        .Click(std::string(txtWorkingCapitalOS))
        .Keys(wcOutstanding)
        .Click(std::string(cmdAddSave));
  }

  tallisk::TalliskSession session;
  std::unique_ptr<tallisk::frmPeriodicalData> form;
};

}  // namespace tallisk_test
