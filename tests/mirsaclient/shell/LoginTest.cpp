#include "mirsaclient/shell/LoginDlg.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "mirsaclient/resources/LoginIds.h"
#include "platform/TextMode.h"
#include "tests/mirsaclient/shell/ClientFixture.h"

namespace {

using mirsa::IDC_LOGIN_PASSWORD;
using mirsa::IDC_LOGIN_USERNAME;
using mirsa::IDD_LOGIN;

class Login : public mirsa_test::ClientTest {
 protected:
  Login() { stored = mirsa_test::WriteForeignParameterFile(JoinParameterFields(parameters)); }

  // Runs the dialog; answers the exit code when it ended the process, -1 otherwise.
  int Run() {
    try {
      mirsa::CLoginDlg login(toolkit);
      login.DoModal();
      return -1;
    } catch (const ui::ProcessEnd& end) {
      return end.exitCode;
    }
  }
  void Attempt(const std::string& user, const std::string& password) {
    driver.Replace(IDC_LOGIN_USERNAME, user, IDD_LOGIN)
        .Replace(IDC_LOGIN_PASSWORD, password, IDD_LOGIN)
        .Click(ui::IDOK, IDD_LOGIN);
  }
  void ExpectBox(const std::string& text, const std::string& caption = "TALVO - LOGIN") {
    driver.Answer({.text = text,
                   .caption = caption,
                   .icon = ui::Icon::Information,
                   .buttons = ui::Buttons::Ok});
  }

  mirsa::ParameterSet parameters = mirsa_test::BranchParameters();
  std::string stored;
};

TEST_F(Login, AMakerLogsInWithTheIdInLowerCaseAndTheFileStaysAsItWas) {
  parameters[mirsa::kServerAddress] = "10.1.2.3x9";
  stored = mirsa_test::WriteForeignParameterFile(JoinParameterFields(parameters));
  Attempt("maker1", "Secret1");
  ExpectBox("You have successfully logged in with MAKER privileges", "TALVO-LOGIN");
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ(mirsa::g_strUserId, "MAKER1");
  EXPECT_EQ(mirsa::g_strUserRole, "M");
  EXPECT_EQ(mirsa::g_strMemberCode, "000100020003");
  EXPECT_EQ(mirsa::g_strBankCode, "1");
  EXPECT_EQ(mirsa::g_strPlr, "12.5");
  EXPECT_EQ(mirsa::g_strServerAddress, "10.1.2.3") << "cut at its first foreign character";
  EXPECT_EQ(mirsa::g_strConnectionName, "My Connection");
  EXPECT_EQ(platform::ReadBinaryFile("MIRSA/Param.tlv"), stored);
  EXPECT_FALSE(std::filesystem::exists("MIRSA/Param.zox"));
  EXPECT_TRUE(driver.scriptDone());
}

TEST_F(Login, TwoWrongPasswordsAndAnUnknownUserEndTheProcess) {
  Attempt("MAKER1", "secret1");
  ExpectBox("Incorrect Password");
  driver.Do([](ui::Dialog& d) {
    EXPECT_EQ(d.GetDlgItemText(IDC_LOGIN_PASSWORD), "") << "maker 1's box is emptied";
    EXPECT_EQ(d.focus()->id(), IDC_LOGIN_PASSWORD);
    EXPECT_FALSE(d.control(ui::IDOK).enabled());
  });
  Attempt("MAKER1", "wrong");
  ExpectBox("Incorrect Password");
  Attempt("NOBODY", "x");
  ExpectBox("Invalid UserName");
  ExpectBox("Quitting Application");
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(mirsa::g_nFailedLogins, 3);
  EXPECT_EQ(mirsa::g_strUserRole, "");
  EXPECT_EQ(mirsa::g_strMemberCode, "000100020003") << "parameters are copied at every press";
}

TEST_F(Login, FailuresCountAcrossRunsOfTheDialog) {
  mirsa::g_nFailedLogins = 2;
  Attempt("MAKER2", "SECRET2");
  ExpectBox("Incorrect Password");
  ExpectBox("Quitting Application");
  EXPECT_EQ(Run(), 0);
}

TEST_F(Login, APasswordOfBlanksKeepsOkDisabledAndLeadingBlanksCount) {
  parameters[mirsa::kMaker2Password] = " x";
  mirsa_test::WriteForeignParameterFile(JoinParameterFields(parameters));
  driver.Type(IDC_LOGIN_USERNAME, "maker2").Type(IDC_LOGIN_PASSWORD, "   ");
  driver.Do([](ui::Dialog& d) { EXPECT_FALSE(d.control(ui::IDOK).enabled()); });
  driver.Press(ui::Key{ui::Key::kEnter});  // Enter does nothing while OK is disabled
  driver.Replace(IDC_LOGIN_PASSWORD, " x").Press(ui::Key{ui::Key::kEnter});
  ExpectBox("You have successfully logged in with MAKER privileges", "TALVO-LOGIN");
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ(mirsa::g_strUserId, "MAKER2");
}

TEST_F(Login, TheCheckerIsComparedFirstAndPasswordsKeepTheirCase) {
  parameters[mirsa::kMaker1Id] = "checker";
  mirsa_test::WriteForeignParameterFile(JoinParameterFields(parameters));
  Attempt("Checker", "Secret1");
  ExpectBox("Incorrect Password");
  driver.Do([](ui::Dialog& d) {
    EXPECT_EQ(d.GetDlgItemText(IDC_LOGIN_PASSWORD), "Secret1") << "only maker 1's box is emptied";
  });
  driver.Replace(IDC_LOGIN_PASSWORD, "Check").Click(ui::IDOK);
  ExpectBox("You have successfully logged in with CHECKER privileges", "TALVO-LOGIN");
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ(mirsa::g_strUserRole, "C");
  EXPECT_EQ(mirsa::g_strCheckerPassword, "Check");
  EXPECT_EQ(mirsa::g_nFailedLogins, 1);
}

TEST_F(Login, CancelEscapeAndTheCloseBoxEndTheProcessAtOnce) {
  for (auto leave : {+[](ui::ScriptDriver& d) { d.Click(ui::IDCANCEL); },
                     +[](ui::ScriptDriver& d) { d.Press(ui::Key{ui::Key::kEscape}); },
                     +[](ui::ScriptDriver& d) { d.CloseBox(); }}) {
    leave(driver);
    EXPECT_EQ(Run(), 0);
  }
  EXPECT_TRUE(driver.boxes().empty());
}

TEST_F(Login, AnUnreadableFileMakesOkDoNothing) {
  std::filesystem::remove("MIRSA/Param.tlv");
  Attempt("MAKER1", "Secret1");
  driver.Click(ui::IDCANCEL);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(driver.boxes().empty());
  EXPECT_EQ(mirsa::g_nFailedLogins, 0);
}

}  // namespace
