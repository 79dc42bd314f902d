// The parameter dialog over a stored parameter file: the checker's view and edit modes.
#include <gtest/gtest.h>

#include <filesystem>

#include "mirsaclient/resources/PasswordIds.h"
#include "tests/mirsaclient/parameters/ParameterFixture.h"

namespace {

namespace fs = std::filesystem;
using namespace mirsa;
using mirsa_test::EnteredBranch;

constexpr int kEditModeBoxes[] = {
    IDC_PARAM_PLR,           IDC_PARAM_ADDRESS,         IDC_PARAM_CITY,
    IDC_PARAM_PIN,           IDC_PARAM_PHONE,           IDC_PARAM_PHONE_STD,
    IDC_PARAM_FAX,           IDC_PARAM_FAX_STD,         IDC_PARAM_SERVER_ADDRESS,
    IDC_PARAM_EMAIL,         IDC_PARAM_CONNECTION_NAME, IDC_PARAM_MAKER1_CHANGE,
    IDC_PARAM_MAKER2_CHANGE, IDC_PARAM_CHECKER_CHANGE,  IDC_PARAM_SAVE};
constexpr int kLockedInEditMode[] = {
    IDC_PARAM_MEMBER_CODE,     IDC_PARAM_BANK_NAME,        IDC_PARAM_BANK_CODE,
    IDC_PARAM_ZONE_CODE,       IDC_PARAM_BRANCH_CODE,      IDC_PARAM_MAKER1_ID,
    IDC_PARAM_MAKER1_PASSWORD, IDC_PARAM_MAKER2_ID,        IDC_PARAM_MAKER2_PASSWORD,
    IDC_PARAM_CHECKER_ID,      IDC_PARAM_CHECKER_PASSWORD, IDC_PARAM_EDIT};

class Maintenance : public mirsa_test::ParameterTest {
 protected:
  Maintenance() { StoreBranch(); }

  void SaveEdited() {
    driver.Click(IDC_PARAM_SAVE, IDD_PARAMETERS);
    ExpectBox("Details saved successfully", "TALVO - PARAMETERS");
  }
  void ChangeMaker2Password(const std::string& old, const std::string& next) {
    driver.Click(IDC_PARAM_MAKER2_CHANGE, IDD_PARAMETERS)
        .Type(IDC_CHANGE_OLD, old, IDD_CHANGE_PASSWORD)
        .Type(IDC_CHANGE_NEW, next, IDD_CHANGE_PASSWORD)
        .Type(IDC_CHANGE_CONFIRM, next, IDD_CHANGE_PASSWORD)
        .Click(ui::IDOK, IDD_CHANGE_PASSWORD);
    ExpectBox("Password Changed", "TALVO - PARAMETERS");
  }
};

TEST_F(Maintenance, ViewModeShowsTheStoredFieldsLockedAndCloseEndsAtOnce) {
  driver.Do(
      [](ui::Dialog& d) {
        const mirsa::ParameterSet p = EnteredBranch();
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_MEMBER_CODE), p[kMemberCode]);
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_ZONE_CODE), "2");
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_CHECKER_PASSWORD), "Check");
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_SERVER_ADDRESS), "127.0.0.1");
        for (const auto& c : d.controls()) {
          if (c->isBox()) {
            EXPECT_FALSE(c->enabled()) << c->id();
          }
        }
        EXPECT_TRUE(d.control(IDC_PARAM_EDIT).enabled());
        EXPECT_FALSE(d.control(IDC_PARAM_SAVE).enabled());
        EXPECT_FALSE(d.control(IDC_PARAM_MAKER1_CHANGE).enabled());
        EXPECT_EQ(d.focus()->id(), IDC_PARAM_EDIT);
      },
      IDD_PARAMETERS);
  driver
      .Press(ui::Key{ui::Key::kEnter})  // Enter does not press the focused Edit button
      .Do([](ui::Dialog& d) { EXPECT_TRUE(d.control(IDC_PARAM_EDIT).enabled()); })
      .Click(IDC_PARAM_CLOSE);
  EXPECT_EQ(Run(), -1);
  EXPECT_TRUE(driver.boxes().empty());
}

TEST_F(Maintenance, EditUnlocksWhatTheCheckerMayChangeAndSaveStoresIt) {
  driver.Click(IDC_PARAM_EDIT)
      .Do([](ui::Dialog& d) {
        for (int id : kEditModeBoxes) EXPECT_TRUE(d.control(id).enabled()) << id;
        for (int id : kLockedInEditMode) EXPECT_FALSE(d.control(id).enabled()) << id;
        EXPECT_EQ(d.focus()->id(), IDC_PARAM_PLR);
      })
      .Replace(IDC_PARAM_SERVER_ADDRESS, "10.20.30.40")
      .Replace(IDC_PARAM_CONNECTION_NAME, "Branch Line")
      .Replace(IDC_PARAM_PLR, "11")
      .Type(IDC_PARAM_ADDRESS, " EAST")
      .Press(ui::Key{ui::Key::kEnter})
      .Keys("SIDE");
  SaveEdited();
  EXPECT_EQ(Run(), -1);
  mirsa::ParameterSet expected = EnteredBranch();
  expected[kServerAddress] = "10.20.30.40";
  expected[kConnectionName] = "Branch Line";
  expected[kPlr] = "11";
  expected[kAddress] = "1 MARKET ROAD EAST SIDE";
  EXPECT_EQ(ReadParameterFile(), expected);
  EXPECT_EQ(g_strServerAddress, "10.20.30.40");
  EXPECT_EQ(g_strConnectionName, "Branch Line");
  EXPECT_EQ(g_strPlr, "11");
  EXPECT_EQ(g_strCheckerPassword, "Check");
}

TEST_F(Maintenance, ThePlrTable) {
  driver.Click(IDC_PARAM_EDIT);
  for (const char* refused : {"100", "100.5", "125", "1000"}) {
    driver.Replace(IDC_PARAM_PLR, refused).Click(IDC_PARAM_SAVE);
    ExpectBox("Rate of interest cannot be greater than or equal to 100", "TALVO-PARAMETERS",
              ui::Icon::Warning);
    driver.Do([refused](ui::Dialog& d) { EXPECT_EQ(d.focus()->id(), IDC_PARAM_PLR) << refused; });
  }
  for (const char* invalid : {"1o", "A", "9.5X"}) {
    driver.Replace(IDC_PARAM_PLR, invalid).Click(IDC_PARAM_SAVE);
    ExpectBox("Invalid PLR value", "TALVO-PARAMETERS", ui::Icon::Warning);
  }
  driver.Replace(IDC_PARAM_PLR, "").Click(IDC_PARAM_SAVE);
  ExpectBox("Please enter all mandatory fields", "TALVO - PARAMETERS");
  driver.Do([](ui::Dialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_PLR), ""); });
  driver.Replace(IDC_PARAM_PLR, "99.99");
  SaveEdited();
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ((*ReadParameterFile())[kPlr], "99.99");
  EXPECT_TRUE(driver.scriptDone());

  for (const char* accepted : {"12", "150.5", "0.5", "99"}) {
    driver.Click(IDC_PARAM_EDIT).Replace(IDC_PARAM_PLR, accepted);
    SaveEdited();
    EXPECT_EQ(Run(), -1);
    EXPECT_EQ((*ReadParameterFile())[kPlr], accepted);
  }
  EXPECT_TRUE(driver.scriptDone());
}

TEST_F(Maintenance, ASeparatorInTheLastFieldOfAForeignFileIsNotWrittenBack) {
  mirsa_test::WriteForeignParameterFile(JoinParameterFields(EnteredBranch()) + "|MORE");
  driver.Do([](ui::Dialog& d) {
    EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_CONNECTION_NAME), "My ConnectionMORE");
  });
  driver.Click(IDC_PARAM_EDIT);
  SaveEdited();
  EXPECT_EQ(Run(), -1);
  mirsa::ParameterSet expected = EnteredBranch();
  expected[kConnectionName] = "My ConnectionMORE";
  EXPECT_EQ(ReadParameterFile(), expected);
}

TEST_F(Maintenance, TheEmailIdIsEmptyOrHoldsAnAt) {
  driver.Click(IDC_PARAM_EDIT).Replace(IDC_PARAM_EMAIL, "branch.bank.in").Click(IDC_PARAM_SAVE);
  ExpectBox("Invalid Email ID", "TALVO - PARAMETERS");
  driver.Do([](ui::Dialog& d) { EXPECT_EQ(d.focus()->id(), IDC_PARAM_EMAIL); });
  driver.Replace(IDC_PARAM_EMAIL, "");
  SaveEdited();
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ((*ReadParameterFile())[kEmailId], "");
}

TEST_F(Maintenance, AChangedPasswordIsLostOnCloseAndOkButKeptByCancelAndSave) {
  const char* question =
      "Closing now will not register changes made to any passwords.\nTo save changes press "
      "Cancel and then Save";
  driver.Click(IDC_PARAM_EDIT);
  ChangeMaker2Password("secret2", "Newpass2");
  driver.Do([](ui::Dialog& d) {
    EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_MAKER2_PASSWORD), "Newpass2");
    EXPECT_TRUE(d.control(IDC_PARAM_MAKER2_CHANGE).enabled()) << "enabled again";
  });
  driver.Click(IDC_PARAM_CLOSE);
  ExpectBox(question, "TALVO-PARAMETERS", ui::Icon::Question, ui::Buttons::OkCancel);
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ((*ReadParameterFile())[kMaker2Password], "secret2") << "the old one stays";

  driver.Click(IDC_PARAM_EDIT);
  ChangeMaker2Password("secret2", "Newpass2");
  driver.Click(IDC_PARAM_CLOSE);
  ExpectBox(question, "TALVO-PARAMETERS", ui::Icon::Question, ui::Buttons::OkCancel,
            ui::Answer::Cancel);
  SaveEdited();
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ((*ReadParameterFile())[kMaker2Password], "Newpass2");
  EXPECT_TRUE(driver.scriptDone());
}

TEST_F(Maintenance, ACancelledChangeStillCountsAsAChangeAndTheButtonsAreLockedMeanwhile) {
  driver.Click(IDC_PARAM_EDIT)
      .Click(IDC_PARAM_CHECKER_CHANGE)
      .Do(
          [this](ui::Dialog&) {
            // The parameter dialog behind the change-password dialog.
            const auto& shown = driver.shownWindows();
            const ui::Dialog* owner = shown[shown.size() - 2];
            for (int id :
                 {IDC_PARAM_MAKER1_CHANGE, IDC_PARAM_MAKER2_CHANGE, IDC_PARAM_CHECKER_CHANGE})
              EXPECT_FALSE(owner->control(id).enabled()) << id;
          },
          IDD_CHANGE_PASSWORD)
      .Press(ui::Key{ui::Key::kEnter}, IDD_CHANGE_PASSWORD)
      .Click(IDC_PARAM_CLOSE, IDD_PARAMETERS);
  ExpectBox(
      "Closing now will not register changes made to any passwords.\nTo save changes press "
      "Cancel and then Save",
      "TALVO-PARAMETERS", ui::Icon::Question, ui::Buttons::OkCancel);
  EXPECT_EQ(Run(), -1);
}

TEST_F(Maintenance, LeavingEditModeUnsavedAsksAndNoStays) {
  driver.Click(IDC_PARAM_EDIT).Replace(IDC_PARAM_CITY, "MUMBAI").Click(IDC_PARAM_CLOSE);
  ExpectBox("Close without saving?", "TALVO-PARAMETERS", ui::Icon::Question, ui::Buttons::YesNo,
            ui::Answer::No);
  driver.Click(IDC_PARAM_CLOSE);
  ExpectBox("Close without saving?", "TALVO-PARAMETERS", ui::Icon::Question, ui::Buttons::YesNo,
            ui::Answer::Yes);
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ(ReadParameterFile(), EnteredBranch());
}

TEST_F(Maintenance, EditModeWithAnEmptyMandatoryFieldClosesWithoutAQuestion) {
  mirsa::ParameterSet p = EnteredBranch();
  p[kConnectionName] = "";
  StoreBranch(p);
  driver.Click(IDC_PARAM_EDIT).Click(IDC_PARAM_CLOSE);
  EXPECT_EQ(Run(), -1);
  EXPECT_TRUE(driver.boxes().empty());
}

TEST_F(Maintenance, ChecksThatNameLockedBoxesLeaveTheFocusWhereItIs) {
  mirsa::ParameterSet p = EnteredBranch();
  p[kMaker2Id] = "checker";  // a foreign file: the ids cannot be changed in edit mode
  StoreBranch(p);
  driver.Click(IDC_PARAM_EDIT).Click(IDC_PARAM_SAVE);
  ExpectBox("Maker2 and Checker User ID's are the same - Please use different names",
            "TALVO-PARAMETERS");
  driver.Do([](ui::Dialog& d) { EXPECT_EQ(d.focus()->id(), IDC_PARAM_SAVE); });
  driver.Click(IDC_PARAM_CLOSE);
  ExpectBox("Close without saving?", "TALVO-PARAMETERS", ui::Icon::Question, ui::Buttons::YesNo,
            ui::Answer::Yes);
  EXPECT_EQ(Run(), -1);
}

}  // namespace
