#include "tallisk/records/PeriodicalDataLayout.h"

#include <string>

namespace tallisk::periodical {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::Rect;

namespace {

constexpr std::string_view kAccountTip = "The number alloted by TALVO for this borrowal account";
constexpr int kAmountLength = 8;
constexpr int kRegularGroup = 1;

ControlTemplate Frame(int id, std::string_view name, std::string text, Rect rect,
                      int container = 0) {
  return {.kind = ControlKind::GroupBox,
          .id = id,
          .name = std::string(name),
          .text = std::move(text),
          .rect = rect,
          .container = container};
}

ControlTemplate Label(std::string text, Rect rect, int container, std::string_view name = {},
                      std::string_view tip = {}) {
  return {.kind = ControlKind::Label,
          .name = std::string(name),
          .text = std::move(text),
          .rect = rect,
          .container = container,
          .tip = std::string(tip)};
}

ControlTemplate Box(std::string_view name, Rect rect, int container, int maxLength) {
  return {.kind = ControlKind::Edit,
          .name = std::string(name),
          .rect = rect,
          .maxLength = maxLength,
          .container = container};
}

ControlTemplate AmountBox(std::string_view name, Rect rect) {
  return {.kind = ControlKind::Edit,
          .name = std::string(name),
          .text = "0",
          .rect = rect,
          .style = {.rightAligned = true},
          .maxLength = kAmountLength,
          .container = kFraOutstanding};
}

ControlTemplate Button(std::string_view name, std::string text, Rect rect,
                       std::string_view tip = {}, int container = 0) {
  return {.kind = ControlKind::PushButton,
          .name = std::string(name),
          .text = std::move(text),
          .rect = rect,
          .container = container,
          .tip = std::string(tip)};
}

}  // namespace

ui::DialogTemplate Layout() {
  ui::DialogTemplate t{.resourceId = kFormId, .caption = std::string(kCaption), .size = {452, 380}};
  t.controls = {
      // The member, the record number and the commands.
      Frame(kFraMemberID, fraMemberID, "MemberID", {6, 4, 154, 38}),
      Label("Bank ID", {14, 14, 40, 9}, kFraMemberID),
      Box(txtBankID, {14, 24, 40, 12}, kFraMemberID, 4),
      Label("Zone ID", {60, 14, 40, 9}, kFraMemberID),
      Box(txtZoneID, {60, 24, 40, 12}, kFraMemberID, 4),
      Label("Branch ID", {106, 14, 46, 9}, kFraMemberID),
      Box(txtBranchID, {106, 24, 40, 12}, kFraMemberID, 4),
      Label("Current Record No: ", {236, 8, 70, 10}, 0),
      Label("0", {306, 8, 30, 10}, 0, lblRecordNo),

      // The account.
      Frame(kFraAcctDetails, fraAcctDetails, "Account Details - Periodical Data",
            {6, 46, 422, 206}),
      Label("TVPAN", {14, 60, 72, 10}, kFraAcctDetails, "lblTVPAN", kAccountTip),
      Box(txtTVPAN, {88, 58, 70, 12}, kFraAcctDetails, 11),
      Label("Name of the Borrower", {14, 76, 72, 10}, kFraAcctDetails),
      Box(txtSSIName, {88, 74, 332, 12}, kFraAcctDetails, 100),
      Label("Branch Name (where the loan was sanctioned)", {14, 92, 156, 10}, kFraAcctDetails),
      Box(txtBranchName, {172, 90, 110, 12}, kFraAcctDetails, 20),
      Box(txtMemberID, {300, 90, 50, 12}, kFraAcctDetails, 0),
      Box(txtGCDate, {356, 90, 50, 12}, kFraAcctDetails, 0),

      Frame(kFraOutstanding, fraOutstanding, std::string(kOutstandingCaption), {12, 108, 410, 84},
            kFraAcctDetails),
      Label("Sanctioned Amount", {116, 120, 64, 9}, kFraOutstanding),
      Label("Outstanding Amount", {186, 120, 68, 9}, kFraOutstanding),
      Label("Term Credit (Rs.)", {20, 134, 90, 10}, kFraOutstanding, "lblTermCredit", kAccountTip),
      AmountBox(txtTCApproved, {116, 132, 62, 12}),
      AmountBox(txtTermLoanOS, {186, 132, 62, 12}),
      Label("(Only Principal amount outstanding)", {256, 134, 160, 10}, kFraOutstanding),
      Label("Working Capital (Rs.)", {20, 150, 90, 10}, kFraOutstanding, "lblWorkingCapital",
            kAccountTip),
      AmountBox(txtWCApproved, {116, 148, 62, 12}),
      AmountBox(txtWorkingCapitalOS, {186, 148, 62, 12}),
      Label("(Outstanding amount including interest)", {256, 150, 160, 10}, kFraOutstanding),
      Label("", {20, 172, 230, 10}, kFraOutstanding, lblGCStatus),
      Label("Service Fee (Rs.)", {256, 172, 66, 10}, kFraOutstanding),
      Label("0", {324, 172, 60, 10}, kFraOutstanding, lblServiceFee),

      Label("Whether the Account is Regular?", {14, 200, 116, 10}, kFraAcctDetails),
      {.kind = ControlKind::RadioButton,
       .name = std::string(opRegYes),
       .text = "&Yes",
       .rect = {132, 199, 36, 11},
       .style = {.group = kRegularGroup},
       .container = kFraAcctDetails},
      {.kind = ControlKind::RadioButton,
       .name = std::string(opRegNo),
       .text = "No",
       .rect = {170, 199, 36, 11},
       .style = {.group = kRegularGroup},
       .container = kFraAcctDetails},
      Label("Account Status", {222, 200, 56, 10}, kFraAcctDetails),
      {.kind = ControlKind::ComboBox,
       .name = std::string(cmbStatus),
       .rect = {280, 198, 90, 60},
       .items = {kStatusItems[0].data(), kStatusItems[1].data(), kStatusItems[2].data(),
                 kStatusItems[3].data()},
       .container = kFraAcctDetails},
      Label("Remarks, if any, on change in Application Details && Conduct, etc.",
            {14, 218, 260, 10}, kFraAcctDetails, "lblRemarks", kAccountTip),
      Box(txtRemarks, {14, 230, 406, 12}, kFraAcctDetails, 200),

      // The commands and the record browser.
      Button(cmdAddSave, std::string(kAddCaption), {236, 24, 46, 14}),
      Button(cmdEditSave, std::string(kEditCaption), {286, 24, 46, 14},
             "Press Alt+E to perform this operation"),
      Button(cmdDelete, "&Delete", {336, 24, 46, 14}, "Press Alt+D to perform this operation"),
      Button(cmdCancelClose, std::string(kCloseCaption), {386, 24, 46, 14},
             "Press Alt+C to perform this operation"),
      {.kind = ControlKind::ScrollBar, .name = std::string(scrRec), .rect = {432, 50, 12, 200}},

      // The totals.
      Frame(kFraTotals, fraTotals, "", {6, 256, 438, 40}),
      Label("Number of Records Entered", {14, 266, 104, 10}, kFraTotals),
      Label("0", {120, 266, 18, 10}, kFraTotals, lblRecordCount),
      Label(" of 0", {138, 266, 70, 10}, kFraTotals, lblListSize),
      Label("Total Service Fee Payable (Rs.)", {14, 280, 112, 10}, kFraTotals),
      Label("0", {128, 280, 80, 10}, kFraTotals, lblTotalFee),

      // The payment.
      Button(cmdPmtDetails,
             "Click here to enter payment details (after entering details of all proposals)",
             {6, 302, 438, 16}),
      Frame(kFraPayment, fraPayment, "", {6, 322, 438, 52}),
      Label("Please furnish the payment details and then click on Upload button to send the "
            "details to TALVO",
            {14, 332, 424, 10}, kFraPayment),
      Label("DD No.", {14, 352, 30, 10}, kFraPayment),
      Box(txtDDNo, {46, 350, 70, 12}, kFraPayment, 0),
      Label("DD Date", {124, 352, 34, 10}, kFraPayment),
      Box(txtDDDate, {160, 350, 60, 12}, kFraPayment, 0),
      Label("Amount Paid (Rs.)", {228, 352, 66, 10}, kFraPayment),
      Box(txtAmtPaid, {296, 350, 70, 12}, kFraPayment, 0),
      Button(cmdUpload, "Upload", {378, 348, 58, 14}, {}, kFraPayment),
  };
  return t;
}

}  // namespace tallisk::periodical
