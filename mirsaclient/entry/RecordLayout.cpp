#include "mirsaclient/entry/RecordLayout.h"

#include <algorithm>
#include <array>
#include <vector>

#include "mirsaclient/entry/Captions.h"
#include "mirsaclient/entry/DateBoxes.h"
#include "mirsaclient/entry/Districts.h"
#include "mirsaclient/entry/FormGroups.h"
#include "mirsaclient/entry/LabelColors.h"
#include "mirsaclient/entry/NumberText.h"
#include "mirsaclient/resources/ApplicationFormIds.h"
#include "mirsaclient/shell/ProcessState.h"
#include "ui/Dialog.h"
#include "ui/TextCase.h"
#include "ui/Toolkit.h"

namespace mirsa {
namespace {

constexpr char kSeparator = '|';
constexpr std::string_view kBlanks = " \t\r\n";

struct ConstitutionCode {
  std::string_view item;  // the combo's item, trimmed
  std::string_view code;
};
constexpr std::array<ConstitutionCode, 5> kConstitutionCodes = {{
    {"PROPRIETARY", "PROP"},
    {"PARTNERSHIP", "PART"},
    {"PRIVATE LIMITED", "PVT"},
    {"PUBLIC LIMITED", "PUB"},
    {"OTHERS", "O"},
}};
constexpr std::string_view kProprietary = "PROPRIETARY";

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

// A line break would split the record over two lines: each one becomes a blank.
std::string OnOneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if (crlf) ++i;
    out.push_back(text[i] == '\r' || text[i] == '\n' ? ' ' : text[i]);
  }
  return out;
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

// The record's value of a text box, trimmed and on one line. Cleaned boxes have their
// apostrophes turned into backquotes. The box is given the value when cleaning or the line
// breaks changed it, so it shows what is stored.
std::string BoxValue(ui::Dialog& form, int id, bool cleaned) {
  const std::string typed = form.GetDlgItemText(id);
  const bool broken = HasLineBreak(typed);
  std::string value = Trim(OnOneLine(typed));
  if (cleaned) std::replace(value.begin(), value.end(), '\'', '`');
  if (cleaned || broken) form.SetDlgItemText(id, value);
  return value;
}

std::string DateValue(const ui::Dialog& form, int id) {
  const ui::Control& box = form.control(id);
  return IsDateBoxEmpty(box) ? std::string() : Trim(box.text());
}

std::string ConstitutionValue(const ui::Dialog& form) {
  const std::string item = Trim(form.GetDlgItemText(IDC_CONSTITUTION));
  for (const ConstitutionCode& c : kConstitutionCodes)
    if (ui::EqualIgnoringCase(item, c.item)) return std::string(c.code);
  return item;
}

bool Checked(const ui::Dialog& form, int id) {
  return form.control(id).checked();
}

// Splits a line into the 45 fields of a new record; the last runs to the end of the line.
std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  fields.reserve(kNewRecordFields);
  while (static_cast<int>(fields.size()) < kNewRecordFields - 1) {
    const std::size_t bar = line.find(kSeparator);
    if (bar == std::string_view::npos) break;
    fields.push_back(line.substr(0, bar));
    line.remove_prefix(bar + 1);
  }
  fields.push_back(line);
  fields.resize(kNewRecordFields);
  return fields;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         ui::EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// Selects the combo's first item that begins with `text`, without regard to case; none if no
// item does.
void SelectStartingWith(ui::Control& combo, std::string_view text) {
  const auto& items = combo.items();
  const auto it = std::find_if(items.begin(), items.end(), [&](const std::string& item) {
    return StartsWithIgnoringCase(item, text);
  });
  combo.SetSelection(it == items.end() ? -1 : static_cast<int>(it - items.begin()));
}

void SetCheckedFrom(ui::Control& box, std::string_view flag) {
  if (flag == "Y") box.SetChecked(true);
  if (flag == "N") box.SetChecked(false);
}

void FillDate(ui::Dialog& form, int id, std::string_view value) {
  ui::Control& box = form.control(id);
  ResetDateBox(box);
  if (!value.empty()) box.SetText(value);
}

}  // namespace

std::string BuildRecordLine(ui::Dialog& form, const RecordFormState& state,
                            std::string_view checkerId) {
  std::string line;
  if (state.mode == kModeAdd) {
    line = g_strUserId + kSeparator;
  } else if (state.mode == kModeVerify) {
    line = state.makerId + kSeparator + std::string(checkerId) + kSeparator;
  } else {
    line = state.makerId + kSeparator;
  }

  const auto text = [&](int id) { return BoxValue(form, id, false); };
  const auto cleaned = [&](int id) { return BoxValue(form, id, true); };
  const auto combo = [&](int id) { return Trim(form.GetDlgItemText(id)); };
  const auto flag = [&](int id) { return std::string(Checked(form, id) ? "Y" : "N"); };

  std::string existence;
  if (Checked(form, IDC_NEW_UNIT)) existence += "N";
  if (Checked(form, IDC_EXISTING_UNIT)) existence += "E";
  std::string facility;
  if (Checked(form, IDC_FACILITY_TC)) facility = "T";
  if (Checked(form, IDC_FACILITY_WC)) facility = "W";
  if (Checked(form, IDC_FACILITY_BOTH)) facility = "B";
  const int gender = form.control(IDC_GENDER).selection();
  const std::string lastDisbursement = form.GetDlgItemText(IDC_LAST_DISBURSEMENT);

  // Fields 1 to 44, in order; the cleaned boxes are written back as they go.
  const std::vector<std::string> fields = {
      text(IDC_PLR),
      cleaned(IDC_BANK_REFERENCE),
      cleaned(IDC_UNIT_NAME),
      cleaned(IDC_CHIEF_PROMOTER),
      cleaned(IDC_IT_PAN),
      gender == 0   ? "M"
      : gender == 1 ? "F"
                    : "",
      cleaned(IDC_ADDRESS),
      cleaned(IDC_CITY),
      text(IDC_PIN),
      combo(IDC_STATE),
      combo(IDC_DISTRICT),
      ConstitutionValue(form),
      text(IDC_OTHER_PROMOTERS),
      cleaned(IDC_SSI_REGISTRATION),
      DateValue(form, IDC_INCORPORATION_DATE),
      existence,
      text(IDC_OUTSTANDING_LOAN),
      text(IDC_DEFAULTS),
      combo(IDC_SCHEME),
      text(IDC_PROJECT_COST),
      text(IDC_WC_ASSESSED),
      text(IDC_PROMOTERS_CONTRIBUTION),
      text(IDC_NEF),
      text(IDC_OTHER_EQUITY),
      flag(IDC_COLLATERAL),
      flag(IDC_THIRD_PARTY_GUARANTEE),
      combo(IDC_INDUSTRY_TYPE),
      text(IDC_PEOPLE_EMPLOYED),
      text(IDC_PROJECTED_SALES),
      text(IDC_PROJECTED_EXPORTS),
      facility,
      text(IDC_TC_AMOUNT_SANCTIONED),
      DateValue(form, IDC_TC_SANCTION_DATE),
      text(IDC_TC_INTEREST_RATE),
      text(IDC_TC_AMOUNT_DISBURSED),
      DateValue(form, IDC_TC_DISBURSEMENT_DATE),
      !lastDisbursement.empty() && lastDisbursement.front() == 'Y' ? "L" : "R",
      text(IDC_TC_OUTSTANDING),
      text(IDC_MORATORIUM),
      text(IDC_REPAYMENT),
      text(IDC_WC_LIMIT_SANCTIONED),
      DateValue(form, IDC_WC_SANCTION_DATE),
      text(IDC_WC_INTEREST_RATE),
      text(IDC_WC_OUTSTANDING),
  };
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += kSeparator;
    line += fields[i];
  }
  return ui::ToUpper(line);
}

bool FillFromRecordLine(ui::Dialog& form, std::string_view line, RecordFormState& state) {
  const std::vector<std::string_view> f = SplitFields(line);
  const auto text = [&](int id, RecordField field) { form.SetDlgItemText(id, f[field]); };

  state.makerId = std::string(f[kFieldMakerId]);
  text(IDC_PLR, kFieldPlr);
  text(IDC_BANK_REFERENCE, kFieldBankReference);
  text(IDC_UNIT_NAME, kFieldUnitName);
  text(IDC_CHIEF_PROMOTER, kFieldChiefPromoter);
  text(IDC_IT_PAN, kFieldItPan);
  if (f[kFieldGender] == "M") form.control(IDC_GENDER).SetSelection(0);
  if (f[kFieldGender] == "F") form.control(IDC_GENDER).SetSelection(1);
  text(IDC_ADDRESS, kFieldAddress);
  text(IDC_CITY, kFieldCity);
  text(IDC_PIN, kFieldPin);

  ui::Control& states = form.control(IDC_STATE);
  ui::Control& districts = form.control(IDC_DISTRICT);
  SelectStartingWith(states, f[kFieldState]);
  if (!LoadDistrictList(districts, states.text())) {
    form.toolkit().MessageBox("Unable to retrieve District for state", kCaptionTalvoClient);
    return false;
  }
  SelectStartingWith(districts, f[kFieldDistrict]);

  for (std::size_t i = 0; i < kConstitutionCodes.size(); ++i) {
    if (!ui::EqualIgnoringCase(f[kFieldConstitution], kConstitutionCodes[i].code)) continue;
    form.control(IDC_CONSTITUTION).SetSelection(static_cast<int>(i));
    form.EnableDlgItem(IDC_OTHER_PROMOTERS, true);
    break;
  }
  text(IDC_OTHER_PROMOTERS, kFieldOtherPromoters);
  text(IDC_SSI_REGISTRATION, kFieldSsiRegistration);
  FillDate(form, IDC_INCORPORATION_DATE, f[kFieldIncorporationDate]);
  if (f[kFieldExistence] == "N") form.control(IDC_NEW_UNIT).SetChecked(true);
  if (f[kFieldExistence] == "E") form.control(IDC_EXISTING_UNIT).SetChecked(true);
  text(IDC_OUTSTANDING_LOAN, kFieldOutstandingLoan);
  text(IDC_DEFAULTS, kFieldDefaults);
  form.control(IDC_SCHEME).SetSelection(0);
  text(IDC_PROJECT_COST, kFieldProjectCost);
  text(IDC_WC_ASSESSED, kFieldWcAssessed);
  ShowProjectOutlay(form);
  text(IDC_PROMOTERS_CONTRIBUTION, kFieldPromotersContribution);
  text(IDC_NEF, kFieldNef);
  text(IDC_OTHER_EQUITY, kFieldOtherEquity);
  SetCheckedFrom(form.control(IDC_COLLATERAL), f[kFieldCollateral]);
  SetCheckedFrom(form.control(IDC_THIRD_PARTY_GUARANTEE), f[kFieldThirdPartyGuarantee]);
  SelectStartingWith(form.control(IDC_INDUSTRY_TYPE), f[kFieldIndustryType]);
  text(IDC_PEOPLE_EMPLOYED, kFieldPeopleEmployed);
  text(IDC_PROJECTED_SALES, kFieldProjectedSales);
  text(IDC_PROJECTED_EXPORTS, kFieldProjectedExports);

  const std::string_view facility = f[kFieldFacility];
  if (facility == "T") {
    form.control(IDC_FACILITY_TC).SetChecked(true);
    ClearAndDisableWorkingCapital(form);
    state.facility = {.termCredit = true};
  } else if (facility == "W") {
    form.control(IDC_FACILITY_WC).SetChecked(true);
    ClearAndDisableTermCredit(form);
    state.facility = {.workingCapital = true};
  } else if (facility == "B") {
    form.control(IDC_FACILITY_BOTH).SetChecked(true);
    state.facility = {.both = true};
  }

  text(IDC_TC_AMOUNT_SANCTIONED, kFieldTcAmountSanctioned);
  FillDate(form, IDC_TC_SANCTION_DATE, f[kFieldTcSanctionDate]);
  text(IDC_TC_INTEREST_RATE, kFieldTcInterestRate);
  text(IDC_TC_AMOUNT_DISBURSED, kFieldTcAmountDisbursed);
  FillDate(form, IDC_TC_DISBURSEMENT_DATE, f[kFieldTcDisbursementDate]);
  form.control(IDC_LAST_DISBURSEMENT)
      .SetSelection(ui::EqualIgnoringCase(f[kFieldLastDisbursement], "L") ? 1 : 0);
  text(IDC_TC_OUTSTANDING, kFieldTcOutstanding);
  text(IDC_MORATORIUM, kFieldMoratorium);
  text(IDC_REPAYMENT, kFieldRepayment);
  ShowTotalPeriod(form);
  text(IDC_WC_LIMIT_SANCTIONED, kFieldWcLimitSanctioned);
  FillDate(form, IDC_WC_SANCTION_DATE, f[kFieldWcSanctionDate]);
  text(IDC_WC_INTEREST_RATE, kFieldWcInterestRate);
  text(IDC_WC_OUTSTANDING, kFieldWcOutstanding);
  ShowEquityTotal(form);

  const bool proprietary =
      ui::EqualIgnoringCase(Trim(form.GetDlgItemText(IDC_CONSTITUTION)), kProprietary);
  form.control(IDC_LABEL_OTHER_PROMOTERS)
      .SetTextColor(proprietary ? kOptionalLabelColor : kRequiredLabelColor);
  return true;
}

void ShowProjectOutlay(ui::Dialog& form) {
  form.SetDlgItemText(IDC_PROJECT_OUTLAY,
                      TwoDecimals(LeadingDecimal(form.GetDlgItemText(IDC_PROJECT_COST)) +
                                  LeadingDecimal(form.GetDlgItemText(IDC_WC_ASSESSED))));
}

void ShowEquityTotal(ui::Dialog& form) {
  form.SetDlgItemText(IDC_EQUITY_TOTAL,
                      TwoDecimals(LeadingDecimal(form.GetDlgItemText(IDC_NEF)) +
                                  LeadingDecimal(form.GetDlgItemText(IDC_OTHER_EQUITY))));
}

void ShowTotalPeriod(ui::Dialog& form) {
  form.SetDlgItemText(
      IDC_TOTAL_PERIOD,
      std::to_string(static_cast<long long>(LeadingWhole(form.GetDlgItemText(IDC_MORATORIUM))) +
                     LeadingWhole(form.GetDlgItemText(IDC_REPAYMENT))));
}

}  // namespace mirsa
