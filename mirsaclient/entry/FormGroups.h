#pragma once
// The groups of boxes of the entry form that are switched together: the existing-unit pair
// (outstanding loan, defaults), the term-credit group and the working-capital group.

namespace ui {
class Dialog;
}

namespace mirsa {

void ClearAndDisableExistingUnit(ui::Dialog& form);
void EnableExistingUnit(ui::Dialog& form);

// Boxes emptied, date boxes reset and grey, last disbursement back to "NO", all disabled.
void ClearAndDisableTermCredit(ui::Dialog& form);
// All enabled, date boxes white, the group's required labels red.
void EnableTermCredit(ui::Dialog& form);

void ClearAndDisableWorkingCapital(ui::Dialog& form);
// All enabled, date box white, its required labels red; the term credit's period labels and
// the outstanding term credit's label black.
void EnableWorkingCapital(ui::Dialog& form);

}  // namespace mirsa
