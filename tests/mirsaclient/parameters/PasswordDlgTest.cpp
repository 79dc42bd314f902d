// The change-password dialog (136) over a parameter dialog's boxes, and the checker password
// dialog (152).
#include <gtest/gtest.h>

#include <stdexcept>

#include "mirsaclient/parameters/ChangePasswordDlg.h"
#include "mirsaclient/parameters/CheckerPasswordDlg.h"
#include "mirsaclient/resources/ParameterIds.h"
#include "mirsaclient/resources/ParameterTemplate.h"
#include "mirsaclient/resources/PasswordIds.h"
#include "tests/mirsaclient/shell/ClientFixture.h"

namespace {

using namespace mirsa;

class ChangePassword : public mirsa_test::ClientTest {
 protected:
  ChangePassword() : owner(toolkit, ParameterTemplate()) {
    owner.Create();
    owner.SetDlgItemText(IDC_PARAM_MAKER1_PASSWORD, "Secret1");
    owner.SetDlgItemText(IDC_PARAM_MAKER2_PASSWORD, "secret2");
    owner.SetDlgItemText(IDC_PARAM_CHECKER_PASSWORD, "Check");
  }
  void Run(const char* target) {
    CChangePasswordDlg change(toolkit, owner, target);
    change.DoModal();
  }
  void Enter(const std::string& old, const std::string& next, const std::string& confirm) {
    driver.Replace(IDC_CHANGE_OLD, old, IDD_CHANGE_PASSWORD)
        .Replace(IDC_CHANGE_NEW, next, IDD_CHANGE_PASSWORD)
        .Replace(IDC_CHANGE_CONFIRM, confirm, IDD_CHANGE_PASSWORD)
        .Click(ui::IDOK, IDD_CHANGE_PASSWORD);
  }
  void ExpectBox(const std::string& text) {
    driver.Answer({.text = text,
                   .caption = "TALVO - PARAMETERS",
                   .icon = ui::Icon::Information,
                   .buttons = ui::Buttons::Ok});
  }
  void ExpectFocus(int id) {
    driver.Do([id](ui::Dialog& d) { EXPECT_EQ(d.focus()->id(), id); });
  }

  ui::Dialog owner;
};

TEST_F(ChangePassword, OpensInTheOldBoxWithEveryBoxMasked) {
  driver.Do([](ui::Dialog& d) {
    EXPECT_EQ(d.caption(), "TALVORA");
    EXPECT_EQ(d.focus()->id(), IDC_CHANGE_OLD);
    for (int id : {IDC_CHANGE_OLD, IDC_CHANGE_NEW, IDC_CHANGE_CONFIRM})
      EXPECT_TRUE(d.control(id).style().password) << id;
    EXPECT_EQ(d.defaultButton(), ui::IDCANCEL);
  });
  driver.Click(ui::IDCANCEL);
  Run(kTargetMaker1);
}

TEST_F(ChangePassword, TheChecksInTheirOrderAndWhereTheyPutTheFocus) {
  Enter("secret2", "", "");
  ExpectBox("Password cannot be Null");
  ExpectFocus(IDC_CHANGE_NEW);
  Enter("wrong", "Newpass", "");
  ExpectBox("Password cannot be Null");
  Enter("wrong", "Newpass", "NEWPASS");
  ExpectBox(" New Passwords do not match");
  ExpectFocus(IDC_CHANGE_NEW);
  Enter("Secret2", "Newpass", "Newpass");
  ExpectBox("Old Password does not match");
  ExpectFocus(IDC_CHANGE_OLD);
  Enter("secret2", "Newpass", "Newpass");
  ExpectBox("Password Changed");
  Run(kTargetMaker2);
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(owner.GetDlgItemText(IDC_PARAM_MAKER2_PASSWORD), "Newpass");
  EXPECT_EQ(owner.GetDlgItemText(IDC_PARAM_MAKER1_PASSWORD), "Secret1");
  EXPECT_EQ(owner.GetDlgItemText(IDC_PARAM_CHECKER_PASSWORD), "Check");
}

TEST_F(ChangePassword, EachTargetChangesItsOwnBoxAndBlanksBelongToThePassword) {
  const std::pair<const char*, int> targets[] = {{kTargetMaker1, IDC_PARAM_MAKER1_PASSWORD},
                                                 {kTargetMaker2, IDC_PARAM_MAKER2_PASSWORD},
                                                 {kTargetChecker, IDC_PARAM_CHECKER_PASSWORD}};
  for (const auto& [target, box] : targets) {
    const std::string old = owner.GetDlgItemText(box);
    Enter(old, " two blanks  ", " two blanks  ");
    ExpectBox("Password Changed");
    Run(target);
    EXPECT_EQ(owner.GetDlgItemText(box), " two blanks  ") << target;
  }
  EXPECT_THROW(CChangePasswordDlg(toolkit, owner, "M3"), std::invalid_argument);
}

TEST_F(ChangePassword, AnEmptyOldPasswordMatchesAnEmptyCurrentOne) {
  owner.SetDlgItemText(IDC_PARAM_CHECKER_PASSWORD, "");
  Enter("", "Check", "Check");
  ExpectBox("Password Changed");
  Run(kTargetChecker);
  EXPECT_EQ(owner.GetDlgItemText(IDC_PARAM_CHECKER_PASSWORD), "Check");
}

TEST_F(ChangePassword, EnterEscapeTheCloseBoxAndCancelLeaveTheOwnerAsItWas) {
  for (auto leave : {+[](ui::ScriptDriver& d) { d.Press(ui::Key{ui::Key::kEnter}); },
                     +[](ui::ScriptDriver& d) { d.Press(ui::Key{ui::Key::kEscape}); },
                     +[](ui::ScriptDriver& d) { d.CloseBox(); },
                     +[](ui::ScriptDriver& d) { d.Click(ui::IDCANCEL); }}) {
    driver.Type(IDC_CHANGE_OLD, "Secret1")
        .Type(IDC_CHANGE_NEW, "Other")
        .Type(IDC_CHANGE_CONFIRM, "Other");
    leave(driver);
    Run(kTargetMaker1);
    EXPECT_TRUE(driver.scriptDone());
  }
  EXPECT_TRUE(driver.boxes().empty());
  EXPECT_EQ(owner.GetDlgItemText(IDC_PARAM_MAKER1_PASSWORD), "Secret1");
}

TEST_F(ChangePassword, ANewPasswordFitsTheFileAndHoldsNoSeparator) {
  Enter("Secret1", "a|b" + std::string(30, 'c'), "ab" + std::string(30, 'c'));
  ExpectBox("Password Changed");
  Run(kTargetMaker1);
  EXPECT_EQ(owner.GetDlgItemText(IDC_PARAM_MAKER1_PASSWORD), "ab" + std::string(17, 'c'));
}

class CheckerPassword : public mirsa_test::ClientTest {
 protected:
  CheckerPassword() { g_strCheckerPassword = "Check "; }
  int Run() {
    CCheckerPasswordDlg dialog(toolkit);
    EXPECT_EQ(dialog.passwordResult(), kCheckerPasswordWrong) << "before any button";
    const int answer = dialog.DoModal();
    EXPECT_EQ(answer, dialog.passwordResult());
    return dialog.passwordResult();
  }
};

TEST_F(CheckerPassword, AnswersRightWrongOrCancelled) {
  struct Case {
    const char* typed;
    int result;
  } cases[] = {{"Check ", 1}, {"check ", 0}, {"CHECK ", 0}, {"Check", 0}, {"", 0}};
  for (const Case& c : cases) {
    driver.Do([](ui::Dialog& d) {
      EXPECT_EQ(d.caption(), "Enter Password");
      EXPECT_EQ(d.GetDlgItemText(IDC_CHECKER_PASSWORD), "");
      EXPECT_EQ(d.focus()->id(), IDC_CHECKER_PASSWORD);
      EXPECT_TRUE(d.control(IDC_CHECKER_PASSWORD).style().password);
    });
    driver.Type(IDC_CHECKER_PASSWORD, c.typed, IDD_CHECKER_PASSWORD).Click(IDC_CHECKER_OK);
    EXPECT_EQ(Run(), c.result) << c.typed;
  }
  EXPECT_TRUE(driver.boxes().empty()) << "the caller reports a wrong password";
}

TEST_F(CheckerPassword, EnterEscapeTheCloseBoxAndCancelAnswerTwo) {
  for (auto leave : {+[](ui::ScriptDriver& d) { d.Press(ui::Key{ui::Key::kEnter}); },
                     +[](ui::ScriptDriver& d) { d.Press(ui::Key{ui::Key::kEscape}); },
                     +[](ui::ScriptDriver& d) { d.CloseBox(); },
                     +[](ui::ScriptDriver& d) { d.Click(IDC_CHECKER_CANCEL); }}) {
    driver.Type(IDC_CHECKER_PASSWORD, "Check ");
    leave(driver);
    EXPECT_EQ(Run(), kCheckerPasswordCancelled);
  }
}

}  // namespace
