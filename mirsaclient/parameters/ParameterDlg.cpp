#include "mirsaclient/parameters/ParameterDlg.h"

#include <string>

#include "mirsaclient/parameters/ChangePasswordDlg.h"
#include "mirsaclient/parameters/DefaultServerAddress.h"
#include "mirsaclient/parameters/OneLineBoxes.h"
#include "mirsaclient/parameters/ParameterChecks.h"
#include "mirsaclient/resources/LabelColors.h"
#include "mirsaclient/resources/ParameterIds.h"
#include "mirsaclient/resources/ParameterTemplate.h"
#include "mirsaclient/shell/LoginDlg.h"
#include "mirsaclient/shell/ProcessState.h"
#include "mirsaclient/shell/StartUp.h"
#include "ui/TextCase.h"
#include "ui/Toolkit.h"

namespace mirsa {
namespace {

constexpr const char* kCaption = "TALVO-PARAMETERS";
constexpr const char* kSpacedCaption = "TALVO - PARAMETERS";
constexpr const char* kDefaultConnectionName = "My Connection";

// Each box with the parameter field it holds and the most characters it takes (0: the box
// limits itself). The widths are those of the parameter file, so nothing typed is cut.
struct ParameterBox {
  int id;
  ParameterField field;
  int limit;
};
constexpr ParameterBox kBoxes[] = {
    {IDC_PARAM_MEMBER_CODE, kMemberCode, 12},
    {IDC_PARAM_BANK_NAME, kBankName, 59},
    {IDC_PARAM_BANK_CODE, kBankCode, 0},
    {IDC_PARAM_ZONE_CODE, kZoneCode, 0},
    {IDC_PARAM_BRANCH_CODE, kBranchCode, 0},
    {IDC_PARAM_PLR, kPlr, 6},
    {IDC_PARAM_ADDRESS, kAddress, 249},
    {IDC_PARAM_CITY, kCity, 19},
    {IDC_PARAM_PIN, kPin, 6},
    {IDC_PARAM_PHONE, kPhoneNumber, 10},
    {IDC_PARAM_PHONE_STD, kPhoneStdCode, 6},
    {IDC_PARAM_FAX, kFaxNumber, 10},
    {IDC_PARAM_FAX_STD, kFaxStdCode, 6},
    {IDC_PARAM_MAKER1_ID, kMaker1Id, 19},
    {IDC_PARAM_MAKER1_PASSWORD, kMaker1Password, 19},
    {IDC_PARAM_MAKER2_ID, kMaker2Id, 19},
    {IDC_PARAM_MAKER2_PASSWORD, kMaker2Password, 19},
    {IDC_PARAM_CHECKER_ID, kCheckerId, 19},
    {IDC_PARAM_CHECKER_PASSWORD, kCheckerPassword, 19},
    {IDC_PARAM_SERVER_ADDRESS, kServerAddress, 0},
    {IDC_PARAM_EMAIL, kEmailId, 19},
    {IDC_PARAM_CONNECTION_NAME, kConnectionName, 49},
};

constexpr int kIdentityBoxes[] = {IDC_PARAM_MEMBER_CODE, IDC_PARAM_BANK_NAME};
constexpr int kCodeBoxes[] = {IDC_PARAM_BANK_CODE, IDC_PARAM_ZONE_CODE, IDC_PARAM_BRANCH_CODE};
constexpr int kDetailBoxes[] = {IDC_PARAM_PLR, IDC_PARAM_ADDRESS, IDC_PARAM_CITY,
                                IDC_PARAM_PIN, IDC_PARAM_PHONE,   IDC_PARAM_PHONE_STD,
                                IDC_PARAM_FAX, IDC_PARAM_FAX_STD};
constexpr int kUserBoxes[] = {IDC_PARAM_MAKER1_ID,  IDC_PARAM_MAKER1_PASSWORD,
                              IDC_PARAM_MAKER2_ID,  IDC_PARAM_MAKER2_PASSWORD,
                              IDC_PARAM_CHECKER_ID, IDC_PARAM_CHECKER_PASSWORD};
constexpr int kChangeButtons[] = {IDC_PARAM_MAKER1_CHANGE, IDC_PARAM_MAKER2_CHANGE,
                                  IDC_PARAM_CHECKER_CHANGE};
constexpr int kMandatoryLabels[] = {
    IDC_PARAM_LABEL_MEMBER_CODE, IDC_PARAM_LABEL_BANK_NAME,        IDC_PARAM_LABEL_MAKER1_ID,
    IDC_PARAM_LABEL_MAKER2_ID,   IDC_PARAM_LABEL_MAKER1_PASSWORD,  IDC_PARAM_LABEL_MAKER2_PASSWORD,
    IDC_PARAM_LABEL_CHECKER_ID,  IDC_PARAM_LABEL_CHECKER_PASSWORD, IDC_PARAM_MANDATORY_NOTE,
    IDC_PARAM_LABEL_PLR};

}  // namespace

CParameterDlg::CParameterDlg(ui::Toolkit& toolkit) : ui::Dialog(toolkit, ParameterTemplate()) {
  for (int id : kMandatoryLabels) mandatoryLabels_.emplace_back(control(id));
  SetKeyPreview([this](ui::Control* focused, ui::Key& key) { FilterKey(focused, key); });
  for (const ParameterBox& box : kBoxes) {
    if (box.id != IDC_PARAM_SERVER_ADDRESS) RefuseFieldSeparator(*this, box.id);
  }
  On(IDC_PARAM_MEMBER_CODE, ui::Event::FocusOut, [this] { OnMemberCodeKillFocus(); });
  On(IDC_PARAM_ADDRESS, ui::Event::Change, [this] {
    if (focus() == &control(IDC_PARAM_ADDRESS)) enterAllowed_ = true;
  });
  On(IDC_PARAM_ADDRESS, ui::Event::FocusOut, [this] { enterAllowed_ = false; });
  On(IDC_PARAM_EDIT, ui::Event::Click, [this] { OnEdit(); });
  On(IDC_PARAM_MAKER1_CHANGE, ui::Event::Click, [this] { OnChangePassword(kTargetMaker1); });
  On(IDC_PARAM_MAKER2_CHANGE, ui::Event::Click, [this] { OnChangePassword(kTargetMaker2); });
  On(IDC_PARAM_CHECKER_CHANGE, ui::Event::Click, [this] { OnChangePassword(kTargetChecker); });
  On(IDC_PARAM_SAVE, ui::Event::Click, [this] { OnSave(); });
  On(IDC_PARAM_CLOSE, ui::Event::Click, [this] { OnCloseButton(); });
}

bool CParameterDlg::OnInitDialog() {
  for (const ParameterBox& box : kBoxes) {
    if (box.limit > 0) control(box.id).SetMaxLength(box.limit);
  }
  if (ParameterFileExists()) {
    const ParameterSet stored = ReadParameterFile().value_or(ParameterSet{});
    for (const ParameterBox& box : kBoxes) SetDlgItemText(box.id, stored[box.field]);
    SetMode(Mode::View);
  } else {
    SetDlgItemText(IDC_PARAM_SERVER_ADDRESS, kDefaultServerAddress);
    SetDlgItemText(IDC_PARAM_CONNECTION_NAME, kDefaultConnectionName);
    SetMode(Mode::FirstRun);
  }
  for (ui::CColorLabel& label : mandatoryLabels_) label.SetLabelTextColor(kMandatoryLabelColor);
  return true;
}

void CParameterDlg::SetMode(Mode mode) {
  const bool firstRun = mode == Mode::FirstRun;
  const bool edit = mode == Mode::Edit;
  auto enable = [this](const auto& ids, bool on) {
    for (int id : ids) EnableDlgItem(id, on);
  };
  enable(kIdentityBoxes, firstRun);
  enable(kCodeBoxes, false);
  enable(kDetailBoxes, firstRun || edit);
  enable(kUserBoxes, firstRun);
  EnableDlgItem(IDC_PARAM_SERVER_ADDRESS, edit);
  EnableDlgItem(IDC_PARAM_EMAIL, firstRun || edit);
  EnableDlgItem(IDC_PARAM_CONNECTION_NAME, edit);
  enable(kChangeButtons, edit);
  EnableDlgItem(IDC_PARAM_EDIT, mode == Mode::View);
  EnableDlgItem(IDC_PARAM_SAVE, firstRun || edit);
  EnableDlgItem(IDC_PARAM_CLOSE, true);
}

bool CParameterDlg::IsFirstRun() const {
  return control(IDC_PARAM_MAKER1_ID).enabled() && control(IDC_PARAM_CHECKER_ID).enabled();
}

// Escape does nothing, and Enter only breaks a line of the address box that is being changed.
void CParameterDlg::FilterKey(ui::Control* focused, ui::Key& key) {
  if (key.code == ui::Key::kEscape) key.code = ui::Key::kNone;
  if (key.code == ui::Key::kEnter &&
      !(enterAllowed_ && focused && focused->id() == IDC_PARAM_ADDRESS))
    key.code = ui::Key::kNone;
}

void CParameterDlg::Inform(const char* text, const char* caption, ui::Icon icon) {
  toolkit().MessageBox(text, caption, ui::Buttons::Ok, icon);
}

// The boxes that a check names may be locked in this mode: the focus then stays where it is.
void CParameterDlg::FocusBox(int id) {
  if (control(id).canTakeFocus()) SetFocus(id);
}

void CParameterDlg::OnMemberCodeKillFocus() {
  const std::string memberCode = TrimBlanks(GetDlgItemText(IDC_PARAM_MEMBER_CODE));
  // An empty box has nothing to correct yet; Save's mandatory check still refuses it.
  if (memberCode.empty()) return;
  if (IsWellFormedMemberCode(memberCode)) {
    const MemberCodeGroups codes = SplitMemberCode(memberCode);
    SetDlgItemText(IDC_PARAM_BANK_CODE, codes.bank);
    SetDlgItemText(IDC_PARAM_ZONE_CODE, codes.zone);
    SetDlgItemText(IDC_PARAM_BRANCH_CODE, codes.branch);
    return;
  }
  const ui::Answer answer = toolkit().MessageBox(
      "Invalid MemberCode - should conatin 12 digits - to Correct press OK,to close form press "
      "Cancel",
      kCaption, ui::Buttons::OkCancel, ui::Icon::Information);
  if (answer == ui::Answer::Ok) {
    SetFocus(IDC_PARAM_MEMBER_CODE);
    return;
  }
  EndDialog(ui::IDCANCEL);
  toolkit().EndProcess(0);
}

void CParameterDlg::OnEdit() {
  SetMode(Mode::Edit);
  // The Edit button that held the focus is locked now; the first box that can change takes it.
  FocusBox(IDC_PARAM_PLR);
}

void CParameterDlg::OnChangePassword(const char* target) {
  passwordsChanged_ = true;
  for (int id : kChangeButtons) EnableDlgItem(id, false);
  {
    CChangePasswordDlg change(toolkit(), *this, target);
    change.DoModal();
  }
  for (int id : kChangeButtons) EnableDlgItem(id, true);
}

ParameterSet CParameterDlg::BoxesToParameters() const {
  ParameterSet parameters;
  for (const ParameterBox& box : kBoxes) {
    parameters[box.field] = OneLineField(GetDlgItemText(box.id));
  }
  return parameters;
}

void CParameterDlg::OnSave() {
  std::string memberCode = GetDlgItemText(IDC_PARAM_MEMBER_CODE);
  const std::string bankName = GetDlgItemText(IDC_PARAM_BANK_NAME);
  std::string maker1 = GetDlgItemText(IDC_PARAM_MAKER1_ID);
  std::string maker2 = GetDlgItemText(IDC_PARAM_MAKER2_ID);
  std::string checker = GetDlgItemText(IDC_PARAM_CHECKER_ID);
  const std::string maker1Password = GetDlgItemText(IDC_PARAM_MAKER1_PASSWORD);
  const std::string maker2Password = GetDlgItemText(IDC_PARAM_MAKER2_PASSWORD);
  const std::string checkerPassword = GetDlgItemText(IDC_PARAM_CHECKER_PASSWORD);
  const std::string email = GetDlgItemText(IDC_PARAM_EMAIL);
  const std::string connectionName = GetDlgItemText(IDC_PARAM_CONNECTION_NAME);
  std::string plr = GetDlgItemText(IDC_PARAM_PLR);
  g_strServerAddress = GetDlgItemText(IDC_PARAM_SERVER_ADDRESS);

  // These copies are made before the checks and stay when the save is refused.
  g_strCheckerPassword = checkerPassword;
  g_strConnectionName = connectionName;
  g_strPlr = plr;

  memberCode = TrimBlanks(memberCode);
  // An empty member code goes on to the id checks: with every box empty the two empty maker
  // ids are the same, and the mandatory check refuses the empty code at the end.
  if (!memberCode.empty() && !IsWellFormedMemberCode(memberCode)) {
    Inform("Invalid Member Code - should contain 12 digits", kSpacedCaption);
    FocusBox(IDC_PARAM_MEMBER_CODE);
    return;
  }
  maker1 = TrimBlanks(maker1);
  maker2 = TrimBlanks(maker2);
  checker = TrimBlanks(checker);
  if (ui::EqualIgnoringCase(maker1, maker2)) {
    Inform("Maker1 and Maker2 User ID's are the same - Please use different names", kCaption);
    FocusBox(IDC_PARAM_MAKER2_ID);
    return;
  }
  if (ui::EqualIgnoringCase(maker2, checker)) {
    Inform("Maker2 and Checker User ID's are the same - Please use different names", kCaption);
    FocusBox(IDC_PARAM_CHECKER_ID);
    return;
  }
  if (ui::EqualIgnoringCase(maker1, checker)) {
    Inform("Maker1 and Checker User ID's are the same - Please use different names", kCaption);
    FocusBox(IDC_PARAM_CHECKER_ID);
    return;
  }
  if (!IsAcceptableEmailId(email)) {
    Inform("Invalid Email ID", kSpacedCaption);
    FocusBox(IDC_PARAM_EMAIL);
    return;
  }
  plr = TrimBlanks(plr);
  if (IsPlrHundredOrMore(plr)) {
    Inform("Rate of interest cannot be greater than or equal to 100", kCaption, ui::Icon::Warning);
    FocusBox(IDC_PARAM_PLR);
    return;
  }
  if (HasInvalidPlrCharacter(plr)) {
    Inform("Invalid PLR value", kCaption, ui::Icon::Warning);
    FocusBox(IDC_PARAM_PLR);
    return;
  }
  const std::string* mandatory[] = {&memberCode,     &bankName,        &maker1,
                                    &maker2,         &checker,         &maker1Password,
                                    &maker2Password, &checkerPassword, &plr};
  for (const std::string* text : mandatory) {
    if (text->empty()) {
      Inform("Please enter all mandatory fields", kSpacedCaption);
      return;
    }
  }
  if (!WriteParameterFile(BoxesToParameters())) {
    // Saying "saved" over a file that is not there would lock the branch out at the next login.
    Inform("The parameter file could not be written - the details have not been saved",
           kSpacedCaption, ui::Icon::Warning);
    return;
  }
  if (IsFirstRun()) {
    Inform("Parameter file created successfully", kSpacedCaption);
    passwordsChanged_ = false;
    saved_ = true;
    EndDialog(ui::IDOK);
    CLoginDlg login(toolkit());
    login.DoModal();
    return;
  }
  Inform("Details saved successfully", kSpacedCaption);
  saved_ = true;
  passwordsChanged_ = false;
  EndDialog(ui::IDOK);
}

void CParameterDlg::OnCloseButton() {
  if (passwordsChanged_) {
    if (toolkit().MessageBox("Closing now will not register changes made to any passwords.\nTo "
                             "save changes press Cancel and then Save",
                             kCaption, ui::Buttons::OkCancel,
                             ui::Icon::Question) == ui::Answer::Ok) {
      passwordsChanged_ = false;
      EndDialog(ui::IDCANCEL);
    }
    return;
  }
  const bool firstRun = IsFirstRun();
  if (firstRun && !saved_) {
    if (toolkit().MessageBox(
            "Details have not been saved.Closing now will close the application - Continue?",
            kCaption, ui::Buttons::YesNo, ui::Icon::Question) == ui::Answer::Yes) {
      EndDialog(ui::IDCANCEL);
      toolkit().EndProcess(0);
    }
    return;
  }
  bool allGiven = true;
  for (int id : {IDC_PARAM_MEMBER_CODE, IDC_PARAM_MAKER1_ID, IDC_PARAM_MAKER2_ID,
                 IDC_PARAM_CHECKER_ID, IDC_PARAM_MAKER1_PASSWORD, IDC_PARAM_MAKER2_PASSWORD,
                 IDC_PARAM_CHECKER_PASSWORD, IDC_PARAM_CONNECTION_NAME, IDC_PARAM_PLR}) {
    if (GetDlgItemText(id).empty()) allGiven = false;
  }
  const bool viewMode = control(IDC_PARAM_EDIT).enabled();
  if (allGiven) {
    if (firstRun || viewMode || saved_) {
      EndDialog(ui::IDCANCEL);
      return;
    }
    if (toolkit().MessageBox("Close without saving?", kCaption, ui::Buttons::YesNo,
                             ui::Icon::Question) == ui::Answer::Yes) {
      passwordsChanged_ = false;
      EndDialog(ui::IDCANCEL);
    }
    return;
  }
  if (!firstRun) {
    EndDialog(ui::IDCANCEL);
    return;
  }
  if (toolkit().MessageBox(
          "Some Mandatory fields are missing.Closing now will close the application.Continue?",
          kCaption, ui::Buttons::YesNo, ui::Icon::Question) == ui::Answer::Yes) {
    EndDialog(ui::IDCANCEL);
    toolkit().EndProcess(0);
  }
}

}  // namespace mirsa
