#include "tallisk/records/frmPeriodicalData.h"

#include <system_error>

#include "tallisk/MsgBox.h"
#include "tallisk/fee/CoverStatus.h"
#include "tallisk/fee/DateText.h"
#include "tallisk/records/NumberText.h"
#include "tallisk/records/PeriodicalDataLayout.h"
#include "tallisk/records/TextLines.h"
#include "ui/AccessKeys.h"
#include "ui/Toolkit.h"

namespace tallisk {

using namespace periodical;
namespace fs = std::filesystem;

namespace {

constexpr ui::Color kBlue = ui::Rgb(0, 0, 255);

}  // namespace

frmPeriodicalData::frmPeriodicalData(ui::Toolkit& toolkit, TalliskSession& session)
    : ui::Dialog(toolkit, Layout()), session_(session), upload_(toolkit, session.uploadServer) {
  SetMessageBoxesMoveFocus(false);
  SetCancelButton(C(cmdCancelClose).id());
  for (std::string_view hidden : {txtMemberID, txtGCDate}) C(hidden).SetVisible(false);
  for (std::string_view fixed : {txtSSIName, txtTCApproved, txtWCApproved}) Enable(fixed, false);
  for (std::string_view value :
       {lblRecordNo, lblGCStatus, lblServiceFee, lblRecordCount, lblListSize, lblTotalFee})
    C(value).SetTextColor(kBlue);
  C(opRegNo).SetChecked(true);
  C(cmbStatus).SetSelection(0);
  ShowPaymentFrame(false);  // the payment button shows it
  C(scrRec).SetRange(1, 1);

  // Key preview: Alt and a caption's marked letter presses that button.
  SetKeyPreview([this](ui::Control*, ui::Key& key) { ui::PressAccessKey(*this, key); });
  On(scrRec, ui::Event::Scroll, [this] { Browse(C(scrRec).position()); });
  WireFieldEntry();
  WireCommands();
  WirePayment();
}

bool frmPeriodicalData::OnInitDialog() {
  return false;  // the focus is placed once the form is loaded
}

void frmPeriodicalData::OnActivate() {
  LoadForm();
  PaymentActivated();
}

void frmPeriodicalData::OnClose() {
  Unload();
}

std::string frmPeriodicalData::FormMemberId() const {
  return T(txtBankID) + T(txtZoneID) + T(txtBranchID);
}

void frmPeriodicalData::LoadForm() {
  const std::string& id = session_.currentMemberId;
  auto part = [&id](std::size_t from) {
    return from < id.size() ? id.substr(from, 4) : std::string();
  };
  Set(txtBankID, part(0));
  Set(txtZoneID, part(4));
  Set(txtBranchID, part(8));

  const auto listLoad = session_.accounts.Load(session_.files.AccountList());
  if (!listLoad.ok) {
    MsgBox(toolkit(), listLoad.errorDescription);
    MsgBox(toolkit(), "TVPANS.TXT is missing.");
  }
  Set(lblListSize, " of " + std::to_string(session_.accounts.size()));

  year_ = CurrentYear();
  Set(fraOutstanding, std::string(kOutstandingCaption) + std::to_string(year_));
  files_.emplace(session_.files, year_);
  // A new load starts from the files alone.
  records_.clear();
  recordCount_ = currentRecord_ = 0;

  if (ReadHeaderBack()) LoadRecords();

  Enable(fraAcctDetails, false);
  Enable(fraMemberID, false);
  toolkit().ClearClipboard();
  std::error_code ec;
  fs::create_directory(session_.files.OutputDir(), ec);
  asOn_ = MarchThirtyFirst(year_);
  // "Standard" is the status of a new entry; a record shown keeps its own.
  if (records_.empty()) C(cmbStatus).SetSelection(C(cmbStatus).FindItemExact("Standard"));
  SetFocus(cmdAddSave);
}

bool frmPeriodicalData::ReadHeaderBack() {
  const auto line = files_->ReadHeaderLine();
  if (!line) return false;
  std::vector<std::string_view> parts;
  SplitFields(*line, parts);
  const std::string_view id = parts[0];
  // The first four characters, the four from the fifth on, and the last four.
  const std::string bank(id.substr(0, 4));
  const std::string zone(id.size() > 4 ? id.substr(4, 4) : std::string_view());
  const std::string branch(id.size() > 4 ? id.substr(id.size() - 4) : id);
  Set(txtBankID, bank);
  Set(txtZoneID, zone);
  Set(txtBranchID, branch);
  if (parts.size() > 1) recordCount_ = static_cast<int>(NumberOrZero(parts[1]));
  if (parts.size() > 2) Set(lblTotalFee, parts[2]);
  ShowCounts();
  if (bank.size() == 4 && zone.size() == 4 && branch.size() == 4) {
    if (IsNumeric(bank) && IsNumeric(zone) && IsNumeric(branch)) {
      Enable(fraMemberID, false);
      return true;
    }
    MsgBox(toolkit(), "Header file contains Invalid Numbers\r\nRe-enter the MemberID",
           "Header File Error");
  } else {
    MsgBox(toolkit(), "Invalid IDs - Please Re-enter the MemberID");
  }
  for (std::string_view box : {txtBankID, txtZoneID, txtBranchID}) Set(box, "");
  return false;
}

void frmPeriodicalData::LoadRecords() {
  DataFileContent content = files_->ReadData();
  for (int i = 0; i < content.blankLines; ++i) MsgBox(toolkit(), "invalid");
  records_ = std::move(content.records);
  double total = 0;
  for (const PeriodicalRecord& r : records_) total += r.serviceFee;
  recordCount_ = currentRecord_ = static_cast<int>(records_.size());
  SetTotalFee(total);
  ShowCounts();
  MoveScrollTo(recordCount_);
}

std::string frmPeriodicalData::YearPrefix() const {
  return "TV" + std::to_string(year_).substr(0, 3);
}

void frmPeriodicalData::ClearAccountFields() {
  Set(txtTVPAN, YearPrefix());
  for (std::string_view box :
       {txtMemberID, txtSSIName, txtBranchName, txtRemarks, txtGCDate, lblGCStatus})
    Set(box, "");
  for (std::string_view amount : {txtTermLoanOS, txtWorkingCapitalOS, txtTCApproved, txtWCApproved})
    Set(amount, "0");
  C(opRegNo).SetChecked(true);
  Set(lblServiceFee, "0");
  C(cmbStatus).SetSelection(C(cmbStatus).FindItemExact("Standard"));
}

void frmPeriodicalData::ShowRecord(int n) {
  if (n < 1 || n > static_cast<int>(records_.size())) return;  // no such record: ignored
  const PeriodicalRecord& r = records_[static_cast<std::size_t>(n - 1)];
  Set(txtMemberID, r.memberId);
  Set(txtTVPAN, r.tvpan);
  Set(txtSSIName, r.borrowerName);
  Set(txtBranchName, r.branchName);
  Set(txtTCApproved, FormatNumber(r.termCreditSanctioned));
  Set(txtTermLoanOS, FormatNumber(r.termCreditOutstanding));
  Set(txtWCApproved, FormatNumber(r.workingCapitalSanctioned));
  Set(txtWorkingCapitalOS, FormatNumber(r.workingCapitalOutstanding));
  Set(txtGCDate, r.coverStartDate);
  Set(lblServiceFee, FormatNumber(r.serviceFee));
  C(r.regular == "Y" ? opRegYes : opRegNo).SetChecked(true);
  C(cmbStatus).SetSelection(C(cmbStatus).FindItemExact(r.status));
  Set(txtRemarks, r.remarks);
  Set(lblGCStatus, CoverStatusOfRecord(r.coverStartDate, year_));
}

void frmPeriodicalData::Browse(int position) {
  if (records_.empty()) return;
  ClearAccountFields();
  ShowRecord(position);
  currentRecord_ = position;
  ShowCounts();
}

void frmPeriodicalData::MoveScrollTo(int position) {
  ui::Control& bar = C(scrRec);
  const int before = bar.position();
  bar.SetRange(1, position);
  bar.SetPosition(position);
  // The record at the position is shown also when the bar was there already (its scroll event
  // fires only on a move), so that the form never shows a record number over empty fields.
  if (bar.position() == before) Browse(bar.position());
}

void frmPeriodicalData::ShowCounts() {
  Set(lblRecordNo, std::to_string(currentRecord_));
  Set(lblRecordCount, std::to_string(recordCount_));
}

double frmPeriodicalData::TotalFee() const {
  return NumberOrZero(T(lblTotalFee));
}

void frmPeriodicalData::SetTotalFee(double total) {
  Set(lblTotalFee, FormatNumber(total));
}

bool frmPeriodicalData::WriteHeaderFile() {
  const std::string line = HeaderLine(FormMemberId(), recordCount_, T(lblTotalFee), year_);
  if (files_->WriteHeader(line)) return true;
  MsgBox(toolkit(), "Cannot write " + files_->headerFile().filename().string());
  MsgBox(toolkit(), "Some error occurred while saving the Header Info");
  return false;
}

bool frmPeriodicalData::WriteOutputFile(std::optional<std::string_view> lastLine) {
  return files_->WriteOutput(FormMemberId(), lastLine);
}

void frmPeriodicalData::Unload() {
  // Without a readable header or data file no output file is written, and nothing is said.
  WriteOutputFile();
  EndDialog(ui::IDCANCEL);
  toolkit().EndProcess(0);
}

}  // namespace tallisk
