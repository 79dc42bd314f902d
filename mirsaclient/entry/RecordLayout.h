#pragma once
// One application as one record line: 45 fields separated by "|" for a new record (field 0
// the maker's id), 46 for a checked one (the maker's id, the checker's id, then fields 1 to 44
// of the new record). The line is built from the entry form's boxes and read back onto them.

#include <string>
#include <string_view>

namespace ui {
class Dialog;
}

namespace mirsa {

// Modes of the entry form.
inline constexpr char kModeAdd = 'A';
inline constexpr char kModeModify = 'M';
inline constexpr char kModeDelete = 'D';
inline constexpr char kModeVerify = 'C';

inline constexpr int kNewRecordFields = 45;

// Field numbers of a new record.
enum RecordField : int {
  kFieldMakerId = 0,
  kFieldPlr = 1,
  kFieldBankReference = 2,
  kFieldUnitName = 3,
  kFieldChiefPromoter = 4,
  kFieldItPan = 5,
  kFieldGender = 6,
  kFieldAddress = 7,
  kFieldCity = 8,
  kFieldPin = 9,
  kFieldState = 10,
  kFieldDistrict = 11,
  kFieldConstitution = 12,
  kFieldOtherPromoters = 13,
  kFieldSsiRegistration = 14,
  kFieldIncorporationDate = 15,
  kFieldExistence = 16,
  kFieldOutstandingLoan = 17,
  kFieldDefaults = 18,
  kFieldScheme = 19,
  kFieldProjectCost = 20,
  kFieldWcAssessed = 21,
  kFieldPromotersContribution = 22,
  kFieldNef = 23,
  kFieldOtherEquity = 24,
  kFieldCollateral = 25,
  kFieldThirdPartyGuarantee = 26,
  kFieldIndustryType = 27,
  kFieldPeopleEmployed = 28,
  kFieldProjectedSales = 29,
  kFieldProjectedExports = 30,
  kFieldFacility = 31,
  kFieldTcAmountSanctioned = 32,
  kFieldTcSanctionDate = 33,
  kFieldTcInterestRate = 34,
  kFieldTcAmountDisbursed = 35,
  kFieldTcDisbursementDate = 36,
  kFieldLastDisbursement = 37,
  kFieldTcOutstanding = 38,
  kFieldMoratorium = 39,
  kFieldRepayment = 40,
  kFieldWcLimitSanctioned = 41,
  kFieldWcSanctionDate = 42,
  kFieldWcInterestRate = 43,
  kFieldWcOutstanding = 44,
};

// Which facility button was last in force; lets the form put a radio button back when the
// user declines a switch.
struct FacilityMemory {
  bool termCredit = false;
  bool workingCapital = false;
  bool both = false;
};

// What the form keeps about the record it shows.
struct RecordFormState {
  char mode = kModeAdd;
  std::string makerId;  // field 0 of the record last shown
  FacilityMemory facility;
};

// The record line for the values now on the form, in upper case. Add: a new record of the
// logged-in user (g_strUserId). Verify: a checked record of the remembered maker and
// `checkerId`. Other modes: a new record that keeps the remembered maker id. Apostrophes of the
// cleaned text boxes become backquotes, and line breaks blanks, also in the boxes themselves.
std::string BuildRecordLine(ui::Dialog& form, const RecordFormState& state,
                            std::string_view checkerId = {});

// Puts the fields of a new record line into the form's boxes, remembers its maker id and the
// facility, and shows the three totals. When the districts of the record's state cannot be
// read it shows "Unable to retrieve District for state", leaves fields 11 to 44 as they were
// and answers false.
bool FillFromRecordLine(ui::Dialog& form, std::string_view line, RecordFormState& state);

// The values the form shows but does not store, from the texts of their boxes.
void ShowProjectOutlay(ui::Dialog& form);  // project cost + working capital assessed
void ShowEquityTotal(ui::Dialog& form);    // NEF + others
void ShowTotalPeriod(ui::Dialog& form);    // moratorium + repayment, in months

}  // namespace mirsa
