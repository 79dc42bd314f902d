#pragma once
// The entry form's controls and layout. Controls are addressed by name; the frames have ids so
// that the controls they hold can name them.

#include <string_view>

#include "ui/DialogTemplate.h"

namespace tallisk::periodical {

inline constexpr int kFormId = 2;
inline constexpr std::string_view kCaption = "TALVO - Tallisk";

// Frames.
inline constexpr int kFraMemberID = 10;
inline constexpr int kFraAcctDetails = 11;
inline constexpr int kFraOutstanding = 12;
inline constexpr int kFraTotals = 13;
inline constexpr int kFraPayment = 14;
inline constexpr std::string_view fraMemberID = "fraMemberID";
inline constexpr std::string_view fraAcctDetails = "fraAcctDetails";
inline constexpr std::string_view fraOutstanding = "fraOutstanding";
inline constexpr std::string_view fraTotals = "fraTotals";

// Member frame.
inline constexpr std::string_view txtBankID = "txtBankID";
inline constexpr std::string_view txtZoneID = "txtZoneID";
inline constexpr std::string_view txtBranchID = "txtBranchID";

// Record number, buttons and scroll bar.
inline constexpr std::string_view lblRecordNo = "lblRecordNo";
inline constexpr std::string_view cmdAddSave = "cmdAddSave";
inline constexpr std::string_view cmdEditSave = "cmdEditSave";
inline constexpr std::string_view cmdDelete = "cmdDelete";
inline constexpr std::string_view cmdCancelClose = "cmdCancelClose";
inline constexpr std::string_view scrRec = "scrRec";

// Account frame.
inline constexpr std::string_view txtTVPAN = "txtTVPAN";
inline constexpr std::string_view txtSSIName = "txtSSIName";
inline constexpr std::string_view txtBranchName = "txtBranchName";
inline constexpr std::string_view txtMemberID = "txtMemberID";  // hidden
inline constexpr std::string_view txtGCDate = "txtGCDate";      // hidden
inline constexpr std::string_view txtTCApproved = "txtTCApproved";
inline constexpr std::string_view txtTermLoanOS = "txtTermLoanOS";
inline constexpr std::string_view txtWCApproved = "txtWCApproved";
inline constexpr std::string_view txtWorkingCapitalOS = "txtWorkingCapitalOS";
inline constexpr std::string_view lblGCStatus = "lblGCStatus";
inline constexpr std::string_view lblServiceFee = "lblServiceFee";
inline constexpr std::string_view opRegYes = "opRegYes";
inline constexpr std::string_view opRegNo = "opRegNo";
inline constexpr std::string_view cmbStatus = "cmbStatus";
inline constexpr std::string_view txtRemarks = "txtRemarks";

// Totals frame.
inline constexpr std::string_view lblRecordCount = "lblRecordCount";
inline constexpr std::string_view lblListSize = "lblListSize";
inline constexpr std::string_view lblTotalFee = "lblTotalFee";

// Payment: the button and the frame of the payment details and the upload. They are laid out
// here, the button disabled and the frame hidden; the upload gives them their behaviour.
inline constexpr std::string_view cmdPmtDetails = "cmdPmtDetails";
inline constexpr std::string_view fraPayment = "fraPayment";
inline constexpr std::string_view txtDDNo = "txtDDNo";
inline constexpr std::string_view txtDDDate = "txtDDDate";
inline constexpr std::string_view txtAmtPaid = "txtAmtPaid";
inline constexpr std::string_view cmdUpload = "cmdUpload";

// Captions that tell the form's state.
inline constexpr std::string_view kAddCaption = "&Add";
inline constexpr std::string_view kEditCaption = "&Edit";
inline constexpr std::string_view kSaveCaption = "&Save";
inline constexpr std::string_view kCloseCaption = "&Close";
inline constexpr std::string_view kCancelCaption = "&Cancel";
inline constexpr std::string_view kOutstandingCaption = "Outstanding As on March 31, ";

inline constexpr std::string_view kStatusItems[] = {"Standard", "Substandard", "Doubtful", "Loss"};

ui::DialogTemplate Layout();

}  // namespace tallisk::periodical
