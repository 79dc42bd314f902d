#pragma once
// The states and their districts, read from "DISTRICTS.TXT" directly below the current
// directory: one state a line, "STATE|DISTRICT|DISTRICT|...", up to the end of the file or a
// line "END". The file is only ever read.

#include <filesystem>
#include <string_view>

namespace ui {
class Control;
class Dialog;
}  // namespace ui

namespace mirsa {

inline constexpr const char* kDistrictsFileName = "DISTRICTS.TXT";

std::filesystem::path DistrictsFilePath();

// Whether the file can be opened for reading (the main window checks it before a form opens).
bool DistrictsFileAvailable();

// Adds each line's state (the text before its first "|") to the state combo and selects item
// 0. False when the file cannot be read; the combo then keeps what it had.
bool LoadStateList(ui::Control& stateCombo);

// Empties the district combo and fills it with the districts of every line whose state equals
// `state` without regard to case. A state without a line is a success with an empty list.
bool LoadDistrictList(ui::Control& districtCombo, std::string_view state);

// The form's state combo changed its selection: an empty state is answered with "Please Select
// a State"; in every case the districts of the selected state are loaded and item 0 selected.
void OnStateChanged(ui::Dialog& form);

}  // namespace mirsa
