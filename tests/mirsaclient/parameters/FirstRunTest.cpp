// The parameter dialog without a parameter file: the first run of a branch.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "mirsaclient/parameters/DefaultServerAddress.h"
#include "mirsaclient/resources/LabelColors.h"
#include "mirsaclient/shell/StartUp.h"
#include "tests/mirsaclient/parameters/ParameterFixture.h"

namespace {

namespace fs = std::filesystem;
using namespace mirsa;
using mirsa_test::EnteredBranch;

class FirstRun : public mirsa_test::ParameterTest {
 protected:
  FirstRun() { fs::create_directory("MIRSA"); }
};

TEST_F(FirstRun, TheDialogOpensEmptyWithTheTwoDefaultsLocked) {
  driver.Do(
      [](ui::Dialog& d) {
        EXPECT_EQ(d.caption(), "TALVORA");
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_SERVER_ADDRESS), "127.0.0.1");
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_SERVER_ADDRESS), kDefaultServerAddress);
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_CONNECTION_NAME), "My Connection");
        EXPECT_FALSE(d.control(IDC_PARAM_SERVER_ADDRESS).enabled());
        EXPECT_FALSE(d.control(IDC_PARAM_CONNECTION_NAME).enabled());
        for (int id : {IDC_PARAM_MEMBER_CODE, IDC_PARAM_BANK_NAME, IDC_PARAM_PLR, IDC_PARAM_ADDRESS,
                       IDC_PARAM_FAX_STD, IDC_PARAM_MAKER1_ID, IDC_PARAM_CHECKER_PASSWORD,
                       IDC_PARAM_EMAIL, IDC_PARAM_SAVE, IDC_PARAM_CLOSE}) {
          EXPECT_TRUE(d.control(id).enabled()) << id;
          if (d.control(id).isBox()) {
            EXPECT_EQ(d.GetDlgItemText(id), "") << id;
          }
        }
        for (int id : {IDC_PARAM_BANK_CODE, IDC_PARAM_ZONE_CODE, IDC_PARAM_BRANCH_CODE,
                       IDC_PARAM_MAKER1_CHANGE, IDC_PARAM_MAKER2_CHANGE, IDC_PARAM_CHECKER_CHANGE,
                       IDC_PARAM_EDIT})
          EXPECT_FALSE(d.control(id).enabled()) << id;
        EXPECT_EQ(d.focus()->id(), IDC_PARAM_MEMBER_CODE);
        EXPECT_TRUE(d.control(IDC_PARAM_MAKER1_PASSWORD).style().password);
      },
      IDD_PARAMETERS);
  driver.Type(IDC_PARAM_MEMBER_CODE, "000100020003").Click(IDC_PARAM_CLOSE);
  ExpectBox("Details have not been saved.Closing now will close the application - Continue?",
            "TALVO-PARAMETERS", ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::Yes);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_FALSE(fs::exists("MIRSA/Param.tlv"));
}

TEST_F(FirstRun, TheMandatoryLabelsAndTheNoteAreRedAndTheOthersKeepTheSystemColour) {
  driver.Do([](ui::Dialog& d) {
    const std::vector<std::string> red = {"MemberCode:",
                                          "Bank/Zone/    Branch Name:",
                                          "Maker Id:",
                                          "Maker 2:",
                                          "Password:",
                                          "Checker Id:",
                                          "Checker Password:",
                                          "All fields in RED are MANDATORY",
                                          "PLR %"};
    int redLabels = 0;
    for (const auto& c : d.controls()) {
      if (c->kind() != ui::ControlKind::Label) continue;
      const bool mandatory = std::find(red.begin(), red.end(), c->text()) != red.end();
      EXPECT_EQ(c->textColor(), mandatory ? kMandatoryLabelColor : ui::kSystemColor) << c->text();
      redLabels += mandatory;
    }
    EXPECT_EQ(redLabels, 10) << "both Password: labels";
    EXPECT_EQ(kMandatoryLabelColor, ui::Rgb(245, 0, 0));
    d.EndDialog(ui::IDCANCEL);
  });
  Run();
}

TEST_F(FirstRun, ACompleteEntryIsStoredAsTypedAndTheLoginFollows) {
  EnterFirstRun(EnteredBranch());
  driver.Do([](ui::Dialog& d) {
    EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_BANK_CODE), "1");
    EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_ZONE_CODE), "2");
    EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_BRANCH_CODE), "3");
  });
  SaveFirstRunAndLogIn();
  EXPECT_EQ(Run(), -1);
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(ReadParameterFile(), EnteredBranch());
  EXPECT_FALSE(fs::exists("MIRSA/Param.zox"));
  EXPECT_EQ(fs::status("MIRSA/Param.tlv").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(g_strUserRole, "C");
  EXPECT_EQ(g_strCheckerPassword, "Check");
}

TEST_F(FirstRun, TheStartUpOfAnEmptyFolderEndsLoggedIn) {
  fs::remove("MIRSA");
  mirsa::ParameterSet p = EnteredBranch();
  p[kMemberCode] = "000000020003";
  p[kBankCode] = "";
  EnterFirstRun(p);
  SaveFirstRunAndLogIn();
  RunStartUpSequence(toolkit);
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(ReadParameterFile(), p) << "an all-zero bank group leaves the bank code empty";
  EXPECT_EQ(g_strBankCode, "");
  EXPECT_EQ(g_strZoneCode, "2");
}

TEST_F(FirstRun, TheCodesFollowTheMemberCodeWhenItIsLeft) {
  struct Case {
    const char* memberCode;
    const char* bank;
    const char* zone;
    const char* branch;
  } cases[] = {{"000100020003", "1", "2", "3"},
               {"000000020003", "", "2", "3"},
               {"100020003000", "1000", "2000", "3000"},
               {"000000000000", "", "", ""}};
  for (const Case& c : cases) {
    driver.Replace(IDC_PARAM_MEMBER_CODE, c.memberCode).Tab().Do([c](ui::Dialog& d) {
      EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_BANK_CODE), c.bank) << c.memberCode;
      EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_ZONE_CODE), c.zone) << c.memberCode;
      EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_BRANCH_CODE), c.branch) << c.memberCode;
    });
  }
  driver.Do([](ui::Dialog& d) { d.EndDialog(ui::IDCANCEL); });
  Run();
}

TEST_F(FirstRun, LeavingAShortMemberCodeAsksAndOkGoesBackWhileCancelEndsTheProcess) {
  const char* prompt =
      "Invalid MemberCode - should conatin 12 digits - to Correct press OK,to close form press "
      "Cancel";
  driver.Type(IDC_PARAM_MEMBER_CODE, "00010002");
  driver.Click(IDC_PARAM_SAVE);  // leaving the box asks first, and the click is lost
  ExpectBox(prompt, "TALVO-PARAMETERS", ui::Icon::Information, ui::Buttons::OkCancel);
  driver.Do([](ui::Dialog& d) { EXPECT_EQ(d.focus()->id(), IDC_PARAM_MEMBER_CODE); });
  driver.Click(IDC_PARAM_CLOSE);
  ExpectBox(prompt, "TALVO-PARAMETERS", ui::Icon::Information, ui::Buttons::OkCancel,
            ui::Answer::Cancel);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(driver.boxes().size(), 2u) << "no save check ran";
  EXPECT_FALSE(fs::exists("MIRSA/Param.tlv"));
}

TEST_F(FirstRun, EmptyIdsAreTheSameIdsBeforeAnyMandatoryFieldIsMissed) {
  // Every box empty, the focus in the empty member code box: leaving it asks nothing.
  driver.Click(IDC_PARAM_SAVE);
  ExpectBox("Maker1 and Maker2 User ID's are the same - Please use different names",
            "TALVO-PARAMETERS");
  driver.Do([](ui::Dialog& d) { EXPECT_EQ(d.focus()->id(), IDC_PARAM_MAKER2_ID); });
  driver.Do([](ui::Dialog& d) { d.EndDialog(ui::IDCANCEL); });
  Run();
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_FALSE(fs::exists("MIRSA/Param.tlv"));
}

TEST_F(FirstRun, IdsThatDifferOnlyInCaseOrBlanksAreTheSame) {
  EnterFirstRun(EnteredBranch());
  struct Case {
    const char* maker1;
    const char* maker2;
    const char* checker;
    const char* message;
    int focus;
  } cases[] = {
      {"ANNA", " anna ", "CHECKER",
       "Maker1 and Maker2 User ID's are the same - Please use different names",
       IDC_PARAM_MAKER2_ID},
      {"ANNA", "BEA", "bea",
       "Maker2 and Checker User ID's are the same - Please use different names",
       IDC_PARAM_CHECKER_ID},
      {"ANNA", "BEA", "Anna",
       "Maker1 and Checker User ID's are the same - Please use different names",
       IDC_PARAM_CHECKER_ID},
  };
  for (const Case& c : cases) {
    driver.Replace(IDC_PARAM_MAKER1_ID, c.maker1)
        .Do([c](ui::Dialog& d) {
          // As pasted text arrives: blanks and lower case included.
          d.SetDlgItemText(IDC_PARAM_MAKER2_ID, c.maker2);
          d.SetDlgItemText(IDC_PARAM_CHECKER_ID, c.checker);
        })
        .Click(IDC_PARAM_SAVE);
    ExpectBox(c.message, "TALVO-PARAMETERS");
    driver.Do([c](ui::Dialog& d) { EXPECT_EQ(d.focus()->id(), c.focus) << c.message; });
  }
  driver.Do([](ui::Dialog& d) { d.EndDialog(ui::IDCANCEL); });
  Run();
  EXPECT_TRUE(driver.scriptDone());
}

TEST_F(FirstRun, TheCopiesForTheRestOfTheProcessAreMadeBeforeTheChecks) {
  driver.Type(IDC_PARAM_MEMBER_CODE, "000100020003")
      .Type(IDC_PARAM_PLR, "12")
      .Type(IDC_PARAM_CHECKER_PASSWORD, "Check")
      .Click(IDC_PARAM_SAVE);
  ExpectBox("Maker1 and Maker2 User ID's are the same - Please use different names",
            "TALVO-PARAMETERS");
  driver.Do([](ui::Dialog& d) { d.EndDialog(ui::IDCANCEL); });
  Run();
  EXPECT_EQ(g_strPlr, "12");
  EXPECT_EQ(g_strCheckerPassword, "Check");
  EXPECT_EQ(g_strConnectionName, "My Connection");
  EXPECT_EQ(g_strServerAddress, "127.0.0.1");
  EXPECT_FALSE(fs::exists("MIRSA/Param.tlv"));
}

TEST_F(FirstRun, AMissingMandatoryFieldIsReportedLastAndTheFocusStays) {
  mirsa::ParameterSet p = EnteredBranch();
  p[kMaker2Password] = "";
  EnterFirstRun(p);
  driver.Click(IDC_PARAM_SAVE);
  ExpectBox("Please enter all mandatory fields", "TALVO - PARAMETERS");
  driver.Do([](ui::Dialog& d) { EXPECT_EQ(d.focus()->id(), IDC_PARAM_SAVE); });
  driver.Click(IDC_PARAM_CLOSE);  // not saved yet: that question comes first
  ExpectBox("Details have not been saved.Closing now will close the application - Continue?",
            "TALVO-PARAMETERS", ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No);
  driver.Type(IDC_PARAM_MAKER2_PASSWORD, "secret2");
  SaveFirstRunAndLogIn();
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ(ReadParameterFile(), EnteredBranch());
}

TEST_F(FirstRun, EscapeEnterAndTheCloseBoxDoNothing) {
  driver.Type(IDC_PARAM_MEMBER_CODE, "000100020003")
      .Press(ui::Key{ui::Key::kEscape})
      .Press(ui::Key{ui::Key::kEnter})
      .CloseBox()
      .Click(IDC_PARAM_SAVE);
  ExpectBox("Maker1 and Maker2 User ID's are the same - Please use different names",
            "TALVO-PARAMETERS");
  driver
      .Focus(IDC_PARAM_CLOSE)  // Enter would press a focused button
      .Press(ui::Key{ui::Key::kEnter})
      .Press(ui::Key{ui::Key::kEscape})
      .CloseBox();
  driver.Do([](ui::Dialog& d) {
    EXPECT_FALSE(d.hasEnded());
    d.EndDialog(ui::IDCANCEL);
  });
  Run();
  EXPECT_EQ(driver.boxes().size(), 1u) << "only the click on Save did something";
  EXPECT_TRUE(driver.scriptDone());
}

TEST_F(FirstRun, TheSeparatorIsRefusedInEveryBoxAndLineBreaksOfTheAddressBecomeBlanks) {
  mirsa::ParameterSet p = EnteredBranch();
  p[kBankName] = "FIRST|BANK MAIN BRANCH";
  p[kMaker1Password] = "Sec|ret1";
  p[kEmailId] = "branch@bank.in|";
  p[kAddress] = "1 MARKET";
  EnterFirstRun(p);
  driver
      .Press(ui::Key{ui::Key::kEnter})  // in the e-mail box: nothing
      .Paste(IDC_PARAM_CITY, "PU|NE")
      .Type(IDC_PARAM_ADDRESS, " ROAD")
      .Press(ui::Key{ui::Key::kEnter})
      .Keys("CAMP|")
      .Do([](ui::Dialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_ADDRESS), "1 MARKET ROAD\r\nCAMP");
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_CITY), "PUNEPUNE") << "pasted after the typed city";
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_BANK_NAME), "FIRSTBANK MAIN BRANCH");
      })
      .Tab()
      .Click(IDC_PARAM_ADDRESS)
      .Press(ui::Key{ui::Key::kEnter})  // the box was left: Enter does nothing again
      .Do([](ui::Dialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_ADDRESS), "1 MARKET ROAD\r\nCAMP");
      });
  SaveFirstRunAndLogIn();
  EXPECT_EQ(Run(), -1);
  mirsa::ParameterSet expected = EnteredBranch();
  expected[kBankName] = "FIRSTBANK MAIN BRANCH";
  expected[kAddress] = "1 MARKET ROAD CAMP";
  expected[kCity] = "PUNEPUNE";
  const auto stored = ReadParameterFile();
  EXPECT_EQ(stored, expected);
  const std::string line = JoinParameterFields(*stored);
  EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 21);
  EXPECT_EQ(line.find('\n'), std::string::npos);
}

TEST_F(FirstRun, BoxesTakeNoMoreThanTheWidthsOfTheFile) {
  const std::string longText(300, 'A');
  const std::pair<int, std::size_t> widths[] = {
      {IDC_PARAM_MEMBER_CODE, 12}, {IDC_PARAM_BANK_NAME, 59},
      {IDC_PARAM_PLR, 6},          {IDC_PARAM_ADDRESS, 249},
      {IDC_PARAM_CITY, 19},        {IDC_PARAM_PIN, 6},
      {IDC_PARAM_PHONE, 10},       {IDC_PARAM_PHONE_STD, 6},
      {IDC_PARAM_FAX, 10},         {IDC_PARAM_FAX_STD, 6},
      {IDC_PARAM_MAKER1_ID, 19},   {IDC_PARAM_MAKER1_PASSWORD, 19},
      {IDC_PARAM_MAKER2_ID, 19},   {IDC_PARAM_MAKER2_PASSWORD, 19},
      {IDC_PARAM_CHECKER_ID, 19},  {IDC_PARAM_CHECKER_PASSWORD, 19},
      {IDC_PARAM_EMAIL, 19},
  };
  driver.Do([&](ui::Dialog& d) {
    for (const auto& [id, width] : widths) {
      d.control(id).SetText("");
      d.SetFocus(id);
      d.TypeText(id == IDC_PARAM_MEMBER_CODE || d.control(id).style().digitsOnly
                     ? std::string(300, '1')
                     : longText);
      d.PasteText(id, longText);
      EXPECT_EQ(d.GetDlgItemText(id).size(), width) << id;
    }
    d.EndDialog(ui::IDCANCEL);
  });
  Run();
}

TEST_F(FirstRun, AFileThatCannotBeWrittenIsReportedAndTheEntryStays) {
  EnterFirstRun(EnteredBranch());
  driver.Do([](ui::Dialog&) { fs::remove("MIRSA"); });
  driver.Click(IDC_PARAM_SAVE);
  ExpectBox("The parameter file could not be written - the details have not been saved",
            "TALVO - PARAMETERS", ui::Icon::Warning);
  driver.Do([](ui::Dialog& d) {
    EXPECT_FALSE(d.hasEnded());
    EXPECT_EQ(d.GetDlgItemText(IDC_PARAM_MAKER1_PASSWORD), "Secret1");
    fs::create_directory("MIRSA");
  });
  SaveFirstRunAndLogIn();
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ(ReadParameterFile(), EnteredBranch());
}

}  // namespace
