#pragma once
// The four masked date boxes of the entry form (1177, 1182, 1181, 1110): mask "##/##/####"
// with the prompt "_", grey while disabled, and a tone of 430 Hz for 500 ms when a box refuses
// a keystroke.

#include <array>

#include "mirsaclient/resources/ApplicationFormIds.h"

namespace ui {
class Control;
class Dialog;
}  // namespace ui

namespace mirsa {

inline constexpr std::array<int, 4> kDateBoxes = {IDC_INCORPORATION_DATE, IDC_TC_SANCTION_DATE,
                                                  IDC_TC_DISBURSEMENT_DATE, IDC_WC_SANCTION_DATE};

inline constexpr int kRefusedKeyFrequency = 430;  // Hz
inline constexpr int kRefusedKeyDuration = 500;   // ms

// Empties a date box the way the form always has: a mask without digit places, then the date
// mask again, which leaves it reading "__/__/____".
void ResetDateBox(ui::Control& box);
// Enables or disables a date box; a disabled one is grey (200, 200, 200), an enabled one white.
void EnableDateBox(ui::Control& box, bool enable);
// Whether a date box reads "__/__/____", as an untouched or reset one does.
bool IsDateBoxEmpty(const ui::Control& box);
// Sounds the refusal tone whenever one of the form's date boxes refuses a keystroke.
void BeepOnRefusedDateKeys(ui::Dialog& form);

}  // namespace mirsa
