#include "mirsaclient/entry/FormGroups.h"

#include <initializer_list>

#include "mirsaclient/entry/DateBoxes.h"
#include "mirsaclient/entry/LabelColors.h"
#include "mirsaclient/resources/ApplicationFormIds.h"
#include "ui/Dialog.h"

namespace mirsa {
namespace {

constexpr std::initializer_list<int> kExistingUnitBoxes = {IDC_OUTSTANDING_LOAN, IDC_DEFAULTS};
constexpr std::initializer_list<int> kTermCreditBoxes = {
    IDC_TC_AMOUNT_SANCTIONED, IDC_TC_INTEREST_RATE, IDC_TC_AMOUNT_DISBURSED,
    IDC_TC_OUTSTANDING,       IDC_MORATORIUM,       IDC_REPAYMENT};
constexpr std::initializer_list<int> kTermCreditDates = {IDC_TC_SANCTION_DATE,
                                                         IDC_TC_DISBURSEMENT_DATE};
constexpr std::initializer_list<int> kWorkingCapitalBoxes = {
    IDC_WC_LIMIT_SANCTIONED, IDC_WC_INTEREST_RATE, IDC_WC_OUTSTANDING};

void ClearAndDisable(ui::Dialog& form, std::initializer_list<int> boxes) {
  for (int id : boxes) {
    form.SetDlgItemText(id, "");
    form.EnableDlgItem(id, false);
  }
}

void Enable(ui::Dialog& form, std::initializer_list<int> ids) {
  for (int id : ids) form.EnableDlgItem(id, true);
}

void Colour(ui::Dialog& form, std::initializer_list<int> labels, ui::Color color) {
  for (int id : labels) form.control(id).SetTextColor(color);
}

}  // namespace

void ClearAndDisableExistingUnit(ui::Dialog& form) {
  ClearAndDisable(form, kExistingUnitBoxes);
}

void EnableExistingUnit(ui::Dialog& form) {
  Enable(form, kExistingUnitBoxes);
}

void ClearAndDisableTermCredit(ui::Dialog& form) {
  ClearAndDisable(form, kTermCreditBoxes);
  for (int id : kTermCreditDates) {
    ResetDateBox(form.control(id));
    EnableDateBox(form.control(id), false);
  }
  form.control(IDC_LAST_DISBURSEMENT).SetSelection(0);
  form.EnableDlgItem(IDC_LAST_DISBURSEMENT, false);
}

void EnableTermCredit(ui::Dialog& form) {
  Enable(form, kTermCreditBoxes);
  for (int id : kTermCreditDates) EnableDateBox(form.control(id), true);
  form.EnableDlgItem(IDC_LAST_DISBURSEMENT, true);
  Colour(form,
         {IDC_LABEL_TC_AMOUNT_SANCTIONED, IDC_LABEL_TC_SANCTION_DATE, IDC_LABEL_TC_INTEREST_RATE,
          IDC_LABEL_MORATORIUM, IDC_LABEL_REPAYMENT},
         kRequiredLabelColor);
}

void ClearAndDisableWorkingCapital(ui::Dialog& form) {
  ClearAndDisable(form, kWorkingCapitalBoxes);
  ResetDateBox(form.control(IDC_WC_SANCTION_DATE));
  EnableDateBox(form.control(IDC_WC_SANCTION_DATE), false);
}

void EnableWorkingCapital(ui::Dialog& form) {
  Enable(form, kWorkingCapitalBoxes);
  EnableDateBox(form.control(IDC_WC_SANCTION_DATE), true);
  Colour(form,
         {IDC_LABEL_WC_LIMIT_SANCTIONED, IDC_LABEL_WC_SANCTION_DATE, IDC_LABEL_WC_INTEREST_RATE},
         kRequiredLabelColor);
  Colour(form, {IDC_LABEL_TC_OUTSTANDING, IDC_LABEL_MORATORIUM, IDC_LABEL_REPAYMENT},
         kOptionalLabelColor);
}

}  // namespace mirsa
