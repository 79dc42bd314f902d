// The entry form's field entry: what each box does as it gets the focus, takes keys, changes and
// is left.
#include <algorithm>

#include "tallisk/KeyFilters.h"
#include "tallisk/MsgBox.h"
#include "tallisk/fee/CoverStatus.h"
#include "tallisk/records/NumberText.h"
#include "tallisk/records/PeriodicalDataLayout.h"
#include "tallisk/records/frmPeriodicalData.h"
#include "ui/Toolkit.h"

namespace tallisk {

using namespace periodical;

namespace {

// The data file separates fields by "|" and records by line breaks, with no escaping: text
// that goes into a record can hold neither.
bool IsSeparator(char c) {
  return c == '|' || c == '\r' || c == '\n';
}

}  // namespace

void frmPeriodicalData::WireFieldEntry() {
  for (std::string_view box :
       {txtTVPAN, txtSSIName, txtBranchName, txtRemarks, txtDDNo, txtDDDate}) {
    On(box, ui::Event::Change, [this, box] {
      std::string text = T(box);
      if (std::none_of(text.begin(), text.end(), IsSeparator)) return;
      std::erase_if(text, IsSeparator);
      Set(box, text);
    });
  }
  for (std::string_view box : {txtSSIName, txtBranchName, txtRemarks, txtDDNo, txtDDDate}) {
    OnKey(C(box).id(), [this](ui::Key& key) {
      if (!IsTypedCharacter(key) || key.code != '|') return;
      key.code = ui::Key::kNone;
      toolkit().Beep();
    });
  }

  On(txtTVPAN, ui::Event::FocusIn, [this] { TvpanGotFocus(); });
  OnKey(C(txtTVPAN).id(), [](ui::Key& key) {
    if (IsTypedCharacter(key) && !IsDigitOrBackspace(key)) key.code = ui::Key::kNone;
  });

  On(txtBranchName, ui::Event::FocusIn, [this] { BranchNameGotFocus(); });

  for (std::string_view box : {txtSSIName, txtRemarks}) {
    On(box, ui::Event::FocusIn, [this, box] { C(box).SelectAllText(); });
  }
  On(txtSSIName, ui::Event::FocusOut, [this] { Set(txtSSIName, Trimmed(T(txtSSIName))); });
  On(txtRemarks, ui::Event::FocusOut, [this] { RemarksLeft(); });

  On(txtTermLoanOS, ui::Event::FocusIn, [this] { TermCreditGotFocus(); });
  OnKey(C(txtTermLoanOS).id(), [this](ui::Key& key) { TermCreditKey(key); });
  On(txtWorkingCapitalOS, ui::Event::FocusIn, [this] { WorkingCapitalGotFocus(); });
  OnKey(C(txtWorkingCapitalOS).id(), [this](ui::Key& key) { WorkingCapitalKey(key); });
  for (std::string_view box : {txtTermLoanOS, txtWorkingCapitalOS}) {
    On(box, ui::Event::Change, [this, box] { OutstandingChanged(box); });
    On(box, ui::Event::FocusOut, [this, box] { OutstandingLeft(box); });
  }
}

void frmPeriodicalData::TvpanGotFocus() {
  ui::Control& box = C(txtTVPAN);
  if (box.text().size() < 6) box.SetText(YearPrefix());
  box.SetText(Trimmed(box.text()));
  const int length = static_cast<int>(box.text().size());
  box.SetTextSelection(5, length - 5);
}

void frmPeriodicalData::BranchNameGotFocus() {
  if (T(txtTVPAN).size() <= 5) {
    MsgBox(toolkit(), "Invalid TVPAN");
    SetFocus(txtTVPAN);
    return;
  }
  if (cancelUnderway_) return;
  Set(txtTVPAN, Trimmed(T(txtTVPAN)));
  const AccountList& accounts = session_.accounts;
  if (!accounts.loaded()) {
    // Without a list nothing can be looked up: the branch types the borrower's name itself.
    Enable(txtSSIName, true);
    return;
  }
  const auto position = accounts.FindTvpan(T(txtTVPAN));
  if (!position) {
    MsgBox(toolkit(), "Invalid TVPAN");
    Set(txtTVPAN, "TV200");
    SetFocus(txtTVPAN);
    return;
  }
  const AccountEntry& entry = accounts.entry(*position);
  Set(txtSSIName, entry.borrowerName);
  Set(txtMemberID, entry.memberId);
  Set(txtGCDate, entry.coverStartDate);
  Set(txtTCApproved, entry.termCreditSanctioned);
  Set(txtWCApproved, entry.workingCapitalSanctioned);
  Enable(txtSSIName, false);
  Set(lblGCStatus, CoverStatusOnEntry(entry.coverStartDate, year_));
  C(txtTermLoanOS).SelectAllText();
}

void frmPeriodicalData::RemarksLeft() {
  Set(txtRemarks, Trimmed(T(txtRemarks)));
  if (C(cmdAddSave).enabled()) {
    SetFocus(cmdAddSave);
  } else if (C(cmdEditSave).enabled()) {
    SetFocus(cmdEditSave);
  }
}

void frmPeriodicalData::TermCreditGotFocus() {
  if (!T(txtBranchName).empty()) return;
  MsgBox(toolkit(), "Please enter Branch Name");
  SetFocus(txtBranchName);
}

void frmPeriodicalData::WorkingCapitalGotFocus() {
  // The sanctioned amounts come again from the list; a TVPAN not in it keeps those shown.
  if (const auto position = session_.accounts.FindTvpan(T(txtTVPAN))) {
    const AccountEntry& entry = session_.accounts.entry(*position);
    Set(txtTCApproved, entry.termCreditSanctioned);
    Set(txtWCApproved, entry.workingCapitalSanctioned);
  }
  C(txtWorkingCapitalOS).SelectAllText();
}

void frmPeriodicalData::TermCreditKey(ui::Key& key) {
  if (!IsTypedCharacter(key) || IsDigitOrBackspace(key)) return;
  ui::Control& box = C(txtTermLoanOS);
  if (key.code == '.' && box.text().find('.') == std::string::npos) {
    box.SetMaxLength(0);  // the decimals may go beyond the eight places
    return;
  }
  if (key.code == '.') box.SetMaxLength(static_cast<int>(box.text().size()) + 2);
  key.code = ui::Key::kNone;
  toolkit().Beep();
}

void frmPeriodicalData::WorkingCapitalKey(ui::Key& key) {
  if (!IsTypedCharacter(key) || IsDigitOrBackspace(key)) return;
  if (key.code == '.' && T(txtWorkingCapitalOS).find('.') == std::string::npos) return;
  key.code = ui::Key::kNone;
  toolkit().Beep();
}

void frmPeriodicalData::OutstandingChanged(std::string_view box) {
  if (!IsNumeric(T(box))) Set(box, "0");
}

void frmPeriodicalData::OutstandingLeft(std::string_view box) {
  if (T(box).empty()) Set(box, "0");
  ShowFee();
}

FeeInputs frmPeriodicalData::FormFeeInputs() const {
  return {NumberOrZero(T(txtTCApproved)), NumberOrZero(T(txtTermLoanOS)),
          NumberOrZero(T(txtWCApproved)), NumberOrZero(T(txtWorkingCapitalOS)), T(txtGCDate)};
}

void frmPeriodicalData::ShowFee() {
  Set(lblServiceFee, FormatNumber(ServiceFee(FormFeeInputs(), asOn_)));
}

}  // namespace tallisk
