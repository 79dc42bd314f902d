#pragma once
// Dialog 135, parameter maintenance: its boxes (numbered as the parameter file's fields are
// held, see mirsaclient/shell/ParameterFile.h), buttons and the labels that turn red.

namespace mirsa {

inline constexpr int IDD_PARAMETERS = 135;

inline constexpr int IDC_PARAM_MEMBER_CODE = 1020;
inline constexpr int IDC_PARAM_BANK_NAME = 1021;
inline constexpr int IDC_PARAM_ZONE_CODE = 1022;
inline constexpr int IDC_PARAM_BRANCH_CODE = 1023;
inline constexpr int IDC_PARAM_ADDRESS = 1024;
inline constexpr int IDC_PARAM_BANK_CODE = 1026;
inline constexpr int IDC_PARAM_PLR = 1028;
inline constexpr int IDC_PARAM_CITY = 1037;
inline constexpr int IDC_PARAM_PIN = 1038;
inline constexpr int IDC_PARAM_PHONE = 1039;
inline constexpr int IDC_PARAM_PHONE_STD = 1040;
inline constexpr int IDC_PARAM_FAX = 1041;
inline constexpr int IDC_PARAM_FAX_STD = 1042;
inline constexpr int IDC_PARAM_MAKER1_ID = 1043;
inline constexpr int IDC_PARAM_MAKER1_PASSWORD = 1044;
inline constexpr int IDC_PARAM_MAKER1_CHANGE = 1045;
inline constexpr int IDC_PARAM_MAKER2_ID = 1046;
inline constexpr int IDC_PARAM_MAKER2_PASSWORD = 1047;
inline constexpr int IDC_PARAM_MAKER2_CHANGE = 1048;
inline constexpr int IDC_PARAM_CHECKER_ID = 1049;
inline constexpr int IDC_PARAM_CONNECTION_NAME = 1050;
inline constexpr int IDC_PARAM_CHECKER_PASSWORD = 1052;
inline constexpr int IDC_PARAM_CHECKER_CHANGE = 1053;
inline constexpr int IDC_PARAM_SERVER_ADDRESS = 1054;
inline constexpr int IDC_PARAM_SAVE = 1055;
inline constexpr int IDC_PARAM_CLOSE = 1056;
inline constexpr int IDC_PARAM_EDIT = 1057;
inline constexpr int IDC_PARAM_EMAIL = 1083;

// The labels of the mandatory fields and the note about them.
inline constexpr int IDC_PARAM_LABEL_MEMBER_CODE = 1300;
inline constexpr int IDC_PARAM_LABEL_BANK_NAME = 1301;
inline constexpr int IDC_PARAM_LABEL_PLR = 1302;
inline constexpr int IDC_PARAM_LABEL_MAKER1_ID = 1303;
inline constexpr int IDC_PARAM_LABEL_MAKER1_PASSWORD = 1304;
inline constexpr int IDC_PARAM_LABEL_MAKER2_ID = 1305;
inline constexpr int IDC_PARAM_LABEL_MAKER2_PASSWORD = 1306;
inline constexpr int IDC_PARAM_LABEL_CHECKER_ID = 1307;
inline constexpr int IDC_PARAM_LABEL_CHECKER_PASSWORD = 1308;
inline constexpr int IDC_PARAM_MANDATORY_NOTE = 1309;

// The large icon of the dialog.
inline constexpr int IDI_PARAMETERS = 147;

}  // namespace mirsa
