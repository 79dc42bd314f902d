#pragma once
// Dialogs 136 (change password) and 152 (checker password).

namespace mirsa {

inline constexpr int IDD_CHANGE_PASSWORD = 136;
inline constexpr int IDC_CHANGE_OLD = 1020;
inline constexpr int IDC_CHANGE_NEW = 1021;
inline constexpr int IDC_CHANGE_CONFIRM = 1022;
// OK and Cancel are the framework's ui::IDOK and ui::IDCANCEL.

inline constexpr int IDD_CHECKER_PASSWORD = 152;
inline constexpr int IDC_CHECKER_OK = 1161;
inline constexpr int IDC_CHECKER_CANCEL = 1162;
inline constexpr int IDC_CHECKER_PASSWORD = 1163;

}  // namespace mirsa
