#pragma once
// The member ID dialog's controls and layout.

#include <string_view>

#include "ui/DialogTemplate.h"

namespace tallisk::memid {

inline constexpr int kFormId = 1;
inline constexpr int kFraMemberID = 10;  // the frame's id, for the controls it holds

inline constexpr std::string_view txtBankID = "txtBankID";
inline constexpr std::string_view txtZoneID = "txtZoneID";
inline constexpr std::string_view txtBranchID = "txtBranchID";
inline constexpr std::string_view OKButton = "OKButton";
inline constexpr std::string_view CancelButton = "CancelButton";

inline constexpr std::string_view kCaption = "Please enter your Member ID";

ui::DialogTemplate Layout();

}  // namespace tallisk::memid
