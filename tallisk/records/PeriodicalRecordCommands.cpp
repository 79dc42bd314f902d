// The entry form's commands: Add and its Save, Edit and its Save, Delete, Cancel and Close, with
// the checks a record passes before it is stored.
#include "tallisk/MsgBox.h"
#include "tallisk/member/AccountList.h"
#include "tallisk/records/NumberText.h"
#include "tallisk/records/PeriodicalDataLayout.h"
#include "tallisk/records/frmPeriodicalData.h"
#include "ui/TextCase.h"
#include "ui/Toolkit.h"

namespace tallisk {

using namespace periodical;

void frmPeriodicalData::WireCommands() {
  On(cmdAddSave, ui::Event::Click, [this] { OnAddSave(); });
  On(cmdEditSave, ui::Event::Click, [this] { OnEditSave(); });
  On(cmdDelete, ui::Event::Click, [this] { OnDelete(); });
  On(cmdCancelClose, ui::Event::Click, [this] { OnCancelClose(); });
}

void frmPeriodicalData::OnAddSave() {
  if (Caption(cmdAddSave, kAddCaption)) {
    cancelUnderway_ = false;
    Add();
  } else {
    SaveAfterAdd();
  }
}

void frmPeriodicalData::OnEditSave() {
  cancelUnderway_ = false;
  if (records_.empty()) {
    MsgBox(toolkit(), "No Current Record to Edit");
    return;
  }
  if (Caption(cmdEditSave, kEditCaption)) {
    Edit();
  } else {
    SaveAfterEdit();
  }
}

void frmPeriodicalData::OnCancelClose() {
  if (Caption(cmdCancelClose, kCancelCaption)) {
    Cancel();
  } else {
    Unload();
  }
}

void frmPeriodicalData::Add() {
  const std::string ids = std::string(Trimmed(T(txtBankID))) + std::string(Trimmed(T(txtZoneID))) +
                          std::string(Trimmed(T(txtBranchID)));
  if (!ids.empty()) {
    Enable(fraAcctDetails, true);
    SetFocus(txtTVPAN);
    Enable(fraMemberID, false);
  } else {
    Enable(fraAcctDetails, true);
    Enable(fraMemberID, true);
    SetFocus(txtBankID);
  }
  ClearAccountFields();
  Set(cmdAddSave, kSaveCaption);
  Set(cmdCancelClose, kCancelCaption);
  Enable(cmdEditSave, false);
  Enable(cmdDelete, false);
  Enable(scrRec, false);
}

bool frmPeriodicalData::CheckRecord() {
  const AccountList& accounts = session_.accounts;
  if (Trimmed(T(txtZoneID)).empty() || Trimmed(T(txtBranchID)).empty() || T(txtBankID) == "0000") {
    MsgBox(toolkit(), "Invalid MemberID");
    return false;
  }
  const std::string& tvpan = T(txtTVPAN);
  if (tvpan.find("TV200") == std::string::npos || tvpan.size() <= 6) {
    Set(txtTVPAN, "TV200");
    SetFocus(txtTVPAN);
    MsgBox(toolkit(), "Invalid TVPAN");
    return false;
  }
  if (!accounts.MemberKnown(FormMemberId(), session_.currentMemberId)) {
    MsgBox(toolkit(), "Invalid Member ID");
    for (std::string_view box : {txtBankID, txtZoneID, txtBranchID}) Set(box, "");
    return false;
  }
  if (!accounts.TvpanOfBank(T(txtBankID), T(txtTVPAN))) {
    MsgBox(toolkit(), "Invalid TVPAN");
    SetFocus(txtTVPAN);
    return false;
  }
  if (Trimmed(T(txtSSIName)).empty()) {
    MsgBox(toolkit(), "Please enter SSI Name");
    Set(txtSSIName, Trimmed(T(txtSSIName)));
    Enable(txtSSIName, true);
    SetFocus(txtSSIName);
    return false;
  }
  if (Trimmed(T(txtBranchName)).empty()) {
    MsgBox(toolkit(), "Please enter Branch Name");
    Set(txtBranchName, Trimmed(T(txtBranchName)));
    SetFocus(txtBranchName);
    return false;
  }
  const struct {
    std::string_view box;
    const char* message;
  } amounts[] = {{txtTermLoanOS, "Please enter Valid Term Credit"},
                 {txtWorkingCapitalOS, "Please enter Valid Working Capital"}};
  for (const auto& amount : amounts) {
    const auto value = ParseNumber(T(amount.box));
    if (!value || *value < 0) {
      MsgBox(toolkit(), amount.message);
      Set(amount.box, "0");
      SetFocus(amount.box);
      return false;
    }
  }
  return true;
}

bool frmPeriodicalData::CheckDuplicate(bool adding) {
  const std::string tvpan = ui::ToUpper(T(txtTVPAN));
  for (std::size_t i = 0; i < records_.size(); ++i) {
    if (ui::ToUpper(records_[i].tvpan) != tvpan) continue;
    if (adding) {
      MsgBox(toolkit(), "TVPAN Already entered");
      return false;
    }
    if (static_cast<int>(i) + 1 != currentRecord_) return false;
  }
  return true;
}

PeriodicalRecord frmPeriodicalData::RecordFromForm() const {
  PeriodicalRecord r;
  r.memberId = T(txtMemberID);
  r.tvpan = T(txtTVPAN);
  r.borrowerName = T(txtSSIName);
  r.branchName = T(txtBranchName);
  r.termCreditSanctioned = NumberOrZero(T(txtTCApproved));
  r.termCreditOutstanding = NumberOrZero(T(txtTermLoanOS));
  r.workingCapitalSanctioned = NumberOrZero(T(txtWCApproved));
  r.workingCapitalOutstanding = NumberOrZero(T(txtWorkingCapitalOS));
  r.coverStartDate = T(txtGCDate);
  r.serviceFee = ServiceFee(FormFeeInputs(), asOn_);
  r.regular = C(opRegYes).checked() ? "Y" : "N";
  r.status = T(cmbStatus);
  r.remarks = T(txtRemarks);
  return r;
}

void frmPeriodicalData::SaveAfterAdd() {
  // Both checks run, so that a duplicate TVPAN is reported even after another fault.
  const bool valid = CheckRecord();
  const bool unique = CheckDuplicate(true);
  if (!valid || !unique) {
    MsgBox(toolkit(), "Not a valid Record");
    SetFocus(cmdCancelClose);
    return;
  }
  const PeriodicalRecord record = RecordFromForm();
  records_.push_back(record);
  const bool dataSaved = files_->AppendRecord(record);
  if (!dataSaved) {
    // The record is not in the file: neither is it kept in memory, so that Save can be tried
    // again without the record counting twice.
    records_.pop_back();
    MsgBox(toolkit(), "Some error occurred while saving the Data");
  } else {
    ++recordCount_;
    SetTotalFee(TotalFee() + record.serviceFee);
  }
  const bool headerSaved = dataSaved && WriteHeaderFile();
  if (!dataSaved || !headerSaved) {
    MsgBox(toolkit(), "Not a valid Record");
    return;
  }
  MoveScrollTo(recordCount_);
  Enable(fraAcctDetails, false);
  Enable(fraMemberID, false);
  BackToBrowsing();
}

void frmPeriodicalData::Edit() {
  Set(cmdEditSave, kSaveCaption);
  feeWhenEditStarted_ = NumberOrZero(T(lblServiceFee));
  Enable(scrRec, false);
  Enable(cmdAddSave, false);
  Enable(cmdDelete, false);
  Set(cmdCancelClose, kCancelCaption);
  Enable(fraAcctDetails, true);
}

void frmPeriodicalData::SaveAfterEdit() {
  const bool valid = CheckRecord();
  const bool unique = CheckDuplicate(false);
  if (!valid || !unique) {
    MsgBox(toolkit(), "Invalid Record");
    return;
  }
  const double totalBefore = TotalFee();
  ShowFee();
  SetTotalFee(totalBefore - feeWhenEditStarted_ + NumberOrZero(T(lblServiceFee)));
  if (currentRecord_ < 1 || currentRecord_ > static_cast<int>(records_.size())) return;
  PeriodicalRecord& stored = records_[static_cast<std::size_t>(currentRecord_ - 1)];
  const PeriodicalRecord before = stored;
  stored = RecordFromForm();
  if (!files_->RewriteData(records_)) {
    // The file still holds the record as it was; so does memory, and the form stays in editing.
    stored = before;
    SetTotalFee(totalBefore);
    MsgBox(toolkit(), "Some error occurred while saving the Data");
    return;
  }
  WriteHeaderFile();
  Enable(fraAcctDetails, false);
  BackToBrowsing();
}

void frmPeriodicalData::OnDelete() {
  cancelUnderway_ = false;
  if (records_.empty()) {
    MsgBox(toolkit(), "No Current Record to Delete");
    return;
  }
  if (MsgBox(toolkit(), "Delete the current record?", "Record Deletion", ui::Buttons::YesNo) !=
      ui::Answer::Yes)
    return;
  const bool lastRecord = records_.size() == 1;
  ClearAccountFields();
  std::vector<PeriodicalRecord> remaining = records_;
  if (currentRecord_ >= 1 && currentRecord_ <= static_cast<int>(remaining.size()))
    remaining.erase(remaining.begin() + (currentRecord_ - 1));
  if (!files_->RewriteData(remaining)) {
    MsgBox(toolkit(), "Some error occurred while saving the Data");
    MoveScrollTo(currentRecord_);
    return;
  }
  --currentRecord_;
  --recordCount_;
  LoadRecords();
  WriteHeaderFile();
  ReadHeaderBack();
  if (lastRecord) files_->RemoveAll();
  MoveScrollTo(recordCount_);
}

void frmPeriodicalData::Cancel() {
  if (T(txtBankID) == "0000") Set(txtBankID, "");
  cancelUnderway_ = true;
  if (records_.empty()) {
    ClearAccountFields();
  } else {
    MoveScrollTo(static_cast<int>(records_.size()));
  }
  Enable(fraAcctDetails, false);
  BackToBrowsing();
}

void frmPeriodicalData::BackToBrowsing() {
  for (std::string_view command : {cmdAddSave, cmdEditSave, cmdDelete, scrRec})
    Enable(command, true);
  Set(cmdAddSave, kAddCaption);
  Set(cmdEditSave, kEditCaption);
  Set(cmdCancelClose, kCloseCaption);
}

}  // namespace tallisk
