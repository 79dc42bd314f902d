#pragma once
// The entry form: the branch enters, for each guaranteed account, the amounts outstanding as on
// March 31 and the state of the account; the form computes each fee and the total, keeps the
// records of the year in the data file, the count and total in the header file, and writes the
// output file when it closes (which ends the program).
//
// States: browsing (Add, Edit, Delete and the scroll bar enabled, the account frame disabled),
// adding (Add reads "&Save", Close "&Cancel") and editing (Edit reads "&Save", Close "&Cancel").
// The captions are the state, as the commands test them.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tallisk/fee/ServiceFee.h"
#include "tallisk/member/TalliskSession.h"
#include "tallisk/records/PeriodicalRecord.h"
#include "tallisk/records/YearFiles.h"
#include "tallisk/upload/OutputUpload.h"
#include "ui/Dialog.h"

namespace tallisk {

class frmPeriodicalData : public ui::Dialog {
 public:
  frmPeriodicalData(ui::Toolkit& toolkit, TalliskSession& session);

  // What the payment and the upload build on.
  const std::vector<PeriodicalRecord>& records() const { return records_; }
  int recordCount() const { return recordCount_; }
  int currentRecord() const { return currentRecord_; }
  int year() const { return year_; }
  std::chrono::year_month_day asOnDate() const { return asOn_; }
  const YearFiles& yearFiles() const { return *files_; }
  // The member ID of the three ID boxes.
  std::string FormMemberId() const;
  // Writes the header file from the form; on failure tells the branch and answers false.
  bool WriteHeaderFile();
  // Writes the output file (header line, data lines, and `lastLine` when given).
  bool WriteOutputFile(std::optional<std::string_view> lastLine = std::nullopt);
  // Whether the put of the output file has been given since the form was last activated.
  bool uploadIssued() const { return uploadIssued_; }

 protected:
  bool OnInitDialog() override;
  void OnActivate() override;
  void OnClose() override;
  void OnOK() override {}  // the form has no default button: Enter presses nothing

 private:
  // Loading (frmPeriodicalData.cpp).
  void LoadForm();
  bool ReadHeaderBack();
  void LoadRecords();
  void ClearAccountFields();
  void ShowRecord(int n);
  void Browse(int position);
  void MoveScrollTo(int position);
  void ShowCounts();
  void Unload();

  // Field entry (PeriodicalFieldEntry.cpp).
  void WireFieldEntry();
  void TvpanGotFocus();
  void BranchNameGotFocus();
  void TermCreditGotFocus();
  void WorkingCapitalGotFocus();
  void TermCreditKey(ui::Key& key);
  void WorkingCapitalKey(ui::Key& key);
  void OutstandingChanged(std::string_view box);
  void OutstandingLeft(std::string_view box);
  void RemarksLeft();
  void ShowFee();
  FeeInputs FormFeeInputs() const;
  std::string YearPrefix() const;

  // The record commands (PeriodicalRecordCommands.cpp).
  void WireCommands();
  void OnAddSave();
  void OnEditSave();
  void OnDelete();
  void OnCancelClose();
  void Add();
  void SaveAfterAdd();
  void Edit();
  void SaveAfterEdit();
  void Cancel();
  bool CheckRecord();
  bool CheckDuplicate(bool adding);
  PeriodicalRecord RecordFromForm() const;
  void BackToBrowsing();
  double TotalFee() const;
  void SetTotalFee(double total);

  // The payment details and the upload (PeriodicalPayment.cpp).
  void WirePayment();
  void ShowPaymentFrame(bool show);
  void OnPmtDetails();
  void OnUpload();
  void PaymentActivated();

  // Control helpers.
  ui::Control& C(std::string_view name) const { return control(name); }
  const std::string& T(std::string_view name) const { return control(name).text(); }
  void Set(std::string_view name, std::string_view text) { control(name).SetText(text); }
  void Enable(std::string_view name, bool enable) { control(name).SetEnabled(enable); }
  bool Caption(std::string_view name, std::string_view caption) const {
    return control(name).text() == caption;
  }

  TalliskSession& session_;
  std::vector<PeriodicalRecord> records_;
  int recordCount_ = 0;
  int currentRecord_ = 0;  // 1-based
  int year_ = 0;
  std::chrono::year_month_day asOn_{};
  std::optional<YearFiles> files_;
  bool cancelUnderway_ = false;  // suppresses the TVPAN look-up until the next command
  double feeWhenEditStarted_ = 0;
  OutputUpload upload_;
  bool uploadIssued_ = false;  // the put was given; Upload stays disabled until activation
};

}  // namespace tallisk
