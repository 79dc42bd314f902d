#pragma once
// Dialog 130, the login.

namespace mirsa {

inline constexpr int IDD_LOGIN = 130;
inline constexpr int IDC_LOGIN_USERNAME = 1000;
inline constexpr int IDC_LOGIN_PASSWORD = 1001;

}  // namespace mirsa
