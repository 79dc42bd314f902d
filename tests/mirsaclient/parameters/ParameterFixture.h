#pragma once
// Parameter dialog tests: the client fixture, a branch to enter, and the steps of a user who
// enters it, answers the dialog's questions and logs in afterwards.

#include <filesystem>
#include <string>

#include "mirsaclient/parameters/ParameterDlg.h"
#include "mirsaclient/resources/LoginIds.h"
#include "mirsaclient/resources/ParameterIds.h"
#include "tests/mirsaclient/shell/ClientFixture.h"

namespace mirsa_test {

// The branch of the tests as the first-run dialog stores it (the id boxes turn letters into
// capitals; the passwords keep their case).
inline mirsa::ParameterSet EnteredBranch() {
  mirsa::ParameterSet p = BranchParameters();
  p[mirsa::kPin] = "411001";
  p[mirsa::kPhoneNumber] = "2345678";
  p[mirsa::kPhoneStdCode] = "020";
  p[mirsa::kFaxNumber] = "2345679";
  p[mirsa::kFaxStdCode] = "020";
  p[mirsa::kMaker1Id] = "MAKER1";
  p[mirsa::kEmailId] = "branch@bank.in";
  return p;
}

class ParameterTest : public ClientTest {
 protected:
  // Runs the dialog; answers the exit code when it ended the process, -1 otherwise.
  int Run() {
    try {
      mirsa::CParameterDlg parameters(toolkit);
      parameters.DoModal();
      return -1;
    } catch (const ui::ProcessEnd& end) {
      return end.exitCode;
    }
  }

  void ExpectBox(const std::string& text, const std::string& caption,
                 ui::Icon icon = ui::Icon::Information, ui::Buttons buttons = ui::Buttons::Ok,
                 ui::Answer answer = ui::Answer::Ok) {
    driver.Answer({.text = text, .caption = caption, .icon = icon, .buttons = buttons}, answer);
  }

  // Types the typed fields of `p` into the first-run dialog (the codes follow the member code,
  // the server address and the connection name are locked).
  void EnterFirstRun(const mirsa::ParameterSet& p) {
    using namespace mirsa;
    const std::pair<int, ParameterField> typed[] = {
        {IDC_PARAM_MEMBER_CODE, kMemberCode},
        {IDC_PARAM_BANK_NAME, kBankName},
        {IDC_PARAM_PLR, kPlr},
        {IDC_PARAM_ADDRESS, kAddress},
        {IDC_PARAM_CITY, kCity},
        {IDC_PARAM_PIN, kPin},
        {IDC_PARAM_PHONE, kPhoneNumber},
        {IDC_PARAM_PHONE_STD, kPhoneStdCode},
        {IDC_PARAM_FAX, kFaxNumber},
        {IDC_PARAM_FAX_STD, kFaxStdCode},
        {IDC_PARAM_MAKER1_ID, kMaker1Id},
        {IDC_PARAM_MAKER1_PASSWORD, kMaker1Password},
        {IDC_PARAM_MAKER2_ID, kMaker2Id},
        {IDC_PARAM_MAKER2_PASSWORD, kMaker2Password},
        {IDC_PARAM_CHECKER_ID, kCheckerId},
        {IDC_PARAM_CHECKER_PASSWORD, kCheckerPassword},
        {IDC_PARAM_EMAIL, kEmailId},
    };
    for (const auto& [id, field] : typed) {
      if (!p[field].empty()) driver.Type(id, p[field], IDD_PARAMETERS);
    }
  }

  void SaveFirstRunAndLogIn() {
    driver.Click(mirsa::IDC_PARAM_SAVE, mirsa::IDD_PARAMETERS);
    ExpectBox("Parameter file created successfully", "TALVO - PARAMETERS");
    driver.Type(mirsa::IDC_LOGIN_USERNAME, "checker", mirsa::IDD_LOGIN)
        .Type(mirsa::IDC_LOGIN_PASSWORD, "Check", mirsa::IDD_LOGIN)
        .Click(ui::IDOK, mirsa::IDD_LOGIN);
    ExpectBox("You have successfully logged in with CHECKER privileges", "TALVO-LOGIN");
  }

  // A stored parameter file, so that the dialog opens in view mode.
  void StoreBranch(const mirsa::ParameterSet& p = EnteredBranch()) {
    std::filesystem::create_directories("MIRSA");
    ASSERT_TRUE(mirsa::WriteParameterFile(p));
  }
};

}  // namespace mirsa_test
